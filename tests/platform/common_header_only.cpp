// Uses the shared engine interface the way platform-free code does, with
// nothing but the common header: it must compile for every backend, pull in
// no window-system header, and give each backend the calls it has and none
// that it lacks (a missing one would otherwise surface as a link error in
// one tree only).
#include "afx/afx_engine.h"

#include <type_traits>

#if defined(_X11_XLIB_H_) || defined(X_PROTOCOL)
#error "the common engine header brought in Xlib"
#endif

static_assert(sizeof(afx_sys_window) == sizeof(void*), "native handles are pointer-sized");
static_assert(std::is_integral_v<afx_sys_window>, "native handles are integers");

template <class E>
constexpr bool has_every_backends_calls = requires(E& e, afx_image* i, timespec t)
{
    e.afx_gamma(0);
    e.afx_pixmap_destroy(e.afx_pixmap_create_fixed(1, 1));
    e.afx_blit_pixbuf_fixed(i, nullptr, 0, 0, 0, 0, 1, 1);
    e.init_mouse(0.0, 0.0);
    E::diff_time(t, t);
};
template <class E>
constexpr bool owns_windows = requires(E& e)
{
    e.register_expose_callback(0, afx_expose_cb{});
    e.register_gui_update_callback(0, afx_gui_update_cb{});
    e.afx_queue_afx_draw_area_fixed(0, 0, 0, 1, 1);
    e.get_optimum_scale_factor();
    e.destroy_afx_window(0);
};
template <class E>
constexpr bool runs_its_own_loop = requires(E& e)
{
    e.open_display_connection();
    e.run_engine();
    e.create_new_afx_window(0, 0, 1, 1, 1.0f, nullptr);
};
template <class E>
constexpr bool delivers_keys_and_selections = requires(E& e)
{
    e.register_keypress_callback(0, afx_key_cb{});
    e.register_selection_callback(0, afx_selection_cb{});
    e.register_configure_callback(0, afx_configure_cb{});
};

static_assert(has_every_backends_calls<AFX_engine>);
// The X11 loop, its top-level windows and its extra event kinds are X11's
// own: they stand in its extension header, never in the common one.
static_assert(!runs_its_own_loop<AFX_engine>, "only X11 runs a loop of its own");
static_assert(!delivers_keys_and_selections<AFX_engine>, "only X11 delivers keys and selections");
#if defined(AFX_BACKEND_X11) || defined(AFX_BACKEND_WIN32)
static_assert(owns_windows<AFX_engine>);
#else
static_assert(!owns_windows<AFX_engine>, "a Cocoa view has no windows of the engine's");
#endif

#if !defined(AFX_BACKEND_COCOA)
// An editor's paint and repaint request through the common surface only.
void afx_common_header_paint(AFX_engine& engine, const afx_pixbuf* panel, int index)
{
    const float scale = engine.afx_get_scale_factor(index);
    const int width = engine.afx_get_afx_window_width(index);
    const int height = engine.afx_get_afx_window_height(index);
    afx_image* image = engine.afx_pixmap_create_fixed(width, height, 112, 112, 112, 20, 1, 8, 1);
    engine.afx_stretch_blit_pixbuf_CATROM2(panel, image, 0, 0, width, height, 0, 0, scale);
    engine.afx_draw_afx_drawable(index, image, 0, 0, 0, 0, width, height);
    engine.afx_pixmap_destroy(image);
    engine.afx_queue_afx_draw_area_scaled(index, 0, 0, 10, 10);
}
#endif
