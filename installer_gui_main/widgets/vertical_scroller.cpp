#include "vertical_scroller.h"

#include <algorithm>

#include "afx/afx_engine.h"

namespace {
int nearest(float v) { return static_cast<int>(v + 0.5f); }
}  // namespace

int CVerticalScroller::handle_length() const
{
    return std::max(16, static_cast<int>(scale_ / 100.0f * trough_length()));
}

int CVerticalScroller::drawn_handle_top() const
{
    const int lo = trough_top(), hi = lowest_handle_top();
    return hi < lo ? lo : std::clamp(handle_, lo, hi);
}

void CVerticalScroller::clamp_handle() { handle_ = drawn_handle_top(); }

void CVerticalScroller::set_scroller_value(float v)
{
    value_ = v;
    handle_ = nearest(v * (trough_length() - handle_length())) + trough_top();
    fine_ = static_cast<float>(handle_);
}

void CVerticalScroller::set_scroller_scale(float s)
{
    const int t = trough_top(), old_hl = handle_length();
    if (handle_ <= t)
        value_ = 0.0f;
    else if (handle_ < lowest_handle_top())
        value_ = std::clamp(static_cast<float>(handle_ - t) / static_cast<float>(trough_length() - old_hl),
                            0.0f, 1.0f);
    else
        value_ = 1.0f;
    scale_ = s;
    set_scroller_value(value_);
}

float CVerticalScroller::get_scroller_value()
{
    const int t = trough_top(), b = lowest_handle_top();
    if (handle_ <= t)
        value_ = 0.0f;
    else if (handle_ >= b)
        value_ = 1.0f;
    else
        value_ = static_cast<float>(handle_ - t) / static_cast<float>(b - t);
    return value_;
}

void CVerticalScroller::update_scroller_value(int dy)
{
    fine_ -= static_cast<float>(dy) / magnification_;
    handle_ = static_cast<int>(fine_);
}

void CVerticalScroller::step_scroller_value(int step)
{
    clamp_handle();
    if (step < -1 || step > 1)
        return;
    handle_ += step;
    clamp_handle();
    fine_ = static_cast<float>(handle_);
}

void CVerticalScroller::set_control_has_focus(bool f)
{
    focus_ = f;
    if (f)
        clamp_handle();
}

bool CVerticalScroller::in_column(int px) const
{
    const float m = magnification_;
    return static_cast<int>(m * box_.x) <= px && px <= nearest(m * (box_.x + box_.width));
}

bool CVerticalScroller::test_control_clicked(int px, int py) const
{
    return in_column(px) && static_cast<int>(magnification_ * handle_) <= py &&
           py <= nearest(magnification_ * (handle_ + handle_length()));
}

bool CVerticalScroller::test_trough_upper_clicked(int px, int py) const
{
    return in_column(px) && static_cast<int>(magnification_ * trough_top()) <= py &&
           py <= nearest(magnification_ * handle_);
}

bool CVerticalScroller::test_trough_lower_clicked(int px, int py) const
{
    return in_column(px) && static_cast<int>(magnification_ * (handle_ + handle_length())) <= py &&
           py <= nearest(magnification_ * (box_.y + box_.height - box_.width));
}

bool CVerticalScroller::test_upper_arrow_clicked(int px, int py) const
{
    return in_column(px) && static_cast<int>(magnification_ * box_.y) <= py &&
           py <= nearest(magnification_ * trough_top());
}

bool CVerticalScroller::test_lower_arrow_clicked(int px, int py) const
{
    return in_column(px) && static_cast<int>(magnification_ * (box_.y + box_.height - box_.width)) <= py &&
           py <= nearest(magnification_ * (box_.y + box_.height));
}

void CVerticalScroller::queue_scroller(int window)
{
    queue_widget_box(engine_, window, box_, magnification_);
}

void CVerticalScroller::undraw_scroller(afx_pixbuf* buf) const { fill_widget_box(buf, box_, background_); }

void CVerticalScroller::draw_scroller(afx_pixbuf* buf) const
{
    const int x = box_.x, y = box_.y, w = box_.width, h = box_.height;
    const widget_rgb& f = frame_;
    const widget_rgb& k = handle_colour_;
    const auto hline = [&](int x1, int x2, int row, const widget_rgb& c, int a) {
        AFX_drawing::draw_horiz_line_to_pixbuf(buf, x1, row, x2, row, c.r, c.g, c.b, a);
    };
    hline(x, x + w, y, f, frame_alpha_);
    hline(x, x + w, y + h, f, frame_alpha_);
    AFX_drawing::draw_vert_line_to_pixbuf(buf, x, y, x, y + h, f.r, f.g, f.b, frame_alpha_);
    AFX_drawing::draw_vert_line_to_pixbuf(buf, x + w, y, x + w, y + h, f.r, f.g, f.b, frame_alpha_);
    hline(x, x + w, y + w, f, frame_alpha_);
    const int cx = x + w / 2, cy = y + w / 2;
    for (int i = 0; i <= 7; ++i)
        hline(cx - i, cx + i, cy + i - 4, k, handle_alpha_);
    hline(x, x + w, y + h - w, f, frame_alpha_);
    for (int i = 0; i <= 7; ++i)
        hline(cx - i, cx + i, y + h - w + w / 2 - i + 4, k, handle_alpha_);
    const int t = drawn_handle_top(), hl = handle_length();
    for (int row = t + 1; row <= t + hl - 1; ++row)
        hline(x + 2, x + w - 2, row, k, handle_alpha_);
}
