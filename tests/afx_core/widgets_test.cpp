#include "afx_rotary.h"
#include "afx_widgets.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using D = AFX_drawing;

namespace {

// A strip whose frame k is filled with the grey level k + 1, opaque.
owned_pixbuf* frame_strip(int w, int h, int frames)
{
    auto* s = new owned_pixbuf(w, h * frames);
    for (int k = 0; k < frames; ++k)
        D::afxline_block_fill_to_pixbuf(s->p, 0, k * h, w, h, k + 1, k + 1, k + 1);
    return s;
}

CPushButtonLatchingObject editor_status_button()
{
    CPushButtonLatchingObject b(nullptr);
    b.set_pushbutton_latching_pos_x(54);
    b.set_pushbutton_latching_pos_y(8);
    b.set_pushbutton_latching_size_x(32);
    b.set_pushbutton_latching_size_y(16);
    b.set_pushbutton_latching_focus_x(32);
    b.set_pushbutton_latching_focus_y(16);
    b.set_pushbutton_latching_nframes(2);
    b.set_offset_y(16);
    return b;
}

// A two-frame button of 4 x 2 at (4, 3) over the given strip and panel.
CPushButtonLatchingObject small_button(afx_pixbuf* strip, afx_pixbuf* panel)
{
    CPushButtonLatchingObject b(nullptr);
    b.set_pushbutton_latching_pixbuf(strip);
    b.set_front_panel_pixbuf(panel);
    b.set_pushbutton_latching_nframes(2);
    b.set_pushbutton_latching_size_x(4);
    b.set_pushbutton_latching_size_y(2);
    b.set_pushbutton_latching_pos_x(4);
    b.set_pushbutton_latching_pos_y(3);
    return b;
}

CRotaryControlObject knob39(float value, float detent = 0)
{
    CRotaryControlObject k(nullptr);
    k.set_rotary_control_nframes(39);
    k.set_rotary_control_size_x(48);
    k.set_rotary_control_size_y(48);
    k.set_rotary_control_pos_x(101);
    k.set_rotary_control_pos_y(109);
    k.set_rotary_control_focus_x(40);
    k.set_rotary_control_focus_y(40);
    k.set_offset_y(16);
    k.set_detent_value(detent);
    k.set_rotary_control_value(value);
    return k;
}

}  // namespace

TEST(PushButton, RectangleAndInclusiveClickBox)
{
    CPushButtonLatchingObject b = editor_status_button();
    int x, y, w, h;
    b.get_invalid_area(&x, &y, &w, &h);
    EXPECT_EQ(x, 38);
    EXPECT_EQ(y, 16);
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 16);
    struct row {
        int x, y;
        bool hit;
    } rows[] = {{38, 16, true}, {70, 32, true}, {71, 16, false}, {37, 20, false}, {50, 33, false}};
    for (const row& r : rows)
        EXPECT_EQ(b.test_pushbutton_latching_clicked(r.x, r.y), r.hit) << r.x << "," << r.y;
}

TEST(PushButton, ToggleAndClamp)
{
    CPushButtonLatchingObject b(nullptr);
    struct row {
        float from, to;
    } rows[] = {{0, 99}, {49.9f, 99}, {50, 0}, {99, 0}};
    for (const row& r : rows) {
        b.set_pushbutton_latching_value(r.from);
        b.update_pushbutton_latching_value();
        EXPECT_EQ(b.get_pushbutton_latching_value(), r.to) << r.from;
    }
    b.set_pushbutton_latching_value(120);
    EXPECT_EQ(b.get_pushbutton_latching_value(), 99);
    b.set_pushbutton_latching_value(-3);
    EXPECT_EQ(b.get_pushbutton_latching_value(), 0);
}

TEST(PushButton, DrawsTheValuesFrameAndRedrawRestoresThePanel)
{
    std::unique_ptr<owned_pixbuf> strip(frame_strip(4, 2, 2));
    owned_pixbuf panel(10, 10), target(10, 12);
    D::afxline_block_fill_to_pixbuf(panel, 0, 0, 10, 10, 200, 0, 0);
    CPushButtonLatchingObject b = small_button(strip->p, panel);
    b.set_offset_y(2);
    b.set_pushbutton_latching_value(99);
    b.redraw_pushbutton_latching(target);
    EXPECT_EQ(target.at(2, 4)[0], 2);  // frame 1 at (2, 2 + 2)
    EXPECT_EQ(target.at(1, 4)[0], 0);  // outside the rectangle
    b.set_pushbutton_latching_value(49.5f);
    b.draw_pushbutton_latching(target);
    EXPECT_EQ(target.at(5, 5)[0], 1);
}

