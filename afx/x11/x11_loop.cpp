// The engine loop: events, repaints of dirty rectangles, GUI-update timers.
#include "x11_engine_state.h"

#include <unistd.h>

namespace {

// The active list as it stands, up to its first free entry; other threads
// change it under the display mutex.
int snapshot_active(AFX_engine::backend& b, int* out)
{
    afx_lock dl(b.display_mx);
    int n = 0;
    while (n < AFX_MAX_WINDOWS && b.active[n] >= 0) {
        out[n] = b.active[n];
        ++n;
    }
    return n;
}

void drain_events(AFX_engine& engine, AFX_engine::backend& b)
{
    int pending = 0;
    {
        afx_lock dl(b.display_mx);
        if (b.connected())
            pending = XPending(b.display);
    }
    for (int i = 0; i < pending; ++i) {
        XEvent ev;
        {
            afx_lock dl(b.display_mx);
            if (!b.connected())
                return;
            XNextEvent(b.display, &ev);
            if (b.filtered_by_input_method(ev))
                continue;  // the input method took it (a compose sequence)
        }
        x11_ext(engine).dispatch_x_events(&ev);
    }
}

void repaint(AFX_engine::backend& b, int index)
{
    afx_window_slot& s = b.slots[index];
    afx_callback_lock cl(b.callback_mx);
    pthread_mutex_lock(&b.display_mx);
    while (s.in_use && s.dirty->size() > 0) {
        // Stored as top, left, bottom, right.
        const AFXRect r = s.dirty->pop_back();
        const int x = r.y1, y = r.x1, w = r.y2 - r.y1, h = r.x2 - r.x1;
        if (w == 0 || h == 0)
            continue;
        pthread_mutex_unlock(&b.display_mx);
        if (auto cb = s.cb.expose.load())
            cb(x, y, w, h, index, s.user_data);
        pthread_mutex_lock(&b.display_mx);
    }
    pthread_mutex_unlock(&b.display_mx);
}

void run_gui_updates(AFX_engine::backend& b, const int* list, int n)
{
    for (int i = 0; i < n; ++i) {
        afx_window_slot& s = b.slots[list[i]];
        afx_gui_update_cb cb = s.cb.gui_update.load();
        if (cb != nullptr && !cb(s.user_data))
            s.cb.gui_update.compare_exchange_strong(cb, nullptr);
    }
}

void shutdown_windows(AFX_engine::backend& b)
{
    afx_callback_lock cl(b.callback_mx);
    afx_lock dl(b.display_mx);
    if (!b.connected())
        return;
    Display* d = b.display;
    afx_trap_errors(d);
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i) {
        if (b.slots[i].in_use) {
            XDestroyWindow(d, b.slots[i].window);
            b.release_slot(i);
        }
    }
    for (int& e : b.active)
        e = -1;
    XSync(d, False);
    afx_untrap_errors(d);
}

}  // namespace

void AFX_engine_x11::run_engine()
{
    AFX_engine::backend& b = *b_;
    timespec last_gui_run;
    clock_gettime(CLOCK_MONOTONIC, &last_gui_run);
    afx_lock rl(b.run_mx);
    b.gui_thread = std::this_thread::get_id();
    int list[AFX_MAX_WINDOWS];

    while (!b.stop) {
        drain_events(engine_, b);

        const int n = snapshot_active(b, list);
        for (int i = 0; i < n; ++i)
            repaint(b, list[i]);

        usleep(1000);

        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        afx_callback_lock cl(b.callback_mx);
        const int interval = b.gui_interval;
        if (interval != 0 && AFX_engine::diff_time(last_gui_run, now) > interval) {
            run_gui_updates(b, list, snapshot_active(b, list));
            last_gui_run = now;
        }
    }

    shutdown_windows(b);
    b.gui_thread = std::thread::id{};
    b.stop = false;
}

void AFX_engine_x11::stop_engine() { b_->stop = true; }

void AFX_engine_windows::set_gui_update_interval(int ms) { b_->gui_interval = ms; }

int AFX_engine_windows::get_gui_update_interval() const { return b_->gui_interval; }
