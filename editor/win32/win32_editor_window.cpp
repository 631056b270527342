#include "win32_editor_window.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "afx/afx_engine_windows.h"
#include "afx/win32/afx_engine_win32.h"
#include "editor_input_relay.h"
#include "window_paint.h"

namespace vlt::editor {

namespace {

Win32EditorWindow* self(void* user) { return static_cast<Win32EditorWindow*>(user); }

}  // namespace

Win32EditorWindow::~Win32EditorWindow()
{
    destroy();
    std::lock_guard<std::mutex> lock(critical_section_);
    if (engine_ && back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = nullptr;
}

void Win32EditorWindow::start_editor(afx_sys_window host_window, const EditorSize& size)
{
    host_window_ = host_window;
    start_editor_main(size);
}

void Win32EditorWindow::start_editor_main(const EditorSize& size)
{
    if (!create(size)) {
        hooks_.open_failed(Hooks::Step::kWindow);
        return;
    }
    const int index = index_.load();
    char title[256];
    if (hooks_.window_title(title, sizeof title))
        window_ext(*engine_).set_afx_window_title(index, title);
    if (panel_.create_gui_objects(index) < 0) {
        hooks_.open_failed(Hooks::Step::kWidgets);
        destroy();
        return;
    }
    panel_.init_widgets(index);
    core_.set_widgets_ready();
    hooks_.before_init();
    core_.init_editor();
    create_editor_drawables(hooks_.paint_size(core_), hooks_.paint_scale(core_));
    panel_.draw_panel();
    window_ext(*engine_).set_gui_update_interval(core_.build().banner.tick_ms);
    register_callbacks(index);
    window_ext(*engine_).show_afx_window(index);
    core_.set_open(true);
}

// The GUI-update callback goes last: registering it starts the timer.
void Win32EditorWindow::register_callbacks(int index)
{
    relay_input<core_of>(*engine_, index);
    window_ext(*engine_).register_expose_callback(index, on_expose);
    window_ext(*engine_).register_window_destroy_callback(index, on_window_destroy);
    window_ext(*engine_).register_gui_update_callback(index, on_gui_update);
}

bool Win32EditorWindow::create(const EditorSize& size)
{
    if (!engine_)
        return false;
    // The size is in pixels already: the window's own scale is 1.0.
    const int index =
        win32_ext(*engine_).create_new_afx_window(0, 0, size.width, size.height, 1.0f, host_window_, this);
    if (index < 0)
        return false;
    window_ext(*engine_).set_afx_window_scale_factor(index, 1.0f);
    ui_thread_ = GetCurrentThreadId();
    index_.store(index);
    return true;
}

void Win32EditorWindow::close()
{
    core_.set_open(false);
    destroy();
}

void Win32EditorWindow::destroy()
{
    const int index = index_.exchange(-1);
    if (engine_ && index >= 0)
        window_ext(*engine_).destroy_afx_window(index);
}

void Win32EditorWindow::create_editor_drawables(const EditorSize& size, float d)
{
    if (!engine_)
        return;
    std::lock_guard<std::mutex> lock(critical_section_);
    if (back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = win32_ext(*engine_).afx_pixmap_create_fixed(
        size.width, size.height, 112, 112, 112, static_cast<int>(20 * d), static_cast<int>(d),
        static_cast<int>(8 * d), static_cast<int>(d), index_.load());
}

void Win32EditorWindow::queue(int x, int y, int w, int h)
{
    const int index = index_.load();
    if (engine_ && index >= 0)
        window_ext(*engine_).afx_queue_afx_draw_area_fixed(index, x, y, w, h);
}

void Win32EditorWindow::queue_all()
{
    const EditorSize& s = hooks_.paint_size(core_);
    queue(0, 0, s.width, s.height);
}

void Win32EditorWindow::control_update_ui_size(const EditorSize& from, const EditorSize& to, float dpi)
{
    if (!engine_)
        return;
    if (GetCurrentThreadId() == ui_thread_) {
        apply_size(from, to, dpi);
        return;
    }
    std::lock_guard<std::mutex> lock(pending_mutex_);
    if (!pending_)
        pending_from_ = from;  // several changes before a tick grow the host once
    pending_to_ = to;
    pending_dpi_ = dpi;
    pending_ = true;
}

void Win32EditorWindow::apply_pending_size()
{
    EditorSize from{}, to{};
    float dpi = 1.0f;
    {
        std::lock_guard<std::mutex> lock(pending_mutex_);
        if (!pending_)
            return;
        pending_ = false;
        from = pending_from_, to = pending_to_, dpi = pending_dpi_;
    }
    apply_size(from, to, dpi);
}

void Win32EditorWindow::apply_size(const EditorSize& from, const EditorSize& to, float dpi)
{
    if (index_.load() < 0)
        return;
    resize(to, dpi);
    resizeParentWindow(to.width - from.width, to.height - from.height);
}

void Win32EditorWindow::resize(const EditorSize& to, float dpi)
{
    const int index = index_.load();
    if (!engine_ || index < 0)
        return;
    window_ext(*engine_).afx_window_resize(index, to.width, to.height);
    create_editor_drawables(to, dpi);
    queue(0, 0, to.width, to.height);
}

void Win32EditorWindow::release_engine()
{
    close();
    std::lock_guard<std::mutex> lock(critical_section_);
    if (engine_ && back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = nullptr;
    engine_ = nullptr;
}

void Win32EditorWindow::resizeParentWindow(int dw, int dh)
{
    HWND parent = reinterpret_cast<HWND>(host_window_);
    RECT r{};
    if (!parent || (dw == 0 && dh == 0) || !GetWindowRect(parent, &r))
        return;
    SetWindowPos(parent, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- callbacks, on the window's thread -----------------------------------------------

CEditorCore& Win32EditorWindow::core_of(void* user) { return self(user)->core_; }

void Win32EditorWindow::on_expose(int x, int y, int w, int h, int, void* user)
{
    self(user)->expose_handler(x, y, w, h);
}

void Win32EditorWindow::expose_handler(int x, int y, int w, int h)
{
    if (!engine_)
        return;
    WindowPaint paint{engine_, index_.load(), &back_buffer_, panel_.content(), &critical_section_};
    paint.always_scaled = always_scaled_;
    paint_window_rect(paint, hooks_.paint_size(core_), core_.mono(), hooks_.paint_scale(core_), x, y, w, h);
}

// The host destroyed our window with its own (or the module closed it):
// the slot is free again and may soon hold another editor's window, so
// this one lets go of it.
void Win32EditorWindow::on_window_destroy(int, int, int index, void* user)
{
    Win32EditorWindow* win = self(user);
    win->core_.set_open(false);
    int expected = index;
    win->index_.compare_exchange_strong(expected, -1);
}

bool Win32EditorWindow::on_gui_update(void* user)
{
    Win32EditorWindow* win = self(user);
    win->apply_pending_size();
    win->hooks_.before_tick();
    win->core_.gui_update_tick();
    return true;
}

}  // namespace vlt::editor
