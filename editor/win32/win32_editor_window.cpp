#include "win32_editor_window.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "afx/win32/afx_engine_win32.h"
#include "window_paint.h"

namespace vlt::editor {

Win32EditorWindow::~Win32EditorWindow()
{
    destroy();
    std::lock_guard<std::mutex> lock(buffer_mutex_);
    if (engine_ && back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = nullptr;
}

bool Win32EditorWindow::create(afx_sys_window parent, const EditorSize& size, void* user)
{
    if (!engine_)
        return false;
    parent_ = parent;
    // The size is in pixels already: the window's own scale is 1.0.
    const int index =
        win32_ext(*engine_).create_new_afx_window(0, 0, size.width, size.height, 1.0f, parent, user);
    if (index < 0)
        return false;
    engine_->set_afx_window_scale_factor(index, 1.0f);
    ui_thread_ = GetCurrentThreadId();
    index_.store(index);
    return true;
}

void Win32EditorWindow::show()
{
    if (is_open())
        engine_->show_afx_window(index_.load());
}

void Win32EditorWindow::destroy()
{
    const int index = index_.exchange(-1);
    if (engine_ && index >= 0)
        engine_->destroy_afx_window(index);
}

void Win32EditorWindow::forget(int index)
{
    int expected = index;
    index_.compare_exchange_strong(expected, -1);
}

void Win32EditorWindow::make_back_buffer(const EditorSize& size, float d)
{
    if (!engine_)
        return;
    std::lock_guard<std::mutex> lock(buffer_mutex_);
    if (back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = win32_ext(*engine_).afx_pixmap_create_fixed(
        size.width, size.height, 112, 112, 112, static_cast<int>(20 * d), static_cast<int>(d),
        static_cast<int>(8 * d), static_cast<int>(d), index_.load());
}

void Win32EditorWindow::expose(const afx_pixbuf* content, const EditorSize& size, bool mono,
                               float dpi_scale, int x, int y, int w, int h)
{
    if (!engine_)
        return;
    WindowPaint paint{engine_, index_.load(), &back_buffer_, content, &buffer_mutex_};
    paint.always_scaled = always_scaled_;
    paint_window_rect(paint, size, mono, dpi_scale, x, y, w, h);
}

void Win32EditorWindow::queue(int x, int y, int w, int h)
{
    const int index = index_.load();
    if (engine_ && index >= 0)
        engine_->afx_queue_afx_draw_area_fixed(index, x, y, w, h);
}

void Win32EditorWindow::request_size(const EditorSize& from, const EditorSize& to, float dpi)
{
    if (!engine_)
        return;
    if (GetCurrentThreadId() == ui_thread_) {
        apply_size(from, to, dpi);
        return;
    }
    std::lock_guard<std::mutex> lock(pending_mutex_);
    if (!pending_)
        pending_from_ = from; // several changes before a tick grow the host once
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
    grow_parent(to.width - from.width, to.height - from.height);
}

void Win32EditorWindow::resize(const EditorSize& to, float dpi)
{
    const int index = index_.load();
    if (!engine_ || index < 0)
        return;
    engine_->afx_window_resize(index, to.width, to.height);
    make_back_buffer(to, dpi);
    queue(0, 0, to.width, to.height);
}

void Win32EditorWindow::release_engine()
{
    destroy();
    std::lock_guard<std::mutex> lock(buffer_mutex_);
    if (engine_ && back_buffer_)
        engine_->afx_pixmap_destroy(back_buffer_);
    back_buffer_ = nullptr;
    engine_ = nullptr;
}

void Win32EditorWindow::grow_parent(int dw, int dh)
{
    HWND parent = reinterpret_cast<HWND>(parent_);
    RECT r{};
    if (!parent || (dw == 0 && dh == 0) || !GetWindowRect(parent, &r))
        return;
    SetWindowPos(parent, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vlt::editor