TEST(BarMeter, ClampAndLitRowsFromTheBottom)
{
    // Lit image red, unlit image blue, 2 x 119 each.
    owned_pixbuf strip(2, 256), panel(4, 200), target(4, 200);
    D::afxline_block_fill_to_pixbuf(strip, 0, 0, 2, 119, 255, 0, 0);
    D::afxline_block_fill_to_pixbuf(strip, 0, 119, 2, 119, 0, 0, 255);
    CBarMeterObject m(nullptr);
    m.set_bar_meter_pixbuf(strip);
    m.set_front_panel_pixbuf(panel);
    m.set_bar_meter_size_x(2);
    m.set_bar_meter_size_y(119);
    m.set_bar_meter_pos_x(1);
    m.set_bar_meter_pos_y(59);
    m.set_offset_y(16);
    m.set_bar_meter_value(150);
    EXPECT_EQ(m.get_bar_meter_value(), 99);
    m.set_bar_meter_value(-1);
    EXPECT_EQ(m.get_bar_meter_value(), 0);

    struct row {
        double value;
        bool power;
        int first_lit;
    } rows[] = {{0, true, 119}, {50, true, 60}, {99, true, 2}, {99, false, 119}};
    for (const row& r : rows) {
        m.set_bar_meter_value(r.value);
        m.set_power_on(r.power);
        m.redraw_bar_meter(target);
        for (int row = 0; row < 119; ++row) {
            const uint8_t* p = target.at(0, 16 + row);
            ASSERT_EQ(p[0] > 200, row >= r.first_lit) << r.value << " row " << row;
            ASSERT_EQ(p[2] > 200, row < r.first_lit) << r.value << " row " << row;
        }
    }
}

TEST(RotaryControl, DragLawSequence)
{
    CRotaryControlObject k = knob39(50);
    struct step {
        float dy, moved, velocity;
    } steps[] = {{8, 2, 2}, {8, 3.5f, 3.5f}, {1, 1, 1}, {0, 0, 1}, {-4, -1, -1}, {-0.5f, -0.5f, -0.5f}};
    for (const step& s : steps) {
        const float before = k.get_rotary_control_value();
        k.update_rotary_control_value(123, s.dy);
        EXPECT_FLOAT_EQ(k.get_rotary_control_value() - before, s.moved) << s.dy;
        EXPECT_FLOAT_EQ(k.get_velocity(), s.velocity) << s.dy;
    }
    // A turn after speeding up: velocity 3.5, then dy = -4 moves by -1.
    CRotaryControlObject t = knob39(50);
    t.update_rotary_control_value(0, 8);
    t.update_rotary_control_value(0, 8);
    t.update_rotary_control_value(0, -4);
    EXPECT_FLOAT_EQ(t.get_rotary_control_value(), 50 + 2 + 3.5f - 1);
}

TEST(RotaryControl, LimitsDetentAndClickResetsVelocity)
{
    CRotaryControlObject k = knob39(98);
    k.update_rotary_control_value(0, 20);
    EXPECT_EQ(k.get_rotary_control_value(), 99);
    k.set_rotary_control_value(1);
    k.update_rotary_control_value(0, -20);
    EXPECT_EQ(k.get_rotary_control_value(), 0);

    // In Gain: detent 33 shows frame 12 from about 30.77 up to 33.33.
    CRotaryControlObject g = knob39(31, 33);
    EXPECT_TRUE(g.get_detent_flag());
    g.set_rotary_control_value(30.7f);
    EXPECT_FALSE(g.get_detent_flag());
    g.set_rotary_control_value(33.3f);
    EXPECT_TRUE(g.get_detent_flag());
    g.set_rotary_control_value(33.4f);
    EXPECT_FALSE(g.get_detent_flag());
    g.set_rotary_control_value(20);
    g.update_rotary_control_value(0, 8);  // v = 2 away from the detent
    g.set_rotary_control_value(32);
    g.update_rotary_control_value(0, 0);  // on the detent frame: damped even at rest
    EXPECT_FLOAT_EQ(g.get_velocity(), 0.02f);
    EXPECT_FLOAT_EQ(g.get_rotary_control_value(), 32);

    // Clicks inside the 40 x 40 box (centre 101, 109 + 16) stop the knob.
    EXPECT_FALSE(g.test_rotary_control_clicked(80, 125));
    EXPECT_FLOAT_EQ(g.get_velocity(), 0.02f);
    EXPECT_TRUE(g.test_rotary_control_clicked(81, 105));
    EXPECT_TRUE(g.test_rotary_control_clicked(121, 145));
    EXPECT_EQ(g.get_velocity(), 0.0f);
}

TEST(RotaryControl, StepByFrames)
{
    struct row {
        float from;
        int step;
        float to;
    } rows[] = {{99, 1, 99}, {0, -1, 0}, {50, 2, 50}, {0, 1, 99.0f / 38}, {50, -1, 18 * 99.0f / 38}};
    for (const row& r : rows) {
        CRotaryControlObject k = knob39(r.from);
        k.step_control(r.step);
        EXPECT_FLOAT_EQ(k.get_rotary_control_value(), r.to) << r.from << " " << r.step;
    }
}

