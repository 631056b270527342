#include "afx_banner.h"
#include "afx_font_engine.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct banner_fixture : testing::Test {
    AFX_font_engine font{nullptr};
    CBannerObject banner{nullptr, &font};
    owned_pixbuf panel{144, 494};
    owned_pixbuf target{144, 510};

    void SetUp() override
    {
        std::setlocale(LC_CTYPE, "C");
        banner.set_front_panel_pixbuf(panel);
        banner.set_offset_y(16);
        banner.set_x_pos(18);
        banner.set_y_pos(42);
        banner.set_x_size(108);
        banner.set_y_size(16);
        banner.enable_frame(false);
        banner.set_colour(218, 120, 4);
    }
    void init(int max_chars)
    {
        banner.set_max_chars(max_chars);
        banner.init_banner(0);
    }
};

}  // namespace

TEST_F(banner_fixture, TextWidthFollowsMaxChars)
{
    init(64);
    EXPECT_EQ(banner.get_text_width(), 704);
    EXPECT_EQ(banner.get_text_pixbuf()->width, 704);
    EXPECT_EQ(banner.get_text_pixbuf()->height, 26);
    CBannerObject small(nullptr, &font);
    small.set_x_size(108);
    small.set_max_chars(5);
    small.init_banner(0);
    EXPECT_EQ(small.get_text_width(), 119);
}

TEST_F(banner_fixture, ReinitialisedWiderGetsAWiderBuffer)
{
    init(5);
    EXPECT_EQ(banner.get_text_pixbuf()->width, 119);
    init(64);
    EXPECT_EQ(banner.get_text_pixbuf()->width, 704);
    banner.set_text(std::string(80, 'W').c_str());  // fills all 64 and the dots
    banner.update_banner_position(-1000);
    banner.draw_banner(target);
}

TEST_F(banner_fixture, ScrollLimits)
{
    init(64);
    banner.update_banner_position(-1000);
    EXPECT_EQ(banner.get_value(), 596);
    banner.update_right();
    EXPECT_EQ(banner.get_value(), 596);
    banner.update_left();
    EXPECT_EQ(banner.get_value(), 595);
    banner.update_banner_position(1000);
    EXPECT_EQ(banner.get_value(), 0);
    banner.update_left();
    EXPECT_EQ(banner.get_value(), 0);
    banner.update_right();
    EXPECT_EQ(banner.get_value(), 1);
}

TEST_F(banner_fixture, LargestScrollShowsTheBufferEnd)
{
    init(64);
    banner.set_text(std::string(70, 'W').c_str());
    banner.update_banner_position(-1000);
    banner.draw_banner(target);
    // The window is held inside the buffer: its last column is the buffer's.
    const afx_pixbuf* text = banner.get_text_pixbuf();
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(target.at(18 + 107, 16 + 42 + y)[0],
                  afx_blend_channel(0, afx_pixel_at(text, 703, 1 + y)[0], 255));
}

TEST_F(banner_fixture, RendersBoldShadowThenTextAndUndraws)
{
    init(64);
    banner.set_bold(true);
    banner.set_text("|");
    // The shadow stands one column right of the text at 87, 48, 2.
    const afx_pixbuf* text = banner.get_text_pixbuf();
    const uint8_t* shadow = afx_pixel_at(text, 9 + 1, 13 - 5);
    const uint8_t* ink = afx_pixel_at(text, 8 + 1, 13 - 5);
    const int* enc = font.get_encode_table();
    const int* dec = font.get_decode_table();
    auto full = [&](int c) { return enc[(dec[c] * 255) >> 8]; };  // '|' is solid
    EXPECT_EQ(shadow[0], full(87));
    EXPECT_EQ(shadow[1], full(48));
    EXPECT_EQ(ink[0], full(218));
    EXPECT_EQ(ink[1], full(120));

    banner.draw_banner(target);
    int x, y, w, h;
    banner.get_invalid_area(&x, &y, &w, &h);
    EXPECT_EQ(std::vector<int>({x, y, w, h}), (std::vector<int>{18, 58, 108, 16}));
    EXPECT_TRUE(banner.test_banner_clicked(18, 58));
    EXPECT_TRUE(banner.test_banner_clicked(126, 74));
    EXPECT_FALSE(banner.test_banner_clicked(127, 74));
    AFX_drawing::afxline_block_fill_to_pixbuf(panel, 0, 0, 144, 494, 5, 6, 7);
    banner.undraw_banner(target);
    EXPECT_EQ(target.at(18 + 3, 16 + 42 + 3)[2], 7);
}

TEST_F(banner_fixture, FrameLinesAndCorners)
{
    init(64);
    banner.enable_frame(true);
    banner.set_text("");
    const afx_pixbuf* text = banner.get_text_pixbuf();
    const int top = 13 - 12;
    EXPECT_EQ(afx_pixel_at(text, 5, top)[0], afx_blend_channel(0, 95, 255));
    EXPECT_EQ(afx_pixel_at(text, 0, top + 5)[0], afx_blend_channel(0, 95, 255));
    EXPECT_EQ(afx_pixel_at(text, 107, top + 15)[0], afx_blend_channel(0, 47, 255));
    EXPECT_EQ(afx_pixel_at(text, 54, top + 8)[0], 0);
}
