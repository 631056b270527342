#pragma once
// Hands a window's input to the editor core. Backends deliver input in one
// normalised form (buttons from 0, the wheel on its own), so every
// platform's editor glue routes it the same way: CoreOf turns the window's
// user pointer (the glue object) into its core.
#include "afx/afx_engine_windows.h"
#include "editor_core.h"

namespace vlt::editor {

template <CEditorCore& (*CoreOf)(void*)>
void relay_input(AFX_engine& engine, int index)
{
    window_ext(engine).register_button_press_callback(
        index, [](int x, int y, int button, int, void* user) { CoreOf(user).button_press(x, y, button); });
    window_ext(engine).register_button_release_callback(
        index, [](int x, int y, int button, int, void* user) { CoreOf(user).button_release(x, y, button); });
    window_ext(engine).register_wheel_callback(
        index, [](int x, int y, int step, int, void* user) { CoreOf(user).wheel(x, y, step); });
    window_ext(engine).register_motion_notify_callback(
        index, [](int x, int y, int, void* user) { CoreOf(user).motion(x, y); });
    window_ext(engine).register_double_click_callback(
        index, [](int x, int y, int button, int, void* user) { CoreOf(user).double_click(x, y, button); });
}

}  // namespace vlt::editor
