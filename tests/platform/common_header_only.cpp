// Uses the shared engine interface the way platform-free code does, with
// nothing but the common header: it must compile for every backend, pull in
// no window-system header, and hold only what every backend implements (a
// call one backend lacks would otherwise surface as a link error in one
// tree only).
#include "afx/afx_engine.h"
#include "engine_call_sets.h"
#include "no_x11_callback_types.h"

#include <type_traits>

#if defined(_X11_XLIB_H_) || defined(X_PROTOCOL)
#error "the common engine header brought in Xlib"
#endif

static_assert(sizeof(afx_sys_window) == sizeof(void*), "native handles are pointer-sized");
static_assert(std::is_integral_v<afx_sys_window>, "native handles are integers");

static_assert(has_every_backends_calls<AFX_engine>);
// The windows and their callbacks stand in afx/afx_engine_windows.h, the
// X11 loop, top-level windows and extra event kinds in the X11 header.
static_assert(!owns_windows<AFX_engine>, "a Cocoa view has no windows of the engine's");
static_assert(!runs_its_own_loop<AFX_engine>, "only X11 runs a loop of its own");
static_assert(!delivers_keys_and_selections<AFX_engine>, "only X11 delivers keys and selections");

// No callback type either: each of these would clash with a declared one.
struct afx_expose_cb;
struct afx_button_cb;
struct afx_wheel_cb;
struct afx_motion_cb;
struct afx_window_destroy_cb;
struct afx_gui_update_cb;
