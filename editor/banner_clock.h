#pragma once
// How long the banner shows a text: counted in 50 ms GUI ticks. A fresh
// text stays 2.5 s, then the version line for 20 s, then a blank line.
#include <atomic>

namespace vlt::editor {

class BannerClock {
public:
    static constexpr int kShowTicks = 500;
    static constexpr int kVersionAt = 450;
    static constexpr int kBlankAt = 50;
    static constexpr int kStatusTicks = 100;  // the status press: version only 2.5 s

    enum class Event { kNone, kShowVersion, kBlank };

    // Written from host threads (program changes) and the GUI thread.
    void set(int ticks) { ticks_.store(ticks, std::memory_order_relaxed); }
    int remaining() const { return ticks_.load(std::memory_order_relaxed); }

    // One GUI tick; nothing counts while the banner is held by the mouse.
    Event tick(bool held);

private:
    std::atomic<int> ticks_{0};
};

}  // namespace vlt::editor
