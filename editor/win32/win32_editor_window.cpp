#include "win32_editor_window.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "afx/afx_engine_windows.h"
#include "afx/win32/afx_engine_win32.h"
#include "window_paint.h"

namespace vlt::editor {

Win32EditorWindow::~Win32EditorWindow()
{
    destroy();
    free_back_buffer();
}

bool Win32EditorWindow::open(afx_sys_window parent)
{
    host_window_ = parent;
    if (!create()) {
        notice(WindowHooks::Notice::kNoWindow);
        return false;
    }
    const int index = index_.load();
    set_title(index);
    if (!load_panel(index)) {
        destroy();
        return false;
    }
    create_editor_drawables(core_.size());
    panel_.draw_panel();
    start_callbacks(index);
    window_ext(*engine_).show_afx_window(index);
    core_.set_open(true);
    return true;
}

bool Win32EditorWindow::create()
{
    if (!engine_)
        return false;
    const EditorSize& size = core_.size();
    // The size is in pixels already: the window's own scale is 1.0.
    const int index = win32_ext(*engine_).create_new_afx_window(0, 0, size.width, size.height, 1.0f,
                                                                host_window_, callback_user());
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

void Win32EditorWindow::create_editor_drawables(const EditorSize& size)
{
    if (!engine_)
        return;
    const float d = core_.dpi_scale();
    std::lock_guard<std::mutex> lock(critical_section_);
    if (back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = win32_ext(*engine_).afx_pixmap_create_fixed(
        size.width, size.height, 112, 112, 112, static_cast<int>(20 * d), static_cast<int>(d),
        static_cast<int>(8 * d), static_cast<int>(d), index_.load());
}

void Win32EditorWindow::resize(const EditorSize& from, const EditorSize& to)
{
    if (!engine_)
        return;
    if (GetCurrentThreadId() == ui_thread_) {
        apply_size(from, to);
        return;
    }
    std::lock_guard<std::mutex> lock(pending_mutex_);
    if (!pending_)
        pending_from_ = from;  // several changes before a tick grow the host once
    pending_to_ = to;
    pending_ = true;
}

void Win32EditorWindow::apply_pending_size()
{
    EditorSize from{}, to{};
    {
        std::lock_guard<std::mutex> lock(pending_mutex_);
        if (!pending_)
            return;
        pending_ = false;
        from = pending_from_, to = pending_to_;
    }
    apply_size(from, to);
}

void Win32EditorWindow::apply_size(const EditorSize& from, const EditorSize& to)
{
    const int index = index_.load();
    if (!engine_ || index < 0)
        return;
    window_ext(*engine_).afx_window_resize(index, to.width, to.height);
    create_editor_drawables(to);
    queue({0, 0, to.width, to.height});
    resizeParentWindow(to.width - from.width, to.height - from.height);
}

void Win32EditorWindow::follow_host_size()
{
    const int index = index_.load();
    if (!engine_ || index < 0)
        return;
    const EditorSize& to = core_.size();
    window_ext(*engine_).afx_window_resize(index, to.width, to.height);
    create_editor_drawables(to);
    queue({0, 0, to.width, to.height});
}

void Win32EditorWindow::release_engine()
{
    close();
    free_back_buffer();
    engine_ = nullptr;
}

void Win32EditorWindow::free_back_buffer()
{
    std::lock_guard<std::mutex> lock(critical_section_);
    if (engine_ && back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = nullptr;
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

// --- the window's thread ------------------------------------------------------------

void Win32EditorWindow::expose(int x, int y, int w, int h)
{
    if (!engine_)
        return;
    WindowPaint paint{engine_, index_.load(), &back_buffer_, panel_.content(), &critical_section_};
    paint.always_scaled = always_scaled_;
    paint_window_rect(paint, core_.size(), core_.mono(), core_.dpi_scale(), x, y, w, h);
}

void Win32EditorWindow::tick()
{
    apply_pending_size();
    AfxWindowGlue::tick();
}

}  // namespace vlt::editor
