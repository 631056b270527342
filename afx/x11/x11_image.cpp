// Window images (XImage): creation with the panel background and grip,
// copies and blends from pixel buffers, and the scaled blit into them.
#include "x11_engine_state.h"
#include "x11_pixel_layout.h"

#include <cstdio>
#include <cstdlib>

namespace {

void print_unsupported(const char* function, const XImage* im)
{
    const char* pre = "*** Error *** QELM-UI - AFX_engine ";
    std::printf("%s%s - Image / display colour depth is not supported\n", pre, function);
    std::printf("%s%s - bits per pixel is %d\n", pre, function, im->bits_per_pixel);
    std::printf("%s%s - red_mask is %04lX\n", pre, function, im->red_mask);
    std::printf("%s%s - green_mask is %04lX\n", pre, function, im->green_mask);
    std::printf("%s%s - blue_mask is %04lX\n\n", pre, function, im->blue_mask);
    std::fflush(stdout);
}

// The part of a copy that lies inside both the pixel buffer and the image.
struct copy_area {
    int sx, sy, dx, dy, w, h;
};

bool clip_copy(copy_area& a, const afx_pixbuf& src, const XImage& dst)
{
    auto clip_axis = [](int& s, int& d, int& n, int src_len, int dst_len) {
        if (s < 0) {
            d -= s;
            n += s;
            s = 0;
        }
        if (d < 0) {
            s -= d;
            n += d;
            d = 0;
        }
        if (s + n > src_len)
            n = src_len - s;
        if (d + n > dst_len)
            n = dst_len - d;
        return n > 0;
    };
    return clip_axis(a.sx, a.dx, a.w, src.width, dst.width) &&
           clip_axis(a.sy, a.dy, a.h, src.height, dst.height);
}

void paint_background(XImage* im, afx_pixel_layout l, int r, int g, int b, int grip, int margin, int period,
                      int dot)
{
    const afx_rgb dots{r * 256 / 896, g * 256 / 896, b * 256 / 896};
    const bool deep = l == afx_pixel_layout::rgb888;
    const afx_rgb square = deep ? afx_rgb{197, 142, 0} : afx_rgb{r, g, b};
    const afx_rgb rest = deep ? afx_rgb{0, 0, 0} : afx_rgb{r * 256 / 597, g * 256 / 597, b * 256 / 597};
    const int q = grip / 5, h = q / 2;
    const int right = im->width - 1 - margin, bottom = im->height - 1 - margin;
    for (int y = 0; y < im->height; ++y) {
        for (int x = 0; x < im->width; ++x) {
            afx_rgb c{0, 0, 0};
            if (period > 0 && x % period < dot && y % period < dot)
                c = dots;
            const int dx = right - x, dy = bottom - y;
            if (dx >= 0 && dx < grip && dy >= 0 && dy < grip && dx + dy < grip) {
                const bool on = q > 0 && dx % q < h && dy % q < h;
                c = on ? square : rest;
            }
            if (c.r != 0 || c.g != 0 || c.b != 0)
                XPutPixel(im, x, y, afx_pack(l, c.r, c.g, c.b));
        }
    }
}

void put_pixel_cb(void* ctx, int x, int y, uint32_t pixel)
{
    XPutPixel(static_cast<XImage*>(ctx), x, y, pixel);
}

}  // namespace

afx_image* AFX_engine::afx_pixmap_create_fixed(int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || width <= 0 || height <= 0)
        return nullptr;
    XImage* im = XCreateImage(b_->display, b_->visual, static_cast<unsigned>(b_->depth), ZPixmap, 0, nullptr,
                              static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (im == nullptr)
        return nullptr;
    im->data = static_cast<char*>(std::calloc(static_cast<size_t>(height), im->bytes_per_line));
    if (im->data == nullptr) {
        XDestroyImage(im);
        return nullptr;
    }
    return afx_image_of(im);
}

afx_image* AFX_engine::afx_pixmap_create_fixed(int width, int height, int r, int g, int b, int grip,
                                               int margin, int period, int dot)
{
    afx_image* handle = afx_pixmap_create_fixed(width, height);
    if (handle == nullptr)
        return nullptr;
    XImage* im = x11_image(handle);
    afx_lock dl(b_->display_mx);
    const afx_pixel_layout l = afx_layout_of(im);
    if (l != afx_pixel_layout::unsupported)
        paint_background(im, l, r, g, b, grip, margin, period, dot);
    return handle;
}

