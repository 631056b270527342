// A vertical scroll bar: an arrow box at each end, a trough, and a handle
// whose length shows how much of the content is visible.
#pragma once

#include "widget_box.h"

class AFX_engine;

class CVerticalScroller {
public:
    explicit CVerticalScroller(AFX_engine* engine) : engine_(engine) {}

    void set_x_position(int v) { box_.x = v; }
    void set_y_position(int v) { box_.y = v; }
    void set_x_size(int v) { box_.width = v; }
    void set_y_size(int v) { box_.height = v; }
    void set_frame_colour(int r, int g, int b, int a) { frame_ = {r, g, b}, frame_alpha_ = a; }
    void set_handle_colour(int r, int g, int b, int a) { handle_colour_ = {r, g, b}, handle_alpha_ = a; }
    void set_background_colour(int r, int g, int b) { background_ = {r, g, b}; }
    void set_magnification(float m) { magnification_ = m; }
    bool get_control_focus() const { return focus_; }

    void set_scroller_value(float v);
    // A new handle length that keeps the bar's position.
    void set_scroller_scale(float s);
    float get_scroller_value();
    // Drag step in window pixels; drawing and the value clamp, this does not.
    void update_scroller_value(int dy);
    void step_scroller_value(int step);
    void set_control_has_focus(bool f);

    bool test_control_clicked(int px, int py) const;
    bool test_trough_upper_clicked(int px, int py) const;
    bool test_trough_lower_clicked(int px, int py) const;
    bool test_upper_arrow_clicked(int px, int py) const;
    bool test_lower_arrow_clicked(int px, int py) const;

    void queue_scroller(int window);
    void undraw_scroller(afx_pixbuf* buf) const;
    void draw_scroller(afx_pixbuf* buf) const;

    // Geometry in unscaled pixels: trough top, trough length, handle length,
    // lowest handle top, and the handle's top as drawn.
    int trough_top() const { return box_.y + box_.width; }
    int trough_length() const { return box_.height - 2 * box_.width; }
    int handle_length() const;
    int lowest_handle_top() const { return box_.y + box_.height - box_.width - handle_length(); }
    int drawn_handle_top() const;
    int handle_position() const { return handle_; }

private:
    bool in_column(int px) const;
    void clamp_handle();

    widget_box box_;
    int handle_ = 0;
    widget_rgb frame_, handle_colour_, background_;
    int frame_alpha_ = 255, handle_alpha_ = 255;
    float scale_ = 100.0f, value_ = 0.0f, magnification_ = 1.0f, fine_ = 0.0f;
    bool focus_ = false;
    AFX_engine* engine_;
};
