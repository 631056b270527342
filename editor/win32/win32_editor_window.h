#pragma once
// The editor's window on Windows, the piece every Windows editor (VST2,
// VST3, AAX) holds: a child window of the host's window, its back buffer
// and the lock that keeps the buffer alive while it is copied, the expose
// path and the change of size. Size changes asked for on a host thread are
// only stored: the window's own thread applies them at its next tick, since
// moving windows across threads can deadlock with a paint.
#include <atomic>
#include <mutex>

#include "afx/afx_engine.h"
#include "editor_layout.h"

namespace vlt::editor {

class Win32EditorWindow {
public:
    explicit Win32EditorWindow(AFX_engine* engine) : engine_(engine) {}
    ~Win32EditorWindow();
    Win32EditorWindow(const Win32EditorWindow&) = delete;
    Win32EditorWindow& operator=(const Win32EditorWindow&) = delete;

    // A hidden child of parent at size; false when no slot or window.
    bool create(afx_sys_window parent, const EditorSize& size, void* user);
    void show();
    void destroy();
    // The window system destroyed the window with its parent: forget it.
    void forget(int index);
    int index() const { return index_.load(); }
    bool is_open() const { return index_.load() >= 0; }

    // (Re)makes the back buffer at size; dpi_scale sizes the dots and grip.
    void make_back_buffer(const EditorSize& size, float dpi_scale);
    void expose(const afx_pixbuf* content, const EditorSize& size, bool mono, float dpi_scale,
                int x, int y, int w, int h);
    void queue(int x, int y, int w, int h);

    // Any thread: the new size is applied now on the window's thread, else
    // at the next tick. The host's window grows by the same amount.
    void request_size(const EditorSize& from, const EditorSize& to, float dpi_scale);
    void apply_pending_size();
    // Window, back buffer and redraw at a size the host chose; the host's
    // window is left alone. UI thread.
    void resize(const EditorSize& to, float dpi_scale);
    // Every expose through the scaled path, even at scale 1.
    void set_always_scaled(bool on) { always_scaled_ = on; }
    // The engine is about to go: destroy the window and the back buffer
    // while it exists, and touch it no more.
    void release_engine();

private:
    void apply_size(const EditorSize& from, const EditorSize& to, float dpi_scale);
    void grow_parent(int dw, int dh);

    AFX_engine* engine_;
    bool always_scaled_ = false;
    std::atomic<int> index_{-1};
    afx_sys_window parent_ = 0;
    unsigned long ui_thread_ = 0;
    afx_image* back_buffer_ = nullptr;
    std::mutex buffer_mutex_; // creation, destruction and copies of back_buffer_

    std::mutex pending_mutex_;
    bool pending_ = false;
    EditorSize pending_from_{}, pending_to_{};
    float pending_dpi_ = 1.0f;
};

}  // namespace vlt::editor
