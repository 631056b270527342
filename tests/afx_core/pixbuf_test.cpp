#include "afx_pixbuf.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

#include <vector>

using D = AFX_drawing;

TEST(PixelBlend, IntegerBlendTable)
{
    struct row {
        int d, c, a, expect;
    } rows[] = {
        {0, 255, 255, 254},  // rising stops one short
        {255, 0, 255, 0},    // falling reaches the colour
        {77, 200, 0, 77},    // no alpha, no change
        {100, 200, 128, 150},    {200, 100, 128, 150},
        {201, 100, 128, 150},     // negative product rounds towards minus infinity
        {10, 20, 256 + 128, 15},  // only the low 8 bits of alpha count
    };
    for (const row& r : rows)
        EXPECT_EQ(afx_blend_channel(r.d, r.c, r.a), r.expect) << r.d << " " << r.c << " " << r.a;
}

TEST(Pixbuf, AllocationIsOpaqueBlackAndInitAllocates)
{
    owned_pixbuf b(3, 2);
    EXPECT_EQ(b->rowstride, 12);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(std::vector<uint8_t>(b.at(x, y), b.at(x, y) + 4), (std::vector<uint8_t>{0, 0, 0, 255}));

    afx_pixbuf bare{4, 4, 16, nullptr, 3};
    D::afx_pixbuf_init(&bare);
    ASSERT_NE(bare.pixels, nullptr);
    EXPECT_EQ(bare.pixels[15 * 4 + 3], 255);
    EXPECT_EQ(bare.pixels[15 * 4 + 0], 0);
    delete[] bare.pixels;
    D::afx_pixbuf_destroy(nullptr);
    D::afx_pixbuf_destroy_with_allocation(nullptr);
}

TEST(GdkPixdata, HeaderRoundTripAndPixelsInPlace)
{
    std::vector<uint8_t> stream(24 + 2 * 3 * 4);
    afx_gdkpixdata::write_header(stream.data(), 2, 3);
    const auto h = afx_gdkpixdata::read_header(stream.data());
    EXPECT_EQ(h.magic, 0x47646B50u);
    EXPECT_EQ(h.length, 24u + 24u);
    EXPECT_EQ(h.type, 0x01010002u);
    EXPECT_EQ(h.rowstride, 8u);
    EXPECT_EQ(h.width, 2u);
    EXPECT_EQ(h.height, 3u);
    EXPECT_EQ(std::string(stream.begin(), stream.begin() + 4), "GdkP");

    // Length and type are not checked by the reader.
    afx_gdkpixdata::write_be32(stream.data() + 4, 1);
    afx_gdkpixdata::write_be32(stream.data() + 8, 0xDEADBEEF);
    afx_pixbuf* p = D::afx_pixbuf_new_from_inline(stream.data(), 7);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->width, 2);
    EXPECT_EQ(p->height, 3);
    EXPECT_EQ(p->rowstride, 8);
    EXPECT_EQ(p->window, 7);
    EXPECT_EQ(p->pixels, stream.data() + 24);
    D::afx_pixbuf_reparent(p, 9);
    EXPECT_EQ(p->window, 9);
    D::afx_pixbuf_destroy(p);
}

