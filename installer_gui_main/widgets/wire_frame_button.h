// An outlined text button with a lit state; the owner lights it on press
// and triggers it on release.
#pragma once

#include <string>

#include "widget_box.h"

class AFX_engine;
class AFX_font_engine;

class CWireFramePushButton {
public:
    CWireFramePushButton(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font) {}

    void set_x_pos(int v) { box_.x = v; }
    void set_y_pos(int v) { box_.y = v; }
    void set_x_size(int v) { box_.width = v; }
    void set_y_size(int v) { box_.height = v; }
    void set_magnification(float m) { magnification_ = m; }
    void set_background_colour(int r, int g, int b) { background_ = {r, g, b}; }
    void set_frame_colour(int r, int g, int b) { frame_ = {r, g, b}; }
    void set_highlight_colour(int r, int g, int b) { highlight_ = {r, g, b}; }
    void set_text_colour(int r, int g, int b) { text_ = {r, g, b}; }
    void set_text_highlight_colour(int r, int g, int b) { text_highlight_ = {r, g, b}; }
    void set_state(bool lit) { lit_ = lit; }
    void set_button_has_focus(bool f) { focus_ = f; }
    void set_hidden(bool h) { hidden_ = h; }
    void set_control_dirty(bool d) { dirty_ = d; }
    void set_button_text(const char* text) { caption_ = text ? text : ""; }

    bool get_state() const { return lit_; }
    bool get_focus() const { return focus_; }
    bool get_hidden() const { return hidden_; }
    bool get_control_dirty() const { return dirty_; }

    // Answers even while hidden; owners that hide the button check that.
    bool test_clicked(int px, int py) const { return box_.hit(magnification_, px, py); }
    widget_box get_invalid_area() const { return box_.scaled(magnification_); }

    void queue_pushbutton(int window);
    void undraw_pushbutton(afx_pixbuf* buf) const;
    void draw_pushbutton(afx_pixbuf* buf) const;

private:
    widget_box box_;
    widget_rgb background_, frame_, highlight_, text_, text_highlight_;
    float magnification_ = 1.0f;
    bool lit_ = false, focus_ = false, hidden_ = false, dirty_ = false;
    std::string caption_;
    AFX_engine* engine_;
    AFX_font_engine* font_;
};
