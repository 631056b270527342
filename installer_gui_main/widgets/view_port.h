// A window onto a tall pre-rendered image (the directory list). Scrolling
// moves the pixels already on screen and draws only the uncovered strip.
// Everything here is in window pixels.
#pragma once

#include "afx/afx_engine.h"
#include "widget_box.h"

// One scroll step: how far the on-screen pixels move (negative: up) and
// the strip of the image drawn anew.
struct viewport_scroll {
    int shift = 0;
    int strip_src_y = 0, strip_dst_y = 0, strip_height = 0;  // height 0: nothing drawn
};

class CViewPort {
public:
    explicit CViewPort(AFX_engine* engine) : engine_(engine) {}

    void set_x_size(int v) { content_w_ = v; }
    void set_y_size(int v) { content_h_ = v; }
    void set_x_pos(int v) { x_ = v; }
    void set_y_pos(int v) { y_ = v; }
    void set_port_x_size(int v) { visible_w_ = v; }
    void set_port_y_size(int v) { visible_h_ = v; }
    void set_port_x_pos(int v) { offset_x_ = v; }
    void set_port_y_pos(int v) { offset_y_ = last_offset_y_ = v; }
    void set_x_value(int v) { x_value_ = v; }
    void set_y_value(float f);
    void set_magnification(float m) { magnification_ = m; }
    void set_control_has_focus(bool f) { focus_ = f; }
    void set_port_drawable(afx_image* image) { image_ = image; }
    float get_viewport_y_value() const { return y_value_; }
    bool get_focus() const { return focus_; }
    int get_offset_y() const { return offset_y_; }

    int get_translated_x_coord(int px) const { return offset_x_ + px - x_; }
    int get_translated_y_coord(int py) const { return offset_y_ + py - y_; }
    bool test_control_clicked(int px, int py) const
    {
        return x_ <= px && px <= x_ + visible_w_ && y_ <= py && py <= y_ + visible_h_;
    }

    // Each returns the step it made on screen.
    viewport_scroll move_port_chunk_down(int n, int window) { return move_to(offset_y_ + n, window); }
    viewport_scroll move_port_chunk_up(int n, int window) { return move_to(offset_y_ - n, window); }
    viewport_scroll move_port_pagedown(int window) { return move_to(offset_y_ + visible_h_, window); }
    viewport_scroll move_port_pageup(int window) { return move_to(offset_y_ - visible_h_, window); }
    viewport_scroll update_y_value(float f, int window);

    void redraw_viewport(int window);
    void expose_viewport(int window, int ex, int ey, int ew, int eh);
    void queue_viewport(int window);

private:
    int scroll_range() const { return content_h_ > visible_h_ ? content_h_ - visible_h_ : 0; }
    viewport_scroll move_to(int offset, int window);
    viewport_scroll scroll_step(int window);

    int content_w_ = 0, content_h_ = 0, x_ = 0, y_ = 0, visible_w_ = 0, visible_h_ = 0;
    int offset_x_ = 0, offset_y_ = 0, last_offset_y_ = 0, x_value_ = 0;
    float y_value_ = 0.0f, magnification_ = 1.0f;
    bool focus_ = false;
    afx_image* image_ = nullptr;
    AFX_engine* engine_;
};
