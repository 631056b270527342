#pragma once
// The window glue of an editor: the one small surface every window system
// fills (X11EditorWindow, Win32EditorWindow, CocoaEditorWindow), so that
// the editors above it and the panel below it never see which one it is.
// A glue is handed the engine it draws with and the editor's core and
// panel; the panel reports through it where the window must be redrawn.
//
// Threads, as each glue states them beside its own declarations:
// open, close and is_open run on the host's UI thread (the main thread on
// macOS); queue, queue_all, resize and tick on the window's thread (the
// X11 library's GUI thread, the host's UI thread on Windows, the main
// thread on macOS), where the panel draws.
#include "afx/afx_engine.h"
#include "editor_layout.h"

namespace vlt::editor {

class EditorGlue {
public:
    // The panel in a new window at the core's size, inside parent (an X11
    // window id, an HWND, an NSView; 0 where the window's host embeds it
    // itself), drawn and shown, its timer running and the core open. False
    // when the window could not be made: nothing stays open then.
    virtual bool open(afx_sys_window parent) = 0;
    // The core closed, the timer stopped and the window gone; the panel
    // keeps its widgets for a later open.
    virtual void close() = 0;
    virtual bool is_open() const = 0;

    // A rectangle of the window, in window pixels, to be redrawn from the
    // panel; anything outside the window is left out.
    virtual void queue(const Rect& window_rect) = 0;
    virtual void queue_all() = 0;
    // The window and its image follow a new size of the core (from, to:
    // before and after); the editor tells its host after.
    virtual void resize(const EditorSize& from, const EditorSize& to) = 0;
    // The window's size and where the panel sits in it.
    virtual const EditorSize& size() const = 0;
    // One GUI tick: what the window's timer runs, every tick_ms of the
    // build's banner timing.
    virtual void tick() = 0;

protected:
    ~EditorGlue() = default;
};

}  // namespace vlt::editor
