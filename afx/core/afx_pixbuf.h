// RGBA pixel buffers, GdkPixdata image streams and the integer drawing
// primitives every AFX backend and widget shares. Nothing here knows about a
// window system: the engines inherit AFX_drawing so that their callers can
// write engine->afx_pixbuf_copy(...), while core code calls the statics.
#pragma once

#include <cstddef>
#include <cstdint>

struct afx_pixbuf {
    int32_t width = 0;
    int32_t height = 0;
    int32_t rowstride = 0;      // bytes per row; 4 x width for every buffer we make
    uint8_t* pixels = nullptr;  // R, G, B, A per pixel, rows top to bottom
    int32_t window = 0;         // owning toolkit window
};

// GdkPixdata stream layout: 24-byte big-endian header, then raw RGBA rows.
namespace afx_gdkpixdata {
constexpr uint32_t kMagic = 0x47646B50;  // "GdkP"
constexpr uint32_t kTypeRawRgba8 = 0x01010002;
constexpr size_t kHeaderSize = 24;

struct header {
    uint32_t magic, length, type, rowstride, width, height;
};

uint32_t read_be32(const uint8_t* p);
void write_be32(uint8_t* p, uint32_t v);
header read_header(const uint8_t* stream);
// Writes the 24-byte header for a raw RGBA image of width x height.
void write_header(uint8_t* out, uint32_t width, uint32_t height);
}  // namespace afx_gdkpixdata

// The blend of every blending primitive: d + floor((c - d) x a / 256), only
// the low 8 bits of a count. The arithmetic shift rounds towards -infinity.
inline uint8_t afx_blend_channel(int d, int c, int a)
{
    return static_cast<uint8_t>(d + (((c - d) * (a & 255)) >> 8));
}

struct AFX_drawing {
    static afx_pixbuf* afx_pixbuf_new_from_inline(const uint8_t* stream, int window);
    static afx_pixbuf* afx_pixbuf_new_with_allocation(int width, int height, int window);
    static void afx_pixbuf_init(afx_pixbuf* buf);
    static void afx_pixbuf_destroy(afx_pixbuf* buf);
    static void afx_pixbuf_destroy_with_allocation(afx_pixbuf* buf);
    static void afx_pixbuf_reparent(afx_pixbuf* buf, int window);

    static void afx_pixbuf_copy(const afx_pixbuf* src, afx_pixbuf* dst, int sx, int sy, int dx, int dy,
                                int width, int height);
    static void afx_combine_pixbuf_fixed(const afx_pixbuf* src, afx_pixbuf* dst, int sx, int sy, int dx,
                                         int dy, int width, int height);

    static void plot_pixel_to_pixbuf(afx_pixbuf* buf, int x, int y, int r, int g, int b, int alpha,
                                     bool unused = false);
    static void draw_horiz_line_to_pixbuf(afx_pixbuf* buf, int x1, int y1, int x2, int y2, int r, int g,
                                          int b, int alpha);
    static void draw_vert_line_to_pixbuf(afx_pixbuf* buf, int x1, int y1, int x2, int y2, int r, int g, int b,
                                         int alpha);
    static void afxline_block_fill_to_pixbuf(afx_pixbuf* buf, int x, int y, int width, int height, int r,
                                             int g, int b);
    static void afxline_plot_pixel_to_pixbuf(afx_pixbuf* buf, int x, int y, int r, int g, int b, int alpha);
    static void afxline_draw_line_on_pixbuf(afx_pixbuf* buf, int x0, int y0, int x1, int y1, int r, int g,
                                            int b, int alpha);
};

inline uint8_t* afx_pixel_at(const afx_pixbuf* buf, int x, int y)
{
    return buf->pixels + static_cast<ptrdiff_t>(y) * buf->rowstride + static_cast<ptrdiff_t>(x) * 4;
}
