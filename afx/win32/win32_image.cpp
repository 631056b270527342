// Window images as 24-bit top-down DIB sections, and their copies onto the
// window: plain, monochrome, 1:1 from a pixbuf or scaled through the core's
// DIB sink.
#include "win32_engine_state.h"
#include "win32_pixels.h"

#include "afx/core/afx_scaled_blit.h"

#include <algorithm>
#include <vector>

struct afx_image {
    BITMAPINFO info{};
    HBITMAP bitmap = nullptr;
    afx_win32::bgr_image pixels;  // bits null when the DIB could not be made
};

namespace {

afx_image* make_dib(HDC dc, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto* im = new afx_image;
    BITMAPINFOHEADER& h = im->info.bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = -height;  // rows top-down
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = afx_win32::dib_image_size(width, height);
    void* bits = nullptr;
    im->bitmap = CreateDIBSection(dc, &im->info, DIB_RGB_COLORS, &bits, nullptr, 0);
    im->pixels = {im->bitmap ? static_cast<uint8_t*>(bits) : nullptr, width, height};
    return im;
}

afx_image* make_panel_dib(HDC dc, int width, int height, int r, int g, int b, int grip, int margin,
                          int period, int dot)
{
    afx_image* im = make_dib(dc, width, height);
    if (im && im->pixels.bits)
        afx_win32::paint_background(im->pixels, r, g, b, grip, margin, period, dot);
    return im;
}

// Copies a rectangle of the image onto the slot's window through its memory DC.
void blit_to_window(const afx_win32_slot& s, const afx_image* im, int src_x, int src_y, int dst_x, int dst_y,
                    int width, int height)
{
    if (!s.window_dc || !s.memory_dc || !im->bitmap || width <= 0 || height <= 0)
        return;
    HGDIOBJ previous = SelectObject(s.memory_dc, im->bitmap);
    BitBlt(s.window_dc, dst_x, dst_y, width, height, s.memory_dc, src_x, src_y, SRCCOPY);
    SelectObject(s.memory_dc, previous);
}

}  // namespace

afx_image* AFX_engine::afx_pixmap_create_fixed(int width, int height)
{
    return make_dib(nullptr, width, height);
}

afx_image* AFX_engine::afx_pixmap_create_fixed(int width, int height, int r, int g, int b, int grip,
                                               int margin, int period, int dot)
{
    return make_panel_dib(nullptr, width, height, r, g, b, grip, margin, period, dot);
}

afx_image* AFX_engine_win32::afx_pixmap_create_fixed(int width, int height, int r, int g, int b, int grip,
                                                     int margin, int period, int dot, int index)
{
    const afx_win32_slot* s = b_->slot(index);
    return make_panel_dib(s ? s->window_dc : nullptr, width, height, r, g, b, grip, margin, period, dot);
}

void AFX_engine::afx_pixmap_destroy(afx_image* image)
{
    if (!image)
        return;
    if (image->bitmap)
        DeleteObject(image->bitmap);
    delete image;
}

void AFX_engine::afx_blit_pixbuf_fixed(afx_image* image, const afx_pixbuf* pixbuf, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    if (image && pixbuf)
        afx_win32::copy_rgba_to_bgr(*pixbuf, image->pixels, src_x, src_y, dst_x, dst_y, width, height);
}

// Lays the pixbuf over the image with its alpha, clipped to both.
void AFX_engine::afx_draw_pixbuf_fixed(afx_image* image, const afx_pixbuf* pixbuf, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    if (!image || !pixbuf || !pixbuf->pixels || !image->pixels.bits)
        return;
    const afx_win32::bgr_image& d = image->pixels;
    for (int y = 0; y < height; ++y) {
        const int sy = src_y + y, dy = dst_y + y;
        if (sy < 0 || sy >= pixbuf->height || dy < 0 || dy >= d.height)
            continue;
        for (int x = 0; x < width; ++x) {
            const int sx = src_x + x, dx = dst_x + x;
            if (sx < 0 || sx >= pixbuf->width || dx < 0 || dx >= d.width)
                continue;
            const uint8_t* s = pixbuf->pixels + static_cast<ptrdiff_t>(sy) * pixbuf->rowstride + sx * 4;
            uint8_t* p = d.row(dy) + dx * 3;
            p[0] = afx_blend_channel(p[0], s[2], s[3]);
            p[1] = afx_blend_channel(p[1], s[1], s[3]);
            p[2] = afx_blend_channel(p[2], s[0], s[3]);
        }
    }
}

void AFX_engine_windows::afx_stretch_blit_pixbuf_CATROM2(const afx_pixbuf* source, afx_image* image, int x,
                                                         int y, int width, int height, int x_offset,
                                                         int y_offset, float scale)
{
    if (!source || !image)
        return;
    AFXBgrDibSink sink;
    sink.image_width = image->pixels.width;
    sink.image_height = image->pixels.height;
    sink.bits = image->pixels.bits;
    afx_catrom_blit(*source, sink, AFXBlitArea{x, y, width, height, x_offset, y_offset, scale});
}

void AFX_engine_windows::afx_draw_afx_drawable(int index, afx_image* image, int src_x, int src_y, int dst_x,
                                               int dst_y, int width, int height)
{
    const afx_win32_slot* s = b_->slot(index);
    if (!s || !image)
        return;
    src_x = std::clamp(src_x, 0, image->pixels.width);
    src_y = std::clamp(src_y, 0, image->pixels.height);
    width = std::min(width, image->pixels.width - src_x);
    height = std::min(height, image->pixels.height - src_y);
    blit_to_window(*s, image, src_x, src_y, dst_x, dst_y, width, height);
}

// Grey for a short moment: the pixels are turned, copied and put back.
void AFX_engine_windows::afx_draw_afx_drawable_mono(int index, afx_image* image, int src_x, int src_y,
                                                    int dst_x, int dst_y, int width, int height, float level)
{
    const afx_win32_slot* s = b_->slot(index);
    if (!s || !image || !image->pixels.bits)
        return;
    const size_t bytes = afx_win32::dib_image_size(image->pixels.width, image->pixels.height);
    std::vector<uint8_t> saved(image->pixels.bits, image->pixels.bits + bytes);
    afx_win32::make_mono(image->pixels, level);
    GdiFlush();
    blit_to_window(*s, image, src_x, src_y, dst_x, dst_y, width, height);
    GdiFlush();
    std::copy(saved.begin(), saved.end(), image->pixels.bits);
}
