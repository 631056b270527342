// effEditOpen to the first full paint, timed from the host's side: the
// plug-in library is loaded as a host loads it, its editor opened in our
// parent window, and the window's pixels compared with a settled open.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "plugin_host.h"
#include "bench_screen.h"  // Xlib last: its macros clash with the headers above
#include <X11/Xutil.h>

namespace {

using Clock = std::chrono::steady_clock;

// Evenly spaced rows of the window: one full paint shows in every one.
constexpr int kSampleRows = 32;

bool sample(XSession& x, Window w, int width, int height, std::vector<unsigned long>& out)
{
    out.clear();
    for (int i = 0; i < kSampleRows; ++i) {
        const int y = i * (height - 1) / (kSampleRows - 1);
        XImage* img = XGetImage(x.display(), w, 0, y, width, 1, AllPlanes, ZPixmap);
        if (!img)
            return false;
        for (int px = 0; px < width; ++px)
            out.push_back(XGetPixel(img, px, 0) & 0xffffff);
        XDestroyImage(img);
    }
    return true;
}

Window first_child(XSession& x, Window parent)
{
    const std::vector<Window> c = x.children(parent);
    return c.empty() ? 0 : c.front();
}

void close_editor(PluginInstance& p, XSession& x, Window parent)
{
    p.dispatch(effEditClose);
    wait_until([&] { return x.children(parent).empty(); });
}

void BM_EditOpenToFirstFullPaint(benchmark::State& state)
{
    const float ui = static_cast<float>(state.range(0));
    const std::string dpi = std::to_string(state.range(1));
    XSession& x = bench_session();
    if (!x.ok()) {
        state.SkipWithError("no Xvfb");
        return;
    }
    // The display scale is measured once per loaded library.
    setenv("QELM_UI_DPI", dpi.c_str(), 1);
    PluginLibrary lib(VLT_PLUGIN_PATH);
    PluginInstance p(lib);
    p.set_parameter(7, ui);
    int width = 0, height = 0;
    p.editor_rect(&width, &height);
    const int expect = static_cast<int>(468.0f * static_cast<float>(state.range(1)) / 96.0f + 0.5f);
    if (width != expect) {
        state.SkipWithError("the library kept an earlier display scale");
        return;
    }
    const Window parent = x.make_parent(0, 0, width, height);

    // What a settled editor shows.
    std::vector<unsigned long> settled, now;
    p.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const Window first = first_child(x, parent);
    if (!first || !sample(x, first, width, height, settled)) {
        state.SkipWithError("the editor did not open");
        return;
    }
    close_editor(p, x, parent);

    for (auto _ : state) {
        const auto start = Clock::now();
        std::thread host([&] { p.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)); });
        bool painted = false;
        while (!painted && Clock::now() - start < std::chrono::seconds(3)) {
            const Window w = first_child(x, parent);
            painted = w && sample(x, w, width, height, now) && now == settled;
        }
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        host.join();  // effEditOpen itself returns 250 ms after the start
        close_editor(p, x, parent);
        if (!painted) {
            state.SkipWithError("no full paint within 3 s");
            break;
        }
    }
    x.destroy(parent);
    state.counters["width"] = width;
    state.counters["height"] = height;
}
BENCHMARK(BM_EditOpenToFirstFullPaint)
    ->ArgNames({"ui", "dpi"})
    ->Args({0, 96})
    ->Args({1, 96})
    ->Args({0, 192})
    ->Args({1, 192})
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
