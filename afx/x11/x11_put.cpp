// Putting window images on the screen, repaint requests and the scroll.
#include "x11_engine_state.h"
#include "x11_pixel_layout.h"

#include <cstring>
#include <vector>

namespace {

// The part of a put that lies inside the image.
bool clip_put(const XImage& im, int& sx, int& sy, int& dx, int& dy, int& w, int& h)
{
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    if (sx + w > im.width)
        w = im.width - sx;
    if (sy + h > im.height)
        h = im.height - sy;
    return w > 0 && h > 0;
}

void put_image(Display* d, Drawable target, XImage* im, int sx, int sy, int dx, int dy, int w, int h)
{
    if (!clip_put(*im, sx, sy, dx, dy, w, h))
        return;
    GC gc = XCreateGC(d, target, 0, nullptr);
    XPutImage(d, target, gc, im, sx, sy, dx, dy, static_cast<unsigned>(w), static_cast<unsigned>(h));
    XFreeGC(d, gc);
}

void send_expose(Display* d, Window w, int x, int y, int width, int height)
{
    XEvent ev{};
    ev.xexpose.type = Expose;
    ev.xexpose.display = d;
    ev.xexpose.window = w;
    ev.xexpose.x = x;
    ev.xexpose.y = y;
    ev.xexpose.width = width;
    ev.xexpose.height = height;
    ev.xexpose.count = 0;
    XSendEvent(d, w, True, ExposureMask, &ev);
    XFlush(d);
}

// Grey with dark bands, in place, for the rows and columns of one rectangle.
void monochrome(XImage* im, afx_pixel_layout l, int x0, int y0, int w, int h, int k)
{
    for (int y = y0; y < y0 + h; ++y) {
        const bool dark = (((y * (k << 8)) >> 16) & 2) == 0;
        for (int x = x0; x < x0 + w; ++x) {
            const afx_rgb c = afx_unpack(l, XGetPixel(im, x, y));
            int grey = (c.r >> 2) + (c.g >> 1) + (c.b >> 3);
            if (dark)
                grey -= grey >> 3;
            XPutPixel(im, x, y, afx_pack(l, grey, grey, grey));
        }
    }
}

}  // namespace

void AFX_engine_windows::afx_draw_afx_drawable(int index, afx_image* image, int src_x, int src_y, int dst_x,
                                               int dst_y, int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index) && image != nullptr)
        put_image(b_->display, b_->slots[index].window, x11_image(image), src_x, src_y, dst_x, dst_y, width,
                  height);
}

void AFX_engine_x11::afx_draw_drawable(afx_sys_window window, afx_image* image, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || image == nullptr || window == 0)
        return;
    afx_trap_errors(b_->display);
    put_image(b_->display, window, x11_image(image), src_x, src_y, dst_x, dst_y, width, height);
    XSync(b_->display, False);
    afx_untrap_errors(b_->display);
}

void AFX_engine_windows::afx_draw_afx_drawable_mono(int index, afx_image* handle, int src_x, int src_y,
                                                    int dst_x, int dst_y, int width, int height, float level)
{
    XImage* image = x11_image(handle);
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index) || image == nullptr)
        return;
    const Window win = b_->slots[index].window;
    const afx_pixel_layout l = afx_layout_of(image);
    if (l == afx_pixel_layout::unsupported || !(level > 0.0f) ||
        !clip_put(*image, src_x, src_y, dst_x, dst_y, width, height)) {
        put_image(b_->display, win, image, src_x, src_y, dst_x, dst_y, width, height);
        return;
    }
    // Only the rectangle that is put is converted, and put back afterwards.
    const int k = static_cast<int>(256.0f / level);
    const int bpp_bytes = (image->bits_per_pixel + 7) / 8;
    const size_t row_bytes = static_cast<size_t>(width) * bpp_bytes;
    std::vector<char> saved(row_bytes * height);
    auto row = [&](int y) {
        return image->data + static_cast<ptrdiff_t>(src_y + y) * image->bytes_per_line +
               static_cast<ptrdiff_t>(src_x) * bpp_bytes;
    };
    for (int y = 0; y < height; ++y)
        std::memcpy(&saved[y * row_bytes], row(y), row_bytes);
    monochrome(image, l, src_x, src_y, width, height, k);
    put_image(b_->display, win, image, src_x, src_y, dst_x, dst_y, width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(row(y), &saved[y * row_bytes], row_bytes);
}

void AFX_engine_windows::afx_queue_afx_draw_area_fixed(int index, int x, int y, int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        send_expose(b_->display, b_->slots[index].window, x, y, width, height);
}

void AFX_engine_x11::afx_queue_draw_area_fixed(afx_sys_window window, int x, int y, int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || window == 0)
        return;
    afx_trap_errors(b_->display);
    send_expose(b_->display, window, x, y, width, height);
    XSync(b_->display, False);
    afx_untrap_errors(b_->display);
}

void AFX_engine_windows::afx_queue_afx_draw_area_scaled(int index, int x, int y, int width, int height)
{
    if (!b_->valid(index))
        return;
    const float s = b_->slots[index].scale;
    afx_queue_afx_draw_area_fixed(index, x, y, afx_scaled(width, s), afx_scaled(height, s));
}

void AFX_engine_x11::afx_queue_draw_area_scaled(afx_sys_window window, int x, int y, int width, int height)
{
    const int index = get_AFX_window_idx_for_X_window(window);
    if (index >= 0)
        window_ext(engine_).afx_queue_afx_draw_area_scaled(index, x, y, width, height);
}

void AFX_engine_x11::afx_vertical_scroll(int index, int x, int y, int width, int height, int shift)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index) || shift == 0 || width <= 0 || height <= 0)
        return;
    Display* d = b_->display;
    const Window w = b_->slots[index].window;
    GC gc = XCreateGC(d, w, 0, nullptr);
    if (shift > 0) {
        shift = std::min(shift, height);
        if (height - shift > 0)
            XCopyArea(d, w, w, gc, x, y, width, height - shift, x, y + shift);
    } else {
        shift = std::max(shift, -height);
        if (height + shift > 0)
            XCopyArea(d, w, w, gc, x, y - shift, width, height + shift, x, y);
    }
    XFreeGC(d, gc);
    XFlush(d);
}
