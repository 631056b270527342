// Scroll bar and view-port numbers: handle geometry, values, hit tests and
// the strips a scroll draws anew.
#include <gtest/gtest.h>

#include "vertical_scroller.h"
#include "view_port.h"

namespace {

// The folder selector's scroller: 16 x 272 at (608, 80).
CVerticalScroller selector_scroller(float scale)
{
    CVerticalScroller s(nullptr);
    s.set_x_position(608);
    s.set_y_position(80);
    s.set_x_size(16);
    s.set_y_size(272);
    s.set_scroller_scale(scale);
    s.set_scroller_value(0.0f);
    return s;
}

TEST(VerticalScroller, FullScaleHandleFillsTheTroughAndCannotMove)
{
    auto s = selector_scroller(100.0f);
    EXPECT_EQ(s.trough_top(), 96);
    EXPECT_EQ(s.trough_length(), 240);
    EXPECT_EQ(s.handle_length(), 240);
    const int at0 = s.handle_position();
    s.set_scroller_value(1.0f);
    EXPECT_EQ(s.handle_position(), at0);
    s.update_scroller_value(-50);  // drag down 50 pixels
    EXPECT_EQ(s.drawn_handle_top(), at0);
}

TEST(VerticalScroller, HandleNeverShorterThanSixteenPixels)
{
    auto s = selector_scroller(1.0f);
    EXPECT_EQ(s.handle_length(), 16);
    s.set_scroller_value(1.0f);
    EXPECT_EQ(s.handle_position(), 96 + 240 - 16);
    EXPECT_EQ(s.get_scroller_value(), 1.0f);
}

TEST(VerticalScroller, NewScaleKeepsThePosition)
{
    const struct {
        float value, old_scale, new_scale;
    } cases[] = {{1.0f, 50.0f, 20.0f}, {0.0f, 50.0f, 20.0f}, {0.5f, 50.0f, 25.0f}};
    for (const auto& c : cases) {
        auto s = selector_scroller(c.old_scale);
        s.set_scroller_value(c.value);
        s.set_scroller_scale(c.new_scale);
        EXPECT_NEAR(s.get_scroller_value(), c.value, 0.01f) << c.value;
    }
    auto s = selector_scroller(50.0f);
    s.set_scroller_value(1.0f);
    s.set_scroller_scale(20.0f);
    EXPECT_EQ(s.handle_position(), s.lowest_handle_top());  // at the bottom, with the new length
}

TEST(VerticalScroller, DragAndHitTestsAtMagnificationTwo)
{
    auto s = selector_scroller(50.0f);
    s.set_magnification(2.0f);
    s.set_control_has_focus(true);
    s.update_scroller_value(-40);  // 40 window pixels down = 20 unscaled
    EXPECT_EQ(s.handle_position(), 96 + 20);
    const struct {
        int y;
        bool up_arrow, upper, handle, lower, down_arrow;
    } rows[] = {
        {2 * 80, true, false, false, false, false},  {2 * 100, false, true, false, false, false},
        {2 * 150, false, false, true, false, false}, {2 * 300, false, false, false, true, false},
        {2 * 345, false, false, false, false, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.y);
        EXPECT_EQ(s.test_upper_arrow_clicked(1232, r.y), r.up_arrow);
        EXPECT_EQ(s.test_trough_upper_clicked(1232, r.y), r.upper);
        EXPECT_EQ(s.test_control_clicked(1232, r.y), r.handle);
        EXPECT_EQ(s.test_trough_lower_clicked(1232, r.y), r.lower);
        EXPECT_EQ(s.test_lower_arrow_clicked(1232, r.y), r.down_arrow);
    }
    EXPECT_FALSE(s.test_control_clicked(1200, 2 * 150));
}

CViewPort port(int content, int visible)
{
    CViewPort v(nullptr);
    v.set_x_pos(18);
    v.set_y_pos(82);
    v.set_port_x_size(588);
    v.set_port_y_size(visible);
    v.set_y_size(content);
    return v;
}

TEST(ViewPort, ContentAsTallAsThePortNeverScrolls)
{
    auto v = port(268, 268);
    const viewport_scroll steps[] = {v.move_port_chunk_down(16, 0), v.move_port_pagedown(0),
                                     v.move_port_pageup(0)};
    for (const auto& s : steps) {
        EXPECT_EQ(s.shift, 0);
        EXPECT_EQ(s.strip_height, 0);
    }
    EXPECT_EQ(v.get_offset_y(), 0);
    EXPECT_EQ(v.get_viewport_y_value(), 0.0f);
}

TEST(ViewPort, ScrollsDrawOnlyTheUncoveredStrip)
{
    auto v = port(1000, 268);  // range 732
    viewport_scroll s = v.move_port_chunk_down(16, 0);
    EXPECT_EQ(s.shift, -16);
    EXPECT_EQ(s.strip_height, 16);
    EXPECT_EQ(s.strip_src_y, 16 + 268 - 16);
    EXPECT_EQ(s.strip_dst_y, 82 + 268 - 16);
    s = v.move_port_chunk_up(16, 0);
    EXPECT_EQ(s.shift, 16);
    EXPECT_EQ(s.strip_src_y, 0);
    EXPECT_EQ(s.strip_dst_y, 82);
    s = v.move_port_pagedown(0);
    EXPECT_EQ(s.strip_height, 268);
    // A jump longer than the port redraws the port, no more.
    s = v.update_y_value(1.0f, 0);
    EXPECT_EQ(v.get_offset_y(), 732);
    EXPECT_EQ(s.strip_height, 268);
    EXPECT_EQ(s.strip_src_y, 732);
    // At the end further steps draw nothing new.
    s = v.move_port_chunk_down(16, 0);
    EXPECT_EQ(s.strip_height, 0);
    EXPECT_EQ(v.get_offset_y(), 732);
    EXPECT_EQ(v.get_viewport_y_value(), 1.0f);
    v.set_y_value(0.5f);
    EXPECT_EQ(v.get_offset_y(), 366);
    EXPECT_EQ(v.get_translated_y_coord(82 + 10), 376);
}

}  // namespace
