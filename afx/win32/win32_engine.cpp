// Engine life cycle, policy, the scale factor and the GUI-update timer.
// Everything here runs on the host's UI thread.
#include "win32_engine_state.h"

#include <cmath>
#include <cstdio>

void AFX_engine::backend::reset_slot(int index) { slots[index] = afx_win32_slot{}; }

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

int AFX_engine::afx_gamma(int i) const { return b_->gamma[i & 255]; }

void AFX_engine_windows::set_afx_window_scale_factor(int index, float scale)
{
    if (afx_win32_slot* s = b_->slot(index))
        s->scale = scale;
}

void AFX_engine::backend::gui_update_registered(int index)
{
    const afx_win32_slot& s = slots[index];
    if (s.cb.gui_update)
        SetTimer(s.window, kGuiTimerId, static_cast<UINT>(gui_interval), nullptr);
}

void AFX_engine_windows::set_gui_update_interval(int ms)
{
    if (ms > 0)
        b_->gui_interval = ms;
}

int AFX_engine_windows::get_gui_update_interval() const { return b_->gui_interval; }
