// Engine life cycle, policy, slot bookkeeping, callback registration and
// the pointer helpers. Everything here runs on the host's UI thread.
#include "win32_engine_state.h"

#include <cmath>
#include <cstdio>

void AFX_engine::backend::reset_slot(int index)
{
    slots[index] = afx_win32_slot{};
}

void AFX_engine::backend::release_slot(int index)
{
    afx_win32_slot& s = slots[index];
    if (s.window && s.cb.gui_update)
        KillTimer(s.window, kGuiTimerId);
    if (s.window && s.window_dc)
        ReleaseDC(s.window, s.window_dc);
    s.window_dc = nullptr;
    if (s.memory_dc)
        DeleteDC(s.memory_dc);
    s.memory_dc = nullptr;
}

AFX_engine::AFX_engine() : b_(new backend)
{
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i)
        b_->reset_slot(i);
    for (int i = 0; i < 256; ++i) {
        const int g = static_cast<int>(255.0 * std::pow(i / 255.0, 0.8));
        b_->gamma[i] = g > 255 ? 255 : g;
    }
    win32_ext(*this).set_policy(afx_win32_vst2_policy);
    afx_win32::set_procedure_engine(this);
}

AFX_engine::~AFX_engine()
{
    if (afx_win32::procedure_engine() == this)
        afx_win32::set_procedure_engine(nullptr);
    delete b_;
}

void AFX_engine_win32::set_policy(const afx_win32_policy& policy)
{
    b_->policy = policy;
    std::snprintf(b_->class_name, sizeof b_->class_name, "%s-UI", policy.identifier);
}

const char* AFX_engine_win32::window_class_name() const { return b_->class_name; }

bool AFX_engine::open_display_connection() { return true; }
void AFX_engine::close_display_connection() {}
// The host's message loop drives the windows: no loop of our own.
void AFX_engine::run_engine() {}
void AFX_engine::stop_engine() {}

int AFX_engine::afx_get_afx_window_width(int index) const
{
    const afx_win32_slot* s = b_->slot(index);
    return s ? s->width : 0;
}

int AFX_engine::afx_get_afx_window_height(int index) const
{
    const afx_win32_slot* s = b_->slot(index);
    return s ? s->height : 0;
}

float AFX_engine::afx_get_scale_factor(int index) const
{
    const afx_win32_slot* s = b_->slot(index);
    return s ? s->scale : 1.0f;
}

afx_sys_window AFX_engine::get_SYS_window_idx_for_afx_window(int index) const
{
    const afx_win32_slot* s = b_->slot(index);
    return s ? reinterpret_cast<afx_sys_window>(s->window) : 0;
}

bool AFX_engine::check_all_windows_closed() const
{
    for (const auto& s : b_->slots)
        if (s.in_use)
            return false;
    return true;
}

void AFX_engine::register_data_pointer(int index, void* pointer)
{
    if (afx_win32_slot* s = b_->slot(index))
        s->data_pointer = pointer;
}

void* AFX_engine::get_window_data_pointer(int index) const
{
    const afx_win32_slot* s = b_->slot(index);
    return s ? s->data_pointer : nullptr;
}

int AFX_engine::afx_gamma(int i) const { return b_->gamma[i & 255]; }

void AFX_engine::set_afx_window_scale_factor(int index, float scale)
{
    if (afx_win32_slot* s = b_->slot(index))
        s->scale = scale;
}

#define AFX_REGISTER(name, field, type)                                                         \
    void AFX_engine::name(int index, type cb)                                                   \
    {                                                                                           \
        if (afx_win32_slot* s = b_->slot(index))                                                \
            s->cb.field = cb;                                                                   \
    }

AFX_REGISTER(register_configure_callback, configure, afx_configure_cb)
AFX_REGISTER(register_expose_callback, expose, afx_expose_cb)
AFX_REGISTER(register_button_press_callback, button_press, afx_button_cb)
AFX_REGISTER(register_button_release_callback, button_release, afx_button_cb)
AFX_REGISTER(register_motion_notify_callback, motion, afx_motion_cb)
AFX_REGISTER(register_reparent_callback, reparent, afx_reparent_cb)
AFX_REGISTER(register_client_message_callback, client_message, afx_client_message_cb)
AFX_REGISTER(register_create_callback, create, afx_create_cb)
AFX_REGISTER(register_redraw_callback, redraw, afx_expose_cb)
AFX_REGISTER(register_double_click_callback, double_click, afx_button_cb)
AFX_REGISTER(register_wheel_callback, wheel, afx_wheel_cb)
AFX_REGISTER(register_window_destroy_callback, window_destroy, afx_window_destroy_cb)
AFX_REGISTER(register_keypress_callback, key_press, afx_key_cb)
AFX_REGISTER(register_keyrelease_callback, key_release, afx_key_cb)
AFX_REGISTER(register_selection_callback, selection, afx_selection_cb)
#undef AFX_REGISTER

// The GUI-update callback runs on the window's own timer, at the interval
// set before the registration.
void AFX_engine::register_gui_update_callback(int index, afx_gui_update_cb cb)
{
    afx_win32_slot* s = b_->slot(index);
    if (!s)
        return;
    s->cb.gui_update = cb;
    if (cb)
        SetTimer(s->window, kGuiTimerId, static_cast<UINT>(b_->gui_interval), nullptr);
}

void AFX_engine::set_gui_update_interval(int ms)
{
    if (ms > 0)
        b_->gui_interval = ms;
}

int AFX_engine::get_gui_update_interval() const { return b_->gui_interval; }

