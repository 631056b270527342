#pragma once
// What the two glues whose window is a slot of the AFX engine (X11, Win32)
// share: the engine, core, panel and hooks they are handed, the window's
// slot, queueing into it, loading the panel at an open, and the callbacks
// such a window gets with the glue as user data (input to the core,
// exposes, the window system's destroy and the GUI tick). Each glue adds
// only what its window system does differently.
#include <atomic>

#include "afx/afx_engine.h"
#include "editor_core.h"
#include "editor_glue.h"
#include "panel_view.h"
#include "window_hooks.h"

namespace vlt::editor {

class AfxWindowGlue : public EditorGlue {
public:
    AfxWindowGlue(const AfxWindowGlue&) = delete;
    AfxWindowGlue& operator=(const AfxWindowGlue&) = delete;

    // Any thread: the window's slot, -1 while there is none.
    int index() const { return index_.load(); }

    // The window's thread.
    void queue(const Rect& r) override;
    void queue_all() override;
    const EditorSize& size() const override { return core_.size(); }
    void tick() override;  // the hook's work, then the core's tick

protected:
    // The engine it draws with (the module's); the core and the panel
    // belong to the editor that holds the glue and outlive it.
    AfxWindowGlue(AFX_engine* engine, CEditorCore& core, CPanelView& panel, WindowHooks hooks);
    ~AfxWindowGlue() = default;

    // --- the open, on the host's UI thread ----------------------------------
    // The user data of the window's callbacks.
    void* callback_user() { return this; }
    void notice(WindowHooks::Notice notice) const;
    void set_title(int index) const;  // the hook's title, when it gives one
    // The panel's widgets for window index, laid out, and the core loaded
    // (the host's values first); false, told, when they cannot be made.
    bool load_panel(int index);
    // The window's callbacks and its GUI tick, the tick last (registering
    // it starts a Win32 window's timer).
    void start_callbacks(int index);

    // --- the window's thread ------------------------------------------------
    virtual void expose(int x, int y, int w, int h) = 0;
    // The window system destroyed the window (with its parent): the slot is
    // free again and may soon hold another editor's window.
    virtual void window_gone(int index);

    AFX_engine* engine_;
    CEditorCore& core_;
    CPanelView& panel_;
    const WindowHooks hooks_;
    std::atomic<int> index_{-1};

private:
    static CEditorCore& core_of(void* user);
};

}  // namespace vlt::editor
