#include "recorder.h"

#include "afx/x11/afx_engine_x11.h"

namespace {

Recorder& rec(void* user) { return *static_cast<Recorder*>(user); }

}  // namespace

void Recorder::attach(AFX_engine& e, int i)
{
    x11_ext(e).register_configure_callback(i, [](int h, int w, int idx, void* u) {
        rec(u).add({"configure", h, w, 0, 0, idx});
    });
    window_ext(e).register_expose_callback(i, [](int x, int y, int w, int h, int idx, void* u) {
        rec(u).add({"expose", x, y, w, h, idx});
    });
    window_ext(e).register_button_press_callback(i, [](int x, int y, int b, int idx, void* u) {
        rec(u).add({"press", x, y, b, 0, idx});
    });
    window_ext(e).register_button_release_callback(i, [](int x, int y, int b, int idx, void* u) {
        rec(u).add({"release", x, y, b, 0, idx});
    });
    window_ext(e).register_wheel_callback(i, [](int x, int y, int step, int idx, void* u) {
        rec(u).add({"wheel", x, y, step, 0, idx});
    });
    window_ext(e).register_double_click_callback(i, [](int x, int y, int b, int idx, void* u) {
        rec(u).add({"double", x, y, b, 0, idx});
    });
    window_ext(e).register_window_destroy_callback(i, [](int x, int y, int idx, void* u) {
        rec(u).add({"destroy", x, y, 0, 0, idx});
    });
    x11_ext(e).register_client_message_callback(i, [](unsigned long w, void* u) {
        rec(u).add({"client", static_cast<int>(w)});
    });
    x11_ext(e).register_keypress_callback(i, [](const char*, uint32_t sym, uint32_t, int idx, void* u) {
        rec(u).add({"key", static_cast<int>(sym), 0, 0, 0, idx});
    });
}
