#include "editor_layout.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace vlt::editor {
namespace {

struct SizeCase {
    float ui, dpi;
    int width, height, x_offset;
    float scale;
};

TEST(SizeRule, WindowIsAlwaysWideAndPanelCentred)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const SizeCase cases[] = {
        {0.0f, 1.0f, 468, 510, 162, 1.0f},
        {1.0f, 1.0f, 468, 1020, 90, 2.0f},
        {0.0f, 1.5f, 702, 765, 243, 1.5f},
        {1.0f, 2.0f, 936, 2040, 180, 4.0f},
        // Host values outside 0..1 are clamped before they size anything.
        {-5.0f, 1.0f, 468, 510, 162, 1.0f},
        {7.0f, 1.0f, 468, 1020, 90, 2.0f},
        {nan, 1.0f, 468, 510, 162, 1.0f},
        // A scale that is not a positive number counts as 1.
        {0.0f, 0.0f, 468, 510, 162, 1.0f},
        {0.0f, nan, 468, 510, 162, 1.0f},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "ui " << c.ui << " dpi " << c.dpi);
        const EditorSize s = size_rule(c.ui, c.dpi);
        EXPECT_EQ(s.width, c.width);
        EXPECT_EQ(s.height, c.height);
        EXPECT_EQ(s.x_offset, c.x_offset);
        EXPECT_EQ(s.y_offset, 0);
        EXPECT_FLOAT_EQ(s.content_scale, c.scale);
        // The scaled panel always fits inside the window image.
        EXPECT_LE(s.x_offset + static_cast<int>(kPanelWidth * s.content_scale + 0.5f), s.width);
        EXPECT_LE(static_cast<int>(kPanelHeight * s.content_scale + 0.5f), s.height);
    }
}

TEST(Layout, WidgetRectanglesOnThePanel)
{
    struct Case {
        Widget w;
        Rect r;
    } const cases[] = {
        {kEffectSwitch, {50, 427, 44, 20}},  {kInGainKnob, {77, 101, 48, 48}},
        {kThresholdKnob, {24, 147, 48, 48}}, {kRatioKnob, {24, 327, 48, 48}},
        {kMakeupKnob, {77, 373, 48, 48}},    {kMeter, {85, 197, 32, 119}},
        {kStatusButton, {38, 0, 32, 16}},    {kLeftButton, {74, 0, 32, 16}},
        {kRightButton, {108, 0, 32, 16}},    {kBanner, {18, 58, 108, 16}},
        {kFrontPanel, {0, 16, 144, 494}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        const Rect r = panel_rect(c.w);
        EXPECT_EQ(r.x, c.r.x);
        EXPECT_EQ(r.y, c.r.y);
        EXPECT_EQ(r.w, c.r.w);
        EXPECT_EQ(r.h, c.r.h);
        // Nothing is drawn outside the content pixbuf.
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, 0);
        EXPECT_LE(r.x + r.w, kPanelWidth);
        EXPECT_LE(r.y + r.h, kPanelHeight);
    }
}

TEST(Layout, ClickBoxesIncludeBothEdges)
{
    struct Case {
        Widget w;
        int x, y;
        bool hit;
    } const cases[] = {
        {kStatusButton, 38, 0, true},  {kStatusButton, 70, 16, true}, {kStatusButton, 71, 0, false},
        {kInGainKnob, 81, 105, true},  {kInGainKnob, 80, 105, false}, {kInGainKnob, 121, 145, true},
        {kBanner, 18, 58, true},       {kBanner, 126, 74, true},      {kBanner, 127, 74, false},
        {kMeter, 101, 256, false},  // the meter takes no clicks
        {kFrontPanel, 10, 400, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hits(c.w, c.x, c.y), c.hit) << c.w << " at " << c.x << "," << c.y;
}

TEST(Layout, NoTwoClickBoxesOverlap)
{
    for (int x = 0; x < kPanelWidth; ++x)
        for (int y = 0; y < kPanelHeight; ++y) {
            int n = 0;
            for (int w = 0; w < kWidgetCount; ++w)
                n += hits(static_cast<Widget>(w), x, y);
            ASSERT_LE(n, 1) << x << "," << y;
        }
}

TEST(Mapping, WindowAndPanelPixels)
{
    const EditorSize big = size_rule(1.0f, 1.0f);  // scale 2 at x offset 90
    const Point p = window_to_panel(big, 90 + 2 * 101, 2 * 125);
    EXPECT_EQ(p.x, 101);
    EXPECT_EQ(p.y, 125);
    const Rect r = panel_to_window(big, panel_rect(kInGainKnob));
    EXPECT_EQ(r.x, 90 + 154);
    EXPECT_EQ(r.y, 202);
    EXPECT_EQ(r.w, 96);
    EXPECT_EQ(r.h, 96);

    const EditorSize small = size_rule(0.0f, 1.0f);
    EXPECT_TRUE(in_resize_corner(small, 449, 491));
    EXPECT_FALSE(in_resize_corner(small, 448, 509));
    EXPECT_FALSE(in_resize_corner(small, 467, 490));
}

}  // namespace
}  // namespace vlt::editor
