// The Cocoa window glue without a display: what only the glue does (view
// sizes, the panel's origin, the backing scale, events read in view points:
// the device's delta, the second release as a double click), through a
// recording host and screen side. The behaviour behind it is the editor
// core's, tested over every build row in tests/editor.
#include <gtest/gtest.h>

#include "core_fixture.h"

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

TEST(CocoaEditorWindowSize, SetScaleCentresThePanel)
{
    CoreFixture f;
    EXPECT_EQ(f.core.x_pos(), 162);
    f.core.set_scale(2.0f);
    EXPECT_EQ(f.core.x_pos(), 90);
    EXPECT_EQ(f.core.y_pos(), 0);
}

TEST(CocoaEditorWindowSize, BackingScalesOutside1To2AreTakenAs1)
{
    for (double s : {3.0, 0.5, 1.0})
        EXPECT_EQ(CoreFixture(s).core.view_pixmap()->width, 468) << s;
    CoreFixture two(2.0);
    EXPECT_EQ(two.core.view_pixmap()->width, 936);
    two.core.backing_scale_changed(3.0);
    EXPECT_EQ(two.core.backing_scale(), 1.0);
    EXPECT_EQ(two.core.view_pixmap()->width, 468);
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
    CoreFixture f;
    PointerEvent e = f.at_centre(kThresholdKnob);
    f.core.press(e);
    e.delta_y = -6;  // the device moved up; the pointer did not
    f.core.drag(e);
    EXPECT_GT(f.core.value(kThresholdKnob), 0.0f);
}

TEST(CocoaEditorWindowInput, DoubleClickResetsTheKnobAsOneGesture)
{
    CoreFixture f;
    f.core.host_value(C::kInGain, 1.0f);
    const PointerEvent e = f.at_centre(kInGainKnob, 2);
    f.core.press(e);
    f.sink.edits.clear();
    f.core.release(e);
    EXPECT_EQ(f.core.value(kInGainKnob), 33.0f);
    ASSERT_GE(f.sink.edits.size(), 3u);
    EXPECT_EQ(f.sink.edits[0], (Edit{'b', C::kInGain, 0}));
    EXPECT_EQ(f.sink.edits[1], (Edit{'s', C::kInGain, 33.0f / 99.0f}));
    EXPECT_EQ(f.sink.edits[2], (Edit{'e', C::kInGain, 0}));
    EXPECT_STREQ(f.core.banner_text(), "In Gain 0.0 dB");
}

}  // namespace
}  // namespace vlt::editor::test
