#pragma once
// The editor's window on Windows, the piece every Windows editor (VST2,
// VST3, AAX) holds: a child window of the host's window, its back buffer
// and the critical section that keeps the buffer alive while it is copied,
// the expose path and the change of size. Size changes asked for on a host
// thread are only stored: the window's own thread applies them at its next
// tick, since moving windows across threads can deadlock with a paint.
//
// The window is its callbacks' user data: input, ticks and the host's
// destroy go to the editor's core, exposes copy the editor's panel, and the
// few things the formats do differently are the hooks below.
#include <atomic>
#include <cstddef>
#include <mutex>

#include "afx/afx_engine.h"
#include "editor_core.h"
#include "editor_layout.h"
#include "panel_view.h"

namespace vlt::editor {

class Win32EditorWindow {
public:
    // What an editor adds to its window's open and callbacks. The defaults
    // fit an editor its core sizes, which reports nothing.
    class Hooks {
    public:
        // The window's title into text; false leaves the engine's own.
        virtual bool window_title(char* /*text*/, std::size_t /*size*/) { return false; }
        // Widgets ready, before the core loads them: the host's values now.
        virtual void before_init() {}
        // An open that failed: no window, or no widgets in it.
        enum class Step { kWindow, kWidgets };
        virtual void open_failed(Step /*step*/) {}
        // Each GUI tick, before the core's.
        virtual void before_tick() {}
        // The size and display scale the window is painted at; a view its
        // host sizes keeps its own.
        virtual const EditorSize& paint_size(const CEditorCore& core) { return core.size(); }
        virtual float paint_scale(const CEditorCore& core) { return core.dpi_scale(); }

    protected:
        ~Hooks() = default;
    };

    // The panel, the core and the hooks belong to the editor that holds
    // this window and outlive it.
    Win32EditorWindow(AFX_engine* engine, CEditorCore& core, CPanelView& panel, Hooks& hooks)
        : engine_(engine), core_(core), panel_(panel), hooks_(hooks)
    {
    }
    ~Win32EditorWindow();
    Win32EditorWindow(const Win32EditorWindow&) = delete;
    Win32EditorWindow& operator=(const Win32EditorWindow&) = delete;

    // Keeps the host's window and starts the editor in a new child of it.
    void start_editor(afx_sys_window host_window, const EditorSize& size);
    // The panel in a new child of the host's window at size, shown, its
    // callbacks on and the core open; on a failed step nothing is left open.
    void start_editor_main(const EditorSize& size);
    // The core closed and the window gone; the panel stays for a later open.
    void close();
    int index() const { return index_.load(); }
    bool is_open() const { return index_.load() >= 0; }
    void queue(int x, int y, int w, int h);
    void queue_all();

    // Any thread: the new size is applied now on the window's thread, else
    // at the next tick. The host's window grows by the same amount.
    void control_update_ui_size(const EditorSize& from, const EditorSize& to, float dpi_scale);
    void apply_pending_size();
    // Window, back buffer and redraw at a size the host chose; the host's
    // window is left alone. UI thread.
    void resize(const EditorSize& to, float dpi_scale);
    // Every expose through the scaled path, even at scale 1.
    void set_always_scaled(bool on) { always_scaled_ = on; }
    // The engine is about to go: close, free the back buffer while the
    // engine exists, and touch it no more.
    void release_engine();

private:
    bool create(const EditorSize& size);
    void destroy();
    void register_callbacks(int index);
    // (Re)makes the back buffer at size; dpi_scale sizes the dots and grip.
    void create_editor_drawables(const EditorSize& size, float dpi_scale);

    static CEditorCore& core_of(void* user);
    static void on_expose(int x, int y, int w, int h, int index, void* user);
    static void on_window_destroy(int root_x, int root_y, int index, void* user);
    static bool on_gui_update(void* user);
    void expose_handler(int x, int y, int w, int h);

    void apply_size(const EditorSize& from, const EditorSize& to, float dpi_scale);
    void resizeParentWindow(int dw, int dh);

    AFX_engine* engine_;
    CEditorCore& core_;
    CPanelView& panel_;
    Hooks& hooks_;
    bool always_scaled_ = false;
    std::atomic<int> index_{-1};
    afx_sys_window host_window_ = 0;
    unsigned long ui_thread_ = 0;
    afx_image* back_buffer_ = nullptr;
    std::mutex critical_section_;  // creation, destruction and copies of back_buffer_

    std::mutex pending_mutex_;
    bool pending_ = false;
    EditorSize pending_from_{}, pending_to_{};
    float pending_dpi_ = 1.0f;
};

}  // namespace vlt::editor
