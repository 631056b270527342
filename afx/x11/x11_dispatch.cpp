// One X event to its window's callback.
#include "x11_engine_state.h"

namespace {

// Marks an input dispatch to a window as in flight, so that a destroy from
// another thread waits for it; a window that is being closed gets no new
// dispatch at all.
class inflight_guard {
public:
    inflight_guard(AFX_engine::backend& b, int index) : b_(b)
    {
        std::lock_guard<std::mutex> g(b_.inflight_mx);
        active_ = b_.slots[index].in_use && !b_.slots[index].closing;
        if (active_)
            b_.inflight = index;
    }
    ~inflight_guard()
    {
        if (!active_)
            return;
        {
            std::lock_guard<std::mutex> g(b_.inflight_mx);
            b_.inflight = -1;
        }
        b_.inflight_cv.notify_all();
    }
    explicit operator bool() const { return active_; }
    inflight_guard(const inflight_guard&) = delete;
    inflight_guard& operator=(const inflight_guard&) = delete;

private:
    AFX_engine::backend& b_;
    bool active_ = false;
};

// A second left press within this time is a double click (single precision,
// as the editors have always measured it).
constexpr double kDoubleClickSeconds = 0.3f;

// The engine's clock, measured as the shared interface measures it.
double diff_timef(const timespec& start, const timespec& end) { return AFX_engine::diff_timef(start, end); }

// X numbers the buttons from 1 and sends the vertical wheel as buttons 4
// (up) and 5 (down); callers get buttons from 0 and the wheel on its own.
constexpr int kLeft = 0;

int wheel_step(int x11_button) { return x11_button == Button4 ? 1 : x11_button == Button5 ? -1 : 0; }

int normal_button(int x11_button) { return x11_button <= Button3 ? x11_button - Button1 : x11_button - 3; }

}  // namespace

void AFX_engine_x11::dispatch_x_events(_XEvent* event)
{
    XEvent& ev = *event;
    const int index = get_AFX_window_idx_for_X_window(ev.xany.window);
    if (index < 0)
        return;
    AFX_engine::backend& b = *b_;
    afx_window_slot& s = b.slots[index];
    inflight_guard guard(b, index);
    if (!guard)
        return;
    void* user = s.user_data;

    switch (ev.type) {
    case KeyPress: {
        KeySym sym = NoSymbol;
        if (!b.look_up_key_text(s, ev.xkey, &sym))
            break;
        if (auto cb = s.cb.key_press.load())
            cb(b.key_text, static_cast<uint32_t>(sym), ev.xkey.state, index, user);
        break;
    }
    case KeyRelease: {
        KeySym sym = 0;
        char local[16];
        {
            afx_lock dl(b.display_mx);
            XLookupString(&ev.xkey, local, 15, &sym, nullptr);
        }
        if (auto cb = s.cb.key_release.load())
            cb(nullptr, static_cast<uint32_t>(sym), ev.xkey.state, index, user);
        break;
    }
    case ButtonPress: {
        const int x11_button = static_cast<int>(ev.xbutton.button);
        if (const int step = wheel_step(x11_button)) {
            if (auto cb = s.cb.wheel.load())
                cb(ev.xbutton.x, ev.xbutton.y, step, index, user);
            break;
        }
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double dt = diff_timef(b.last_left_press, now);
        const int button = normal_button(x11_button);
        if (dt > 0 && dt < kDoubleClickSeconds && button == kLeft) {
            b.last_left_press = now;
            if (auto cb = s.cb.double_click.load())
                cb(ev.xbutton.x, ev.xbutton.y, kLeft, index, user);
            break;
        }
        if (button == kLeft)
            b.last_left_press = now;
        if (auto cb = s.cb.button_press.load())
            cb(ev.xbutton.x, ev.xbutton.y, button, index, user);
        break;
    }
    case ButtonRelease: {
        const int x11_button = static_cast<int>(ev.xbutton.button);
        if (wheel_step(x11_button))
            break;  // the notch was the whole event
        if (auto cb = s.cb.button_release.load())
            cb(ev.xbutton.x, ev.xbutton.y, normal_button(x11_button), index, user);
        break;
    }
    case MotionNotify:
        if (afx_build.ignore_sent_motion && ev.xmotion.send_event)
            break;
        if (auto cb = s.cb.motion.load())
            cb(ev.xmotion.x, ev.xmotion.y, index, user);
        break;
    case Expose: {
        afx_lock dl(b.display_mx);
        b.add_dirty(s, ev.xexpose.x, ev.xexpose.y, ev.xexpose.width, ev.xexpose.height);
        break;
    }
    case ConfigureNotify: {
        s.width = ev.xconfigure.width;
        s.height = ev.xconfigure.height;
        if (auto cb = s.cb.configure.load())
            cb(ev.xconfigure.height, ev.xconfigure.width, index, user);
        afx_lock dl(b.display_mx);
        if (s.in_use)
            b.add_dirty(s, 0, 0, s.width, s.height);
        break;
    }
    case CreateNotify:
        if (auto cb = s.cb.create.load())
            cb(ev.xcreatewindow.height, ev.xcreatewindow.width, index, user);
        break;
    case DestroyNotify: {
        // Someone else (usually the host, with its parent window) destroyed
        // the X window: the owner hears of it before the slot can be reused.
        // A forged one (XSendEvent) must not free a live window's slot.
        if (ev.xany.send_event || s.window != ev.xdestroywindow.window)
            break;
        if (auto cb = s.cb.window_destroy.load())
            cb(s.x, s.y, index, user);
        afx_lock dl(b.display_mx);
        if (s.in_use && s.window == ev.xdestroywindow.window)
            b.release_slot(index);
        break;
    }
    case SelectionNotify: {
        unsigned char* data = b.read_selection(ev.xselection);
        if (auto cb = s.cb.selection.load())
            cb(data, index, user);  // the callback owns the data
        else
            free_clipboard_data(data);
        break;
    }
    case ReparentNotify:
        if (auto cb = s.cb.reparent.load())
            cb(ev.xreparent.x, ev.xreparent.y, user);
        break;
    case ClientMessage: {
        const unsigned long word = static_cast<unsigned long>(ev.xclient.data.l[0]);
        if (word != s.delete_atom) {
            if (auto cb = s.cb.client_message.load())
                cb(word, user);
            break;
        }
        // The window manager's close: the X window goes first, then the
        // owner hears of it, then the slot is freed.
        int rx = 0, ry = 0;
        afx_get_AFX_window_position(&rx, &ry, index);
        {
            afx_lock dl(b.display_mx);
            XFlush(b.display);
            XDestroyWindow(b.display, s.window);
            if (s.icon != 0)
                XFreePixmap(b.display, s.icon);
            s.icon = 0;
            XFlush(b.display);
        }
        if (auto cb = s.cb.window_destroy.load())
            cb(rx, ry, index, user);
        afx_lock dl(b.display_mx);
        if (s.in_use)
            b.release_slot(index);
        break;
    }
    default: break;  // GraphicsExpose and NoExpose from scrolling, and the rest
    }
}
