// One window's callbacks as the window-owning backends keep them, null =
// none. Cell is how a backend stores a pointer: X11 registers from any
// thread and dispatches on its GUI thread, so its cells are atomics; Win32
// does both on the host's UI thread and keeps plain pointers. X11 delivers
// every kind; Win32 the expose, button, motion, double-click, wheel,
// window-destroy and GUI-update ones.
#pragma once

#include "afx/afx_engine.h"

template <class T>
using afx_plain_cell = T;

template <template <class> class Cell>
struct afx_callback_table {
    Cell<afx_configure_cb> configure{nullptr};
    Cell<afx_expose_cb> expose{nullptr};
    Cell<afx_button_cb> button_press{nullptr};
    Cell<afx_button_cb> button_release{nullptr};
    Cell<afx_motion_cb> motion{nullptr};
    Cell<afx_reparent_cb> reparent{nullptr};
    Cell<afx_client_message_cb> client_message{nullptr};
    Cell<afx_create_cb> create{nullptr};
    Cell<afx_expose_cb> redraw{nullptr};  // stored only
    Cell<afx_button_cb> double_click{nullptr};
    Cell<afx_wheel_cb> wheel{nullptr};
    Cell<afx_window_destroy_cb> window_destroy{nullptr};
    Cell<afx_key_cb> key_press{nullptr};
    Cell<afx_key_cb> key_release{nullptr};
    Cell<afx_selection_cb> selection{nullptr};
    Cell<afx_gui_update_cb> gui_update{nullptr};

    void clear()
    {
        configure = nullptr;
        expose = nullptr;
        button_press = nullptr;
        button_release = nullptr;
        motion = nullptr;
        reparent = nullptr;
        client_message = nullptr;
        create = nullptr;
        redraw = nullptr;
        double_click = nullptr;
        wheel = nullptr;
        window_destroy = nullptr;
        key_press = nullptr;
        key_release = nullptr;
        selection = nullptr;
        gui_update = nullptr;
    }
};