TEST(GdkPixdata, BadMagicGivesNullAndMessage)
{
    std::vector<uint8_t> stream(24, 0);
    afx_gdkpixdata::write_header(stream.data(), 0, 0);
    stream[3] = 'Q';
    testing::internal::CaptureStdout();
    EXPECT_EQ(D::afx_pixbuf_new_from_inline(stream.data(), 0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "afx_pixbuf_new_from_inline - pixbuf is not a pixbuf test failed\n");
}

TEST(PixbufPrimitives, CopyCombineFill)
{
    owned_pixbuf src(4, 4), dst(4, 4);
    D::afxline_block_fill_to_pixbuf(src, 0, 0, 4, 4, 200, 100, 50);
    src.at(1, 1)[3] = 128;
    dst.at(1, 1)[3] = 17;
    D::afx_combine_pixbuf_fixed(src, dst, 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(dst.at(1, 1)[0], 100);
    EXPECT_EQ(dst.at(1, 1)[1], 50);
    EXPECT_EQ(dst.at(1, 1)[3], 17);  // destination alpha kept

    D::afx_pixbuf_copy(src, dst, 0, 0, 2, 2, 2, 2);
    EXPECT_EQ(dst.at(3, 3)[0], 200);
    EXPECT_EQ(dst.at(3, 2)[3], 255);
    EXPECT_EQ(dst.at(1, 1)[3], 17);  // outside the copied rectangle

    owned_pixbuf before(4, 4);
    D::afx_pixbuf_copy(dst, before, 0, 0, 0, 0, 4, 4);
    D::afx_pixbuf_copy(src, dst, 0, 0, 0, 0, 0, 3);
    D::afx_combine_pixbuf_fixed(src, dst, 0, 0, 0, 0, 3, -1);
    D::afxline_block_fill_to_pixbuf(dst, 0, 0, -1, 2, 1, 2, 3);
    D::afxline_block_fill_to_pixbuf(nullptr, 0, 0, 2, 2, 1, 2, 3);
    EXPECT_TRUE(dst.same_pixels(before));
}

TEST(PixbufPrimitives, StraightLinesAndPlotAlpha)
{
    owned_pixbuf a(8, 8), b(8, 8);
    D::draw_horiz_line_to_pixbuf(a, 6, 2, 1, 99, 255, 255, 255, 255);
    D::draw_horiz_line_to_pixbuf(b, 1, 2, 6, -5, 255, 255, 255, 255);
    EXPECT_TRUE(a.same_pixels(b));
    EXPECT_EQ(a.count_non_black(), 6);
    D::draw_vert_line_to_pixbuf(a, 0, 7, 99, 7, 255, 0, 0, 255);
    EXPECT_EQ(a.count_non_black(), 7);  // x1 = x2 style single pixel

    owned_pixbuf c(2, 1);
    c.at(0, 0)[3] = c.at(1, 0)[3] = 40;
    D::plot_pixel_to_pixbuf(c, 0, 0, 255, 255, 255, 255, true);
    D::afxline_plot_pixel_to_pixbuf(c, 1, 0, 255, 255, 255, 255);
    EXPECT_EQ(c.at(0, 0)[3], 40);
    EXPECT_EQ(c.at(1, 0)[3], 255);
    EXPECT_EQ(c.at(0, 0)[0], 254);
}

TEST(WuLine, PixelCounts)
{
    struct row {
        int x0, y0, x1, y1, pixels;
    } rows[] = {{5, 5, 5, 5, 1}, {0, 0, 3, 0, 4}, {0, 0, 4, 4, 5},
                {4, 4, 0, 0, 5}, {0, 5, 0, 0, 6}, {7, 0, 3, 4, 5}};
    for (const row& r : rows) {
        owned_pixbuf b(10, 10);
        D::afxline_draw_line_on_pixbuf(b, r.x0, r.y0, r.x1, r.y1, 255, 255, 255, 255);
        EXPECT_EQ(b.count_non_black(), r.pixels) << r.x0 << "," << r.y0 << "-" << r.x1 << "," << r.y1;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                if (b.at(x, y)[0]) {
                    EXPECT_EQ(b.at(x, y)[0], 254);  // full alpha everywhere
                }
    }
}

TEST(WuLine, SlopedEndsFullAndPairsShareTheAlpha)
{
    for (bool steep : {false, true}) {
        owned_pixbuf b(12, 12);
        const int x1 = steep ? 3 : 9, y1 = steep ? 9 : 3;
        D::afxline_draw_line_on_pixbuf(b, 0, 0, x1, y1, 255, 255, 255, 255);
        EXPECT_EQ(b.at(0, 0)[0], 254);
        EXPECT_EQ(b.at(x1, y1)[0], 254);
        // Every inner step lights a pair whose alphas add to 2 x 255 - 255.
        for (int i = 1; i < (steep ? y1 : x1); ++i) {
            int sum = 0;
            for (int j = 0; j < 12; ++j)
                sum += steep ? b.at(j, i)[0] : b.at(i, j)[0];
            EXPECT_GE(sum, 253) << "step " << i;
            EXPECT_LE(sum, 254) << "step " << i;
        }
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                EXPECT_EQ(b.at(x, y)[3], 255);
    }
}

TEST(WuLine, LowAlphaNeverWrapsBrighter)
{
    owned_pixbuf b(12, 12);
    D::afxline_draw_line_on_pixbuf(b, 0, 0, 9, 4, 255, 255, 255, 128);
    const int full = afx_blend_channel(0, 255, 128);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_LE(b.at(x, y)[0], full) << x << "," << y;
    EXPECT_EQ(b.at(9, 4)[0], full);
}
