#pragma once
// The editor's window on Windows, sibling of X11EditorWindow and
// CocoaEditorWindow with the same surface (EditorGlue), for every Windows
// editor (VST2, VST3, AAX): a child window of the host's window, its back
// buffer and the critical section that keeps the buffer alive while it is
// copied, the expose path and the change of size. Everything runs on the
// host's UI thread but a resize: one asked for on another thread is only
// stored, and the window's own thread applies it at its next tick, since
// moving windows across threads can deadlock with a paint.
#include <mutex>
#include <type_traits>
#include <utility>

#include "afx_window_glue.h"

namespace vlt::editor {

class Win32EditorWindow final : public AfxWindowGlue {
public:
    Win32EditorWindow(AFX_engine* engine, CEditorCore& core, CPanelView& panel, WindowHooks hooks = {})
        : AfxWindowGlue(engine, core, panel, std::move(hooks))
    {
    }
    ~Win32EditorWindow();

    // --- host's UI thread ------------------------------------------------------
    // The panel in a new child of parent at the core's size, shown, its
    // callbacks on and the core open; on a failed step nothing is left open.
    bool open(afx_sys_window parent) override;
    // The core closed and the window gone; the panel stays for a later open.
    void close() override;
    bool is_open() const override { return index_.load() >= 0; }
    // Window, back buffer and redraw at the core's size, which the host
    // chose; the host's window is left alone.
    void follow_host_size();
    // Every expose through the scaled path, even at scale 1.
    void set_always_scaled(bool on) { always_scaled_ = on; }
    // The engine is about to go: close, free the back buffer while the
    // engine exists, and touch it no more.
    void release_engine();

    // --- any thread ------------------------------------------------------------
    // The new size is applied now on the window's thread, else at the next
    // tick; the host's window grows by the same amount.
    void resize(const EditorSize& from, const EditorSize& to) override;
    // --- the window's thread -----------------------------------------------------
    void tick() override;  // a stored size first

private:
    bool create();
    void destroy();
    // (Re)makes the back buffer at size, its dots and grip at the core's
    // display scale.
    void create_editor_drawables(const EditorSize& size);
    void free_back_buffer();
    void apply_pending_size();
    void apply_size(const EditorSize& from, const EditorSize& to);
    void resizeParentWindow(int dw, int dh);
    void expose(int x, int y, int w, int h) override;

    bool always_scaled_ = false;
    afx_sys_window host_window_ = 0;
    unsigned long ui_thread_ = 0;
    afx_image* back_buffer_ = nullptr;
    std::mutex critical_section_;  // creation, destruction and copies of back_buffer_

    std::mutex pending_mutex_;
    bool pending_ = false;
    EditorSize pending_from_{}, pending_to_{};
};

// The window surface every glue fills, whole.
static_assert(std::is_base_of_v<EditorGlue, Win32EditorWindow> && !std::is_abstract_v<Win32EditorWindow>);

}  // namespace vlt::editor
