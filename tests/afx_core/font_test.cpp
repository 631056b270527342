#include "afx_font_engine.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct utf8_locale {
    std::string old;
    utf8_locale() : old(std::setlocale(LC_CTYPE, nullptr))
    {
        if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
            std::setlocale(LC_CTYPE, "C.utf8");
    }
    ~utf8_locale() { std::setlocale(LC_CTYPE, old.c_str()); }
};

struct byte_locale {
    std::string old;
    byte_locale() : old(std::setlocale(LC_CTYPE, nullptr)) { std::setlocale(LC_CTYPE, "C"); }
    ~byte_locale() { std::setlocale(LC_CTYPE, old.c_str()); }
};

// Renders with the gamma pair in white on a fresh black buffer.
owned_pixbuf* render(const AFX_font_engine& f, const char* text, int max_chars)
{
    auto* b = new owned_pixbuf(160, 24);
    f.draw_string(b->p, text, 4, 14, max_chars);
    return b;
}

}  // namespace

TEST(FontGlyphs, PinnedRecords)
{
    struct row {
        int code, w, h, advance, bearing, top;
    } rows[] = {{0, 6, 12, 6, 0, 9},   {7, 6, 12, 6, 0, 9},  {127, 6, 12, 6, 0, 9},   {159, 6, 12, 6, 0, 9},
                {32, 0, 0, 3, 0, 0},   {160, 0, 0, 3, 0, 0}, {42, 6, 6, 5, 0, 9},     {45, 4, 2, 4, 0, 4},
                {46, 2, 2, 3, 1, 2},   {48, 7, 10, 7, 0, 9}, {65, 8, 9, 7, 0, 9},     {87, 11, 9, 11, 0, 9},
                {95, 7, 1, 5, -1, -2}, {97, 6, 8, 7, 0, 7},  {106, 3, 13, 3, -1, 10}, {255, 7, 13, 6, 0, 10}};
    for (const row& r : rows) {
        const uint8_t* g = afx_font_glyph_table[r.code];
        EXPECT_EQ(g[0], r.w) << r.code;
        EXPECT_EQ(g[1], r.h) << r.code;
        EXPECT_EQ(g[2], r.advance) << r.code;
        EXPECT_EQ(g[3], 0) << r.code;
        EXPECT_EQ(int8_t(g[4]), r.bearing) << r.code;
        EXPECT_EQ(int8_t(g[5]), r.top) << r.code;
    }
    // Every printable glyph has ink; every record stays inside the metrics.
    for (int code = 33; code < 256; ++code) {
        const uint8_t* g = afx_font_glyph_table[code];
        if (code == 127 || code == 160)
            continue;
        int ink = 0;
        for (int i = 0; i < g[0] * g[1]; ++i)
            ink += g[6 + i] != 0;
        EXPECT_GT(ink, 0) << code;
        EXPECT_LE(g[0], 11) << code;
        EXPECT_LE(g[1], 13) << code;
    }
}

TEST(FontEngine, MetricsAndGammaTables)
{
    AFX_font_engine f(nullptr);
    EXPECT_EQ(f.get_glyph_max_width(), 11);
    EXPECT_EQ(f.get_glyph_max_height(), 13);
    EXPECT_EQ(f.get_glyphs_top(), 12);
    EXPECT_EQ(f.get_line_height(), 14);
    struct row {
        float gamma;
        int i, dec, enc;
    } rows[] = {{1.6f, 128, 84, 165},
                {1.6f, 0, 0, 0},
                {1.6f, 255, 255, 255},
                {1.8f, 128, 73, 173},
                {1.5f, 128, 90, 161}};
    for (const row& r : rows) {
        AFX_font_engine g(nullptr, r.gamma);
        EXPECT_EQ(g.get_decode_table()[r.i], r.dec) << r.gamma << " " << r.i;
        EXPECT_EQ(g.get_encode_table()[r.i], r.enc) << r.gamma << " " << r.i;
    }
}

