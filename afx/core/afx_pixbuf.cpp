#include "afx_pixbuf.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace afx_gdkpixdata {

uint32_t read_be32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

void write_be32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v >> 24), p[1] = uint8_t(v >> 16), p[2] = uint8_t(v >> 8), p[3] = uint8_t(v);
}

header read_header(const uint8_t* s)
{
    return {read_be32(s),      read_be32(s + 4),  read_be32(s + 8),
            read_be32(s + 12), read_be32(s + 16), read_be32(s + 20)};
}

void write_header(uint8_t* out, uint32_t width, uint32_t height)
{
    const uint32_t fields[6] = {
        kMagic, uint32_t(kHeaderSize) + 4 * width * height, kTypeRawRgba8, 4 * width, width, height};
    for (int i = 0; i < 6; ++i)
        write_be32(out + 4 * i, fields[i]);
}

}  // namespace afx_gdkpixdata

afx_pixbuf* AFX_drawing::afx_pixbuf_new_from_inline(const uint8_t* stream, int window)
{
    using namespace afx_gdkpixdata;
    if (!stream || read_be32(stream) != kMagic) {
        std::printf("afx_pixbuf_new_from_inline - pixbuf is not a pixbuf test failed\n");
        std::fflush(stdout);
        return nullptr;
    }
    // The pixels stay in the (constant) stream; only the record is ours.
    auto* buf = new afx_pixbuf;
    buf->rowstride = int32_t(read_be32(stream + 12));
    buf->width = int32_t(read_be32(stream + 16));
    buf->height = int32_t(read_be32(stream + 20));
    buf->pixels = const_cast<uint8_t*>(stream + kHeaderSize);
    buf->window = window;
    return buf;
}

afx_pixbuf* AFX_drawing::afx_pixbuf_new_with_allocation(int width, int height, int window)
{
    auto* buf = new afx_pixbuf;
    buf->width = width;
    buf->height = height;
    buf->rowstride = 4 * width;
    buf->window = window;
    afx_pixbuf_init(buf);
    return buf;
}

void AFX_drawing::afx_pixbuf_init(afx_pixbuf* buf)
{
    const size_t n = size_t(buf->width) * size_t(buf->height);
    if (!buf->pixels)
        buf->pixels = new uint8_t[n * 4]();
    for (size_t i = 0; i < n; ++i) {
        uint8_t* p = buf->pixels + i * 4;
        p[0] = p[1] = p[2] = 0;
        p[3] = 255;
    }
}

void AFX_drawing::afx_pixbuf_destroy(afx_pixbuf* buf) { delete buf; }

void AFX_drawing::afx_pixbuf_destroy_with_allocation(afx_pixbuf* buf)
{
    if (!buf)
        return;
    delete[] buf->pixels;
    delete buf;
}

void AFX_drawing::afx_pixbuf_reparent(afx_pixbuf* buf, int window) { buf->window = window; }

void AFX_drawing::afx_pixbuf_copy(const afx_pixbuf* src, afx_pixbuf* dst, int sx, int sy, int dx, int dy,
                                  int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    for (int row = 0; row < height; ++row)
        std::memcpy(afx_pixel_at(dst, dx, dy + row), afx_pixel_at(src, sx, sy + row), size_t(width) * 4);
}

void AFX_drawing::afx_combine_pixbuf_fixed(const afx_pixbuf* src, afx_pixbuf* dst, int sx, int sy, int dx,
                                           int dy, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    for (int row = 0; row < height; ++row) {
        const uint8_t* s = afx_pixel_at(src, sx, sy + row);
        uint8_t* d = afx_pixel_at(dst, dx, dy + row);
        for (int col = 0; col < width; ++col, s += 4, d += 4) {
            const int a = s[3];
            if (a == 0)
                continue;
            d[0] = afx_blend_channel(d[0], s[0], a);
            d[1] = afx_blend_channel(d[1], s[1], a);
            d[2] = afx_blend_channel(d[2], s[2], a);
        }
    }
}

