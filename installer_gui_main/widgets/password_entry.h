// A one-line field that shows what is typed as '*' glyphs. Control
// characters (from keys or a paste) never enter its text.
#pragma once

#include <cstdint>

#include "widget_box.h"

class AFX_engine;
class AFX_font_engine;

class CPasswordEntry {
public:
    static constexpr int kCapacity = 1024;  // at most 1023 characters

    CPasswordEntry(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font) { text_[0] = 0; }
    ~CPasswordEntry() { clear_text(); }

    void set_password_entry_pos_x(int v) { box_.x = v; }
    void set_password_entry_pos_y(int v) { box_.y = v; }
    void set_password_entry_size_x(int v) { box_.width = v; }
    void set_password_entry_size_y(int v) { box_.height = v; }
    void set_magnification(float m) { magnification_ = m; }
    void set_background_colour(int r, int g, int b) { background_ = {r, g, b}; }
    void set_focus_colour(int r, int g, int b) { focus_colour_ = {r, g, b}; }
    void set_normal_colour(int r, int g, int b) { normal_colour_ = {r, g, b}; }
    void set_cursor_colour(int r, int g, int b) { cursor_ = {r, g, b}; }
    void set_password_entry_has_focus(bool f) { focus_ = f; }
    void set_control_dirty(bool d) { dirty_ = d; }
    void set_hidden(bool h) { hidden_ = h; }
    bool get_focus() const { return focus_; }
    bool get_control_dirty() const { return dirty_; }
    bool get_hidden() const { return hidden_; }
    char* get_text_string() { return text_; }

    void clear_text();  // wipes every byte
    // Replaces the text (null empties it), dropping control characters and
    // whatever does not fit.
    void set_text(const char* text);
    void add_character(char ch);
    // True for Return; keys go nowhere while hidden or without focus.
    bool send_keypress(uint32_t keysym, const char* key_text);

    bool password_entry_test_clicked(int px, int py) const { return box_.hit(magnification_, px, py); }
    void queue_password_entry(int window);
    void undraw_password_entry(afx_pixbuf* buf) const;
    void draw_password_entry(afx_pixbuf* buf) const;

private:
    char text_[kCapacity];
    widget_box box_;
    float magnification_ = 1.0f;
    widget_rgb cursor_{255, 255, 255}, focus_colour_, normal_colour_, background_, frame_{127, 127, 127};
    bool focus_ = false, dirty_ = false, hidden_ = false;
    AFX_engine* engine_;
    AFX_font_engine* font_;
};
