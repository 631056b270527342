#include "afx_scaled_blit.h"

#include <cstdio>
#include <cstring>

namespace afx_scale {

int kernel(int d)
{
    const int d2 = (d * d) >> 8;
    const int d3 = (d2 * d) >> 8;
    if (d < 256)
        return ((d2 * -640) >> 8) + ((d3 * 384) >> 8) + 256;
    if (d < 512)
        return ((d * -1024) >> 8) + ((d2 * 640) >> 8) + ((-(d3 * 128)) >> 8) + 512;
    return 0;
}

taps taps_for_fraction(int f)
{
    taps t{};
    const int d[4] = {256 + f, f, 256 - f, 512 - f};
    for (int k = 0; k < 4; ++k) {
        t.w[k] = kernel(d[k]);
        t.total += t.w[k];
    }
    t.recip = t.total > 0 ? ((uint64_t(1) << 32) + uint64_t(t.total) - 1) / uint64_t(t.total) : 0;
    return t;
}

layout layout_for_masks(uint32_t red, uint32_t green, uint32_t blue)
{
    switch (red | green | blue) {
    case 0xFFFFFF: return layout::rgb888;
    case 0xFFFF: return layout::rgb565;
    case 0x7FFF: return layout::rgb555;
    default: return layout::unsupported;
    }
}

uint32_t pack(layout l, uint32_t rm, uint32_t gm, uint32_t bm, int r, int g, int b)
{
    const uint32_t R = uint32_t(r), G = uint32_t(g), B = uint32_t(b);
    switch (l) {
    case layout::rgb888: return ((R << 16) & rm) | ((G << 8) & gm) | (B & bm);
    case layout::rgb565: return ((R << 8) & rm) | ((G << 3) & gm) | ((B >> 3) & bm);
    case layout::rgb555: return ((R << 7) & rm) | ((G << 2) & gm) | ((B >> 3) & bm);
    default: return 0;
    }
}

}  // namespace afx_scale

bool AFXPackedImageSink::begin()
{
    layout_ = afx_scale::layout_for_masks(red_mask, green_mask, blue_mask);
    if (layout_ != afx_scale::layout::unsupported)
        return put_pixel || data;
    const char* pre = "*** Error *** QELM-UI - AFX_engine afx_blit_pixbuf_scaled - ";
    std::printf("%sImage / display colour depth is not supported\n", pre);
    std::printf("%sbits per pixel is %d\n", pre, bits_per_pixel);
    std::printf("%sred_mask is %04X\n", pre, red_mask);
    std::printf("%sgreen_mask is %04X\n", pre, green_mask);
    std::printf("%sblue_mask is %04X\n\n", pre, blue_mask);
    std::fflush(stdout);
    return false;
}

void AFXPackedImageSink::put(int x, int y, int r, int g, int b)
{
    const uint32_t v = afx_scale::pack(layout_, red_mask, green_mask, blue_mask, r, g, b);
    if (put_pixel) {
        put_pixel(put_ctx, x, y, v);
        return;
    }
    uint8_t* row = data + static_cast<ptrdiff_t>(y) * bytes_per_line;
    if (bits_per_pixel == 16)
        reinterpret_cast<uint16_t*>(row)[x] = uint16_t(v);
    else
        reinterpret_cast<uint32_t*>(row)[x] = v;
}

void AFXPackedImageSink::put_row(int x, int y, const uint32_t* px, int n)
{
    const auto masks_are = [this](uint32_t r, uint32_t g, uint32_t b) {
        return red_mask == r && green_mask == g && blue_mask == b;
    };
    uint8_t* row = data + static_cast<ptrdiff_t>(y) * bytes_per_line;
    // The common TrueColor image already stores our 0x00RRGGBB words.
    if (!put_pixel && bits_per_pixel == 32 && masks_are(0xFF0000, 0xFF00, 0xFF)) {
        std::memcpy(row + static_cast<ptrdiff_t>(x) * 4, px, static_cast<size_t>(n) * 4);
        return;
    }
    if (!put_pixel && bits_per_pixel == 16 && masks_are(0xF800, 0x7E0, 0x1F)) {
        uint16_t* out = reinterpret_cast<uint16_t*>(row) + x;
        for (int i = 0; i < n; ++i)
            out[i] = uint16_t((px[i] >> 8 & 0xF800) | (px[i] >> 5 & 0x7E0) | (px[i] >> 3 & 0x1F));
        return;
    }
    for (int i = 0; i < n; ++i)
        put(x + i, y, int(px[i] >> 16) & 255, int(px[i] >> 8) & 255, int(px[i]) & 255);
}
