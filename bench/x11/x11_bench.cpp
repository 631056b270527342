// Cost of a full window put (plain and monochrome) at scale 1, 2 and 4, and
// the idle engine loop's CPU use, against a private Xvfb.
#include "xvfb_server.h"
#include "afx/x11/afx_engine_x11.h"

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace {

AFX_engine* g_engine = nullptr;

void full_put(benchmark::State& state, bool mono)
{
    const float scale = static_cast<float>(state.range(0));
    const int i = x11_ext(*g_engine).create_new_afx_window(0, 0, 144, 510, scale, nullptr);
    window_ext(*g_engine).show_afx_window(i);
    const int w = window_ext(*g_engine).afx_get_afx_window_width(i),
              h = window_ext(*g_engine).afx_get_afx_window_height(i);
    afx_image* im = g_engine->afx_pixmap_create_fixed(w, h, 112, 112, 112, 20, 1, 8, 1);
    for (auto _ : state) {
        if (mono)
            window_ext(*g_engine).afx_draw_afx_drawable_mono(i, im, 0, 0, 0, 0, w, h, scale);
        else
            window_ext(*g_engine).afx_draw_afx_drawable(i, im, 0, 0, 0, 0, w, h);
        x11_ext(*g_engine).afx_lock_display();
        XSync(x11_ext(*g_engine).get_xdisplay(), False);  // count the server's work too
        x11_ext(*g_engine).afx_unlock_display();
    }
    state.SetItemsProcessed(state.iterations() * w * h);
    g_engine->afx_pixmap_destroy(im);
    window_ext(*g_engine).destroy_afx_window(i);
}

void BM_FullPut(benchmark::State& state) { full_put(state, false); }
void BM_FullPutMono(benchmark::State& state) { full_put(state, true); }
BENCHMARK(BM_FullPut)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullPutMono)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// CPU seconds the loop thread uses per wall second with no window open.
void BM_IdleLoopCpu(benchmark::State& state)
{
    for (auto _ : state) {
        clockid_t cpu_clock;
        double used = 0;
        std::thread loop([&] {
            pthread_getcpuclockid(pthread_self(), &cpu_clock);
            x11_ext(*g_engine).run_engine();
            timespec t;
            clock_gettime(cpu_clock, &t);
            used = t.tv_sec + t.tv_nsec / 1e9;
        });
        std::this_thread::sleep_for(std::chrono::seconds(1));
        x11_ext(*g_engine).stop_engine();
        loop.join();
        state.counters["cpu_per_second"] = used;
    }
}
BENCHMARK(BM_IdleLoopCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    XvfbServer server(XvfbServer::options{});
    if (!server.running())
        return 1;
    ScopedDisplay display(server.display_name());
    AFX_engine engine;
    if (!x11_ext(engine).open_display_connection())
        return 1;
    g_engine = &engine;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    x11_ext(engine).close_display_connection();
    return 0;
}