TEST(FontEngine, GammaBlendOfOnePixel)
{
    AFX_font_engine f(nullptr);
    owned_pixbuf b(3, 1);
    b.at(2, 0)[3] = 99;
    f.put_pixel(b, 0, 0, 255, 255, 255, 128);
    f.put_pixel(b, 1, 0, 255, 255, 255, 255);
    f.put_pixel(b, 2, 0, 255, 255, 255, 0);
    EXPECT_EQ(b.at(0, 0)[0], 164);  // ENC[127], not 128
    // Full coverage of white on black: ENC[0 + 255 x 255 >> 8] = ENC[254].
    EXPECT_EQ(b.at(1, 0)[1], f.get_encode_table()[254]);
    EXPECT_GE(b.at(1, 0)[1], 254);
    EXPECT_EQ(b.at(2, 0)[2], 0);
    EXPECT_EQ(b.at(2, 0)[3], 99);
    // The colour-taking forms pass linear values: mid grey comes out lighter.
    owned_pixbuf c(1, 1);
    f.put_pixel(c, 0, 0, 128, 128, 128, 255);
    EXPECT_EQ(c.at(0, 0)[0], f.get_encode_table()[127]);
}

TEST(FontEngine, PixelWriterStaysInsideTheBuffer)
{
    AFX_font_engine f(nullptr);
    // A 10 x 6 view into a larger block: nothing may land outside the view.
    std::vector<uint8_t> block(40 * 20 * 4, 0);
    afx_pixbuf view{10, 6, 40 * 4, block.data() + (5 * 40 + 5) * 4, 0};
    f.draw_string_to_pixbuf(&view, "WWWWWWWWWWjjjjjjjjj", -3, 9, 255, 255, 255, 64);
    f.draw_clipped_glyph_to_pixbuf(&view, 'W', 5, 20, -100, 100, -100, 100, 255, 255, 255);
    int inside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool in_view = x >= 5 && x < 15 && y >= 5 && y < 11;
            const uint8_t v = block[(size_t(y) * 40 + x) * 4];
            if (!in_view) {
                ASSERT_EQ(v, 0) << x << "," << y;
            }
            inside += in_view && v;
        }
    EXPECT_GT(inside, 0);
}

TEST(FontEngine, CutMarkAfterMaxChars)
{
    byte_locale c;
    AFX_font_engine f(nullptr);
    f.set_foreground_rgb(255, 255, 255);
    struct row {
        const char* text;
        int max;
        const char* same_as;  // drawn without a limit
    } rows[] = {{"abcde", 5, "abcde..."},
                {"abcdef", 5, "abcde..."},
                {"abcd", 5, "abcd"},
                {"abc", 0, "..."},
                {"abc", -1, ""}};
    for (const row& r : rows) {
        std::unique_ptr<owned_pixbuf> got(render(f, r.text, r.max));
        std::unique_ptr<owned_pixbuf> want(render(f, r.same_as, 1000));
        EXPECT_TRUE(got->same_pixels(*want)) << r.text << " " << r.max;
    }
}

TEST(FontEngine, Utf8Decoding)
{
    struct row {
        const char* bytes;
        bool utf8;
        int code;
        int consumed;
    } rows[] = {
        {"A", true, 'A', 1},
        {"\xC3\xA9", true, 233, 2},
        {"\xE2\x82\xAC", true, 0x20AC, 3},
        {"\xF0\x9F\x98\x80", true, 0x1F600, 4},
        {"\x80\x80Z", true, 'Z', 3},  // stray continuation bytes skipped
        {"\xC3", true, 3, 1},         // text ends inside the sequence
        {"\xC3\xA9", false, 0xC3, 1},
        {"", true, 0, 0},
    };
    for (const row& r : rows) {
        int code = -1;
        const char* end = AFX_font_engine::get_char(r.bytes, r.utf8, &code);
        EXPECT_EQ(code, r.code) << r.bytes;
        EXPECT_EQ(end - r.bytes, r.consumed) << r.bytes;
    }
}

