// What only the Win32 backend of AFX_engine has: the per-build policy (class
// name, buttons, DPI), child windows of the host's window, capture, the
// module's resource images, window images made on a slot's device context,
// and the window procedure that the host's message loop drives.
#pragma once

#include "afx/afx_engine.h"

#if !defined(AFX_BACKEND_WIN32)
#error "afx/win32/afx_engine_win32.h belongs to the Win32 backend"
#endif

#include <cstdint>

// What differs between the Windows builds, handed to the engine once.
struct afx_win32_policy {
    // 12 hex digits; the window class is "<identifier>-UI", so several
    // builds can share one host process.
    const char* identifier;
    bool right_button;  // right button delivered (as button 2)
    bool detect_dpi;    // false: the display scale is always 1.0
};

inline constexpr afx_win32_policy afx_win32_vst2_policy{"9B2E6F01C4A8", false, true};

class AFX_engine_win32 {
public:
    explicit AFX_engine_win32(AFX_engine& engine) : engine_(engine), b_(&engine.state()) {}

    // The module instance that registers the window class and holds the
    // resource images; kept by the module entry.
    static void set_module_instance(void* instance);
    void set_policy(const afx_win32_policy& policy);
    const char* window_class_name() const;

    // A child window of the host's window (HWND as a handle), not yet shown.
    int create_new_afx_window(int x, int y, int width, int height, float scale, afx_sys_window parent_window,
                              void* user);
    // At process exit the windows are gone with their threads: forget them
    // without touching the window system or waiting.
    void forget_all_windows();

    // Mouse capture.
    void afx_window_grab(int index);
    void afx_window_ungrab();

    // The window image as a DIB section on the slot's window DC.
    afx_image* afx_pixmap_create_fixed(int width, int height, int r, int g, int b, int grip, int margin,
                                       int period, int dot, int index);
    // The GdkPixdata stream of a resource of type "BINARY", read in place and
    // checked against the resource's size; null when missing or malformed.
    static const uint8_t* resource_stream(int resource_id);
    afx_pixbuf* afx_pixbuf_new_from_inline(int resource_id, int index);

    // The window procedure of the engine's window class.
    static intptr_t window_procedure(afx_sys_window window, unsigned message, uintptr_t wparam,
                                     intptr_t lparam);

private:
    AFX_engine& engine_;
    AFX_engine::backend* b_;
};

inline AFX_engine_win32 win32_ext(AFX_engine& engine) { return AFX_engine_win32(engine); }
