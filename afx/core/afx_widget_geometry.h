// Placement shared by the strip widgets: centre position less pads, offsets
// into the target, an inclusive click box, and the frame of a value.
#pragma once

#include "afx_knob_law.h"
#include "afx_pixbuf.h"

class AFX_engine;

struct afx_widget_geometry {
    int pad_left = 0, pad_top = 0;
    int pos_x = 0, pos_y = 0;
    int size_x = 0, size_y = 0;
    int focus_x = 0, focus_y = 0;
    int offset_x = 0, offset_y = 0;

    int panel_left() const { return pos_x - size_x / 2 - pad_left; }
    int panel_top() const { return pos_y - size_y / 2 - pad_top; }
    void target_rect(int* x, int* y, int* w, int* h) const
    {
        *x = offset_x + panel_left(), *y = offset_y + panel_top(), *w = size_x, *h = size_y;
    }
    // Both far edges belong to the box, so it is focus_x + 1 pixels wide.
    bool hit(int x, int y) const
    {
        const int left = offset_x + pos_x - focus_x / 2 - pad_left;
        const int top = offset_y + pos_y - focus_y / 2 - pad_top;
        return left <= x && x <= left + focus_x && top <= y && y <= top + focus_y;
    }
    // Restores the panel's pixels under the widget in the target.
    void restore_background(const afx_pixbuf* panel, afx_pixbuf* target) const
    {
        AFX_drawing::afx_pixbuf_copy(panel, target, panel_left(), panel_top(), offset_x + panel_left(),
                                     offset_y + panel_top(), size_x, size_y);
    }
    // Lays frame `frame` of a vertical strip over the target rectangle.
    void combine_frame(const afx_pixbuf* strip, int frame, afx_pixbuf* target) const
    {
        AFX_drawing::afx_combine_pixbuf_fixed(strip, target, 0, frame * size_y, offset_x + panel_left(),
                                              offset_y + panel_top(), size_x, size_y);
    }
};
