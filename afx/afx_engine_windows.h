// What the backends that own windows (X11, Win32) add to AFX_engine, and
// both implement all of it; a Cocoa view is drawn by AppKit and has none of
// this. It is what the shared editor draws and listens through: window slots
// addressed by index (0..254, never a window-system id), a child of the
// host's window, callbacks with a user pointer, drawing into windows, queued
// repaints, the display scale and the GUI-update timer. Callers reach it
// explicitly, window_ext(engine).call(...), so the common header
// (afx/afx_engine.h) stays the same for every backend; what only X11 or only
// Win32 has stands in afx/x11/afx_engine_x11.h and
// afx/win32/afx_engine_win32.h.
//
// Threads. X11: any thread may call. Calls that reach the display take the
// display mutex; registrations, slot reads and the interval take no lock.
// Every callback runs on the thread that runs the engine loop
// (x11_ext(engine).run_engine()) with the display mutex released; the
// expose and GUI-update callbacks run under the callback mutex, input and
// window-structure callbacks without it. destroy_afx_window and
// free_afx_window take the callback mutex, which a callback's own thread
// already holds and passes: from another thread they wait until no expose
// or GUI-update callback runs, and destroy_afx_window also until the
// window's input callback in flight has returned. Lock order: run mutex,
// callback mutex, display mutex.
// Win32: windows are made and driven (window procedure, timer) on the host's
// UI thread, which runs every callback, and destroyed there or, all at once,
// at the module's detach; repaint requests may come from any thread. The
// engine takes no lock; callers guard their window images themselves.
#pragma once

#include "afx/afx_engine.h"

#if !defined(AFX_BACKEND_X11) && !defined(AFX_BACKEND_WIN32)
#error "afx/afx_engine_windows.h belongs to the backends that own windows (X11, Win32)"
#endif

constexpr int AFX_MAX_WINDOWS = 255;

// Callbacks both backends deliver. The user data given at window creation
// is always the last argument.
using afx_expose_cb = void (*)(int x, int y, int width, int height, int index, void* user);
// Buttons as every backend delivers them: 0 left, 1 middle, 2 right, 3 and
// up any further ones. A wheel notch is no button: it arrives on its own,
// step +1 up (away from the user) or -1 down, and has no release.
using afx_button_cb = void (*)(int x, int y, int button, int index, void* user);
using afx_wheel_cb = void (*)(int x, int y, int step, int index, void* user);
using afx_motion_cb = void (*)(int x, int y, int index, void* user);
using afx_window_destroy_cb = void (*)(int root_x, int root_y, int index, void* user);
using afx_gui_update_cb = bool (*)(void* user);  // false: stop calling me

// A view of one engine's windows; cheap to make, holds no state of its own.
class AFX_engine_windows {
public:
    explicit AFX_engine_windows(AFX_engine& engine) : engine_(engine), b_(&engine.state()) {}

    // Windows. A child of the host's window (an X11 window id, an HWND), not
    // yet shown: the slot index, or -1 when it cannot be made or the parent
    // is no window.
    int create_child_afx_window(afx_sys_window parent, int x, int y, int width, int height, float scale,
                                void* user);
    int destroy_afx_window(int index);  // window-system error code, 0 = none
    void free_afx_window(int index);    // the system window is already gone
    void destroy_all_windows();
    void show_afx_window(int index);
    void afx_window_resize(int index, int width, int height);
    void set_afx_window_scale_factor(int index, float scale);
    void set_afx_window_title(int index, const char* text);

    // Slot bookkeeping; reads take no lock.
    int afx_get_afx_window_width(int index) const;
    int afx_get_afx_window_height(int index) const;
    float afx_get_scale_factor(int index) const;
    afx_sys_window get_SYS_window_idx_for_afx_window(int index) const;
    bool check_all_windows_closed() const;
    void register_data_pointer(int index, void* pointer);
    void* get_window_data_pointer(int index) const;

    // Callbacks.
    void register_expose_callback(int index, afx_expose_cb cb);
    void register_button_press_callback(int index, afx_button_cb cb);
    void register_button_release_callback(int index, afx_button_cb cb);
    void register_motion_notify_callback(int index, afx_motion_cb cb);
    void register_double_click_callback(int index, afx_button_cb cb);
    void register_wheel_callback(int index, afx_wheel_cb cb);
    void register_window_destroy_callback(int index, afx_window_destroy_cb cb);
    void register_gui_update_callback(int index, afx_gui_update_cb cb);
    void set_gui_update_interval(int ms);
    int get_gui_update_interval() const;

    // Drawing into windows.
    void afx_stretch_blit_pixbuf_CATROM2(const afx_pixbuf* source, afx_image* image, int x, int y, int width,
                                         int height, int x_offset, int y_offset, float scale);
    void afx_draw_afx_drawable(int index, afx_image* image, int src_x, int src_y, int dst_x, int dst_y,
                               int width, int height);
    void afx_draw_afx_drawable_mono(int index, afx_image* image, int src_x, int src_y, int dst_x, int dst_y,
                                    int width, int height, float level);
    void afx_queue_afx_draw_area_fixed(int index, int x, int y, int width, int height);
    void afx_queue_afx_draw_area_scaled(int index, int x, int y, int width, int height);

    // Display scale: 1.0 to 2.0 in steps of 1/8, computed once.
    float get_optimum_scale_factor();
    int get_dpi(int* vertical, int* horizontal);  // screen count, 0 without a display

private:
    AFX_engine& engine_;
    AFX_engine::backend* b_;
};

inline AFX_engine_windows window_ext(AFX_engine& engine) { return AFX_engine_windows(engine); }
