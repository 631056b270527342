// Front-panel background, latching push button and gain-reduction meter.
#pragma once

#include "afx_widget_geometry.h"

class CFrontPanelObject {
public:
    explicit CFrontPanelObject(AFX_engine* engine) : engine_(engine) {}
    void set_front_panel_width(int w) { width_ = w; }
    void set_front_panel_height(int h) { height_ = h; }
    void set_front_panel_pixbuf(afx_pixbuf* p) { panel_ = p; }
    void set_front_panel_offset_x(int x) { offset_x_ = x; }
    void set_front_panel_offset_y(int y) { offset_y_ = y; }
    void draw_front_panel(afx_pixbuf* target);

private:
    int width_ = 0, height_ = 0, offset_x_ = 0, offset_y_ = 0;
    afx_pixbuf* panel_ = nullptr;
    AFX_engine* engine_;
};

class CPushButtonLatchingObject {
public:
    explicit CPushButtonLatchingObject(AFX_engine* engine) : engine_(engine) {}
    void set_pushbutton_latching_size_x(int v) { geo_.size_x = v; }
    void set_pushbutton_latching_size_y(int v) { geo_.size_y = v; }
    void set_pushbutton_latching_pos_x(int v) { geo_.pos_x = v; }
    void set_pushbutton_latching_pos_y(int v) { geo_.pos_y = v; }
    void set_pushbutton_latching_pad_left(int v) { geo_.pad_left = v; }
    void set_pushbutton_latching_pad_top(int v) { geo_.pad_top = v; }
    void set_pushbutton_latching_pad_right(int) {}
    void set_pushbutton_latching_pad_bottom(int) {}
    void set_pushbutton_latching_nframes(int v) { nframes_ = v; }
    void set_pushbutton_latching_has_focus(bool v) { focus_ = v; }
    void set_pushbutton_latching_focus_x(int v) { geo_.focus_x = v; }
    void set_pushbutton_latching_focus_y(int v) { geo_.focus_y = v; }
    void set_pushbutton_latching_pixbuf(afx_pixbuf* p) { strip_ = p; }
    void set_front_panel_pixbuf(afx_pixbuf* p) { panel_ = p; }
    void set_offset_x(int v) { geo_.offset_x = v; }
    void set_offset_y(int v) { geo_.offset_y = v; }
    void set_control_dirty(bool v) { dirty_ = v; }
    bool get_control_dirty() const { return dirty_; }

    void set_pushbutton_latching_value(float v) { value_ = afx_knob_clamp(v); }
    float get_pushbutton_latching_value() const { return value_; }
    void update_pushbutton_latching_value();
    bool test_pushbutton_latching_clicked(int x, int y) const { return geo_.hit(x, y); }
    bool get_pushbutton_latching_focus() const { return focus_; }
    void get_invalid_area(int* x, int* y, int* w, int* h) const { geo_.target_rect(x, y, w, h); }
    void draw_pushbutton_latching(afx_pixbuf* target);
    void redraw_pushbutton_latching(afx_pixbuf* target);

private:
    float value_ = 0.0f;
    afx_widget_geometry geo_;
    int nframes_ = 0;
    bool focus_ = false, dirty_ = false;
    AFX_engine* engine_;
    afx_pixbuf* strip_ = nullptr;
    afx_pixbuf* panel_ = nullptr;
};

class CBarMeterObject {
public:
    explicit CBarMeterObject(AFX_engine* engine) : engine_(engine) {}
    ~CBarMeterObject();
    CBarMeterObject(const CBarMeterObject&) = delete;
    CBarMeterObject& operator=(const CBarMeterObject&) = delete;

    void set_bar_meter_size_x(int v) { geo_.size_x = v; }
    void set_bar_meter_size_y(int v) { geo_.size_y = v; }
    void set_bar_meter_pos_x(int v) { geo_.pos_x = v; }
    void set_bar_meter_pos_y(int v) { geo_.pos_y = v; }
    void set_bar_meter_pad_left(int v) { geo_.pad_left = v; }
    void set_bar_meter_pad_top(int v) { geo_.pad_top = v; }
    void set_bar_meter_pad_right(int) {}
    void set_bar_meter_pad_bottom(int) {}
    void set_bar_meter_nframes(int) {}
    void set_bar_meter_pixbuf(afx_pixbuf* p) { strip_ = p; }
    void set_front_panel_pixbuf(afx_pixbuf* p) { panel_ = p; }
    void set_offset_x(int v) { geo_.offset_x = v; }
    void set_offset_y(int v) { geo_.offset_y = v; }
    void set_control_dirty(bool v) { dirty_ = v; }
    bool get_control_dirty() const { return dirty_; }

    void set_bar_meter_value(double v) { value_ = afx_knob_clamp(v); }
    double get_bar_meter_value() const { return value_; }
    void set_power_on(bool on) { power_ = on; }
    // First lit row of the meter image (size y when nothing is lit).
    int lit_boundary() const;
    void get_invalid_area(int* x, int* y, int* w, int* h) const { geo_.target_rect(x, y, w, h); }
    void draw_bar_meter(afx_pixbuf* target);
    void redraw_bar_meter(afx_pixbuf* target);

private:
    double value_ = 0.0;
    afx_widget_geometry geo_;
    bool dirty_ = false, power_ = true;
    afx_pixbuf* strip_ = nullptr;
    afx_pixbuf* work_ = nullptr;
    afx_pixbuf* panel_ = nullptr;
    AFX_engine* engine_;
};
