#include "afx_widgets.h"

void CFrontPanelObject::draw_front_panel(afx_pixbuf* target)
{
    AFX_drawing::afx_pixbuf_copy(panel_, target, 0, 0, offset_x_, offset_y_, width_, height_);
}

void CPushButtonLatchingObject::update_pushbutton_latching_value()
{
    value_ = static_cast<int>(2.0f * value_ / 100.0f) == 0 ? 99.0f : 0.0f;
}

void CPushButtonLatchingObject::draw_pushbutton_latching(afx_pixbuf* target)
{
    geo_.combine_frame(strip_, afx_frame_of(value_, nframes_), target);
}

void CPushButtonLatchingObject::redraw_pushbutton_latching(afx_pixbuf* target)
{
    geo_.restore_background(panel_, target);
    draw_pushbutton_latching(target);
}

CBarMeterObject::~CBarMeterObject() { AFX_drawing::afx_pixbuf_destroy_with_allocation(work_); }

int CBarMeterObject::lit_boundary() const
{
    if (!power_)
        return geo_.size_y;
    return geo_.size_y - static_cast<int>(value_ / 100.0 * geo_.size_y);
}

void CBarMeterObject::draw_bar_meter(afx_pixbuf* target)
{
    if (work_)
        AFX_drawing::afx_pixbuf_reparent(work_, strip_->window);
    else
        work_ = AFX_drawing::afx_pixbuf_new_with_allocation(geo_.size_x, geo_.size_y, strip_->window);
    // Unlit image above the boundary, lit image below: it fills bottom-up.
    const int lit = lit_boundary();
    AFX_drawing::afx_pixbuf_copy(strip_, work_, 0, geo_.size_y, 0, 0, geo_.size_x, lit);
    AFX_drawing::afx_pixbuf_copy(strip_, work_, 0, lit, 0, lit, geo_.size_x, geo_.size_y - lit);
    geo_.combine_frame(work_, 0, target);
}

void CBarMeterObject::redraw_bar_meter(afx_pixbuf* target)
{
    geo_.restore_background(panel_, target);
    draw_bar_meter(target);
}
