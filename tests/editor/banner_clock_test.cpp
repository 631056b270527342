#include "banner_clock.h"

#include <gtest/gtest.h>

namespace vlt::editor {
namespace {

using Event = BannerClock::Event;

TEST(BannerClock, TextThenVersionThenBlank)
{
    BannerClock c;
    c.set(BannerClock::kShowTicks);
    int version_at = -1, blank_at = -1;
    for (int t = 1; t <= 600; ++t) {
        const Event e = c.tick(false);
        if (e == Event::kShowVersion)
            version_at = t;
        if (e == Event::kBlank)
            blank_at = t;
    }
    EXPECT_EQ(version_at, 50);   // 2.5 s of 50 ms ticks
    EXPECT_EQ(blank_at, 450);    // then 20 s of version
    EXPECT_EQ(c.remaining(), 0);
}

TEST(BannerClock, HeldBannerPausesTheCount)
{
    BannerClock c;
    c.set(460);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(c.tick(true), Event::kNone);
    EXPECT_EQ(c.remaining(), 460);
    for (int i = 0; i < 9; ++i)
        c.tick(false);
    EXPECT_EQ(c.tick(false), Event::kShowVersion);
}

TEST(BannerClock, StatusPressShowsVersionBrieflyOnly)
{
    BannerClock c;
    c.set(BannerClock::kStatusTicks);
    int events = 0, blank_at = -1;
    for (int t = 1; t <= 200; ++t) {
        const Event e = c.tick(false);
        events += e != Event::kNone;
        if (e == Event::kBlank)
            blank_at = t;
    }
    EXPECT_EQ(events, 1);
    EXPECT_EQ(blank_at, 50);
}

}  // namespace
}  // namespace vlt::editor
