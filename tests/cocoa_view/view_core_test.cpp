// The view core without a display: sizes and scales, gestures, host values,
// power and banner timing, through a recording sink and screen side.
#include <gtest/gtest.h>

#include "core_fixture.h"

namespace vlt::mac::test {
namespace {

using editor::Widget;
using C = Control;

TEST(CocoaViewCoreSize, UiSizeSetsViewSizeMagnificationAndPanelOrigin)
{
    struct Case {
        float ui;
        int width, height, x_pos;
        float mag;
    } cases[] = {{0.0f, 468, 510, 162, 1.0f}, {1.0f, 468, 1020, 90, 2.0f}, {0.5f, 468, 765, 126, 1.5f}};
    for (const Case& c : cases) {
        CoreFixture f;
        f.core.host_value(C::kUiSize, c.ui);
        f.core.apply_ui_size();
        EXPECT_EQ(f.core.width(), c.width) << c.ui;
        EXPECT_EQ(f.core.height(), c.height) << c.ui;
        EXPECT_EQ(f.core.x_pos(), c.x_pos) << c.ui;
        EXPECT_FLOAT_EQ(f.core.magnification(), c.mag) << c.ui;
        EXPECT_EQ(f.surface.frame_w, c.width);
        EXPECT_EQ(f.surface.frame_h, c.height);
        EXPECT_EQ(f.core.view_pixmap()->height, c.height);
    }
}

TEST(CocoaViewCoreSize, SetScaleCentresThePanel)
{
    CoreFixture f;
    EXPECT_EQ(f.core.x_pos(), 162);
    f.core.set_scale(2.0f);
    EXPECT_EQ(f.core.x_pos(), 90);
    EXPECT_EQ(f.core.y_pos(), 0);
}

TEST(CocoaViewCoreSize, BackingScalesOutside1To2AreTakenAs1)
{
    for (double s : {3.0, 0.5, 1.0})
        EXPECT_EQ(CoreFixture(s).core.view_pixmap()->width, 468) << s;
    CoreFixture two(2.0);
    EXPECT_EQ(two.core.view_pixmap()->width, 936);
    two.core.backing_scale_changed(3.0);
    EXPECT_EQ(two.core.backing_scale(), 1.0);
    EXPECT_EQ(two.core.view_pixmap()->width, 468);
}

TEST(CocoaViewCoreGesture, KnobDragIsFramedByBeginAndTheReleaseEndsEveryGesture)
{
    CoreFixture f;
    PointerEvent e = f.at_centre(editor::kRatioKnob);
    f.core.press(e);
    e.y -= 10;  // upwards
    f.core.drag(e);
    const float dragged = f.core.value(editor::kRatioKnob);
    EXPECT_GT(dragged, 0.0f);
    f.core.release(e);
    const std::vector<Edit> want = {
        {'b', C::kRatio, 0},     {'s', C::kRatio, dragged / 99.0f}, {'e', C::kInGain, 0},
        {'e', C::kThreshold, 0}, {'e', C::kAttack, 0},              {'e', C::kRelease, 0},
        {'e', C::kRatio, 0},     {'e', C::kMakeup, 0},              {'e', C::kEffect, 0},
        {'e', C::kPower, 0}};
    EXPECT_EQ(f.sink.edits, want);
    EXPECT_FALSE(f.core.focused(editor::kRatioKnob));
}

TEST(CocoaViewCoreGesture, AStillPointerDragsByTheEventsOwnDelta)
{
    CoreFixture f;
    PointerEvent e = f.at_centre(editor::kThresholdKnob);
    f.core.press(e);
    e.delta_y = -6;  // the device moved up; the pointer did not
    f.core.drag(e);
    EXPECT_GT(f.core.value(editor::kThresholdKnob), 0.0f);
}

TEST(CocoaViewCoreGesture, AHostValueDuringADragIsDropped)
{
    CoreFixture f;
    PointerEvent e = f.at_centre(editor::kMakeupKnob);
    f.core.press(e);
    f.core.host_value(C::kMakeup, 1.0f);
    EXPECT_EQ(f.core.value(editor::kMakeupKnob), 0.0f);
    f.core.release(e);
    f.core.host_value(C::kMakeup, 1.0f);
    EXPECT_EQ(f.core.value(editor::kMakeupKnob), 99.0f);
}

TEST(CocoaViewCoreGesture, DoubleClickResetsTheKnobAsOneGesture)
{
    CoreFixture f;
    f.core.host_value(C::kInGain, 1.0f);
    const PointerEvent e = f.at_centre(editor::kInGainKnob, 2);
    f.core.press(e);
    f.sink.edits.clear();
    f.core.release(e);
    EXPECT_EQ(f.core.value(editor::kInGainKnob), 33.0f);
    ASSERT_GE(f.sink.edits.size(), 3u);
    EXPECT_EQ(f.sink.edits[0], (Edit{'b', C::kInGain, 0}));
    EXPECT_EQ(f.sink.edits[1], (Edit{'s', C::kInGain, 33.0f / 99.0f}));
    EXPECT_EQ(f.sink.edits[2], (Edit{'e', C::kInGain, 0}));
    EXPECT_STREQ(f.core.banner_text(), "In Gain 0.0 dB");
}

TEST(CocoaViewCoreGesture, DoubleClickOnEmptySpaceResetsTheUiSize)
{
    CoreFixture f(1.0, 1020);
    f.core.host_value(C::kUiSize, 1.0f);
    const PointerEvent e = f.at_panel(10, 480, 2);
    f.core.press(e);
    f.core.release(e);
    EXPECT_EQ(f.sink.edits.back(), (Edit{'s', C::kUiSize, 0.0f}));
    EXPECT_EQ(f.surface.frame_h, 510);
    EXPECT_EQ(f.core.ui_size(), 0.0f);
}

TEST(CocoaViewCoreGesture, WheelStepsAKnobAsACompleteGesture)
{
    CoreFixture f;
    const PointerEvent e = f.at_centre(editor::kAttackKnob);
    f.core.wheel(e, 0.0);  // a purely horizontal scroll
    EXPECT_TRUE(f.sink.edits.empty());
    f.core.wheel(e, 1.0);
    const float v = f.core.value(editor::kAttackKnob);
    EXPECT_GT(v, 0.0f);
    const std::vector<Edit> want = {{'b', C::kAttack, 0}, {'s', C::kAttack, v / 99.0f}, {'e', C::kAttack, 0}};
    EXPECT_EQ(f.sink.edits, want);
    EXPECT_FALSE(f.core.focused(editor::kAttackKnob));
    f.core.wheel(e, -1.0);
    EXPECT_EQ(f.core.value(editor::kAttackKnob), 0.0f);
}

TEST(CocoaViewCoreGesture, ResizeDragGrowsWithTravelAndIgnoresSmallSteps)
{
    CoreFixture f;
    PointerEvent e;
    e.x = 460;
    e.y = 505;
    f.core.press(e);
    ASSERT_TRUE(f.core.resize_dragging());
    e.delta_y = 0.5;
    f.core.drag(e);
    EXPECT_EQ(f.core.ui_size(), 0.0f);
    e.delta_y = 102;  // a fifth of the view's height: a quarter of the range
    f.core.drag(e);
    EXPECT_NEAR(f.core.ui_size(), 0.25f, 1e-6);
    EXPECT_EQ(f.surface.frame_h, 638);
    e.delta_y = -2000;
    f.core.drag(e);
    EXPECT_EQ(f.core.ui_size(), 0.0f);
    f.core.host_value(C::kUiSize, 1.0f);  // ignored during the drag
    EXPECT_EQ(f.core.ui_size(), 0.0f);
}

TEST(CocoaViewCorePower, PowerOffGreysTheViewAndSilencesValueTexts)
{
    CoreFixture f;
    const PointerEvent e = f.at_centre(editor::kPowerButton);
    f.core.press(e);
    EXPECT_TRUE(f.core.mono());
    EXPECT_STREQ(f.core.banner_text(), " Power Off ");
    EXPECT_EQ(f.sink.edits[1], (Edit{'s', C::kPower, 0.0f}));
    f.core.release(e);
    f.core.wheel(f.at_centre(editor::kThresholdKnob), 1.0);
    EXPECT_STREQ(f.core.banner_text(), " Power Off ");  // the text stays
    f.core.host_value(C::kPower, 1.0f);
    EXPECT_FALSE(f.core.mono());
}

TEST(CocoaViewCoreBanner, ValueTextThenVersionThenBlank)
{
    CoreFixture f;
    f.core.wheel(f.at_centre(editor::kThresholdKnob), 1.0);
    const std::string value_text = f.core.banner_text();
    EXPECT_EQ(value_text.rfind("Thresh", 0), 0u);
    for (int i = 0; i < 124; ++i)
        f.core.tick();
    EXPECT_EQ(f.core.banner_text(), value_text);
    f.core.tick();
    EXPECT_STREQ(f.core.banner_text(), "VLT650  V2.3.1");
    for (int i = 0; i < 999; ++i)  // 22.5 s of version text in all
        f.core.tick();
    EXPECT_STREQ(f.core.banner_text(), "VLT650  V2.3.1");
    f.core.tick();
    EXPECT_EQ(std::string(f.core.banner_text()).find_first_not_of(' '), std::string::npos);
}

TEST(CocoaViewCoreBanner, HeldBannerPausesTheCountdown)
{
    CoreFixture f;
    const PointerEvent e = f.at_centre(editor::kBanner);
    f.core.press(e);
    const int before = f.core.banner_ticks();
    f.core.tick();
    EXPECT_EQ(f.core.banner_ticks(), before);
    f.core.release(e);
    f.core.tick();
    EXPECT_EQ(f.core.banner_ticks(), before - 1);
}

TEST(CocoaViewCoreBanner, StatusShowsTheVersionAndGoesOffAfterTwoAndAHalfSeconds)
{
    CoreFixture f;
    const PointerEvent e = f.at_centre(editor::kStatusButton);
    f.core.press(e);
    f.core.release(e);
    EXPECT_EQ(f.core.value(editor::kStatusButton), 99.0f);
    EXPECT_EQ(f.core.banner_ticks(), 250);
    for (int i = 0; i < 125; ++i)
        f.core.tick();
    EXPECT_EQ(f.core.value(editor::kStatusButton), 0.0f);
}

TEST(CocoaViewCoreHost, MeterAndSwitchFollowTheHost)
{
    CoreFixture f;
    f.core.host_value(C::kMeter, 1.0f);
    EXPECT_EQ(f.core.value(editor::kMeter), 99.0f);
    f.core.host_value(C::kMeter, 0.0f);
    EXPECT_EQ(f.core.value(editor::kMeter), 0.0f);
    f.core.host_value(C::kEffect, 1.0f);
    EXPECT_EQ(f.core.value(editor::kEffectSwitch), 99.0f);
}

TEST(CocoaViewCoreHost, AClickTheFormatTakesIsLeftAlone)
{
    CoreFixture f;
    f.sink.take_clicks = true;
    f.core.press(f.at_centre(editor::kEffectSwitch));
    EXPECT_EQ(f.core.value(editor::kEffectSwitch), 0.0f);
    EXPECT_TRUE(f.sink.edits.empty());
}

}  // namespace
}  // namespace vlt::mac::test
