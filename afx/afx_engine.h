// AFX_engine: the toolkit's engine, one class over three window backends
// (X11 in afx/x11, Win32 in afx/win32, Cocoa in afx/cocoa). This header holds
// what every backend provides (the gamma table, window images, the drag and
// timing helpers) and, for the two that own windows (X11, Win32), what the
// shared editor draws and listens through: window slots addressed by index
// (0..254, never a window-system id), a child of the host's window,
// callbacks with a user pointer, drawing into windows, queued repaints, the
// display scale and the GUI-update timer. What a single backend has stands
// in its extension header (afx/x11/afx_engine_x11.h,
// afx/win32/afx_engine_win32.h, afx/cocoa/afx_engine_cocoa.h), reached
// explicitly by the callers that need it, so a call to what a backend lacks
// fails to compile in that tree, not to link. The platform-free drawing
// primitives come from AFX_drawing (afx/core).
#pragma once

#include "afx/core/afx_pixbuf.h"

#include <cstdint>
#include <ctime>

// The build picks the backend (cmake/platform.cmake).
#if defined(AFX_BACKEND_X11) + defined(AFX_BACKEND_WIN32) + defined(AFX_BACKEND_COCOA) != 1
#error "The build sets exactly one of AFX_BACKEND_X11, AFX_BACKEND_WIN32, AFX_BACKEND_COCOA"
#endif

// A native window (X11 window id, HWND, NSView*) as an integer-sized handle,
// so that no platform type reaches the shared interface.
using afx_sys_window = uintptr_t;

// A window image, defined by the backend (X11: an XImage; Win32: a DIB
// section; Cocoa: an RGBA pixmap). Callers only pass it back.
struct afx_image;

constexpr int AFX_MAX_WINDOWS = 255;

// Callbacks. The user data given at window creation is always the last
// argument.
using afx_configure_cb = void (*)(int height, int width, int index, void* user);
using afx_expose_cb = void (*)(int x, int y, int width, int height, int index, void* user);
// Buttons as every backend delivers them: 0 left, 1 middle, 2 right, 3 and
// up any further ones. A wheel notch is no button: it arrives on its own,
// step +1 up (away from the user) or -1 down, and has no release.
using afx_button_cb = void (*)(int x, int y, int button, int index, void* user);
using afx_wheel_cb = void (*)(int x, int y, int step, int index, void* user);
using afx_motion_cb = void (*)(int x, int y, int index, void* user);
using afx_reparent_cb = void (*)(int x, int y, void* user);
using afx_client_message_cb = void (*)(unsigned long data0, void* user);
using afx_create_cb = void (*)(int height, int width, int index, void* user);
using afx_window_destroy_cb = void (*)(int root_x, int root_y, int index, void* user);
// Key press: the key's text (zero-terminated, at most 15 bytes, in the
// locale's encoding; empty for keys without text), valid only during the call.
// Key release: text is null. The key code is the backend's (X11: the keysym).
using afx_key_cb = void (*)(const char* text, uint32_t keysym, uint32_t state, int index, void* user);
using afx_selection_cb = void (*)(unsigned char* data, int index, void* user);
using afx_gui_update_cb = bool (*)(void* user);  // false: stop calling me

class AFX_engine : public AFX_drawing {
public:
    // What every backend provides.
    AFX_engine();
    ~AFX_engine();
    AFX_engine(const AFX_engine&) = delete;
    AFX_engine& operator=(const AFX_engine&) = delete;

    int afx_gamma(int i) const;

    // Window images.
    afx_image* afx_pixmap_create_fixed(int width, int height);
    afx_image* afx_pixmap_create_fixed(int width, int height, int r, int g, int b, int grip, int margin,
                                       int period, int dot);
    void afx_pixmap_destroy(afx_image* image);
    void afx_blit_pixbuf_fixed(afx_image* image, const afx_pixbuf* pixbuf, int src_x, int src_y, int dst_x,
                               int dst_y, int width, int height);
    void afx_draw_pixbuf_fixed(afx_image* image, const afx_pixbuf* pixbuf, int src_x, int src_y, int dst_x,
                               int dst_y, int width, int height);

    // Timing and drag helpers.
    static int diff_time(const timespec& start, const timespec& end);
    static double diff_timef(const timespec& start, const timespec& end);
    void init_mouse(double x, double y);
    int get_mouse_delta_x(double x);
    int get_mouse_delta_y(double y);  // upward motion is positive
    void get_last_mouse_pos(double* x, double* y) const;

#if !defined(AFX_BACKEND_COCOA)
    // What the backends that own windows provide (X11 and Win32; a Cocoa
    // view is drawn by AppKit and has none of this), and what the editor
    // core draws and listens through.

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

    // Callbacks both backends deliver.
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
#endif

    // Per-platform state, defined by the backend. Only the backend's own
    // sources and its extension header can use it.
    struct backend;
    backend& state() const { return *b_; }

private:
    backend* b_;
    // The drag anchor of the delta calls: the same for every backend.
    double mouse_x_ = 0, mouse_y_ = 0;
};
