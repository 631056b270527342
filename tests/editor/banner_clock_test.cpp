#include "banner_clock.h"

#include <gtest/gtest.h>

namespace vlt::editor {
namespace {

using Event = BannerClock::Event;

struct Timeline {
    int version_at = -1, blank_at = -1, events = 0;
};

Timeline run(BannerClock& c, int ticks)
{
    Timeline t;
    for (int i = 1; i <= ticks; ++i) {
        const Event e = c.tick(false);
        t.events += e != Event::kNone;
        if (e == Event::kShowVersion)
            t.version_at = i;
        if (e == Event::kBlank)
            t.blank_at = i;
    }
    return t;
}

// In both tick periods a value shows 2.5 s and a status press blanks after
// 2.5 s; the version line lasts 20 s at 50 ms ticks, 22.5 s at 20 ms.
TEST(BannerClock, TextThenVersionThenBlankInEachBuildsTicks)
{
    struct Case {
        const EditorBuild* build;
        int tick_ms, version_at, blank_at, status_blank_at;
    } const cases[] = {
        {&kLinuxVst2Build, 50, 50, 450, 50},
        {&kWindowsAaxBuild, 50, 50, 450, 50},
        {&kCocoaAuBuild, 20, 125, 1250 - 125, 125},
    };
    for (const Case& k : cases) {
        BannerClock c(k.build->banner);
        EXPECT_EQ(c.timing().tick_ms, k.tick_ms);
        c.show();
        const Timeline t = run(c, 2000);
        EXPECT_EQ(t.version_at, k.version_at) << k.build->host->format;
        EXPECT_EQ(t.version_at * k.tick_ms, 2500);
        EXPECT_EQ(t.blank_at, k.blank_at);
        EXPECT_EQ(c.remaining(), 0);

        c.show_status();  // the status press: no version line, only the blank
        const Timeline s = run(c, 2000);
        EXPECT_EQ(s.events, 1);
        EXPECT_EQ(s.blank_at, k.status_blank_at);
        EXPECT_EQ(s.blank_at * k.tick_ms, 2500);
    }
}

TEST(BannerClock, HeldBannerPausesTheCount)
{
    BannerClock c(kTimerTicks50ms);
    c.set(460);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(c.tick(true), Event::kNone);
    EXPECT_EQ(c.remaining(), 460);
    for (int i = 0; i < 9; ++i)
        c.tick(false);
    EXPECT_EQ(c.tick(false), Event::kShowVersion);
}

}  // namespace
}  // namespace vlt::editor