TEST(FontEngine, Utf8TextDrawsLatin1Glyphs)
{
    utf8_locale u;
    AFX_font_engine f(nullptr);
    ASSERT_TRUE(f.get_utf8());
    f.set_foreground_rgb(255, 255, 255);
    owned_pixbuf a(40, 24), b(40, 24);
    f.draw_string(a, "\xC3\xA9", 4, 14, 10);
    f.draw_glyph(b, 233, 4, 14);
    EXPECT_TRUE(a.same_pixels(b));
    EXPECT_EQ(f.get_string_length_in_pxls("\xC3\xA9"), afx_font_glyph_table[233][2]);
    // U+0100 has low byte 0 and ends the text.
    EXPECT_EQ(f.get_string_length_in_pxls("a\xC4\x80"
                                          "b"),
              7);
}

TEST(FontEngine, RemoveLastCharacter)
{
    struct row {
        bool utf8;
        const char* before;
        int size;
        const char* after;
    } rows[] = {
        {true, "a\xC3\xA9", 16, "a"}, {true, "ab", 16, "a"}, {true, "\xE2\x82\xAC", 16, ""},
        {false, "ab", 16, "a"},       {false, "", 16, ""},   {false, "abc", 4, "abc"}};  // fills size - 1
    for (const row& r : rows) {
        std::unique_ptr<utf8_locale> u;
        std::unique_ptr<byte_locale> c;
        if (r.utf8)
            u = std::make_unique<utf8_locale>();
        else
            c = std::make_unique<byte_locale>();
        AFX_font_engine f(nullptr);
        char text[16] = {};
        std::strcpy(text, r.before);
        f.remove_char(text, r.size);
        EXPECT_STREQ(text, r.after) << r.before;
    }
}

TEST(FontEngine, Measures)
{
    byte_locale c;
    AFX_font_engine f(nullptr);
    EXPECT_EQ(f.get_string_height_in_pxls("a"), 9);
    EXPECT_EQ(f.get_string_height_in_pxls(""), 0);
    EXPECT_EQ(f.get_string_height_in_pxls("aj"), 2 * 13 - 10);
    EXPECT_EQ(f.get_string_length_in_pxls("aW."), 7 + 11 + 3);
    EXPECT_EQ(f.get_hid_string_length_in_pxls("secret"), 6 * 5);
    const std::string long_text(2000, 'W');
    EXPECT_EQ(f.get_string_length_in_pxls(long_text.c_str()), 1024 * 11);
}

TEST(FontEngine, ClippedAndAlignedForms)
{
    byte_locale c;
    AFX_font_engine f(nullptr);
    // 'W' has rows from baseline - 9: a clip top on that row leaves it out.
    owned_pixbuf a(20, 20), b(20, 20);
    f.draw_clipped_glyph_to_pixbuf(a, 'W', 2, 12, 3, 100, -1, 100, 255, 255, 255);
    f.draw_glyph_to_pixbuf(b, 'W', 2, 12, 255, 255, 255);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(a.at(x, 3)[0], 0);
    for (int y = 4; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(a.at(x, y)[0], b.at(x, y)[0]);

    // Right-aligned text ends at x; hidden text is all '*'.
    owned_pixbuf r(60, 20), l(60, 20), h(60, 20), stars(60, 20);
    const int len = f.get_string_length_in_pxls("Ab");
    f.draw_clipped_string_to_pixbufR(r, "Ab", 50, 14, -1, 100, -1, 100, 255, 255, 255, 10);
    f.draw_clipped_string_to_pixbufL(l, "Ab", 50 - len, 14, -1, 100, -1, 100, 255, 255, 255, 10);
    EXPECT_TRUE(r.same_pixels(l));
    f.draw_hid_clipped_string_to_pixbufL(h, "Ab", 5, 14, -1, 100, -1, 100, 255, 255, 255, 10);
    f.draw_string_to_pixbuf(stars, "**", 5, 14, 255, 255, 255, 10);
    EXPECT_TRUE(h.same_pixels(stars));
}
