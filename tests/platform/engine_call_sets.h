// The engine's calls in groups, as the header checks ask which interface
// holds which group. Callbacks are passed as nullptr, so the groups name no
// callback type and compile beside headers that declare none.
#pragma once

#include "afx/afx_engine.h"

#include <ctime>

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
    e.create_child_afx_window(0, 0, 0, 1, 1, 1.0f, nullptr);
    e.register_expose_callback(0, nullptr);
    e.register_gui_update_callback(0, nullptr);
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
    e.register_keypress_callback(0, nullptr);
    e.register_selection_callback(0, nullptr);
    e.register_configure_callback(0, nullptr);
};
