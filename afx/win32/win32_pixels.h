// The pixel work of the Win32 backend that needs no window system: the
// 24-bit top-down DIB layout, the panel background with its resize grip,
// RGBA to BGR copies, the monochrome rows and the check of a "BINARY"
// resource image. Kept apart so it is tested on any machine.
#pragma once

#include "afx/core/afx_pixbuf.h"

#include <cstddef>
#include <cstdint>

namespace afx_win32 {

// A DIB's rows are padded to 4 bytes; its image size is stride x height.
int dib_stride(int width);
uint32_t dib_image_size(int width, int height);

// A view of a 24-bit top-down DIB's pixels.
struct bgr_image {
    uint8_t* bits = nullptr;
    int width = 0, height = 0;
    uint8_t* row(int y) const { return bits + static_cast<ptrdiff_t>(y) * dib_stride(width); }
};

// Dots of the panel grey every `period` pixels and the orange grip in the
// bottom-right corner; every pixel is written.
void paint_background(const bgr_image& im, int r, int g, int b, int grip, int margin, int period, int dot);

// Copies a rectangle 1:1, RGBA to B, G, R (alpha dropped). Callers pass a
// rectangle inside both.
void copy_rgba_to_bgr(const afx_pixbuf& src, const bgr_image& dst, int src_x, int src_y, int dst_x, int dst_y,
                      int width, int height);

// Grey rows for an effect switched off by the host: every other pair of
// rows (scaled by level) is darkened by an eighth.
void make_mono(const bgr_image& im, float level);

// The GdkPixdata stream of a resource of `size` bytes, or null when it is
// no raw RGBA image or its stride, width and height reach beyond the data.
const uint8_t* checked_gdkp_stream(const void* data, size_t size);

}  // namespace afx_win32
