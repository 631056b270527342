// Window class, child-window creation and destruction, and the window
// procedure that turns the host loop's messages into the slot's callbacks.
#include "win32_engine_state.h"

#include <windowsx.h>

#include <chrono>
#include <thread>

namespace {

HINSTANCE g_instance = nullptr;
std::atomic<AFX_engine*> g_engine{nullptr};
std::atomic<int> g_depth{0};

// Counts window-procedure calls under way, nested ones included.
struct procedure_call {
    procedure_call() { ++g_depth; }
    ~procedure_call() { --g_depth; }
};

int scaled(int v, float scale) { return static_cast<int>(static_cast<float>(v) * scale + 0.5f); }

}  // namespace

namespace afx_win32 {
HINSTANCE module_instance() { return g_instance; }
AFX_engine* procedure_engine() { return g_engine.load(); }
void set_procedure_engine(AFX_engine* engine) { g_engine.store(engine); }
int procedure_depth() { return g_depth.load(); }
}  // namespace afx_win32

void AFX_engine_win32::set_module_instance(void* instance) { g_instance = static_cast<HINSTANCE>(instance); }

static LRESULT CALLBACK afx_wndproc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    return AFX_engine_win32::window_procedure(reinterpret_cast<afx_sys_window>(w), m, wp, lp);
}

int AFX_engine_windows::create_child_afx_window(afx_sys_window parent, int x, int y, int width, int height,
                                                float scale, void* user)
{
    return win32_ext(engine_).create_new_afx_window(x, y, width, height, scale, parent, user);
}

int AFX_engine_win32::create_new_afx_window(int x, int y, int width, int height, float scale,
                                            afx_sys_window parent_window, void* user)
{
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS | CS_OWNDC | CS_DBLCLKS;
    wc.lpfnWndProc = afx_wndproc;
    wc.hInstance = g_instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = b_->class_name;
    RegisterClassA(&wc);  // fails harmlessly when a second editor finds it there

    int index = 0;
    while (index < AFX_MAX_WINDOWS && b_->slots[index].in_use)
        ++index;
    if (index == AFX_MAX_WINDOWS)
        return -1;

    // The slot is filled before the window exists: WM_NCCREATE, WM_CREATE
    // and WM_SIZE arrive during CreateWindowExA and must find this slot.
    afx_win32_slot& s = b_->slots[index];
    s = afx_win32_slot{};
    s.user_data = user;
    s.scale = scale;
    s.inverse_scale = static_cast<int32_t>(65536.0f / scale);
    s.width = scaled(width, scale);
    s.height = scaled(height, scale);
    s.x = x;
    s.y = y;
    s.in_use = true;
    HWND w = CreateWindowExA(0, b_->class_name, nullptr, WS_CHILD, 0, 0, s.width, s.height,
                             reinterpret_cast<HWND>(parent_window), nullptr, g_instance,
                             reinterpret_cast<void*>(static_cast<intptr_t>(index + 1)));
    if (!w) {
        b_->reset_slot(index);
        return -1;
    }
    s.window = w;
    s.window_dc = GetDC(w);
    s.memory_dc = CreateCompatibleDC(s.window_dc);
    return index;
}

int AFX_engine_windows::destroy_afx_window(int index)
{
    afx_win32_slot* s = b_->slot(index);
    if (!s)
        return 0;
    b_->release_slot(index);
    HWND w = s->window;
    // Our own destroy: the editor already knows, so WM_DESTROY tells no one.
    s->cb.window_destroy = nullptr;
    if (w)
        DestroyWindow(w);
    b_->reset_slot(index);
    return 0;
}

void AFX_engine_windows::free_afx_window(int index)
{
    if (b_->slot(index))
        b_->reset_slot(index);
}

void AFX_engine_windows::destroy_all_windows()
{
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i)
        destroy_afx_window(i);
    // Other threads may still be inside the procedure; a bounded wait, since
    // a nested call on this very thread never returns before we do.
    for (int waited = 0; afx_win32::procedure_depth() > 0 && waited < 200; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (UnregisterClassA(b_->class_name, g_instance))
        b_->class_registered = false;
}

void AFX_engine_win32::forget_all_windows()
{
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i)
        b_->reset_slot(i);
}

void AFX_engine_windows::show_afx_window(int index)
{
    if (afx_win32_slot* s = b_->slot(index))
        ShowWindow(s->window, SW_SHOW);
}

