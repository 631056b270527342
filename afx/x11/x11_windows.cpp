// Window creation, destruction, sizing and reparenting.
#include "x11_engine_state.h"

namespace {

enum class window_kind { plain, simple };

}  // namespace

static int create_window(AFX_engine::backend& b, window_kind kind, int x, int y, int width, int height,
                         float scale, bool white_background, void* user)
{
    afx_lock dl(b.display_mx);
    if (!b.connected() || !(scale > 0.0f))
        return -1;
    const int w = afx_scaled(width, scale), h = afx_scaled(height, scale);
    if (w <= 0 || h <= 0)
        return -1;
    int index = -1;
    for (int i = 0; i < AFX_MAX_WINDOWS && index < 0; ++i)
        if (!b.slots[i].in_use)
            index = i;
    if (index < 0)
        return -1;  // table full: no X window is made

    Display* d = b.display;
    const Window root = RootWindow(d, DefaultScreen(d));
    Window win;
    if (kind == window_kind::simple) {
        win = XCreateSimpleWindow(d, root, x, y, w, h, 0, 0, 0);
    } else {
        XSetWindowAttributes attr{};
        attr.background_pixel = white_background ? WhitePixel(d, DefaultScreen(d)) : 0;
        attr.bit_gravity = NorthWestGravity;
        win = XCreateWindow(d, root, x, y, w, h, 0, CopyFromParent, CopyFromParent, CopyFromParent,
                            CWBackPixel | CWBitGravity, &attr);
    }
    Atom del = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, win, &del, 1);

    b.reset_slot(index);
    b.add_active(index);
    afx_window_slot& s = b.slots[index];
    s.window = win;
    s.width = w;
    s.height = h;
    s.x = x;
    s.y = y;
    s.scale = scale;
    s.inverse_scale = static_cast<int32_t>(65536.0f / scale);
    s.delete_atom = del;
    s.user_data = user;
    s.closing = false;
    b.create_input_context(s);
    s.in_use = true;
    return index;
}

int AFX_engine_x11::create_new_afx_window(int x, int y, int width, int height, float scale, void* user)
{
    return create_window(*b_, window_kind::plain, x, y, width, height, scale, false, user);
}

int AFX_engine_x11::create_new_afx_window(int x, int y, int width, int height, float scale,
                                          bool white_background, void* user)
{
    return create_window(*b_, window_kind::plain, x, y, width, height, scale, white_background, user);
}

// A top-level window moved into the host's: a parent that does not exist
// takes the new window with it.
int AFX_engine_windows::create_child_afx_window(afx_sys_window parent, int x, int y, int width, int height,
                                                float scale, void* user)
{
    const int index = create_window(*b_, window_kind::plain, x, y, width, height, scale, false, user);
    if (index < 0)
        return -1;
    if (parent == 0 || x11_ext(engine_).reparent_afx_window_to_SYS_window(index, parent) != 0) {
        destroy_afx_window(index);
        return -1;
    }
    return index;
}

int AFX_engine_x11::create_new_simple_afx_window(int x, int y, int width, int height, float scale, void* user)
{
    return create_window(*b_, window_kind::simple, x, y, width, height, scale, false, user);
}

void AFX_engine_windows::set_afx_window_scale_factor(int index, float scale)
{
    if (!b_->valid(index) || !(scale > 0.0f))
        return;
    b_->slots[index].scale = scale;
    b_->slots[index].inverse_scale = static_cast<int32_t>(65536.0f / scale);
}

int AFX_engine_windows::destroy_afx_window(int index)
{
    if (!b_->valid(index))
        return 0;
    afx_window_slot& s = b_->slots[index];
    // A host thread closing the editor must not free the window while the GUI
    // thread is inside one of its input callbacks. Wait with no engine lock
    // held, so that callback can still call into the engine (or the host,
    // which may call the engine) and finish.
    if (!b_->on_gui_thread() && s.in_use) {
        s.closing = true;
        std::unique_lock<std::mutex> lk(b_->inflight_mx);
        b_->inflight_cv.wait(lk, [&] { return b_->inflight != index; });
    }
    afx_callback_lock cl(b_->callback_mx);
    afx_lock dl(b_->display_mx);
    if (!b_->connected()) {
        s.closing = false;
        return 0;
    }
    Display* d = b_->display;
    afx_trap_errors(d);
    if (s.in_use) {
        XDestroyWindow(d, s.window);
        b_->release_slot(index);
    }
    XSync(d, False);
    return afx_untrap_errors(d);
}

void AFX_engine_windows::free_afx_window(int index)
{
    afx_callback_lock cl(b_->callback_mx);
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        b_->release_slot(index);
}

void AFX_engine_windows::destroy_all_windows()
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected())
        return;
    Display* d = b_->display;
    afx_trap_errors(d);
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i) {
        if (b_->slots[i].in_use) {
            XDestroyWindow(d, b_->slots[i].window);
            b_->release_slot(i);
        }
    }
    XSync(d, False);
    afx_untrap_errors(d);
}

void AFX_engine_windows::show_afx_window(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index)) {
        XMapWindow(b_->display, b_->slots[index].window);
        XFlush(b_->display);
    }
}

void AFX_engine_windows::afx_window_resize(int index, int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index) || width <= 0 || height <= 0)
        return;
    XResizeWindow(b_->display, b_->slots[index].window, width, height);
    b_->slots[index].width = width;
    b_->slots[index].height = height;
}

// Calls on a window id that is not ours run trapped: the host may have
// destroyed it already.

void AFX_engine_x11::afx_SYS_window_resize(afx_sys_window window, int width, int height)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || width < 0 || height < 0)
        return;
    afx_trap_errors(b_->display);
    XResizeWindow(b_->display, window, width, height);
    XSync(b_->display, False);
    afx_untrap_errors(b_->display);
}

void AFX_engine_x11::afx_get_SYS_window_size(afx_sys_window window, int* width, int* height)
{
    *width = 0;
    *height = 0;
    afx_lock dl(b_->display_mx);
    if (!b_->connected())
        return;
    XWindowAttributes a{};
    afx_trap_errors(b_->display);
    Status ok = XGetWindowAttributes(b_->display, window, &a);
    XSync(b_->display, False);
    if (afx_untrap_errors(b_->display) == 0 && ok) {
        *width = a.width;
        *height = a.height;
    }
}

int AFX_engine_x11::reparent_afx_window_to_SYS_window(int index, afx_sys_window host)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return 0;
    afx_trap_errors(b_->display);
    XReparentWindow(b_->display, b_->slots[index].window, host, 0, 0);
    XSync(b_->display, False);
    return afx_untrap_errors(b_->display);
}

int AFX_engine_x11::SYS_window_valid(afx_sys_window window)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected())
        return 0;
    XWindowAttributes a{};
    afx_trap_errors(b_->display);
    XGetWindowAttributes(b_->display, window, &a);
    XSync(b_->display, False);
    return afx_untrap_errors(b_->display);
}

void AFX_engine_x11::select_afx_input_events(int index, bool all_motion)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return;
    long mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | ButtonMotionMask |
                ExposureMask | StructureNotifyMask;
    if (all_motion)
        mask |= PointerMotionMask;
    XSelectInput(b_->display, b_->slots[index].window, mask);
}
