// X error trapping. Xlib has one error handler for the whole process, and a
// host may run other X clients (its own, other plug-ins) beside ours, so the
// handler only swallows errors of displays that are inside a trapped section
// and passes every other error on to the handler it replaced.
#include "x11_engine_state.h"

#include <cstdio>

namespace {

constexpr int kMaxTraps = 8;

struct trap_entry {
    std::atomic<Display*> display{nullptr};
    std::atomic<int> code{0};
};

std::mutex g_trap_mx;  // trap and untrap; the handler itself is lock-free
trap_entry g_traps[kMaxTraps];
int g_trapping = 0;
std::atomic<XErrorHandler> g_previous{nullptr};
thread_local bool t_in_handler = false;

int afx_error_handler(Display* display, XErrorEvent* error)
{
    for (auto& t : g_traps) {
        if (t.display.load() == display) {
            t.code.store(error->error_code);
            std::fputs("QELM-UI Engine: XErrorHandler trapped non-fatal X11 problem :(\n", stdout);
            std::fflush(stdout);
            return 0;
        }
    }
    // Not ours: the handler we replaced decides. A chain that leads back to
    // us ends here instead of recursing.
    XErrorHandler previous = g_previous.load();
    if (previous == nullptr || t_in_handler)
        return 0;
    t_in_handler = true;
    int r = previous(display, error);
    t_in_handler = false;
    return r;
}

}  // namespace

void afx_trap_errors(Display* display)
{
    std::lock_guard<std::mutex> g(g_trap_mx);
    for (auto& t : g_traps) {
        if (t.display.load() == nullptr) {
            t.code.store(0);
            t.display.store(display);
            break;
        }
    }
    if (g_trapping++ == 0) {
        XErrorHandler previous = XSetErrorHandler(afx_error_handler);
        if (previous != afx_error_handler)
            g_previous.store(previous);
    }
}

int afx_untrap_errors(Display* display)
{
    std::lock_guard<std::mutex> g(g_trap_mx);
    int code = 0;
    for (auto& t : g_traps) {
        if (t.display.load() == display) {
            code = t.code.load();
            t.display.store(nullptr);
            break;
        }
    }
    if (g_trapping > 0 && --g_trapping == 0) {
        // Put the old handler back only when ours is still the one in force;
        // a handler installed after ours stays.
        XErrorHandler current = XSetErrorHandler(g_previous.load());
        if (current != afx_error_handler)
            XSetErrorHandler(current);
    }
    return code;
}

void AFX_engine_x11::trap_errors() { afx_trap_errors(b_->display); }

int AFX_engine_x11::untrap_errors() { return afx_untrap_errors(b_->display); }
