// The effect switch of the Cocoa views: a two-frame push button with two
// strips, lamp dark and lamp lit, so the view shows the switch position and,
// apart from it, whether the plug-in is powered. Draws into the panel pixmap.
#pragma once

#include "afx_pixmap.h"

#include "afx/core/afx_widget_geometry.h"

class AFX_engine;

class CPushButtonNeonObject {
public:
    explicit CPushButtonNeonObject(AFX_engine* engine) : engine_(engine) {}

    void set_pushbutton_neon_size_x(int v) { geo_.size_x = v; }
    void set_pushbutton_neon_size_y(int v) { geo_.size_y = v; }
    void set_pushbutton_neon_pos_x(int v) { geo_.pos_x = v; }
    void set_pushbutton_neon_pos_y(int v) { geo_.pos_y = v; }
    void set_pushbutton_neon_pad_left(int v) { geo_.pad_left = v; }
    void set_pushbutton_neon_pad_top(int v) { geo_.pad_top = v; }
    void set_pushbutton_neon_pad_right(int) {}
    void set_pushbutton_neon_pad_bottom(int) {}
    void set_pushbutton_neon_nframes(int v) { nframes_ = v; }
    void set_pushbutton_neon_has_focus(bool v) { focus_ = v; }
    void set_pushbutton_neon_focus_x(int v) { geo_.focus_x = v; }
    void set_pushbutton_neon_focus_y(int v) { geo_.focus_y = v; }
    void set_pushbutton_neon_pixbuf1(afx_pixbuf* p) { strip_dark_ = p; }
    void set_pushbutton_neon_pixbuf2(afx_pixbuf* p) { strip_lit_ = p; }
    void set_front_panel_pixbuf(afx_pixbuf* p) { panel_ = p; }
    void set_offset_x(int v) { geo_.offset_x = v; }
    void set_offset_y(int v) { geo_.offset_y = v; }
    void set_control_dirty(bool v) { dirty_ = v; }
    void set_lamp_on(bool on) { lamp_on_ = on; }

    void set_pushbutton_neon_value(float v) { value_ = afx_knob_clamp(v); }
    float get_pushbutton_neon_value() const { return value_; }
    bool get_pushbutton_neon_focus() const { return focus_; }
    bool get_control_dirty() const { return dirty_; }

    // Any value but exactly 0 counts as on, so a click always toggles.
    void update_pushbutton_neon_value() { value_ = value_ == 0.0f ? 99.0f : 0.0f; }
    bool test_pushbutton_neon_clicked(int x, int y) const { return geo_.hit(x, y); }
    void get_invalid_area(int* x, int* y, int* w, int* h) const { geo_.target_rect(x, y, w, h); }

    void draw_pushbutton_neon(afx_pixmap* target);
    void redraw_pushbutton_neon(afx_pixmap* target);  // panel under it first

private:
    float value_ = 0.0f;
    afx_widget_geometry geo_;
    int nframes_ = 0;
    bool focus_ = false, dirty_ = false, lamp_on_ = false;
    AFX_engine* engine_;
    afx_pixbuf* strip_dark_ = nullptr;
    afx_pixbuf* strip_lit_ = nullptr;
    afx_pixbuf* panel_ = nullptr;
};
