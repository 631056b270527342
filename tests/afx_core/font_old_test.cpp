// The byte-wise font revision of the Windows and macOS builds.
#include "afx_font_engine.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

TEST(OldFontRevision, HighBytesAsDashOrNothing)
{
    AFX_font_engine f(nullptr);
    EXPECT_EQ(f.get_decode_table()[128], 73);  // the Windows gamma, 1.8
    f.set_foreground_rgb(255, 255, 255);
    owned_pixbuf a(80, 24), b(80, 24);
    // 0xC3 draws '-', 0xA9 draws nothing but still counts towards max chars.
    f.draw_string(a, "x\xC3\xA9yz", 4, 14, 4);
    f.draw_string(b, "x-y...", 4, 14, 100);
    EXPECT_TRUE(a.same_pixels(b));
    EXPECT_EQ(f.get_string_length_in_pxls("\xC3\xA9"), afx_font_glyph_table['-'][2]);
    owned_pixbuf c(20, 20), d(20, 20);
    f.draw_ttf_glyph(c, 'A', 2, 12);
    f.draw_string(d, "A", 2, 12, 5);
    EXPECT_TRUE(c.same_pixels(d));
}
