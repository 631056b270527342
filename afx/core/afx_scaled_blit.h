// Catmull-Rom magnifying blit from a content pixbuf into a window image.
// One filter core, many pixel sinks: the backends differ only in how a
// finished R, G, B triple is stored (packed XImage pixel, RGBA pixmap, BGR
// DIB row), so each passes a small sink object to afx_catrom_blit().
#pragma once

#include "afx_pixbuf.h"

#include <cstdint>

namespace afx_scale {

// Kernel weight in 8.8 fixed point at distance d (8.8, d >= 0).
int kernel(int d);

// The four tap weights of fraction f (0..255) and what they sum to; worked
// out once per destination row or column, never per tap.
struct taps {
    int32_t w[4];
    int32_t total;
    uint64_t recip;  // ceil(2^32 / total): exact floor(s / total) for our sums
};
taps taps_for_fraction(int f);

// Channel from a weighted sum s = sum(w x channel) with the taps' total.
inline uint8_t normalise(int32_t s, const taps& t)
{
    if (t.total <= 0 || s <= 0)
        return 0;
    uint64_t v = (static_cast<uint64_t>(s) * t.recip) >> 32;
    return v > 255 ? 255 : static_cast<uint8_t>(v);
}

// Colour layout of a packed window image, from the OR of its masks.
enum class layout { rgb888, rgb565, rgb555, unsupported };
layout layout_for_masks(uint32_t red, uint32_t green, uint32_t blue);
uint32_t pack(layout l, uint32_t red, uint32_t green, uint32_t blue, int r, int g, int b);

}  // namespace afx_scale

// Where the dirty rectangle lies and how the content maps onto the image.
struct AFXBlitArea {
    int x, y, width, height;  // dirty rectangle in destination pixels
    int x_offset, y_offset;   // destination position of the content origin
    float scale;              // destination pixels per source pixel, >= 1
};

// A sink has: int width() const, int height() const, bool begin() (false
// aborts before anything is stored) and put(x, y, r, g, b); it may add
// put_row(x, y, pixels, n) taking n pixels as 0x00RRGGBB words at once.
// Returns true when pixels were stored.
template <class Sink>
bool afx_catrom_blit(const afx_pixbuf& src, Sink& sink, AFXBlitArea area);

// Packed XImage-style sink: 8-8-8, 5-6-5 or 5-5-5 by the masks. Writes into
// memory (16 or 32 bits a pixel, host byte order) unless a put function is
// given, which then receives every packed pixel (the X11 engine's XPutPixel).
struct AFXPackedImageSink {
    int image_width = 0, image_height = 0;
    uint32_t red_mask = 0, green_mask = 0, blue_mask = 0;
    int bits_per_pixel = 32;
    uint8_t* data = nullptr;
    int bytes_per_line = 0;
    void (*put_pixel)(void* ctx, int x, int y, uint32_t pixel) = nullptr;
    void* put_ctx = nullptr;

    int width() const { return image_width; }
    int height() const { return image_height; }
    bool begin();  // prints the five unsupported-depth lines and refuses
    void put(int x, int y, int r, int g, int b);
    void put_row(int x, int y, const uint32_t* px, int n);

private:
    afx_scale::layout layout_ = afx_scale::layout::unsupported;
};

// Off-screen RGBA pixmap (macOS): R, G, B, 255.
struct AFXRgbaSink {
    int image_width = 0, image_height = 0, rowstride = 0;
    uint8_t* pixels = nullptr;
    int width() const { return image_width; }
    int height() const { return image_height; }
    bool begin() { return pixels != nullptr; }
    void put(int x, int y, int r, int g, int b)
    {
        uint8_t* p = pixels + static_cast<ptrdiff_t>(y) * rowstride + x * 4;
        p[0] = static_cast<uint8_t>(r), p[1] = static_cast<uint8_t>(g), p[2] = static_cast<uint8_t>(b),
        p[3] = 255;
    }
    void put_row(int x, int y, const uint32_t* px, int n)
    {
        uint8_t* p = pixels + static_cast<ptrdiff_t>(y) * rowstride + x * 4;
        for (int i = 0; i < n; ++i, p += 4) {
            p[0] = uint8_t(px[i] >> 16), p[1] = uint8_t(px[i] >> 8), p[2] = uint8_t(px[i]);
            p[3] = 255;
        }
    }
};

// 24-bit top-down DIB (Windows): B, G, R with rows padded to 4 bytes.
struct AFXBgrDibSink {
    int image_width = 0, image_height = 0;
    uint8_t* bits = nullptr;
    static int row_bytes(int width) { return (width * 3 + 3) & ~3; }
    int width() const { return image_width; }
    int height() const { return image_height; }
    bool begin() { return bits != nullptr; }
    void put(int x, int y, int r, int g, int b)
    {
        uint8_t* p = bits + static_cast<ptrdiff_t>(y) * row_bytes(image_width) + x * 3;
        p[0] = static_cast<uint8_t>(b), p[1] = static_cast<uint8_t>(g), p[2] = static_cast<uint8_t>(r);
    }
    void put_row(int x, int y, const uint32_t* px, int n)
    {
        uint8_t* p = bits + static_cast<ptrdiff_t>(y) * row_bytes(image_width) + x * 3;
        for (int i = 0; i < n; ++i, p += 3)
            p[0] = uint8_t(px[i]), p[1] = uint8_t(px[i] >> 8), p[2] = uint8_t(px[i] >> 16);
    }
};

#include "afx_scaled_blit_core.h"
