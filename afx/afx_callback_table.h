// One window's callbacks as the window-owning backends keep them, null =
// none: the kinds both deliver (X11 adds its own, x11_engine_state.h). Cell
// is how a backend stores a pointer: X11 registers from any thread and
// dispatches on its GUI thread, so its cells are atomics; Win32 does both on
// the host's UI thread and keeps plain pointers.
#pragma once

#include "afx/afx_engine_windows.h"

template <class T>
using afx_plain_cell = T;

template <template <class> class Cell>
struct afx_callback_table {
    Cell<afx_expose_cb> expose{nullptr};
    Cell<afx_button_cb> button_press{nullptr};
    Cell<afx_button_cb> button_release{nullptr};
    Cell<afx_motion_cb> motion{nullptr};
    Cell<afx_button_cb> double_click{nullptr};
    Cell<afx_wheel_cb> wheel{nullptr};
    Cell<afx_window_destroy_cb> window_destroy{nullptr};
    Cell<afx_gui_update_cb> gui_update{nullptr};

    void clear()
    {
        expose = nullptr;
        button_press = nullptr;
        button_release = nullptr;
        motion = nullptr;
        double_click = nullptr;
        wheel = nullptr;
        window_destroy = nullptr;
        gui_update = nullptr;
    }
};

// A registration stores the callback in an open window's slot; a free slot
// ignores it. owner is the view the registration belongs to.
#define AFX_REGISTER_CALLBACK(owner, name, field, type) \
    void owner::name(int index, type cb)                \
    {                                                   \
        if (auto* s = b_->used(index))                  \
            s->cb.field = cb;                           \
    }
