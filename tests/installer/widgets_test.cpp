// The main window's widgets drawn into pixel buffers, no display needed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"
#include "message_panel.h"
#include "password_entry.h"
#include "progress_bar.h"
#include "wire_frame_button.h"

namespace {

struct pixbuf_deleter {
    void operator()(afx_pixbuf* p) const { AFX_drawing::afx_pixbuf_destroy_with_allocation(p); }
};
using pixbuf_ptr = std::unique_ptr<afx_pixbuf, pixbuf_deleter>;

pixbuf_ptr make_buffer(int w, int h, int r = 0, int g = 0, int b = 0)
{
    pixbuf_ptr p(AFX_drawing::afx_pixbuf_new_with_allocation(w, h, 0));
    AFX_drawing::afxline_block_fill_to_pixbuf(p.get(), 0, 0, w, h, r, g, b);
    return p;
}

int red(const afx_pixbuf* b, int x, int y) { return afx_pixel_at(b, x, y)[0]; }

// What the toolkit's blend makes of colour c at alpha a over d.
int over(int d, int c, int a) { return afx_blend_channel(d, c, a); }

bool same_pixels(const afx_pixbuf* a, const afx_pixbuf* b)
{
    return std::equal(a->pixels, a->pixels + a->rowstride * a->height, b->pixels);
}

// Leftmost column with any lit pixel in rows y0..y1, -1 when none.
int first_lit_column(const afx_pixbuf* b, int y0, int y1, int threshold = 0)
{
    for (int x = 0; x < b->width; ++x)
        for (int y = y0; y <= y1; ++y)
            if (red(b, x, y) > threshold)
                return x;
    return -1;
}

class WidgetTest : public ::testing::Test {
protected:
    AFX_engine engine;
    AFX_font_engine font{&engine};
};

TEST(WidgetBox, ScaledBoxAndInclusiveHits)
{
    const widget_box b{225, 360, 150, 16};
    const widget_box s = b.scaled(1.5f);
    EXPECT_EQ(s.x, 337);
    EXPECT_EQ(s.y, 540);
    EXPECT_EQ(s.width, 563 - 337);
    EXPECT_EQ(s.height, 564 - 540);
    const struct {
        int x, y;
        bool hit;
    } pts[] = {{337, 540, true}, {563, 564, true}, {336, 550, false}, {564, 550, false}, {400, 565, false}};
    for (const auto& p : pts)
        EXPECT_EQ(b.hit(1.5f, p.x, p.y), p.hit) << p.x << "," << p.y;
}

TEST_F(WidgetTest, MessagePanelTextRules)
{
    CMessagePanel panel(&engine, &font);
    panel.set_x_size(600);
    panel.set_y_size(400);
    const std::string seventy(70, 'x');
    panel.set_line(seventy.c_str(), 0, 0);
    EXPECT_EQ(std::string(panel.get_line(0)), seventy.substr(0, 62));
    panel.set_line("ignored", 12, 0);
    panel.set_line("ignored", -1, 0);

    // Two left-block lines start at one column: the wider one's centred place.
    panel.set_line("MMMM", 3, 1);
    panel.set_line("MMMMMMMMMMMM", 4, 1);
    panel.set_line("hidden line", 6, 2);
    auto buf = make_buffer(600, 400);
    panel.draw_message_panel(buf.get());
    const int wide = (600 - font.get_string_length_in_pxls("MMMMMMMMMMMM")) / 2;
    const int l3 = first_lit_column(buf.get(), 24 + 16 * 3 - 12, 24 + 16 * 3);
    const int l4 = first_lit_column(buf.get(), 24 + 16 * 4 - 12, 24 + 16 * 4);
    EXPECT_EQ(l3, l4);
    EXPECT_GE(l4, wide);
    EXPECT_LE(l4, wide + 2);
    EXPECT_EQ(first_lit_column(buf.get(), 24 + 16 * 6 - 12, 24 + 16 * 6 + 3), -1);

    panel.clear_all_lines();
    for (int n = 0; n < CMessagePanel::kLines; ++n) {
        EXPECT_EQ(panel.get_alignment(n), 0);
        EXPECT_STREQ(panel.get_line(n), "");
    }
}

TEST_F(WidgetTest, DimmedPanelHalvesTheImageButNotTheText)
{
    auto image = make_buffer(600, 336, 200, 100, 50);
    CMessagePanel panel(&engine, &font);
    panel.set_x_size(600);
    panel.set_y_size(400);
    panel.set_panel_pixbuf(image.get());
    panel.set_line("Installation Complete", 2, 0);
    panel.set_dim(true);
    auto buf = make_buffer(600, 400, 9, 9, 9);
    panel.draw_message_panel(buf.get());
    const uint8_t* p = afx_pixel_at(buf.get(), 5, 300);
    EXPECT_EQ(p[0], over(0, 200, 255) >> 1);
    EXPECT_EQ(p[1], over(0, 100, 255) >> 1);
    EXPECT_EQ(p[2], over(0, 50, 255) >> 1);
    EXPECT_EQ(p[3], 255);
    EXPECT_EQ(red(buf.get(), 5, 380), 0);  // below the image: black
    int brightest = 0;
    for (int x = 0; x < 600; ++x)
        for (int y = 56 - 12; y <= 56; ++y)
            brightest = std::max(brightest, red(buf.get(), x, y));
    EXPECT_GE(brightest, over(0, 255, 255) - 2);
}

class PasswordEntryTest : public WidgetTest {
protected:
    void SetUp() override
    {
        entry.set_password_entry_pos_x(225);
        entry.set_password_entry_pos_y(360);
        entry.set_password_entry_size_x(150);
        entry.set_password_entry_size_y(16);
        entry.set_focus_colour(255, 255, 255);
        entry.set_normal_colour(127, 127, 127);
        entry.set_password_entry_has_focus(true);
    }
    CPasswordEntry entry{&engine, &font};
};

TEST_F(PasswordEntryTest, KeysEditTheTextAndControlCharactersNeverEnterIt)
{
    const struct {
        uint32_t keysym;
        const char* text;
        bool is_return;
        const char* after;
    } steps[] = {
        {0xff08, "", false, ""},  // BackSpace on empty
        {0x61, "a", false, "a"},
        {0x62, "b\x1b", false, "ab"},
        {0x0d, "\r", false, "ab"},
        {0xff0d, "\r", true, "ab"},  // Return: text unchanged
        {0xffff, "", false, "a"},    // Delete
        {0xffe1, "", false, "a"},    // Shift: no text
        {0xe9, "\xc3\xa9", false, "a\xc3\xa9"},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(entry.send_keypress(s.keysym, s.text), s.is_return) << s.after;
        EXPECT_STREQ(entry.get_text_string(), s.after);
    }
    entry.set_password_entry_has_focus(false);
    EXPECT_FALSE(entry.send_keypress(0x63, "c"));
    EXPECT_STREQ(entry.get_text_string(), "a\xc3\xa9");
}

TEST_F(PasswordEntryTest, PasteIsFilteredAndCutToTheBuffer)
{
    entry.set_text("pa\tss\nword");
    EXPECT_STREQ(entry.get_text_string(), "password");
    const std::string huge(5000, 'p');
    entry.set_text(huge.c_str());
    EXPECT_EQ(std::string(entry.get_text_string()), huge.substr(0, 1023));
    EXPECT_FALSE(entry.send_keypress(0x71, "q"));
    EXPECT_EQ(std::string(entry.get_text_string()).size(), 1023u);
    entry.send_keypress(0xff08, "");  // a full entry can still be shortened
    EXPECT_EQ(std::string(entry.get_text_string()).size(), 1022u);
    entry.set_text(nullptr);
    EXPECT_STREQ(entry.get_text_string(), "");
}

TEST_F(PasswordEntryTest, LongTextKeepsItsEndInsideTheBox)
{
    entry.set_text(std::string(200, 'x').c_str());
    auto buf = make_buffer(600, 400);
    entry.undraw_password_entry(buf.get());
    entry.draw_password_entry(buf.get());
    const int c = 225 + 150 - 2;  // cursor column: two pixels inside the right edge
    EXPECT_EQ(red(buf.get(), c, 373), over(0, 255, 255));
    EXPECT_EQ(red(buf.get(), c + 1, 373), over(0, 255, 255));
    EXPECT_EQ(red(buf.get(), c, 373 - 11), 0);
    // Glyphs fill the box up to the cursor but never spill out of it.
    EXPECT_EQ(first_lit_column(buf.get(), 361, 375), 225);  // the frame's left side
    for (int y = 0; y < 400; ++y) {
        EXPECT_EQ(red(buf.get(), 224, y), 0) << y;
        EXPECT_EQ(red(buf.get(), 376, y), 0) << y;
    }
    EXPECT_GT(first_lit_column(buf.get(), 362, 372, 0), 0);
    // Frame with open corners.
    EXPECT_EQ(red(buf.get(), 225, 360), 0);
    EXPECT_EQ(red(buf.get(), 226, 360), over(0, 127, 255));
    EXPECT_EQ(red(buf.get(), 375, 376), 0);
}

TEST_F(PasswordEntryTest, HiddenEntryIgnoresKeysAndIsNotDrawn)
{
    entry.set_hidden(true);
    EXPECT_FALSE(entry.send_keypress(0xff0d, "\r"));
    EXPECT_FALSE(entry.send_keypress(0x61, "a"));
    EXPECT_STREQ(entry.get_text_string(), "");
    auto buf = make_buffer(600, 400, 30, 30, 30), before = make_buffer(600, 400, 30, 30, 30);
    entry.undraw_password_entry(buf.get());
    entry.draw_password_entry(buf.get());
    EXPECT_TRUE(same_pixels(buf.get(), before.get()));
}

class ProgressBarTest : public WidgetTest {
protected:
    void SetUp() override
    {
        bar.set_progress_bar_pos_x(25);
        bar.set_progress_bar_pos_y(360);
        bar.set_progress_bar_size_x(550);
        bar.set_progress_bar_size_y(16);
        bar.set_bar_colour(255, 47, 255);
    }
    CProgressBar bar{&engine, &font};
};

TEST_F(ProgressBarTest, FilledBarRowsAndLength)
{
    bar.set_progress_value(1.0f);
    auto buf = make_buffer(600, 400);
    bar.draw_progress_bar(buf.get());
    // Row offset -> alpha; rows 0..2, 14 and 15 stay empty.
    const int alpha[16] = {0, 0, 0, 131, 143, 155, 167, 179, 191, 179, 167, 155, 143, 131, 0, 0};
    for (int r = 1; r < 16; ++r)
        EXPECT_EQ(red(buf.get(), 40, 360 + r), over(0, 255, alpha[r])) << "row " << r;
    EXPECT_EQ(red(buf.get(), 27, 368), over(0, 255, 191));
    EXPECT_EQ(red(buf.get(), 25 + 550 - 2, 368), over(0, 255, 191));
    EXPECT_EQ(red(buf.get(), 26, 368), 0);
    EXPECT_EQ(red(buf.get(), 25 + 550 - 1, 368), 0);

    bar.set_progress_value(0.5f);
    buf = make_buffer(600, 400);
    bar.draw_progress_bar(buf.get());
    const int end = 25 + 2 + (550 - 4) / 2;
    EXPECT_GT(red(buf.get(), end, 366), 0);
    EXPECT_EQ(red(buf.get(), end + 1, 366), 0);
}

TEST_F(ProgressBarTest, BouncingBlockTurnsAtTheQuarterMarginsWithItsBrightEdgeLeading)
{
    bar.set_progress_mode(CProgressBar::bouncing);
    EXPECT_EQ(bar.get_block_position(), 267);
    int lowest = 1000, highest = -1;
    for (int n = 0; n < 300; ++n) {
        const int pos = bar.get_block_position(), step = bar.get_block_step();
        auto buf = make_buffer(600, 400);
        bar.draw_progress_bar(buf.get());
        const int left = red(buf.get(), 25 + pos, 364), right = red(buf.get(), 25 + pos + 15, 364);
        if (step >= 0)
            EXPECT_GT(right, left) << n;
        else
            EXPECT_GT(left, right) << n;
        lowest = std::min(lowest, pos);
        highest = std::max(highest, pos);
    }
    EXPECT_EQ(lowest, 137);
    EXPECT_EQ(highest, 396);
}

TEST_F(WidgetTest, HiddenButtonDrawsNothingButAnswersClicks)
{
    CWireFramePushButton ok(&engine, &font);
    ok.set_x_pos(268);
    ok.set_y_pos(356);
    ok.set_x_size(64);
    ok.set_y_size(20);
    ok.set_frame_colour(127, 127, 127);
    ok.set_highlight_colour(255, 47, 255);
    ok.set_background_colour(14, 14, 14);
    ok.set_button_text("OK");
    ok.set_hidden(true);
    auto buf = make_buffer(600, 400), before = make_buffer(600, 400);
    ok.undraw_pushbutton(buf.get());
    ok.draw_pushbutton(buf.get());
    EXPECT_TRUE(same_pixels(buf.get(), before.get()));
    EXPECT_TRUE(ok.test_clicked(300, 366));

    ok.set_hidden(false);
    ok.set_state(true);
    ok.undraw_pushbutton(buf.get());
    ok.draw_pushbutton(buf.get());
    EXPECT_EQ(red(buf.get(), 268, 356), over(0, 127, 255));
    EXPECT_EQ(red(buf.get(), 332, 376), over(0, 127, 255));
    EXPECT_EQ(red(buf.get(), 270, 358), over(14, 255, 175));
}

}  // namespace
