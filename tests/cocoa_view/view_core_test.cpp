// The Cocoa window glue without a display: what only the glue does (view
// sizes, the panel's origin, the backing scale, events read in view points:
// the device's delta, the second release as a double click), through a
// recording host and screen side. The behaviour behind it is the editor
// core's, tested over every build row in tests/editor.
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace vlt::editor::test {
namespace {

using C = Control;

TEST(CocoaEditorWindowSize, UiSizeSetsViewSizeMagnificationAndPanelOrigin)
{
    struct Case {
        float ui;
        int width, height, x_pos;
        float mag;
    } cases[] = {{0.0f, 468, 510, 162, 1.0f}, {1.0f, 468, 1020, 90, 2.0f}, {0.5f, 468, 765, 126, 1.5f}};
    for (const Case& c : cases) {
        WindowFixture f;
        f.window.host_value(C::kUiSize, c.ui);
        f.window.apply_ui_size();
        EXPECT_EQ(f.window.width(), c.width) << c.ui;
        EXPECT_EQ(f.window.height(), c.height) << c.ui;
        EXPECT_EQ(f.window.x_pos(), c.x_pos) << c.ui;
        EXPECT_FLOAT_EQ(f.window.magnification(), c.mag) << c.ui;
        EXPECT_EQ(f.surface.frame_w, c.width);
        EXPECT_EQ(f.surface.frame_h, c.height);
        EXPECT_EQ(f.window.view_pixmap()->height, c.height);
    }
}

TEST(CocoaEditorWindowSize, SetScaleCentresThePanel)
{
    WindowFixture f;
    EXPECT_EQ(f.window.x_pos(), 162);
    f.window.set_scale(2.0f);
    EXPECT_EQ(f.window.x_pos(), 90);
    EXPECT_EQ(f.window.y_pos(), 0);
}

TEST(CocoaEditorWindowSize, BackingScalesOutside1To2AreTakenAs1)
{
    for (double s : {3.0, 0.5, 1.0})
        EXPECT_EQ(WindowFixture(s).window.view_pixmap()->width, 468) << s;
    WindowFixture two(2.0);
    EXPECT_EQ(two.window.view_pixmap()->width, 936);
    two.window.backing_scale_changed(3.0);
    EXPECT_EQ(two.window.backing_scale(), 1.0);
    EXPECT_EQ(two.window.view_pixmap()->width, 468);
}

// The glue's surface: open draws and opens the core and goes into the
// parent view it is given; close leaves the panel alone from then on.
TEST(CocoaEditorWindowSurface, OpenEmbedsInItsParentAndCloseStopsTheRedraws)
{
    RecordingHost host;
    RecordingSurface surface;
    CocoaEditorWindow window(kCocoaAuBuild, host, surface, 468, 510, 1.0);
    EXPECT_FALSE(window.is_open());
    EXPECT_EQ(window.panel_pixmap(), nullptr);
    ASSERT_TRUE(window.open(0x1234));
    EXPECT_TRUE(window.is_open());
    EXPECT_EQ(surface.parent, 0x1234u);
    EXPECT_NE(window.panel_pixmap(), nullptr);
    window.host_value(C::kRatio, 1.0f);
    EXPECT_EQ(surface.invalidated, 1);
    window.close();
    EXPECT_FALSE(window.is_open());
    window.host_value(C::kRatio, 0.0f);
    EXPECT_EQ(surface.invalidated, 1);
}

TEST(CocoaEditorWindowInput, AStillPointerDragsByTheEventsOwnDelta)
{
    WindowFixture f;
    PointerEvent e = f.at_centre(kThresholdKnob);
    f.window.press(e);
    e.delta_y = -6;  // the device moved up; the pointer did not
    f.window.drag(e);
    EXPECT_GT(f.window.value(kThresholdKnob), 0.0f);
}

TEST(CocoaEditorWindowInput, DoubleClickResetsTheKnobAsOneGesture)
{
    WindowFixture f;
    f.window.host_value(C::kInGain, 1.0f);
    const PointerEvent e = f.at_centre(kInGainKnob, 2);
    f.window.press(e);
    f.host.edits.clear();
    f.window.release(e);
    EXPECT_EQ(f.window.value(kInGainKnob), 33.0f);
    ASSERT_GE(f.host.edits.size(), 3u);
    EXPECT_EQ(f.host.edits[0], (Edit{'b', C::kInGain, 0}));
    EXPECT_EQ(f.host.edits[1], (Edit{'s', C::kInGain, 33.0f / 99.0f}));
    EXPECT_EQ(f.host.edits[2], (Edit{'e', C::kInGain, 0}));
    EXPECT_STREQ(f.window.banner_text(), "In Gain 0.0 dB");
}

}  // namespace
}  // namespace vlt::editor::test
