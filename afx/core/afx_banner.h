// One-line text display: the text is rendered once per change into a buffer
// of its own and a sideways-scrollable window of it is laid over the panel.
#pragma once

#include "afx_pixbuf.h"

class AFX_engine;
class AFX_font_engine;

class CBannerObject {
public:
    CBannerObject(AFX_engine* engine, AFX_font_engine* font);
    ~CBannerObject();
    CBannerObject(const CBannerObject&) = delete;
    CBannerObject& operator=(const CBannerObject&) = delete;

    void set_x_pos(int v) { x_pos_ = v; }
    void set_y_pos(int v) { y_pos_ = v; }
    void set_x_size(int v) { x_size_ = v; }
    void set_y_size(int v) { y_size_ = v; }
    void set_offset_x(int v) { offset_x_ = v; }
    void set_offset_y(int v) { offset_y_ = v; }
    void set_max_chars(int v) { max_chars_ = v; }
    void set_front_panel_pixbuf(afx_pixbuf* p) { panel_ = p; }
    void set_bold(bool v) { bold_ = v; }
    void enable_frame(bool v) { frame_ = v; }
    void set_value(int scroll) { scroll_ = scroll; }
    int get_value() const { return scroll_; }
    void set_banner_has_focus(bool v) { focus_ = v; }
    bool get_banner_has_focus() const { return focus_; }
    void set_control_dirty(bool v) { dirty_ = v; }
    bool get_control_dirty() const { return dirty_; }
    int get_text_width() const { return text_width_; }
    const afx_pixbuf* get_text_pixbuf() const { return text_; }

    void init_banner(int window);
    void set_colour(int r, int g, int b);
    void set_text(const char* text);
    void get_invalid_area(int* x, int* y, int* w, int* h) const;
    bool test_banner_clicked(int x, int y) const;
    void undraw_banner(afx_pixbuf* target);
    void draw_banner(afx_pixbuf* target);
    void update_right();
    void update_left();
    void update_banner_position(int delta);

private:
    void draw_frame();

    AFX_engine* engine_;
    AFX_font_engine* font_;
    afx_pixbuf* text_ = nullptr;
    afx_pixbuf* panel_ = nullptr;
    int x_pos_ = 0, y_pos_ = 0, x_size_ = 0, y_size_ = 0;
    int offset_x_ = 0, offset_y_ = 0;
    int text_width_ = 0;
    int baseline_ = 14;
    int frame_top_ = 0;
    int colour_[3] = {0, 0, 0};
    int frame_colour_[3] = {95, 95, 95};
    int scroll_ = 0;
    int max_chars_ = 0;
    bool initialised_ = false, focus_ = false, dirty_ = false, frame_ = true, bold_ = false;
};
