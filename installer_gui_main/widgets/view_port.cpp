#include "view_port.h"

#include <algorithm>

#include "afx/x11/afx_engine_x11.h"

void CViewPort::set_y_value(float f)
{
    y_value_ = f;
    offset_y_ = last_offset_y_ = static_cast<int>(f * scroll_range() + 0.5f);
}

viewport_scroll CViewPort::move_to(int offset, int window)
{
    offset_y_ = std::clamp(offset, 0, scroll_range());
    const int range = scroll_range();
    y_value_ =
        range > 0 ? std::clamp(static_cast<float>(offset_y_) / static_cast<float>(range), 0.0f, 1.0f) : 0.0f;
    return scroll_step(window);
}

viewport_scroll CViewPort::update_y_value(float f, int window)
{
    y_value_ = f;
    offset_y_ = std::clamp(static_cast<int>(f * scroll_range() + 0.5f), 0, scroll_range());
    return scroll_step(window);
}

viewport_scroll CViewPort::scroll_step(int window)
{
    viewport_scroll s;
    // Never more than the port: a longer jump redraws the whole port.
    s.shift = std::clamp(last_offset_y_ - offset_y_, -visible_h_, visible_h_);
    if (s.shift < 0) {
        s.strip_height = -s.shift;
        s.strip_src_y = offset_y_ + visible_h_ + s.shift;
        s.strip_dst_y = y_ + visible_h_ + s.shift;
    } else if (s.shift > 0) {
        s.strip_height = s.shift;
        s.strip_src_y = offset_y_;
        s.strip_dst_y = y_;
    }
    if (engine_) {
        x11_ext(*engine_).afx_vertical_scroll(window, x_, y_, visible_w_, visible_h_, s.shift);
        if (s.strip_height > 0 && image_)
            window_ext(*engine_).afx_draw_afx_drawable(window, image_, offset_x_, s.strip_src_y, x_,
                                                       s.strip_dst_y, visible_w_, s.strip_height);
    }
    last_offset_y_ = offset_y_;
    return s;
}

void CViewPort::redraw_viewport(int window)
{
    if (engine_ && image_)
        window_ext(*engine_).afx_draw_afx_drawable(window, image_, offset_x_, offset_y_, x_, y_, visible_w_,
                                                   visible_h_);
}

void CViewPort::expose_viewport(int window, int ex, int ey, int ew, int eh)
{
    const bool touches = x_ <= ex + ew && ex <= x_ + visible_w_ && y_ <= ey + eh && ey <= y_ + visible_h_;
    if (touches && image_)
        redraw_viewport(window);
}

void CViewPort::queue_viewport(int window)
{
    if (engine_)
        window_ext(*engine_).afx_queue_afx_draw_area_fixed(window, x_, y_, visible_w_, visible_h_);
}
