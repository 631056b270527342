#include "win32_pixels.h"

#include "afx/core/afx_scaled_blit.h"

#include <cstdio>

namespace afx_win32 {

int dib_stride(int width) { return AFXBgrDibSink::row_bytes(width); }

uint32_t dib_image_size(int width, int height)
{
    return static_cast<uint32_t>(dib_stride(width)) * static_cast<uint32_t>(height);
}

void paint_background(const bgr_image& im, int r, int g, int b, int grip, int margin, int period, int dot)
{
    const uint8_t dots[3] = {uint8_t(b * 256 / 896), uint8_t(g * 256 / 896), uint8_t(r * 256 / 896)};
    const uint8_t orange[3] = {0, 142, 197};
    const uint8_t black[3] = {0, 0, 0};
    const int q = grip / 5, h = q / 2;
    const int right = im.width - 1 - margin, bottom = im.height - 1 - margin;
    for (int y = 0; y < im.height; ++y) {
        uint8_t* p = im.row(y);
        for (int x = 0; x < im.width; ++x, p += 3) {
            const uint8_t* c = period > 0 && x % period < dot && y % period < dot ? dots : black;
            const int dx = right - x, dy = bottom - y;
            if (dx >= 0 && dx < grip && dy >= 0 && dy < grip && dx + dy < grip)
                c = q > 0 && dx % q < h && dy % q < h ? orange : black;
            p[0] = c[0], p[1] = c[1], p[2] = c[2];
        }
    }
}

void copy_rgba_to_bgr(const afx_pixbuf& src, const bgr_image& dst, int src_x, int src_y, int dst_x, int dst_y,
                      int width, int height)
{
    if (!src.pixels || !dst.bits)
        return;
    for (int y = 0; y < height; ++y) {
        const uint8_t* s = src.pixels + static_cast<ptrdiff_t>(src_y + y) * src.rowstride + src_x * 4;
        uint8_t* d = dst.row(dst_y + y) + dst_x * 3;
        for (int x = 0; x < width; ++x, s += 4, d += 3)
            d[0] = s[2], d[1] = s[1], d[2] = s[0];
    }
}

void make_mono(const bgr_image& im, float level)
{
    const int k = level > 0.0f ? static_cast<int>(256.0f / level) : 256;
    for (int y = 0; y < im.height; ++y) {
        const bool dark = ((y * k * 256) & 0x20000) == 0;
        uint8_t* p = im.row(y);
        for (int x = 0; x < im.width; ++x, p += 3) {
            int grey = p[2] / 4 + p[1] / 2 + p[0] / 8;
            if (dark)
                grey -= grey / 8;
            p[0] = p[1] = p[2] = static_cast<uint8_t>(grey);
        }
    }
}

const uint8_t* checked_gdkp_stream(const void* data, size_t size)
{
    const auto* p = static_cast<const uint8_t*>(data);
    if (!p || size < afx_gdkpixdata::kHeaderSize)
        return nullptr;
    const afx_gdkpixdata::header h = afx_gdkpixdata::read_header(p);
    if (h.magic != afx_gdkpixdata::kMagic) {
        std::printf("afx_pixbuf_new_from_inline - pixbuf is not a pixbuf test failed\n");
        return nullptr;
    }
    // Stride, width and height come from the file: believe them only as far
    // as the resource really reaches.
    const uint64_t w = h.width, ht = h.height, stride = h.rowstride;
    if (w == 0 || ht == 0 || w > 32768 || ht > 32768 || stride < w * 4 ||
        afx_gdkpixdata::kHeaderSize + stride * ht > size)
        return nullptr;
    return p;
}

}  // namespace afx_win32
