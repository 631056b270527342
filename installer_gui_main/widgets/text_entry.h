// A one-line text field with a cursor. Control characters never enter its
// text (a typed Tab or Escape would otherwise end up in a file name), and
// text that does not fit is cut between characters, never inside one.
#pragma once

#include <cstdint>

#include "widget_box.h"

class AFX_engine;
class AFX_font_engine;

class CTextEntry {
public:
    static constexpr int kCapacity = 1024;  // at most 1023 characters

    CTextEntry(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font) { text_[0] = 0; }

    void set_text_entry_pos_x(int v) { box_.x = v; }
    void set_text_entry_pos_y(int v) { box_.y = v; }
    void set_text_entry_size_x(int v) { box_.width = v; }
    void set_text_entry_size_y(int v) { box_.height = v; }
    void set_magnification(float m) { magnification_ = m; }
    void set_background_colour(int r, int g, int b) { background_ = {r, g, b}; }
    void set_focus_colour(int r, int g, int b) { focus_colour_ = {r, g, b}; }
    void set_normal_colour(int r, int g, int b) { normal_colour_ = {r, g, b}; }
    void set_cursor_colour(int r, int g, int b) { cursor_ = {r, g, b}; }
    void set_text_entry_has_focus(bool f) { focus_ = f; }
    bool get_focus() const { return focus_; }
    char* get_text_string() { return text_; }

    // Replaces the text (null empties it) with as much as fits.
    void set_text(const char* text);
    // Appends one byte while fewer than 1023 are stored.
    void add_character(char ch);
    // True for Return. A key whose text does not fit whole is refused.
    bool send_keypress(uint32_t keysym, const char* key_text);

    bool text_entry_test_clicked(int px, int py) const { return box_.hit(magnification_, px, py); }
    void queue_text_entry(int window);
    void undraw_text_entry(afx_pixbuf* buf) const;
    void draw_text_entry(afx_pixbuf* buf) const;

private:
    char text_[kCapacity];
    widget_box box_;
    widget_rgb cursor_{255, 255, 255}, focus_colour_, normal_colour_, background_;
    float magnification_ = 1.0f;
    bool focus_ = false;
    AFX_engine* engine_;
    AFX_font_engine* font_;
};
