#pragma once
// The editor's window on Linux, sibling of Win32EditorWindow and
// CocoaEditorWindow with the same surface (EditorGlue): an X11 window of
// the library's engine, made on the host's thread and put inside the
// host's window, its window image and the lock that keeps the image alive
// while it is put on screen. From its first callback on, the library's GUI
// thread delivers the window's input, exposes and ticks.
#include <atomic>
#include <mutex>
#include <type_traits>
#include <utility>

#include "afx_window_glue.h"

namespace vlt::editor {

class X11EditorWindow final : public AfxWindowGlue {
public:
    X11EditorWindow(AFX_engine* engine, CEditorCore& core, CPanelView& panel, WindowHooks hooks)
        : AfxWindowGlue(engine, core, panel, std::move(hooks))
    {
    }
    ~X11EditorWindow();

    // --- host thread ---------------------------------------------------------
    // The X server connection every window needs; false without one.
    bool connect();
    // The panel in a new window at the core's size, reparented into parent
    // (shown as a top-level window when the host's window refuses twice).
    bool open(afx_sys_window parent) override;
    void close() override;
    // The core open and the window still ours: one the window system
    // destroyed with its parent no longer counts.
    bool is_open() const override;
    // The library's engine went first: forget it, touch nothing of it.
    void release_engine() { engine_ = nullptr; }

    // --- GUI thread ------------------------------------------------------------
    void resize(const EditorSize& from, const EditorSize& to) override;

private:
    bool own_window_alive() const;
    void replace_window_image(const EditorSize& size);  // under image_mutex_
    void draw_window_contents();
    void expose(int x, int y, int w, int h) override;
    void window_gone(int index) override;

    std::atomic<afx_sys_window> own_window_{0};  // the X window of our slot
    afx_image* window_image_ = nullptr;
    afx_pixbuf* icon_ = nullptr;
    std::mutex image_mutex_;  // guards window_image_ against its screen put
};

// The window surface every glue fills, whole.
static_assert(std::is_base_of_v<EditorGlue, X11EditorWindow> && !std::is_abstract_v<X11EditorWindow>);

}  // namespace vlt::editor