TEST(RotaryControl, RedrawOnlyWhenTheFrameChanges)
{
    std::unique_ptr<owned_pixbuf> strip(frame_strip(48, 48, 39));
    owned_pixbuf panel(144, 494), target(144, 510);
    CRotaryControlObject k = knob39(50);
    k.set_rotary_control_pixbuf(strip->p);
    k.set_front_panel_pixbuf(panel);
    k.draw_rotary_control(target);
    EXPECT_EQ(target.at(77, 101)[0], afx_blend_channel(0, 20, 255));  // frame 19 of value 50
    k.set_rotary_control_value(50.5f);                                // same frame
    EXPECT_FALSE(k.redraw_rotary_control(target));
    k.set_rotary_control_value(99);
    EXPECT_TRUE(k.redraw_rotary_control(target));
    EXPECT_EQ(target.at(124, 148)[0], afx_blend_channel(0, 39, 255));
    EXPECT_EQ(target.at(125, 148)[0], 0);
    int x, y, w, h;
    k.get_invalid_area(&x, &y, &w, &h);
    EXPECT_EQ(std::vector<int>({x, y, w, h}), (std::vector<int>{77, 101, 48, 48}));
}

// Whatever a host's value turned into, a strip widget holds 0..99 and draws
// a frame of its strip: NaN and -0 as 0, the infinities and anything beyond
// 0..99 at the nearer end. Each widget draws before its value is read, so a
// value that reached the frame arithmetic unchecked shows (or stops a run
// under the undefined-behaviour sanitizer).
TEST(WidgetValues, AnyFloatGivesAValueOfTheRangeAndItsFrame)
{
    using limits = std::numeric_limits<float>;
    const struct Case {
        float in, held;
    } cases[] = {{limits::quiet_NaN(), 0},
                 {-limits::quiet_NaN(), 0},
                 {limits::infinity(), 99},
                 {-limits::infinity(), 0},
                 {-0.0f, 0},
                 {limits::denorm_min(), limits::denorm_min()},
                 {-limits::denorm_min(), 0},
                 {std::nextafter(99.0f, 100.0f), 99},
                 {limits::max(), 99},
                 {-limits::max(), 0},
                 {49.5f, 49.5f}};
    std::unique_ptr<owned_pixbuf> knob_strip(frame_strip(48, 48, 39)), button_strip(frame_strip(4, 2, 2));
    owned_pixbuf panel(144, 494), meter_strip(2, 256);
    D::afxline_block_fill_to_pixbuf(meter_strip, 0, 0, 2, 119, 255, 0, 0);  // lit: red
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.in);
        owned_pixbuf target(144, 510), meter_target(4, 200);
        CRotaryControlObject k = knob39(c.in);
        k.set_rotary_control_pixbuf(knob_strip->p);
        k.set_front_panel_pixbuf(panel);
        k.draw_rotary_control(target);
        const int frame = static_cast<int>(c.held / 100.0f * 39);
        EXPECT_EQ(target.at(77, 101)[0], afx_blend_channel(0, frame + 1, 255));
        EXPECT_EQ(k.get_rotary_control_value(), c.held);
        EXPECT_FALSE(std::signbit(k.get_rotary_control_value()));

        CPushButtonLatchingObject b = small_button(button_strip->p, panel);
        b.set_pushbutton_latching_value(c.in);
        b.redraw_pushbutton_latching(target);
        EXPECT_EQ(target.at(2, 2)[0], afx_blend_channel(0, c.held < 50 ? 1 : 2, 255));
        EXPECT_EQ(b.get_pushbutton_latching_value(), c.held);

        CBarMeterObject m(nullptr);
        m.set_bar_meter_pixbuf(meter_strip);
        m.set_front_panel_pixbuf(panel);
        m.set_bar_meter_size_x(2);
        m.set_bar_meter_size_y(119);
        m.set_bar_meter_pos_x(1);
        m.set_bar_meter_pos_y(59);
        m.set_bar_meter_value(c.in);
        m.redraw_bar_meter(meter_target);
        const int first_lit = 119 - static_cast<int>(c.held / 100.0 * 119);
        for (int row = 0; row < 119; ++row)
            ASSERT_EQ(meter_target.at(0, row)[0] > 200, row >= first_lit) << "meter row " << row;
        EXPECT_EQ(m.get_bar_meter_value(), static_cast<double>(c.held));
    }
}

TEST(FrontPanel, DrawsAtItsOffset)
{
    owned_pixbuf panel(4, 3), target(4, 5);
    D::afxline_block_fill_to_pixbuf(panel, 0, 0, 4, 3, 9, 9, 9);
    CFrontPanelObject f(nullptr);
    f.set_front_panel_pixbuf(panel);
    f.set_front_panel_width(4);
    f.set_front_panel_height(3);
    f.set_front_panel_offset_y(2);
    f.draw_front_panel(target);
    EXPECT_EQ(target.at(0, 1)[0], 0);
    EXPECT_EQ(target.at(3, 4)[0], 9);
}
