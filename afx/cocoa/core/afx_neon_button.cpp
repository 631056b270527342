#include "afx_neon_button.h"

void CPushButtonNeonObject::draw_pushbutton_neon(afx_pixmap* target)
{
    const afx_pixbuf* strip = lamp_on_ ? strip_lit_ : strip_dark_;
    if (!strip || !target)
        return;
    afx_pixbuf view = afx_pixmap_as_pixbuf(*target);
    geo_.combine_frame(strip, afx_frame_of(value_, nframes_), &view);
}

void CPushButtonNeonObject::redraw_pushbutton_neon(afx_pixmap* target)
{
    if (!target)
        return;
    if (panel_) {
        afx_pixbuf view = afx_pixmap_as_pixbuf(*target);
        geo_.restore_background(panel_, &view);
    }
    draw_pushbutton_neon(target);
}
