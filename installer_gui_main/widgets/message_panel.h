// Twelve lines of white text over the installer's background image.
#pragma once

#include "widget_box.h"

class AFX_engine;
class AFX_font_engine;

class CMessagePanel {
public:
    static constexpr int kLines = 12;
    enum alignment { centred = 0, left_block = 1 };  // any other value: not drawn

    CMessagePanel(AFX_engine* engine, AFX_font_engine* font);

    void set_x_size(int v) { box_.width = v; }
    void set_y_size(int v) { box_.height = v; }
    void set_x_pos(int v) { box_.x = v; }
    void set_y_pos(int v) { box_.y = v; }
    void set_panel_pixbuf(const afx_pixbuf* image) { image_ = image; }
    void set_magnification(float m) { magnification_ = m; }
    void set_dim(bool d) { dim_ = d; }
    bool get_dim() const { return dim_; }
    void set_control_dirty(bool d) { dirty_ = d; }
    bool get_control_dirty() const { return dirty_; }

    // n outside 0..11 is ignored; a line keeps at most 62 characters.
    void set_line(const char* text, int n, int align);
    void set_line_text(const char* text, int n);
    void clear_line(int n);
    void clear_all_lines();
    const char* get_line(int n) const { return valid(n) ? lines_[n] : ""; }
    int get_alignment(int n) const { return valid(n) ? align_[n] : 0; }

    void queue_message_panel(int window);
    void draw_message_panel(afx_pixbuf* buf) const;

private:
    static bool valid(int n) { return n >= 0 && n < kLines; }

    char lines_[kLines][64];
    int align_[kLines];
    widget_box box_;
    float magnification_ = 1.0f;
    bool dirty_ = false, dim_ = false;
    const afx_pixbuf* image_ = nullptr;
    AFX_engine* engine_;
    AFX_font_engine* font_;
};
