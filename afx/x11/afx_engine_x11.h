// What only the X11 backend of AFX_engine has: the display connection and the
// loop its GUI thread runs, top-level windows, the event kinds only X11
// delivers, window-manager hints, grabs, positions on the screen, foreign
// (host) windows, the display's lock, the error trap, the active list, the
// clipboard and the installer's windows.
// Callers that need these reach them explicitly, x11_ext(engine).call(...),
// so the shared interfaces (afx/afx_engine.h, afx/afx_engine_windows.h) stay
// free of X11. The threads of these calls are those of
// afx/afx_engine_windows.h; the loop runs on one thread for the engine's
// life, and dispatch_x_events is called only by it.
#pragma once

#include "afx/afx_engine_windows.h"

#if !defined(AFX_BACKEND_X11)
#error "afx/x11/afx_engine_x11.h belongs to the X11 backend"
#endif

// Xlib's own names, declared here so that callers need not include Xlib and
// its macros.
struct _XDisplay;
struct _XImage;
union _XEvent;

// Callbacks of the event kinds only X11 delivers; the user data given at
// window creation is the last argument.
using afx_configure_cb = void (*)(int height, int width, int index, void* user);
using afx_reparent_cb = void (*)(int x, int y, void* user);
using afx_client_message_cb = void (*)(unsigned long data0, void* user);
using afx_create_cb = void (*)(int height, int width, int index, void* user);
// Key press: the key's text (zero-terminated, at most 15 bytes, in the
// locale's encoding; empty for keys without text), valid only during the call.
// Key release: text is null. The key code is the keysym.
using afx_key_cb = void (*)(const char* text, uint32_t keysym, uint32_t state, int index, void* user);
using afx_selection_cb = void (*)(unsigned char* data, int index, void* user);

// X11 window images are XImages behind the shared opaque handle.
inline _XImage* x11_image(afx_image* image) { return reinterpret_cast<_XImage*>(image); }
inline afx_image* afx_image_of(_XImage* image) { return reinterpret_cast<afx_image*>(image); }

// A view of one engine's X11 side; cheap to make, holds no state of its own.
class AFX_engine_x11 {
public:
    explicit AFX_engine_x11(AFX_engine& engine) : engine_(engine), b_(&engine.state()) {}

    // The display connection and the loop that the GUI thread runs (Win32
    // windows are driven by the host's message loop instead).
    bool open_display_connection();
    void close_display_connection();  // stops the loop and waits for it
    void run_engine();
    void stop_engine();

    // Event kinds only X11 delivers.
    void register_configure_callback(int index, afx_configure_cb cb);
    void register_reparent_callback(int index, afx_reparent_cb cb);
    void register_client_message_callback(int index, afx_client_message_cb cb);
    void register_create_callback(int index, afx_create_cb cb);
    void register_redraw_callback(int index, afx_expose_cb cb);
    void register_keypress_callback(int index, afx_key_cb cb);
    void register_keyrelease_callback(int index, afx_key_cb cb);
    void register_selection_callback(int index, afx_selection_cb cb);

    // Windows only X11 makes: top-level windows, installer windows (white
    // background) and windows that skip the editor's event selection.
    int create_new_afx_window(int x, int y, int width, int height, float scale, void* user);
    int create_new_afx_window(int x, int y, int width, int height, float scale, bool white_background,
                              void* user);
    int create_new_simple_afx_window(int x, int y, int width, int height, float scale, void* user);
    void select_afx_input_events(int index, bool all_motion = false);

    // Foreign windows (the host's), by X window id.
    void afx_SYS_window_resize(afx_sys_window window, int width, int height);
    void afx_get_SYS_window_size(afx_sys_window window, int* width, int* height);
    int reparent_afx_window_to_SYS_window(int index, afx_sys_window host);
    int SYS_window_valid(afx_sys_window window);                       // 0 = the window exists
    int get_AFX_window_idx_for_X_window(afx_sys_window window) const;  // in-use slots only
    void afx_draw_drawable(afx_sys_window window, afx_image* image, int src_x, int src_y, int dst_x,
                           int dst_y, int width, int height);
    void afx_queue_draw_area_fixed(afx_sys_window window, int x, int y, int width, int height);
    void afx_queue_draw_area_scaled(afx_sys_window window, int x, int y, int width, int height);
    void afx_vertical_scroll(int index, int x, int y, int width, int height, int shift);

    // Window-manager hints.
    void set_afx_window_class(const char* class_name, int index);
    void set_afx_window_icon(const afx_pixbuf* pixbuf, int index);
    unsigned long afx_icon_pixmap_create_from_pixbuf(const afx_pixbuf* pixbuf, int index);
    void afx_icon_pixmap_destroy(unsigned long pixmap);
    void set_afx_window_size_policy(int min_width, int min_height, int max_width, int max_height,
                                    int aspect_x, int aspect_y, int x, int y, int index);
    void set_afx_window_on_top(int index);
    void set_afx_window_type_wm_splash(int index);
    void set_afx_window_type_wm_utility(int index);
    void set_afx_window_wm_protocols(int index, unsigned long atom);

    // Grabs and cursor.
    void afx_window_grab(int index);
    void afx_window_ungrab();
    void afx_kbd_grab(int index);
    void afx_kbd_ungrab();
    void afx_grab_kbd_on_key(int index);
    void afx_ungrab_kbd_on_key(int index);
    void afx_set_busy_cursor(int index, bool busy);

    // Positions on the screen.
    void find_screen_centre(int* x, int* y);
    void afx_get_AFX_window_position(int* x, int* y, int index);
    bool find_initial_window_position(int* x, int* y, int width, int height, float scale);

    // The active list, which the loop repaints and updates in order.
    void afx_add_afx_window_to_active_list(int index);
    void afx_remove_afx_window_from_active_list(int index);
    int afx_active_window(int position) const;  // active-list entry, -1 past the end
    void afx_window_invalidate_procs(int index);
    void invalidate_afx_window(int index);

    // The display, its lock and the error trap.
    _XDisplay* get_xdisplay() const;
    void* get_x_display_mutex();  // pthread_mutex_t*
    void afx_lock_display();
    void afx_unlock_display();
    void dispatch_x_events(_XEvent* event);
    void trap_errors();
    int untrap_errors();

    // Clipboard text: asked for here, handed later to the window's selection
    // callback, which owns it and frees it with free_clipboard_data (null is
    // ignored), which wipes it first. The window's property that carried it
    // is gone by then. No callback follows when the clipboard has no owner.
    void convert_AFX_clipboard_data(int index);
    static void free_clipboard_data(unsigned char* data);

private:
    AFX_engine& engine_;
    AFX_engine::backend* b_;
};

inline AFX_engine_x11 x11_ext(AFX_engine& engine) { return AFX_engine_x11(engine); }
