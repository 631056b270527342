// AFX_engine: the toolkit's engine, one class over three window backends
// (X11 in afx/x11, Win32 in afx/win32, Cocoa in afx/cocoa). This header holds
// what every backend provides, and every backend implements all of it: the
// gamma table, window images, the drag and timing helpers, and the native
// window handle type. The window slots, callbacks, window drawing, queued
// repaints, display scale and GUI-update timer belong to the backends that
// own windows (X11, Win32) and stand in afx/afx_engine_windows.h, reached
// with window_ext(engine); what a single backend has stands in its own
// header (afx/x11/afx_engine_x11.h, afx/win32/afx_engine_win32.h,
// afx/cocoa/afx_engine_cocoa.h). Each is reached explicitly by the callers
// that need it, so a call to what a backend lacks fails to compile in that
// tree, not to link, and this header reads the same for every backend. The
// platform-free drawing primitives come from AFX_drawing (afx/core).
//
// Threads: on X11 the image calls may come from any thread and take the
// display mutex. The drag helpers take no lock and belong to the thread that
// delivers input (X11: the GUI thread; Win32: the host's UI thread; Cocoa:
// the main thread). Win32 and Cocoa take no lock at all: Win32's callers are
// the host's UI thread and the module's attach and detach, and guard their
// window images themselves; Cocoa's are the view's, on the main thread.
#pragma once

#include "afx/core/afx_pixbuf.h"

#include <cstdint>
#include <ctime>

// A native window (X11 window id, HWND, NSView*) as an integer-sized handle,
// so that no platform type reaches the shared interface.
using afx_sys_window = uintptr_t;

// A window image, defined by the backend (X11: an XImage; Win32: a DIB
// section; Cocoa: an RGBA pixmap). Callers only pass it back.
struct afx_image;

class AFX_engine : public AFX_drawing {
public:
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

    // Per-platform state, defined by the backend. Only the backend's own
    // sources and the extension headers can use it.
    struct backend;
    backend& state() const { return *b_; }

private:
    backend* b_;
    // The drag anchor of the delta calls: the same for every backend.
    double mouse_x_ = 0, mouse_y_ = 0;
};
