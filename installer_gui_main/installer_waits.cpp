#include "installer_waits.h"

#include <time.h>
#include <unistd.h>

#include <cstdlib>

#include "installer_run_state.h"

namespace {

bool aborted() { return run_flags().abort_requested.load() != 0; }

long long now_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int pause_percent()
{
#if defined(QELM_INSTALLER_TEST_BUILD)
    static const int percent = [] {
        const char* v = std::getenv("QELM_INSTALLER_TEST_PAUSE_PERCENT");
        const int p = v ? std::atoi(v) : 100;
        return p >= 0 && p <= 100 ? p : 100;
    }();
    return percent;
#else
    return 100;
#endif
}

}  // namespace

int calibrate_sleep_tick()
{
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (int i = 0; i < 50; ++i)
        usleep(1000);
    clock_gettime(CLOCK_MONOTONIC, &end);
    // Whole intervals, seconds included: a run that crosses a second boundary
    // must not read as negative.
    const long long elapsed_ns =
        (static_cast<long long>(end.tv_sec) - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec);
    const int tick = static_cast<int>(elapsed_ns / 1000000 / 50);
    return tick > 0 ? tick : 1;
}

bool wait_seconds(int n, int tick_ms)
{
    const int sleeps = flow_pause_length(n * 1000) / (tick_ms > 0 ? tick_ms : 1);
    for (int i = 0; i < sleeps; ++i) {
        if (aborted())
            return false;
        usleep(1000);
    }
    return !aborted();
}

bool wait_for_flag(const std::atomic<int>& flag)
{
    for (;;) {
        if (flag.load())
            return true;
        if (aborted())
            return false;
        usleep(10000);
    }
}

bool wait_for_either(const std::atomic<int>& a, const std::atomic<int>& b)
{
    for (;;) {
        if (a.load() || b.load())
            return true;
        if (aborted())
            return false;
        usleep(10000);
    }
}

bool pause_ms(int ms)
{
    const long long end = now_ms() + flow_pause_length(ms);
    while (now_ms() < end) {
        if (aborted())
            return false;
        usleep(1000);
    }
    return !aborted();
}

int flow_pause_length(int ms) { return static_cast<int>(static_cast<long long>(ms) * pause_percent() / 100); }
