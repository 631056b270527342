#include "pixmap_fixture.h"

#include "afx/cocoa/core/afx_neon_button.h"

using rgba = std::array<int, 4>;

namespace {

// Two 44 x 40 strips whose rows say which strip and row they are, a panel
// of a colour of its own, and the switch placed as the Audio Unit view has it.
struct neon_fixture : ::testing::Test {
    static rgba strip_colour(int strip, int y) { return {strip, y, 7, 255}; }
    // An opaque strip pixel laid over black: the toolkit's blend leaves a
    // rising channel one short.
    static rgba over_black(int strip, int y) { return {strip - 1, y - (y > 0), 6, 255}; }
    test_pixbuf dark{44, 40, [](int, int y) { return strip_colour(1, y); }};
    test_pixbuf lit{44, 40, [](int, int y) { return strip_colour(2, y); }};
    test_pixbuf panel{144, 510, [](int, int) { return rgba{60, 70, 80, 255}; }};
    pixmap_ptr target = make_pixmap(144, 530);
    CPushButtonNeonObject button{nullptr};

    void SetUp() override
    {
        button.set_pushbutton_neon_size_x(44);
        button.set_pushbutton_neon_size_y(20);
        button.set_pushbutton_neon_focus_x(44);
        button.set_pushbutton_neon_focus_y(20);
        button.set_pushbutton_neon_pos_x(72);
        button.set_pushbutton_neon_pos_y(421);
        button.set_offset_x(0);
        button.set_offset_y(16);
        button.set_pushbutton_neon_nframes(2);
        button.set_pushbutton_neon_pixbuf1(&dark.pb);
        button.set_pushbutton_neon_pixbuf2(&lit.pb);
        button.set_front_panel_pixbuf(&panel.pb);
    }
    // The button's rectangle in the target: x 50..93, y 427..446.
    rgba at(int dx, int dy) const { return pixel(*target, 50 + dx, 427 + dy); }
};

}  // namespace

TEST_F(neon_fixture, ToggleTurnsOnlyExactZeroOn)
{
    const struct {
        float from, to;
    } cases[] = {{0.0f, 99.0f}, {99.0f, 0.0f}, {50.0f, 0.0f}, {0.5f, 0.0f}};
    for (const auto& c : cases) {
        button.set_pushbutton_neon_value(c.from);
        button.update_pushbutton_neon_value();
        EXPECT_EQ(button.get_pushbutton_neon_value(), c.to) << c.from;
    }
    button.set_pushbutton_neon_value(140.0f);
    EXPECT_EQ(button.get_pushbutton_neon_value(), 99.0f);
    button.set_pushbutton_neon_value(-3.0f);
    EXPECT_EQ(button.get_pushbutton_neon_value(), 0.0f);
}

TEST_F(neon_fixture, LampChoosesTheStripValueTheFrame)
{
    const struct {
        bool lamp;
        float value;
        int strip, first_row;
    } cases[] = {{true, 99.0f, 2, 20}, {false, 0.0f, 1, 0}, {true, 0.0f, 2, 0}, {false, 99.0f, 1, 20}};
    for (const auto& c : cases) {
        target = make_pixmap(144, 530);
        button.set_lamp_on(c.lamp);
        button.set_pushbutton_neon_value(c.value);
        button.draw_pushbutton_neon(target.get());
        EXPECT_EQ(at(0, 0), over_black(c.strip, c.first_row));
        EXPECT_EQ(at(43, 19), over_black(c.strip, c.first_row + 19));
        EXPECT_EQ(at(44, 0), (rgba{0, 0, 0, 255})) << "right of the button untouched";
        EXPECT_EQ(at(0, 20), (rgba{0, 0, 0, 255})) << "below the button untouched";
    }
}

TEST_F(neon_fixture, RedrawPutsThePanelUnderAHalfTransparentFrame)
{
    test_pixbuf glass{44, 40, [](int, int) { return rgba{200, 200, 200, 128}; }};
    button.set_pushbutton_neon_pixbuf1(&glass.pb);
    button.redraw_pushbutton_neon(target.get());
    // Panel 60 blended with 200 at alpha 128: 60 + (140 x 128 >> 8) = 130.
    EXPECT_EQ(at(10, 10), (rgba{130, 135, 140, 255}));
}

TEST_F(neon_fixture, ClickBoxIncludesItsEdgesAndTheOffset)
{
    const struct {
        int x, y;
        bool hit;
    } cases[] = {{50, 427, true},  {94, 447, true},  {72, 437, true},  {49, 437, false},
                 {95, 437, false}, {72, 426, false}, {72, 448, false}, {72, 421, false}};
    for (const auto& c : cases)
        EXPECT_EQ(button.test_pushbutton_neon_clicked(c.x, c.y), c.hit) << c.x << "," << c.y;
    int x, y, w, h;
    button.get_invalid_area(&x, &y, &w, &h);
    EXPECT_EQ((std::array<int, 4>{x, y, w, h}), (std::array<int, 4>{50, 427, 44, 20}));
}
