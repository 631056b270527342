// The window-owning extension as the shared editor uses it: it compiles for
// X11 and Win32, gives both the window calls and the callback types they
// deliver, holds nothing only X11 has, and pulls in no window-system
// header. The Cocoa tree is refused at the include (checked by ctest).
#include "afx/afx_engine_windows.h"
#include "engine_call_sets.h"
#include "no_x11_callback_types.h"  // they stand in the X11 header

#if defined(_X11_XLIB_H_) || defined(X_PROTOCOL)
#error "the window-owning engine header brought in Xlib"
#endif

static_assert(owns_windows<AFX_engine_windows>);
static_assert(!runs_its_own_loop<AFX_engine_windows>, "only X11 runs a loop of its own");
static_assert(!delivers_keys_and_selections<AFX_engine_windows>, "only X11 delivers keys and selections");

// An editor's paint, repaint request and callbacks through the extension.
void afx_window_owner_paint(AFX_engine& engine, const afx_pixbuf* panel, int index, afx_expose_cb expose,
                            afx_button_cb press, afx_wheel_cb wheel, afx_gui_update_cb tick)
{
    AFX_engine_windows windows = window_ext(engine);
    const float scale = windows.afx_get_scale_factor(index);
    const int width = windows.afx_get_afx_window_width(index);
    const int height = windows.afx_get_afx_window_height(index);
    afx_image* image = engine.afx_pixmap_create_fixed(width, height, 112, 112, 112, 20, 1, 8, 1);
    windows.afx_stretch_blit_pixbuf_CATROM2(panel, image, 0, 0, width, height, 0, 0, scale);
    windows.afx_draw_afx_drawable(index, image, 0, 0, 0, 0, width, height);
    engine.afx_pixmap_destroy(image);
    windows.afx_queue_afx_draw_area_scaled(index, 0, 0, 10, 10);
    windows.register_expose_callback(index, expose);
    windows.register_button_press_callback(index, press);
    windows.register_wheel_callback(index, wheel);
    windows.register_gui_update_callback(index, tick);
}
