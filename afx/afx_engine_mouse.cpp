// The drag deltas, the same for every backend: each call measures from the
// previous position and moves the anchor there.
#include "afx/afx_engine.h"

void AFX_engine::init_mouse(double x, double y)
{
    mouse_x_ = x;
    mouse_y_ = y;
}

int AFX_engine::get_mouse_delta_x(double x)
{
    const int d = static_cast<int>(x - mouse_x_);
    mouse_x_ = x;
    return d;
}

// Window y grows downwards: upward motion is positive.
int AFX_engine::get_mouse_delta_y(double y)
{
    const int d = static_cast<int>(mouse_y_ - y);
    mouse_y_ = y;
    return d;
}

void AFX_engine::get_last_mouse_pos(double* x, double* y) const
{
    *x = mouse_x_;
    *y = mouse_y_;
}
