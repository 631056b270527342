// Slot reads and callback registration, written once for the backends that
// own windows. Each backend's record answers used(index) (the slot of an
// open window, else null), sys_window(slot) and gui_update_registered(index)
// (Win32 starts the window's timer there). Reads and registrations take no
// lock: X11 keeps these fields as atomics.
#if defined(AFX_BACKEND_X11)
#include "afx/x11/x11_engine_state.h"
#elif defined(AFX_BACKEND_WIN32)
#include "afx/win32/win32_engine_state.h"
#else
#error "only the backends that own windows have slots"
#endif

int AFX_engine_windows::afx_get_afx_window_width(int index) const
{
    const auto* s = b_->used(index);
    return s ? static_cast<int>(s->width) : 0;
}

int AFX_engine_windows::afx_get_afx_window_height(int index) const
{
    const auto* s = b_->used(index);
    return s ? static_cast<int>(s->height) : 0;
}

float AFX_engine_windows::afx_get_scale_factor(int index) const
{
    const auto* s = b_->used(index);
    return s ? static_cast<float>(s->scale) : 1.0f;
}

afx_sys_window AFX_engine_windows::get_SYS_window_idx_for_afx_window(int index) const
{
    const auto* s = b_->used(index);
    return s ? AFX_engine::backend::sys_window(*s) : 0;
}

bool AFX_engine_windows::check_all_windows_closed() const
{
    for (const auto& s : b_->slots)
        if (s.in_use)
            return false;
    return true;
}

void AFX_engine_windows::register_data_pointer(int index, void* pointer)
{
    if (auto* s = b_->used(index))
        s->data_pointer = pointer;
}

void* AFX_engine_windows::get_window_data_pointer(int index) const
{
    const auto* s = b_->used(index);
    return s ? static_cast<void*>(s->data_pointer) : nullptr;
}

AFX_REGISTER_CALLBACK(AFX_engine_windows, register_expose_callback, expose, afx_expose_cb)
AFX_REGISTER_CALLBACK(AFX_engine_windows, register_button_press_callback, button_press, afx_button_cb)
AFX_REGISTER_CALLBACK(AFX_engine_windows, register_button_release_callback, button_release, afx_button_cb)
AFX_REGISTER_CALLBACK(AFX_engine_windows, register_motion_notify_callback, motion, afx_motion_cb)
AFX_REGISTER_CALLBACK(AFX_engine_windows, register_double_click_callback, double_click, afx_button_cb)
AFX_REGISTER_CALLBACK(AFX_engine_windows, register_wheel_callback, wheel, afx_wheel_cb)
AFX_REGISTER_CALLBACK(AFX_engine_windows, register_window_destroy_callback, window_destroy,
                      afx_window_destroy_cb)

void AFX_engine_windows::register_gui_update_callback(int index, afx_gui_update_cb cb)
{
    auto* s = b_->used(index);
    if (!s)
        return;
    s->cb.gui_update = cb;
    b_->gui_update_registered(index);
}
