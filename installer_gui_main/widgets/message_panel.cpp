#include "message_panel.h"

#include <algorithm>
#include <cstdio>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"

CMessagePanel::CMessagePanel(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font)
{
    clear_all_lines();
}

void CMessagePanel::set_line(const char* text, int n, int align)
{
    if (!valid(n))
        return;
    set_line_text(text, n);
    align_[n] = align;
}

void CMessagePanel::set_line_text(const char* text, int n)
{
    if (!valid(n))
        return;
    std::snprintf(lines_[n], 63, "%s", text ? text : "");
}

void CMessagePanel::clear_line(int n)
{
    if (!valid(n))
        return;
    lines_[n][0] = 0;
    align_[n] = centred;
}

void CMessagePanel::clear_all_lines()
{
    for (int n = 0; n < kLines; ++n)
        clear_line(n);
}

void CMessagePanel::queue_message_panel(int window)
{
    queue_widget_box(engine_, window, box_, magnification_);
}

void CMessagePanel::draw_message_panel(afx_pixbuf* buf) const
{
    AFX_drawing::afxline_block_fill_to_pixbuf(buf, box_.x, box_.y, box_.width, box_.height, 0, 0, 0);
    if (image_)
        AFX_drawing::afx_combine_pixbuf_fixed(image_, buf, 0, 0, box_.x + ((box_.width - image_->width) >> 1),
                                              box_.y, image_->width, image_->height);
    if (dim_)
        for (int y = 0; y < buf->height; ++y) {
            uint8_t* p = afx_pixel_at(buf, 0, y);
            for (int x = 0; x < buf->width; ++x, p += 4)
                p[0] >>= 1, p[1] >>= 1, p[2] >>= 1;
        }
    if (!font_)
        return;
    // Left-block lines share one column, so the block's widest line is centred.
    int block = box_.width;
    for (int n = 0; n < kLines; ++n)
        if (align_[n] == left_block)
            block = std::min(block, (box_.width - font_->get_string_length_in_pxls(lines_[n])) / 2);
    for (int n = 0; n < kLines; ++n) {
        int x;
        if (align_[n] == centred)
            x = (box_.width - font_->get_string_length_in_pxls(lines_[n])) / 2;
        else if (align_[n] == left_block)
            x = block;
        else
            continue;
        font_->draw_string_to_pixbuf(buf, lines_[n], x, 24 + 16 * n, 255, 255, 255, 63);
    }
}
