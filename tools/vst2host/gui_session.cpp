#include "gui_session.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "top_window.h"

namespace vst2host {

namespace {

using Clock = std::chrono::steady_clock;

// The host's audio thread: the test tone, looped, in real time.
void play(const PluginInstance& plugin, const GuiSettings& s, const std::atomic<bool>& stop)
{
    const AudioBuffer tone = make_test_signal(s.rate, 4.0);
    const int32_t block = std::max<int32_t>(s.block, 1);
    std::vector<float> in_l(block), in_r(block), out_l(block), out_r(block);
    float* inputs[2] = {in_l.data(), in_r.data()};
    float* outputs[2] = {out_l.data(), out_r.data()};
    AEffect* e = plugin.effect();
    const auto period = std::chrono::duration<double>(static_cast<double>(block) / s.rate);
    auto next = Clock::now();
    long pos = 0;
    while (!stop) {
        for (int32_t i = 0; i < block; ++i, pos = (pos + 1) % tone.frames()) {
            in_l[i] = tone.left[pos];
            in_r[i] = tone.right[pos];
        }
        e->processReplacing(e, inputs, outputs, block);
        next += std::chrono::duration_cast<Clock::duration>(period);
        std::this_thread::sleep_until(next);
    }
}

}  // namespace

int run_gui(const PluginInstance& plugin, HostLog& log, const GuiSettings& s)
{
    if (!(plugin.effect()->flags & effFlagsHasEditor)) {
        std::fprintf(stderr, "vst2host: the plug-in has no editor\n");
        return 1;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "vst2host: cannot open the X display (is DISPLAY set?)\n");
        return 1;
    }
    int width = 0, height = 0;
    plugin.editor_size(width, height);
    int status = 0;
    {
        TopWindow top(d, std::max(width, 1), std::max(height, 1));
        // The editor asks for a new size from its own thread; this loop owns
        // the display connection, so the request waits here.
        std::mutex size_mutex;
        std::optional<std::pair<int, int>> requested;
        log.on_size_window = [&](int32_t w, intptr_t h) {
            std::lock_guard<std::mutex> lock(size_mutex);
            requested = {w, static_cast<int>(h)};
            return true;
        };
        plugin.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(top.id()));

        std::atomic<bool> stop{false};
        std::thread audio(play, std::cref(plugin), std::cref(s), std::cref(stop));
        const auto start = Clock::now();
        while (top.pump()) {
            std::optional<std::pair<int, int>> size;
            {
                std::lock_guard<std::mutex> lock(size_mutex);
                size.swap(requested);
            }
            if (size)
                top.resize(size->first, size->second);
            plugin.dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const std::chrono::duration<double> up = Clock::now() - start;
            if (s.seconds > 0 && up.count() >= s.seconds)
                break;
        }
        if (!s.screenshot.empty() && !top.save_png(s.screenshot)) {
            std::fprintf(stderr, "vst2host: could not write %s\n", s.screenshot.c_str());
            status = 1;
        }
        stop = true;
        audio.join();
        plugin.dispatch(effEditClose);
        log.on_size_window = nullptr;
    }
    XCloseDisplay(d);
    return status;
}

}  // namespace vst2host
