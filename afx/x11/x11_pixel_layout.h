// The packed pixel layouts of a window image, told by its exact colour masks
// (a BGR visual has the same masks OR-ed together as an RGB one, so the OR
// alone would swap red and blue).
#pragma once

#include "afx/core/afx_scaled_blit.h"

#include <X11/Xlib.h>

#include <cstdint>

enum class afx_pixel_layout { rgb888, rgb565, rgb555, unsupported };

inline afx_pixel_layout afx_layout_of(const XImage* im)
{
    const unsigned long r = im->red_mask, g = im->green_mask, b = im->blue_mask;
    if (r == 0xFF0000 && g == 0x00FF00 && b == 0x0000FF && im->bits_per_pixel >= 24)
        return afx_pixel_layout::rgb888;
    if (r == 0xF800 && g == 0x07E0 && b == 0x001F && im->bits_per_pixel == 16)
        return afx_pixel_layout::rgb565;
    if (r == 0x7C00 && g == 0x03E0 && b == 0x001F && im->bits_per_pixel == 16)
        return afx_pixel_layout::rgb555;
    return afx_pixel_layout::unsupported;
}

inline afx_scale::layout afx_core_layout(afx_pixel_layout l)
{
    switch (l) {
    case afx_pixel_layout::rgb888: return afx_scale::layout::rgb888;
    case afx_pixel_layout::rgb565: return afx_scale::layout::rgb565;
    case afx_pixel_layout::rgb555: return afx_scale::layout::rgb555;
    default: return afx_scale::layout::unsupported;
    }
}

inline unsigned long afx_pack(afx_pixel_layout l, int r, int g, int b)
{
    switch (l) {
    case afx_pixel_layout::rgb888:
        return afx_scale::pack(afx_scale::layout::rgb888, 0xFF0000, 0xFF00, 0xFF, r, g, b);
    case afx_pixel_layout::rgb565:
        return afx_scale::pack(afx_scale::layout::rgb565, 0xF800, 0x07E0, 0x1F, r, g, b);
    case afx_pixel_layout::rgb555:
        return afx_scale::pack(afx_scale::layout::rgb555, 0x7C00, 0x03E0, 0x1F, r, g, b);
    default: return 0;
    }
}

struct afx_rgb {
    int r, g, b;
};

inline afx_rgb afx_unpack(afx_pixel_layout l, unsigned long p)
{
    auto five = [](unsigned long v) { return static_cast<int>((v << 3) | (v >> 2)); };
    switch (l) {
    case afx_pixel_layout::rgb888:
        return {static_cast<int>(p >> 16 & 255), static_cast<int>(p >> 8 & 255), static_cast<int>(p & 255)};
    case afx_pixel_layout::rgb565: {
        const unsigned long g = p >> 5 & 63;
        return {five(p >> 11 & 31), static_cast<int>((g << 2) | (g >> 4)), five(p & 31)};
    }
    case afx_pixel_layout::rgb555: return {five(p >> 10 & 31), five(p >> 5 & 31), five(p & 31)};
    default: return {0, 0, 0};
    }
}