void AFX_engine::afx_pixmap_destroy(afx_image* image)
{
    afx_lock dl(b_->display_mx);
    if (image != nullptr && b_->connected())
        XDestroyImage(x11_image(image));
}

// Runs per_pixel(layout, image x, image y, source pixel) over the part of a
// copy that fits both, or prints why nothing can be drawn.
template <class F>
static void for_each_copied_pixel(const char* function, XImage* image, const afx_pixbuf* pixbuf, copy_area a,
                                  F per_pixel)
{
    if (image == nullptr || pixbuf == nullptr || pixbuf->pixels == nullptr)
        return;
    const afx_pixel_layout l = afx_layout_of(image);
    if (l == afx_pixel_layout::unsupported) {
        print_unsupported(function, image);
        return;
    }
    if (!clip_copy(a, *pixbuf, *image))
        return;
    for (int y = 0; y < a.h; ++y) {
        const uint8_t* p = afx_pixel_at(pixbuf, a.sx, a.sy + y);
        for (int x = 0; x < a.w; ++x, p += 4)
            per_pixel(l, a.dx + x, a.dy + y, p);
    }
}

void AFX_engine::afx_blit_pixbuf_fixed(afx_image* handle, const afx_pixbuf* pixbuf, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    XImage* image = x11_image(handle);
    afx_lock dl(b_->display_mx);
    for_each_copied_pixel("afx_blit_pixbuf", image, pixbuf, {src_x, src_y, dst_x, dst_y, width, height},
                          [&](afx_pixel_layout l, int x, int y, const uint8_t* p) {
                              XPutPixel(image, x, y, afx_pack(l, p[0], p[1], p[2]));
                          });
}

void AFX_engine::afx_draw_pixbuf_fixed(afx_image* handle, const afx_pixbuf* pixbuf, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    XImage* image = x11_image(handle);
    afx_lock dl(b_->display_mx);
    for_each_copied_pixel("afx_draw_pixbuf_fixed", image, pixbuf, {src_x, src_y, dst_x, dst_y, width, height},
                          [&](afx_pixel_layout l, int x, int y, const uint8_t* p) {
                              const int alpha = p[3];
                              if ((alpha & 0xF0) == 0)  // nearly transparent: left alone
                                  return;
                              const afx_rgb d = afx_unpack(l, XGetPixel(image, x, y));
                              XPutPixel(image, x, y,
                                        afx_pack(l, afx_blend_channel(d.r, p[0], alpha),
                                                 afx_blend_channel(d.g, p[1], alpha),
                                                 afx_blend_channel(d.b, p[2], alpha)));
                          });
}

void AFX_engine_windows::afx_stretch_blit_pixbuf_CATROM2(const afx_pixbuf* source, afx_image* handle, int x,
                                                         int y, int width, int height, int x_offset,
                                                         int y_offset, float scale)
{
    XImage* image = x11_image(handle);
    if (source == nullptr || image == nullptr)
        return;
    afx_lock dl(b_->display_mx);
    const afx_pixel_layout l = afx_layout_of(image);
    if (l == afx_pixel_layout::unsupported) {
        print_unsupported("afx_blit_pixbuf_scaled", image);
        return;
    }
    AFXPackedImageSink sink;
    sink.image_width = image->width;
    sink.image_height = image->height;
    sink.red_mask = static_cast<uint32_t>(image->red_mask);
    sink.green_mask = static_cast<uint32_t>(image->green_mask);
    sink.blue_mask = static_cast<uint32_t>(image->blue_mask);
    sink.bits_per_pixel = image->bits_per_pixel;
    // Straight into memory when the image is laid out as the host stores
    // integers; through XPutPixel otherwise.
    const bool native = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ && image->byte_order == LSBFirst &&
                        (image->bits_per_pixel == 32 || image->bits_per_pixel == 16);
    if (native) {
        sink.data = reinterpret_cast<uint8_t*>(image->data);
        sink.bytes_per_line = image->bytes_per_line;
    } else {
        sink.put_pixel = put_pixel_cb;
        sink.put_ctx = image;
    }
    afx_catrom_blit(*source, sink, AFXBlitArea{x, y, width, height, x_offset, y_offset, scale});
}
