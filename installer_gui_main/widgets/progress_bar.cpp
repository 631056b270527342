#include "progress_bar.h"

#include <cstdio>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"

void CProgressBar::set_caption(const char* text)
{
    std::snprintf(caption_, sizeof caption_, "%s", text ? text : "");
}

void CProgressBar::queue_progress_bar(int window) { queue_widget_box(engine_, window, box_, magnification_); }

void CProgressBar::undraw_progress_bar(afx_pixbuf* buf) const
{
    if (hidden_)
        return;
    fill_widget_box(buf, box_, background_);
}

// Brightest in the middle rows, fading towards top and bottom.
void CProgressBar::draw_fill(afx_pixbuf* buf) const
{
    const int h2 = box_.height / 2;
    if (h2 <= 0)
        return;
    const int end = box_.x + 2 + static_cast<int>((box_.width - 4) * value_);
    const auto row = [&](int y, int i) {
        const int alpha = (((i * 256 / h2) * 95) >> 8) + 96;
        AFX_drawing::draw_horiz_line_to_pixbuf(buf, box_.x + 2, y, end, y, bar_.r, bar_.g, bar_.b, alpha);
    };
    for (int i = 3; i <= h2 - 1; ++i)
        row(box_.y + i, i);
    for (int i = 3; i <= h2; ++i)
        row(box_.y + box_.height - i, i);
}

// The bright edge leads; the block turns at the quarter margins.
void CProgressBar::draw_block(afx_pixbuf* buf)
{
    for (int i = 0; i < 16; ++i) {
        const int ramp = (i * 255) >> 4;
        const int alpha = block_step_ >= 0 ? ramp : 255 - ramp;
        const int col = box_.x + block_pos_ + i;
        AFX_drawing::draw_vert_line_to_pixbuf(buf, col, box_.y + 3, col, box_.y + box_.height - 3, bar_.r,
                                              bar_.g, bar_.b, alpha);
    }
    block_pos_ += block_step_;
    const int q = (box_.width - (box_.width >> 1)) >> 1;
    if (block_pos_ >= box_.width - q - 16) {
        block_pos_ = box_.width - q - 17;
        block_step_ = -block_step_;
    }
    if (block_pos_ < q) {
        block_pos_ = q;
        block_step_ = -block_step_;
    }
}

void CProgressBar::draw_progress_bar(afx_pixbuf* buf)
{
    if (hidden_)
        return;
    if (mode_ == filled)
        draw_fill(buf);
    else if (mode_ == bouncing)
        draw_block(buf);
    if (font_) {
        const int x = box_.x + (box_.width - font_->get_string_length_in_pxls(caption_)) / 2 + 3;
        font_->draw_clipped_string_to_pixbufL(buf, caption_, x, box_.y + box_.height / 2 + 5, box_.y,
                                              box_.y + box_.height, box_.x, box_.x + box_.width,
                                              caption_colour_.r, caption_colour_.g, caption_colour_.b, 1023);
    }
    draw_open_corner_frame(buf, box_, frame_);
}
