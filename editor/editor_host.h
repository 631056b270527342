#pragma once
// The two faces the editor logic talks to. EditorHost is the plug-in side
// (edit gestures, programs, window size); EditorView is the drawing side
// (widgets, banner rendering, window image). Neither is called while the
// editor holds one of its locks, because a host edit comes straight back
// into the editor's parameter path. "The window's thread" below is the
// Linux library's GUI thread, the host's UI thread on Windows, the main
// thread on macOS.
#include "editor_controls.h"

namespace vlt::editor {

struct EditorSize;
enum Widget : int;

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // --- the window's thread, from the core's input handlers and tick ------
    // Edits of the controls the build's host map publishes, values 0..1.
    virtual void begin_edit(Control control) = 0;
    virtual void set_value(Control control, float value) = 0;  // an automated change
    virtual void end_edit(Control control) = 0;
    // The user resized the panel: UI size 0..1, however the format keeps it.
    virtual void set_ui_size(float ui_size) = 0;
    virtual void set_program(int program) = 0;  // also refreshes the host's display
    // Writes the current program's name (at most 63 characters and a NUL).
    virtual void program_name(char* text) = 0;
    virtual void size_window(int width, int height) = 0;
    // A press on a control, offered to the host before the editor acts on
    // it; true when the host took it and the editor does nothing more. The
    // right button is only ever offered. Hosts without such a hook: not taken.
    virtual bool host_takes_press(Control control, bool right_button) { return false; }
};

class EditorView {
public:
    virtual ~EditorView() = default;

    // --- the window's thread ---------------------------------------------
    // Renders text into the banner; scroll_home also scrolls it back to 0.
    // Also on the opening thread, while the window's callbacks cannot run
    // yet (the core's init_editor).
    virtual void set_banner_text(const char* text, bool scroll_home) = 0;
    virtual void scroll_banner(int dx) = 0;  // a drag of dx pixels
    virtual void step_banner(int step) = 0;  // one pixel right (+1) or left (-1)
    // Redraws one widget from the editor's values and queues its screen area.
    virtual void redraw(Widget widget) = 0;
    virtual void repaint_all() = 0;
    // The window and its image follow a new size (the host is told after).
    virtual void resize_window(const EditorSize& from, const EditorSize& to) = 0;
};

}  // namespace vlt::editor