void AFX_drawing::plot_pixel_to_pixbuf(afx_pixbuf* buf, int x, int y, int r, int g, int b, int alpha, bool)
{
    uint8_t* p = afx_pixel_at(buf, x, y);
    p[0] = afx_blend_channel(p[0], r & 255, alpha);
    p[1] = afx_blend_channel(p[1], g & 255, alpha);
    p[2] = afx_blend_channel(p[2], b & 255, alpha);
}

void AFX_drawing::draw_horiz_line_to_pixbuf(afx_pixbuf* buf, int x1, int y1, int x2, int, int r, int g, int b,
                                            int alpha)
{
    if (x1 > x2)
        std::swap(x1, x2);
    for (int x = x1; x <= x2; ++x)
        plot_pixel_to_pixbuf(buf, x, y1, r, g, b, alpha);
}

void AFX_drawing::draw_vert_line_to_pixbuf(afx_pixbuf* buf, int x1, int y1, int, int y2, int r, int g, int b,
                                           int alpha)
{
    if (y1 > y2)
        std::swap(y1, y2);
    for (int y = y1; y <= y2; ++y)
        plot_pixel_to_pixbuf(buf, x1, y, r, g, b, alpha);
}

void AFX_drawing::afxline_block_fill_to_pixbuf(afx_pixbuf* buf, int x, int y, int width, int height, int r,
                                               int g, int b)
{
    if (!buf || width <= 0 || height <= 0)
        return;
    for (int row = 0; row < height; ++row) {
        uint8_t* p = afx_pixel_at(buf, x, y + row);
        for (int col = 0; col < width; ++col, p += 4)
            p[0] = uint8_t(r), p[1] = uint8_t(g), p[2] = uint8_t(b), p[3] = 255;
    }
}

void AFX_drawing::afxline_plot_pixel_to_pixbuf(afx_pixbuf* buf, int x, int y, int r, int g, int b, int alpha)
{
    plot_pixel_to_pixbuf(buf, x, y, r, g, b, alpha);
    afx_pixel_at(buf, x, y)[3] = 255;
}

void AFX_drawing::afxline_draw_line_on_pixbuf(afx_pixbuf* buf, int x0, int y0, int x1, int y1, int r, int g,
                                              int b, int alpha)
{
    const int a = alpha & 255;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    afxline_plot_pixel_to_pixbuf(buf, x0, y0, r, g, b, a);
    int dx = x1 - x0;
    const int dir = dx >= 0 ? 1 : -1;
    dx *= dir;
    const int dy = y1 - y0;

    if (dy == 0 || dx == 0 || dx == dy) {
        for (int i = 0, n = dy == 0 ? dx : dy; i < n; ++i) {
            if (dx != 0)
                x0 += dir;
            if (dy != 0)
                ++y0;
            afxline_plot_pixel_to_pixbuf(buf, x0, y0, r, g, b, a);
        }
        return;
    }
    // Wu: a 16-bit error accumulator; its top byte weighs the pixel pair.
    // With alpha below 255 the pair weights can go negative: hold them at 0
    // instead of letting the low 8 bits wrap into a bright pixel.
    const bool steep = dy > dx;
    const uint32_t step = steep ? (uint32_t(dx) << 16) / uint32_t(dy) : (uint32_t(dy) << 16) / uint32_t(dx);
    uint16_t acc = 0;
    for (int i = 0, n = (steep ? dy : dx) - 1; i < n; ++i) {
        const uint16_t prev = acc;
        acc = uint16_t(acc + step);
        if (steep) {
            if (acc <= prev)
                x0 += dir;
            ++y0;
        } else {
            if (acc <= prev)
                ++y0;
            x0 += dir;
        }
        const int w = acc >> 8;
        const int near_alpha = a - w > 0 ? a - w : 0;
        const int far_alpha = a - (255 - w) > 0 ? a - (255 - w) : 0;
        afxline_plot_pixel_to_pixbuf(buf, x0, y0, r, g, b, near_alpha);
        afxline_plot_pixel_to_pixbuf(buf, steep ? x0 + dir : x0, steep ? y0 : y0 + 1, r, g, b, far_alpha);
    }
    afxline_plot_pixel_to_pixbuf(buf, x1, y1, r, g, b, a);
}
