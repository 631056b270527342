// Times the Windows editor at the screen's DPI: the effEditOpen call, and
// effEditOpen until its window has finished a paint of all of itself, and one full-window expose
// (the whole window invalidated, then painted at once). Prints the median
// and the fastest of the rounds.
//   win_vst2_bench MODULE.dll [ROUNDS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "scenario_support.h"

namespace {

double now_ms()
{
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool covers_client(HWND w, const RECT& r)
{
    RECT c{};
    GetClientRect(w, &c);
    return r.left <= 0 && r.top <= 0 && r.right >= c.right && r.bottom >= c.bottom;
}

// Runs this thread's messages until the editor's window has painted all of
// itself; the milliseconds since start, or -1 after 5 s.
double until_first_full_paint(HWND frame, double start)
{
    while (now_ms() - start < 5000.0) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        HWND child = editor_child(frame);
        RECT r{};
        const bool full = child && msg.message == WM_PAINT && msg.hwnd == child &&
                          GetUpdateRect(child, &r, FALSE) && covers_client(child, r);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (full)
            return now_ms() - start;
    }
    return -1.0;
}

struct Times {
    double median, fastest;
};

Times summary(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: win_vst2_bench MODULE.dll [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    HostModule m(argv[1]);
    AEffect* e = m.new_instance();
    if (!e) {
        std::printf("FAIL: %s does not load\n", argv[1]);
        return 1;
    }

    std::vector<double> calls, opens;
    for (int i = 0; i < rounds; ++i) {
        HWND frame = make_frame(1000, 1100);
        const double start = now_ms();
        dispatch(e, effEditOpen, 0, 0, frame);
        calls.push_back(now_ms() - start);
        opens.push_back(until_first_full_paint(frame, start));
        dispatch(e, effEditClose);
        DestroyWindow(frame);
        pump(20);
    }

    HWND frame = make_frame(1000, 1100);
    dispatch(e, effEditOpen, 0, 0, frame);
    pump(200);
    HWND child = editor_child(frame);
    if (!child || *std::min_element(opens.begin(), opens.end()) < 0.0) {
        std::printf("FAIL: the editor did not open and paint\n");
        return 1;
    }
    std::vector<double> exposes;
    for (int i = 0; i < rounds * 5; ++i) {
        InvalidateRect(child, nullptr, FALSE);
        const double start = now_ms();
        UpdateWindow(child);
        exposes.push_back(now_ms() - start);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const SIZE size = window_size(child);
    const Times call = summary(calls), open = summary(opens), expose = summary(exposes);
    std::printf("editor %ldx%ld at %d DPI, %d rounds\n", size.cx, size.cy, dpi, rounds);
    std::printf("  effEditOpen call:                   median %.2f ms, fastest %.2f ms\n", call.median,
                call.fastest);
    std::printf("  effEditOpen to first full WM_PAINT: median %.2f ms, fastest %.2f ms\n", open.median,
                open.fastest);
    std::printf("  full-window expose:                 median %.3f ms, fastest %.3f ms\n", expose.median,
                expose.fastest);
    std::fflush(stdout);
    m.unload();
    DestroyWindow(frame);
    return 0;
}
