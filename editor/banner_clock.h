#pragma once
// How long the banner shows a text, counted in GUI ticks; the counts are
// the build's (EditorBuild::banner).
#include <atomic>

#include "editor_build.h"

namespace vlt::editor {

class BannerClock {
public:
    enum class Event { kNone, kShowVersion, kBlank };

    explicit BannerClock(const BannerTiming& timing) : timing_(timing) {}

    const BannerTiming& timing() const { return timing_; }
    void show() { set(timing_.show_ticks); }
    void show_status() { set(timing_.status_ticks); }
    // Written from host threads (program changes) and the GUI thread.
    void set(int ticks) { ticks_.store(ticks, std::memory_order_relaxed); }
    int remaining() const { return ticks_.load(std::memory_order_relaxed); }

    // One GUI tick; nothing counts while the banner is held by the mouse.
    Event tick(bool held);

private:
    const BannerTiming timing_;
    std::atomic<int> ticks_{0};
};

}  // namespace vlt::editor
