// Engine life cycle, display connection and slot bookkeeping.
#include "x11_engine_state.h"

#include "afx/core/afx_gamma.h"

#include <cmath>
#include <cstdio>

// A reset clears every callback, the destroy callback included: a freed slot
// must never call into an object that belonged to its last window.
void AFX_engine::backend::reset_slot(int index)
{
    afx_window_slot& s = slots[index];
    s.in_use = false;
    s.scale = 1.0f;
    s.inverse_scale = 65536;
    s.width = 0;
    s.height = 0;
    s.window = 0;
    s.icon = 0;
    s.user_data = nullptr;
    s.input_context = nullptr;
    s.delete_atom = 0;
    s.cb.clear();
    AFXRegionContainer empty;
    s.dirty->swap(empty);
}

void AFX_engine::backend::release_slot(int index)
{
    afx_window_slot& s = slots[index];
    if (s.icon != 0 && display != nullptr)
        XFreePixmap(display, s.icon);
    destroy_input_context(s);
    reset_slot(index);
    s.closing = false;
    remove_active(index);
}

void AFX_engine::backend::remove_active(int index)
{
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i) {
        if (active[i] == index) {
            active[i] = -1;
            break;
        }
    }
    // Compact: valid entries move to the front and keep their order.
    bool moved = true;
    while (moved) {
        moved = false;
        for (int i = 0; i < AFX_MAX_WINDOWS - 1; ++i) {
            if (active[i] < 0 && active[i + 1] >= 0) {
                active[i] = active[i + 1];
                active[i + 1] = -1;
                moved = true;
            }
        }
    }
}

void AFX_engine::backend::add_dirty(afx_window_slot& s, int x, int y, int width, int height)
{
    // Expose events may come from any client with any numbers: keep only the
    // part inside the window, so the repaint never writes outside the image.
    const long x1 = std::max<long>(x, 0), y1 = std::max<long>(y, 0);
    const long x2 = std::min<long>(static_cast<long>(x) + width, s.width.load());
    const long y2 = std::min<long>(static_cast<long>(y) + height, s.height.load());
    if (x2 <= x1 || y2 <= y1) {
        s.dirty->add(AFXRect{0, 0, 0, 0});  // dropped by the loop, like any empty area
        return;
    }
    // Stored as top, left, bottom, right.
    s.dirty->add(AFXRect{static_cast<int32_t>(y1), static_cast<int32_t>(x1), static_cast<int32_t>(y2),
                         static_cast<int32_t>(x2)});
}

AFX_engine::AFX_engine() : b_(new backend)
{
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i) {
        b_->slots[i].dirty = new AFXRegionContainer;
        b_->reset_slot(i);
        b_->active[i] = -1;
    }
    afx_fill_gamma_table(b_->gamma);
    clock_gettime(CLOCK_MONOTONIC, &b_->last_left_press);
    pthread_mutex_init(&b_->display_mx, nullptr);
    pthread_mutex_init(&b_->run_mx, nullptr);
    pthread_mutexattr_t attr;
    pthread_mutexattr_init(&attr);
    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_ERRORCHECK);
    pthread_mutex_init(&b_->callback_mx, &attr);
    pthread_mutexattr_destroy(&attr);
    if (afx_build.set_locale)
        afx_set_up_locale();
}

AFX_engine::~AFX_engine()
{
    x11_ext(*this).close_display_connection();
    pthread_mutex_destroy(&b_->display_mx);
    pthread_mutex_destroy(&b_->run_mx);
    pthread_mutex_destroy(&b_->callback_mx);
    for (auto& s : b_->slots)
        delete s.dirty;
    delete b_;
}

bool AFX_engine_x11::open_display_connection()
{
    afx_lock dl(b_->display_mx);
    if (b_->connected())
        return true;
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr)
        return false;
    b_->display = d;
    b_->depth = DefaultDepth(d, 0);
    b_->visual = DefaultVisual(d, 0);
    b_->open_input_method();  // without one the connection is still good
    return true;
}

void AFX_engine_x11::close_display_connection()
{
    b_->stop = true;
    {
        afx_lock rl(b_->run_mx);  // the loop holds it until its shutdown is done
        afx_lock dl(b_->display_mx);
        if (b_->connected()) {
            Display* d = b_->display;
            afx_trap_errors(d);
            // Slots of windows that die with the connection are freed first:
            // their input contexts go before the input method.
            for (int i = 0; i < AFX_MAX_WINDOWS; ++i) {
                if (b_->slots[i].in_use) {
                    b_->slots[i].icon = 0;
                    b_->release_slot(i);
                }
            }
            b_->close_input_method();
            std::fputs("QELM-UI Engine: XClose\n", stdout);
            std::fflush(stdout);
            if (b_->watch_cursor != 0)
                XFreeCursor(d, b_->watch_cursor);
            b_->watch_cursor = 0;
            XCloseDisplay(d);
            afx_untrap_errors(d);
            b_->display = nullptr;
        }
    }
    b_->stop = false;
}

_XDisplay* AFX_engine_x11::get_xdisplay() const { return b_->display; }

void* AFX_engine_x11::get_x_display_mutex() { return &b_->display_mx; }

void AFX_engine_x11::afx_lock_display() { pthread_mutex_lock(&b_->display_mx); }

void AFX_engine_x11::afx_unlock_display() { pthread_mutex_unlock(&b_->display_mx); }

int AFX_engine::afx_gamma(int i) const { return i >= 0 && i < 256 ? b_->gamma[i] : 0; }

int AFX_engine_x11::get_AFX_window_idx_for_X_window(afx_sys_window window) const
{
    // Free slots hold window 0; an event naming window 0 must not find one.
    if (window == 0)
        return -1;
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i) {
        const afx_window_slot& s = b_->slots[i];
        if (s.in_use && s.window == window)
            return i;
    }
    return -1;
}

void AFX_engine::backend::add_active(int index)
{
    for (int& e : active) {
        if (e < 0) {
            e = index;
            return;
        }
    }
}

void AFX_engine_x11::afx_add_afx_window_to_active_list(int index) { b_->add_active(index); }

void AFX_engine_x11::afx_remove_afx_window_from_active_list(int index) { b_->remove_active(index); }

int AFX_engine_x11::afx_active_window(int position) const
{
    return position >= 0 && position < AFX_MAX_WINDOWS ? b_->active[position] : -1;
}

void AFX_engine_x11::afx_window_invalidate_procs(int index)
{
    if (!b_->valid(index))
        return;
    afx_window_destroy_cb keep = b_->slots[index].cb.window_destroy;
    b_->slots[index].cb.clear();
    b_->slots[index].cb.window_destroy = keep;
}

void AFX_engine_x11::invalidate_afx_window(int index)
{
    afx_callback_lock cl(b_->callback_mx);
    afx_lock dl(b_->display_mx);
    if (b_->used(index))
        afx_window_invalidate_procs(index);
}
