#include "afx_rotary.h"

bool CRotaryControlObject::get_detent_flag() const
{
    return afx_frame_of(detent_, nframes_) == afx_frame_of(value_, nframes_);
}

void CRotaryControlObject::update_rotary_control_value(float, float d)
{
    const afx_knob_law law = {inertia_, AFX_ROTARY_DETENT_DAMPING, AFX_ROTARY_ALWAYS_EASE != 0};
    afx_knob_drag(value_, velocity_, d, detent_, nframes_, law);
}

void CRotaryControlObject::step_control(int step) { value_ = afx_knob_step(value_, step, nframes_); }

bool CRotaryControlObject::test_rotary_control_clicked(int x, int y)
{
    if (!geo_.hit(x, y))
        return false;
    velocity_ = 0.0f;  // each drag starts from rest
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
