// A framed bar with a caption: filled from the left, or a bouncing block
// while progress cannot be measured.
#pragma once

#include "widget_box.h"

class AFX_engine;
class AFX_font_engine;

class CProgressBar {
public:
    enum mode_t { filled = 0, bouncing = 1 };

    CProgressBar(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font)
    {
        caption_[0] = 0;
    }

    void set_progress_bar_pos_x(int v) { box_.x = v; }
    void set_progress_bar_pos_y(int v) { box_.y = v; }
    // The block starts in the middle.
    void set_progress_bar_size_x(int w)
    {
        box_.width = w;
        block_pos_ = w / 2 - 8;
    }
    void set_progress_bar_size_y(int v) { box_.height = v; }
    void set_magnification(float m) { magnification_ = m; }
    void set_background_colour(int r, int g, int b) { background_ = {r, g, b}; }
    void set_bar_colour(int r, int g, int b) { bar_ = {r, g, b}; }
    void set_text_colour(int r, int g, int b) { caption_colour_ = {r, g, b}; }
    void set_progress_value(float v) { value_ = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }
    void set_progress_mode(int mode) { mode_ = mode; }
    int get_progress_mode() const { return mode_; }
    void set_control_dirty(bool d) { dirty_ = d; }
    bool get_control_dirty() const { return dirty_; }
    void set_hidden(bool h) { hidden_ = h; }
    bool get_hidden() const { return hidden_; }
    void set_caption(const char* text);
    void clear_caption() { caption_[0] = 0; }
    const char* get_caption() const { return caption_; }
    int get_block_position() const { return block_pos_; }
    int get_block_step() const { return block_step_; }

    void queue_progress_bar(int window);
    void undraw_progress_bar(afx_pixbuf* buf) const;
    // Draws the bar; in bouncing mode each draw also moves the block.
    void draw_progress_bar(afx_pixbuf* buf);

private:
    void draw_fill(afx_pixbuf* buf) const;
    void draw_block(afx_pixbuf* buf);

    char caption_[1024];
    widget_box box_;
    float magnification_ = 1.0f;
    widget_rgb bar_{127, 127, 127}, background_, caption_colour_{255, 255, 255}, frame_{127, 127, 127};
    int block_pos_ = 0, block_step_ = 4, mode_ = filled;
    float value_ = 0.0f;
    bool dirty_ = false, hidden_ = false;
    AFX_engine* engine_;
    AFX_font_engine* font_;
};
