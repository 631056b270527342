#include "afx_pixmap.h"

#include "afx/core/afx_scaled_blit.h"

#include <algorithm>
#include <cstring>

void afx_pixmap_init(afx_pixmap* pm, int width, int height)
{
    pm->width = width;
    pm->height = height;
    pm->rowstride = 4 * width;
    const size_t bytes = static_cast<size_t>(4 * width + 4) * static_cast<size_t>(height + 1);
    pm->pixels = new uint8_t[bytes]();
}

void afx_pixmap_release(afx_pixmap* pm)
{
    delete[] pm->pixels;
    pm->pixels = nullptr;
}

namespace {

// Inside the grip triangle of the bottom-right corner: orange squares on black.
bool grip_pixel(const afx_pixmap& pm, const afx_pixmap_look& l, int x, int y, bool* orange)
{
    const int dx = pm.width - 1 - l.margin - x;
    const int dy = pm.height - 1 - l.margin - y;
    if (dx < 0 || dy < 0 || dx >= l.grip || dy >= l.grip || dx + dy >= l.grip)
        return false;
    const int p = l.grip / 5, half = p / 2;
    *orange = p > 0 && dx % p < half && dy % p < half;
    return true;
}

void put(uint8_t* px, int r, int g, int b)
{
    px[0] = static_cast<uint8_t>(r), px[1] = static_cast<uint8_t>(g), px[2] = static_cast<uint8_t>(b);
    px[3] = 255;
}

}  // namespace

void afx_pixmap_paint_background(afx_pixmap* pm, const afx_pixmap_look& look)
{
    const int width = pm->width, height = pm->height;
    // The dots are the grey of the panel's frame, darkened to 2/7.
    const int dr = 256 * look.r / 896, dg = 256 * look.g / 896, db = 256 * look.b / 896;
    const int period = std::max(look.period, 1);
    for (int y = 0; y < height; ++y) {
        uint8_t* px = pm->pixels + static_cast<ptrdiff_t>(y) * pm->rowstride;
        for (int x = 0; x < width; ++x, px += 4) {
            bool orange = false;
            if (grip_pixel(*pm, look, x, y, &orange))
                orange ? put(px, 197, 142, 0) : put(px, 0, 0, 0);
            else if (y % period < look.dot && x % period < look.dot)
                put(px, dr, dg, db);
            else
                put(px, 0, 0, 0);
        }
    }
}

afx_pixmap* afx_pixmap_new(int width, int height, const afx_pixmap_look& look)
{
    auto* pm = new afx_pixmap;
    afx_pixmap_init(pm, width, height);
    afx_pixmap_paint_background(pm, look);
    return pm;
}

void afx_pixmap_free(afx_pixmap* pixmap)
{
    if (!pixmap)
        return;
    afx_pixmap_release(pixmap);
    delete pixmap;
}

afx_pixbuf afx_pixmap_as_pixbuf(const afx_pixmap& pixmap)
{
    afx_pixbuf view;
    view.width = pixmap.width;
    view.height = pixmap.height;
    view.rowstride = pixmap.rowstride;
    view.pixels = pixmap.pixels;
    return view;
}

afx_pixmap_rect afx_pixmap_limit(const afx_pixmap& pixmap, afx_pixmap_rect r)
{
    r.x = std::clamp(r.x, 0, pixmap.width);
    r.y = std::clamp(r.y, 0, pixmap.height);
    r.width = std::clamp(r.width, 0, pixmap.width - r.x);
    r.height = std::clamp(r.height, 0, pixmap.height - r.y);
    return r;
}

void afx_pixmap_draw_pixbuf(afx_pixmap* pixmap, const afx_pixbuf* pixbuf, int src_x, int src_y, int dst_x,
                            int dst_y, int width, int height)
{
    afx_pixbuf target = afx_pixmap_as_pixbuf(*pixmap);
    AFX_drawing::afx_combine_pixbuf_fixed(pixbuf, &target, src_x, src_y, dst_x, dst_y, width, height);
}

void afx_pixmap_blit_pixbuf(afx_pixmap* pixmap, const afx_pixbuf* pixbuf, int src_x, int src_y, int dst_x,
                            int dst_y, int width, int height)
{
    afx_pixbuf target = afx_pixmap_as_pixbuf(*pixmap);
    AFX_drawing::afx_pixbuf_copy(pixbuf, &target, src_x, src_y, dst_x, dst_y, width, height);
}

void afx_pixmap_stretch_copy(const afx_pixmap* source, afx_pixmap* destination, int x, int y, int width,
                             int height, int x_offset, int y_offset, float scale)
{
    if (!source || !destination)
        return;
    AFXRgbaSink sink;
    sink.image_width = destination->width;
    sink.image_height = destination->height;
    sink.rowstride = destination->rowstride;
    sink.pixels = destination->pixels;
    afx_catrom_blit(afx_pixmap_as_pixbuf(*source), sink,
                    AFXBlitArea{x, y, width, height, x_offset, y_offset, scale});
}

afx_pixmap_mono_pass::afx_pixmap_mono_pass(afx_pixmap* pixmap, afx_pixmap_rect r, float level)
    : pixmap_(pixmap), r_(afx_pixmap_limit(*pixmap, r))
{
    const size_t row_bytes = static_cast<size_t>(r_.width) * 4;
    saved_.resize(row_bytes * static_cast<size_t>(r_.height));
    // Bands of about 2 x level rows, darker first, follow the display scale.
    const int band = level > 0.0f ? static_cast<int>(256.0f / level) : 256;
    for (int row = r_.y; row < r_.y + r_.height; ++row) {
        uint8_t* px = pixmap_->pixels + static_cast<ptrdiff_t>(row) * pixmap_->rowstride + r_.x * 4;
        std::memcpy(&saved_[row_bytes * static_cast<size_t>(row - r_.y)], px, row_bytes);
        const bool dark = ((row * band) >> 9) % 2 == 0;
        for (int col = 0; col < r_.width; ++col, px += 4) {
            int grey = (px[1] >> 1) + (px[0] >> 2) + (px[2] >> 3);
            if (dark)
                grey -= grey >> 3;
            px[0] = px[1] = px[2] = static_cast<uint8_t>(grey);
        }
    }
}

afx_pixmap_mono_pass::~afx_pixmap_mono_pass()
{
    const size_t row_bytes = static_cast<size_t>(r_.width) * 4;
    for (int row = 0; row < r_.height; ++row)
        std::memcpy(pixmap_->pixels + static_cast<ptrdiff_t>(r_.y + row) * pixmap_->rowstride + r_.x * 4,
                    &saved_[row_bytes * static_cast<size_t>(row)], row_bytes);
}
