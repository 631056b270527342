#include "stepped_loop.h"

#include <X11/Xlib.h>
#include <dlfcn.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <mutex>

namespace {

std::atomic<bool> g_on{false};
pthread_t g_main;
std::mutex g_mutex;
long g_now_ns = 0;    // the library's clock while stepping
long g_arrivals = 0;  // waits the GUI thread has entered
long g_releases = 0;  // waits it may leave

// The C library's own functions, found behind ours.
template <typename F>
F next_definition(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int real_clock(clockid_t id, timespec* ts) { return static_cast<int>(syscall(SYS_clock_gettime, id, ts)); }

void real_sleep_us(long us)
{
    timespec t{us / 1000000, (us % 1000000) * 1000};
    while (syscall(SYS_nanosleep, &t, &t) != 0) {
    }
}

long real_ms()
{
    timespec t{};
    real_clock(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

bool on_main_thread() { return pthread_equal(pthread_self(), g_main) != 0; }

// Waits (in real time, bounded) until the GUI thread sits in its wait
// with nothing more released.
bool wait_parked()
{
    const long give_up = real_ms() + 20000;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            if (g_arrivals > g_releases)
                return true;
        }
        if (real_ms() > give_up)
            return false;
        real_sleep_us(100);
    }
}

}  // namespace

namespace vst2host::stepped {

void start()
{
    g_main = pthread_self();
    std::lock_guard<std::mutex> lock(g_mutex);
    g_now_ns = 1000L * 1000000000L;
    g_arrivals = g_releases = 0;
    g_on = true;
}

void stop()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_on = false;
}

bool running() { return g_on; }

void advance_ms(int ms)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_now_ns += static_cast<long>(ms) * 1000000L;
}

bool run_rounds(int n)
{
    if (!g_on)
        return true;  // the loop runs by itself again
    for (int i = 0; i < n; ++i) {
        if (!wait_parked())
            return false;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            g_releases = g_arrivals;
        }
        if (!wait_parked())
            return false;
    }
    return true;
}

}  // namespace vst2host::stepped

// --- the definitions the plug-in's library binds to ------------------------------
// (visible, whatever the tree's default visibility)
#define VLT_BOUND_HERE extern "C" __attribute__((visibility("default")))

VLT_BOUND_HERE int clock_gettime(clockid_t id, timespec* ts)
{
    if (!g_on || id != CLOCK_MONOTONIC)
        return real_clock(id, ts);
    std::lock_guard<std::mutex> lock(g_mutex);
    ts->tv_sec = g_now_ns / 1000000000L;
    ts->tv_nsec = g_now_ns % 1000000000L;
    return 0;
}

VLT_BOUND_HERE int usleep(useconds_t us)
{
    if (!g_on) {
        real_sleep_us(static_cast<long>(us));
        return 0;
    }
    // The host's own waits (the editor's open waits for its first paints)
    // are the rounds the capture runs instead.
    if (on_main_thread())
        return 0;
    long mine = 0;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        mine = ++g_arrivals;
    }
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            if (!g_on || g_releases >= mine)
                return 0;
        }
        real_sleep_us(50);
    }
}

VLT_BOUND_HERE int XPending(Display* d)
{
    using Pending = int (*)(Display*);
    static const Pending real = next_definition<Pending>("XPending");
    // A round trip first: what the X server has sent this connection by now
    // (the capture's pointer events, the library's own repaint requests) is
    // then in its queue, so each round reads the same events.
    if (g_on && !on_main_thread())
        XSync(d, False);
    return real(d);
}
