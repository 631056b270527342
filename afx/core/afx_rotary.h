// Frame-strip knob with a vertical drag law: a little inertia and a sticky
// detent frame.
#pragma once

#include "afx_widget_geometry.h"

// Per-build drag laws. The AAX Windows build damps harder on the detent and
// always eases towards the motion.
#ifndef AFX_ROTARY_DETENT_DAMPING
#define AFX_ROTARY_DETENT_DAMPING 0.01f
#endif
#ifndef AFX_ROTARY_ALWAYS_EASE
#define AFX_ROTARY_ALWAYS_EASE 0
#endif

class CRotaryControlObject {
public:
    explicit CRotaryControlObject(AFX_engine* engine) : engine_(engine) {}

    void set_rotary_control_size_x(int v) { geo_.size_x = v; }
    void set_rotary_control_size_y(int v) { geo_.size_y = v; }
    void set_rotary_control_pos_x(int v) { geo_.pos_x = v; }
    void set_rotary_control_pos_y(int v) { geo_.pos_y = v; }
    void set_rotary_control_pad_left(int v) { geo_.pad_left = v; }
    void set_rotary_control_pad_top(int v) { geo_.pad_top = v; }
    void set_rotary_control_pad_right(int) {}
    void set_rotary_control_pad_bottom(int) {}
    void set_rotary_control_nframes(int v) { nframes_ = v; }
    void set_rotary_control_has_focus(bool v) { focus_ = v; }
    void set_rotary_control_focus_x(int v) { geo_.focus_x = v; }
    void set_rotary_control_focus_y(int v) { geo_.focus_y = v; }
    void set_rotary_control_pixbuf(afx_pixbuf* p) { strip_ = p; }
    void set_front_panel_pixbuf(afx_pixbuf* p) { panel_ = p; }
    void set_detent_value(float v) { detent_ = v; }
    void set_detent_spring_value(float) {}
    void set_offset_x(int v) { geo_.offset_x = v; }
    void set_offset_y(int v) { geo_.offset_y = v; }
    void set_control_dirty(bool v) { dirty_ = v; }
    bool get_control_dirty() const { return dirty_; }
    bool get_rotary_control_focus() const { return focus_; }
    void get_invalid_area(int* x, int* y, int* w, int* h) const { geo_.target_rect(x, y, w, h); }

    void set_rotary_control_value(float v) { value_ = afx_knob_clamp(v); }
    float get_rotary_control_value() const { return value_; }
    float get_velocity() const { return velocity_; }
    void update_rotary_control_value(float dx, float dy);
    void step_control(int step);
    bool get_detent_flag() const;
    bool test_rotary_control_clicked(int x, int y);
    void reset_inertia() { velocity_ = 0.0f; }
    void draw_rotary_control(afx_pixbuf* target);
    bool redraw_rotary_control(afx_pixbuf* target);

private:
    float value_ = 0.0f;
    float detent_ = 0.0f;
    float velocity_ = 0.0f;
    float inertia_ = 0.25f;
    afx_widget_geometry geo_;
    int nframes_ = 0;
    int last_row_ = -1;
    bool focus_ = false, dirty_ = false;
    AFX_engine* engine_;
    afx_pixbuf* strip_ = nullptr;
    afx_pixbuf* panel_ = nullptr;
};
