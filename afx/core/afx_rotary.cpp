#include "afx_rotary.h"

#include <cmath>

bool CRotaryControlObject::get_detent_flag() const
{
    return afx_frame_of(detent_, nframes_) == afx_frame_of(value_, nframes_);
}

void CRotaryControlObject::update_rotary_control_value(float, float d)
{
    float v = velocity_;
    if (detent_ != 0.0f && get_detent_flag())
        v *= AFX_ROTARY_DETENT_DAMPING;
    if (d == 0.0f) {
        velocity_ = v;
        return;
    }
    if ((d < 0.0f && v > 0.0f) || (d > 0.0f && v < 0.0f))
        v = 0.0f;
    const bool ease = AFX_ROTARY_ALWAYS_EASE || std::fabs(d) > std::fabs(v);
    const float change = ease ? v + (d - v) * inertia_ : d;
    velocity_ = change;
    set_rotary_control_value(value_ + change);
}

void CRotaryControlObject::step_control(int step)
{
    if (step < -1 || step > 1 || nframes_ < 2)
        return;
    int frame = afx_frame_of(value_, nframes_) + step;
    frame = frame < 0 ? 0 : (frame > nframes_ - 1 ? nframes_ - 1 : frame);
    value_ = static_cast<float>(frame) / static_cast<float>(nframes_ - 1) * 99.0f;
}

bool CRotaryControlObject::test_rotary_control_clicked(int x, int y)
{
    if (!geo_.hit(x, y))
        return false;
    velocity_ = 0.0f; // each drag starts from rest
    return true;
}

void CRotaryControlObject::draw_rotary_control(afx_pixbuf* target)
{
    const int frame = afx_frame_of(value_, nframes_);
    geo_.combine_frame(strip_, frame, target);
    last_row_ = frame * geo_.size_y;
}

bool CRotaryControlObject::redraw_rotary_control(afx_pixbuf* target)
{
    if (afx_frame_of(value_, nframes_) * geo_.size_y == last_row_)
        return false;
    geo_.restore_background(panel_, target);
    draw_rotary_control(target);
    return true;
}
