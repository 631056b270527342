#include "banner_clock.h"

namespace vlt::editor {

BannerClock::Event BannerClock::tick(bool held)
{
    if (held)
        return Event::kNone;
    int t = ticks_.load(std::memory_order_relaxed);
    // A host thread may restart the clock meanwhile; its value wins.
    do {
        if (t <= 0)
            return Event::kNone;
    } while (!ticks_.compare_exchange_weak(t, t - 1, std::memory_order_relaxed));
    if (t - 1 == timing_.version_at)
        return Event::kShowVersion;
    if (t - 1 == timing_.blank_at)
        return Event::kBlank;
    return Event::kNone;
}

}  // namespace vlt::editor
