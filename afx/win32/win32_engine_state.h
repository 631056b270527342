// The Win32 engine record: window table, gamma, interval, class name and the
// per-build policy. Private to afx/win32; callers see only the engine's headers.
#pragma once

#include "afx/afx_callback_table.h"
#include "afx/win32/afx_engine_win32.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <atomic>

constexpr UINT_PTR kGuiTimerId = 1;
// A timer started before the editor set its interval would run at 10 ms.
constexpr int kDefaultGuiIntervalMs = 50;

struct afx_win32_slot {
    HWND window = nullptr;
    HDC window_dc = nullptr;
    HDC memory_dc = nullptr;
    afx_callback_table<afx_plain_cell> cb;
    void* user_data = nullptr;
    void* data_pointer = nullptr;
    float scale = 1.0f;
    int32_t inverse_scale = 65536;  // 16.16
    int32_t width = 0, height = 0;
    int32_t x = 0, y = 0;
    bool in_use = false;
    bool first_erase = true;
    int pressed = -1;  // the button that holds the capture, -1 for none
};

struct AFX_engine::backend {
    afx_win32_slot slots[AFX_MAX_WINDOWS];
    int32_t gamma[256];
    int gui_interval = kDefaultGuiIntervalMs;
    float scale_cache = 0.0f;
    char class_name[128] = {};
    afx_win32_policy policy = afx_win32_vst2_policy;
    bool class_registered = false;

    void reset_slot(int index);
    void release_slot(int index);  // timer, window DC, memory DC; not the window
    afx_win32_slot* slot(int index)
    {
        return index >= 0 && index < AFX_MAX_WINDOWS && slots[index].in_use ? &slots[index] : nullptr;
    }
    const afx_win32_slot* slot(int index) const
    {
        return index >= 0 && index < AFX_MAX_WINDOWS && slots[index].in_use ? &slots[index] : nullptr;
    }
    afx_win32_slot* used(int index) { return slot(index); }
    const afx_win32_slot* used(int index) const { return slot(index); }
    static afx_sys_window sys_window(const afx_win32_slot& s)
    {
        return reinterpret_cast<afx_sys_window>(s.window);
    }
    // The GUI-update callback runs on the window's own timer, at the
    // interval set before the registration.
    void gui_update_registered(int index);
};

// Process-wide: the module that owns the class and resources, the engine the
// window procedure serves, and how many window-procedure calls are under way
// (a count, since calls nest).
namespace afx_win32 {
HINSTANCE module_instance();
AFX_engine* procedure_engine();
void set_procedure_engine(AFX_engine* engine);
int procedure_depth();
}  // namespace afx_win32
