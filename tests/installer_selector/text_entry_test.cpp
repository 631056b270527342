// The one-line text entry: keys, limits and drawing into a pixel buffer.
#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"
#include "text_entry.h"

namespace {

constexpr uint32_t kBackSpace = 0xff08, kDelete = 0xffff, kReturn = 0xff0d, kLetterA = 0x61, kTab = 0xff09;

class TextEntryTest : public ::testing::Test {
protected:
    TextEntryTest() { entry.set_text_entry_has_focus(true); }
    AFX_engine engine;
    AFX_font_engine font{&engine};
    CTextEntry entry{&engine, &font};
};

TEST_F(TextEntryTest, KeysEditTheText)
{
    struct step {
        uint32_t keysym;
        const char* text;
        bool returned;
        const char* after;
    };
    const step steps[] = {
        {kBackSpace, "", false, ""},  // empty stays empty
        {kLetterA, "a", false, "a"},   {0x62, "b", false, "ab"},
        {0xffe1, "", false, "ab"},  // Shift: no text
        {kTab, "\t", false, "ab"},  // control characters never enter
        {0xff1b, "\x1b", false, "ab"}, {0x63, "c\x7f", false, "abc"},
        {kReturn, "\r", true, "abc"},  {kDelete, "", false, "ab"},
        {kBackSpace, "", false, "a"},
    };
    for (const step& s : steps) {
        EXPECT_EQ(entry.send_keypress(s.keysym, s.text), s.returned) << s.keysym;
        EXPECT_STREQ(entry.get_text_string(), s.after) << s.keysym;
    }
    entry.set_text_entry_has_focus(false);
    EXPECT_FALSE(entry.send_keypress(kReturn, "\r"));
    EXPECT_FALSE(entry.send_keypress(kLetterA, "a"));
    EXPECT_STREQ(entry.get_text_string(), "a");
}

TEST_F(TextEntryTest, TextStopsAt1023CharactersAndAFullEntryCanStillBeShortened)
{
    entry.set_text(std::string(2000, 'x').c_str());
    EXPECT_EQ(std::string(entry.get_text_string()).size(), 1023u);
    entry.send_keypress(kLetterA, "a");
    entry.add_character('y');
    EXPECT_EQ(std::string(entry.get_text_string()), std::string(1023, 'x'));
    entry.send_keypress(kBackSpace, "");
    EXPECT_EQ(std::string(entry.get_text_string()).size(), 1022u);

    // A key text that does not fit whole is refused, not cut.
    entry.set_text(std::string(1021, 'x').c_str());
    entry.send_keypress(0x20ac, "\xe2\x82\xac");
    EXPECT_EQ(std::string(entry.get_text_string()).size(), 1021u);
    // Nor does set_text leave half a character at the end.
    entry.set_text((std::string(1022, 'x') + "\xc3\xa9").c_str());
    EXPECT_EQ(std::string(entry.get_text_string()), std::string(1022, 'x'));
    entry.set_text(nullptr);
    EXPECT_STREQ(entry.get_text_string(), "");
}

TEST(TextEntryUtf8, BackSpaceRemovesAWholeCharacter)
{
    if (!std::setlocale(LC_ALL, "C.UTF-8"))
        GTEST_SKIP() << "no UTF-8 locale";
    AFX_engine engine;
    AFX_font_engine font{&engine};
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(font.get_utf8());
    CTextEntry entry{&engine, &font};
    entry.set_text_entry_has_focus(true);
    entry.set_text("a\xc3\xa9");
    entry.send_keypress(kBackSpace, "");
    EXPECT_STREQ(entry.get_text_string(), "a");
}

struct pixbuf_deleter {
    void operator()(afx_pixbuf* p) const { AFX_drawing::afx_pixbuf_destroy_with_allocation(p); }
};

// Columns with a lit pixel, as [first, last]; -1 when none.
std::pair<int, int> lit_columns(const afx_pixbuf* b, int y0, int y1)
{
    int first = -1, last = -1;
    for (int x = 0; x < b->width; ++x)
        for (int y = y0; y <= y1; ++y)
            if (afx_pixel_at(b, x, y)[0] > 40) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST_F(TextEntryTest, TextEndsAtTheCursorAndStaysInsideTheBox)
{
    std::unique_ptr<afx_pixbuf, pixbuf_deleter> buf(AFX_drawing::afx_pixbuf_new_with_allocation(300, 60, 0));
    entry.set_text_entry_pos_x(50);
    entry.set_text_entry_pos_y(20);
    entry.set_text_entry_size_x(200);
    entry.set_text_entry_size_y(16);
    entry.set_focus_colour(255, 255, 255);
    entry.set_normal_colour(128, 128, 128);
    entry.set_cursor_colour(200, 0, 0);

    entry.set_text("abc");
    entry.undraw_text_entry(buf.get());
    entry.draw_text_entry(buf.get());
    const int c = 50 + 3 + font.get_string_length_in_pxls("abc");
    const int baseline = 20 + 8 + 5;
    // Cursor: two columns from the baseline up 10 pixels.
    const int cursor_red = afx_blend_channel(0, 200, 255);
    for (int x : {c, c + 1}) {
        EXPECT_EQ(afx_pixel_at(buf.get(), x, baseline)[0], cursor_red);
        EXPECT_EQ(afx_pixel_at(buf.get(), x, baseline - 10)[0], cursor_red);
        EXPECT_EQ(afx_pixel_at(buf.get(), x, baseline - 11)[0], 0);
    }
    EXPECT_GE(lit_columns(buf.get(), 21, 35).first, 53);

    // A long text keeps its end next to the cursor, two pixels inside the
    // right edge, and loses its beginning at the left edge.
    entry.set_text(std::string(300, 'W').c_str());
    entry.undraw_text_entry(buf.get());
    entry.draw_text_entry(buf.get());
    const auto cols = lit_columns(buf.get(), 0, 59);
    EXPECT_EQ(cols.first, 51);
    EXPECT_EQ(cols.second, 250 - 2 + 1);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 300; ++x)
            if (y <= 20 || y >= 36) {
                ASSERT_EQ(afx_pixel_at(buf.get(), x, y)[0], 0) << x << "," << y;
            }
}

}  // namespace