void AFX_engine_windows::afx_window_resize(int index, int width, int height)
{
    if (afx_win32_slot* s = b_->slot(index))
        SetWindowPos(s->window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AFX_engine_windows::set_afx_window_title(int index, const char* text)
{
    if (afx_win32_slot* s = b_->slot(index))
        SetWindowTextA(s->window, text ? text : "");
}

void AFX_engine_win32::afx_window_grab(int index)
{
    if (afx_win32_slot* s = b_->slot(index))
        SetCapture(s->window);
}

void AFX_engine_win32::afx_window_ungrab() { ReleaseCapture(); }

void AFX_engine_windows::afx_queue_afx_draw_area_fixed(int index, int x, int y, int width, int height)
{
    afx_win32_slot* s = b_->slot(index);
    if (!s)
        return;
    const RECT r{x, y, x + width, y + height};
    InvalidateRect(s->window, &r, FALSE);
}

void AFX_engine_windows::afx_queue_afx_draw_area_scaled(int index, int x, int y, int width, int height)
{
    if (afx_win32_slot* s = b_->slot(index))
        afx_queue_afx_draw_area_fixed(index, x, y, scaled(width, s->scale), scaled(height, s->scale));
}

// --- window procedure -----------------------------------------------------------

namespace {

struct message_context {
    AFX_engine::backend& b;
    afx_win32_slot& s;
    int index;
    HWND window;
};

void press(const message_context& c, int x, int y, int button)
{
    SetFocus(c.window);
    // Capture keeps the release ours when the pointer leaves the window.
    c.s.pressed = button;
    SetCapture(c.window);
    if (c.s.cb.button_press)
        c.s.cb.button_press(x, y, button, c.index, c.s.user_data);
}

// Every button-up is delivered, also the one after a double click.
void release(const message_context& c, int x, int y, int button)
{
    const bool held = c.s.pressed >= 0;
    c.s.pressed = -1;
    if (held && GetCapture() == c.window)
        ReleaseCapture();  // its WM_CAPTURECHANGED finds no button held
    if (c.s.cb.button_release)
        c.s.cb.button_release(x, y, button, c.index, c.s.user_data);
}

// Capture taken away (another window, a dialog): the gesture ends here.
void capture_lost(const message_context& c)
{
    if (c.s.pressed < 0)
        return;
    const int button = c.s.pressed;
    c.s.pressed = -1;
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(c.window, &p);
    if (c.s.cb.button_release)
        c.s.cb.button_release(p.x, p.y, button, c.index, c.s.user_data);
}

// A double click is held like a press: a switch or button it presses must
// hear its release also when the pointer leaves the window first.
void double_click(const message_context& c, int x, int y)
{
    SetFocus(c.window);
    c.s.pressed = 0;
    SetCapture(c.window);
    if (c.s.cb.double_click)
        c.s.cb.double_click(x, y, 0, c.index, c.s.user_data);
}

void wheel(const message_context& c, WPARAM wp)
{
    const int delta = GET_WHEEL_DELTA_WPARAM(wp);
    if (delta == 0 || !c.s.cb.wheel)
        return;
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(c.window, &p);
    c.s.cb.wheel(p.x, p.y, delta > 0 ? 1 : -1, c.index, c.s.user_data);
}

void paint(const message_context& c)
{
    RECT r{};
    GetUpdateRect(c.window, &r, FALSE);
    PAINTSTRUCT ps;
    BeginPaint(c.window, &ps);
    if (c.s.cb.expose)
        c.s.cb.expose(r.left, r.top, r.right - r.left, r.bottom - r.top, c.index, c.s.user_data);
    EndPaint(c.window, &ps);
}

// The host destroyed our window (or its parent): free the slot and tell the
// editor, which drops its index before the slot serves another window.
void destroyed(const message_context& c)
{
    afx_window_destroy_cb cb = c.s.cb.window_destroy;
    void* user = c.s.user_data;
    c.b.release_slot(c.index);
    c.b.reset_slot(c.index);
    if (cb)
        cb(0, 0, c.index, user);
}

}  // namespace

intptr_t AFX_engine_win32::window_procedure(afx_sys_window window, unsigned message, uintptr_t wparam,
                                            intptr_t lparam)
{
    procedure_call in_procedure;
    HWND w = reinterpret_cast<HWND>(window);
    if (message == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    // The window's user data holds slot index + 1; 0 means not ours (yet).
    const int index = static_cast<int>(GetWindowLongPtrA(w, GWLP_USERDATA)) - 1;
    AFX_engine* e = afx_win32::procedure_engine();
    afx_win32_slot* s = e ? e->state().slot(index) : nullptr;
    if (!s || (s->window && s->window != w))
        return DefWindowProcA(w, message, wparam, lparam);
    const message_context c{e->state(), *s, index, w};
    const int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
    const bool right = e->state().policy.right_button;

    switch (message) {
    case WM_DESTROY: destroyed(c); return 0;
    case WM_PAINT: paint(c); return 0;
    case WM_ERASEBKGND:
        if (!s->first_erase)
            return 1;
        s->first_erase = false;
        return DefWindowProcA(w, message, wparam, lparam);
    case WM_TIMER:
        if (wparam == kGuiTimerId && s->cb.gui_update)
            s->cb.gui_update(s->user_data);
        return 0;
    case WM_MOUSEMOVE:
        if (s->pressed >= 0 && s->cb.motion)
            s->cb.motion(x, y, index, s->user_data);
        return 0;
    case WM_LBUTTONDOWN: press(c, x, y, 0); return 0;
    case WM_LBUTTONUP: release(c, x, y, 0); return 0;
    case WM_LBUTTONDBLCLK: double_click(c, x, y); return 0;
    case WM_RBUTTONDOWN:
        if (!right)
            break;
        press(c, x, y, 2);
        return 0;
    case WM_RBUTTONUP:
        if (!right)
            break;
        release(c, x, y, 2);
        return 0;
    case WM_CAPTURECHANGED: capture_lost(c); return 0;
    case WM_MOUSEWHEEL: wheel(c, wparam); return 0;
    default: break;
    }
    return DefWindowProcA(w, message, wparam, lparam);
}
