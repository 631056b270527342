#include "wire_frame_button.h"

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"

void CWireFramePushButton::queue_pushbutton(int window)
{
    queue_widget_box(engine_, window, box_, magnification_);
}

void CWireFramePushButton::undraw_pushbutton(afx_pixbuf* buf) const
{
    if (hidden_)
        return;
    fill_widget_box(buf, box_, background_);
}

void CWireFramePushButton::draw_pushbutton(afx_pixbuf* buf) const
{
    if (hidden_)
        return;
    const int x = box_.x, y = box_.y, w = box_.width, h = box_.height;
    const widget_rgb& f = frame_;
    AFX_drawing::draw_horiz_line_to_pixbuf(buf, x, y, x + w, y, f.r, f.g, f.b, 255);
    AFX_drawing::draw_vert_line_to_pixbuf(buf, x, y, x, y + h, f.r, f.g, f.b, 255);
    AFX_drawing::draw_horiz_line_to_pixbuf(buf, x, y + h, x + w, y + h, f.r, f.g, f.b, 255);
    AFX_drawing::draw_vert_line_to_pixbuf(buf, x + w, y, x + w, y + h, f.r, f.g, f.b, 255);
    if (lit_)
        for (int col = x + 1; col <= x + w - 1; ++col)
            AFX_drawing::draw_vert_line_to_pixbuf(buf, col, y + 1, col, y + h - 1, highlight_.r, highlight_.g,
                                                  highlight_.b, 175);
    if (caption_.empty() || !font_)
        return;
    const int tw = font_->get_string_length_in_pxls(caption_.c_str());
    const int th = font_->get_string_height_in_pxls(caption_.c_str());
    const widget_rgb& t = lit_ ? text_highlight_ : text_;
    font_->draw_string_to_pixbuf(buf, caption_.c_str(), x + w / 2 - tw / 2, y + h / 2 + th / 2, t.r, t.g, t.b,
                                 lit_ ? 255 : 175);
}
