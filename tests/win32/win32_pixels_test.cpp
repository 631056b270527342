// The Win32 backend's pixel work, which needs no window system.
#include "afx/win32/win32_pixels.h"

#include <gtest/gtest.h>

#include <vector>

using namespace afx_win32;

namespace {

struct Dib {
    std::vector<uint8_t> bytes;
    bgr_image image;
    Dib(int w, int h) : bytes(dib_image_size(w, h), 0x55), image{bytes.data(), w, h} {}
    const uint8_t* px(int x, int y) const { return image.row(y) + x * 3; }
};

std::vector<uint8_t> gdkp(uint32_t stride, uint32_t w, uint32_t h, size_t pixel_bytes)
{
    std::vector<uint8_t> s(afx_gdkpixdata::kHeaderSize + pixel_bytes);
    afx_gdkpixdata::write_header(s.data(), w, h);
    afx_gdkpixdata::write_be32(s.data() + 12, stride);
    return s;
}

}  // namespace

TEST(Win32Dib, RowsArePaddedToFourBytesAndTheImageSizeCountsThePadding)
{
    struct {
        int width, stride;
    } cases[] = {{145, 436}, {144, 432}, {1, 4}, {702, 2108}};
    for (auto c : cases) {
        EXPECT_EQ(dib_stride(c.width), c.stride) << c.width;
        EXPECT_EQ(dib_image_size(c.width, 765), uint32_t(c.stride) * 765u) << c.width;
    }
}

TEST(Win32Dib, RgbaBecomesBgrWithAlphaDropped)
{
    uint8_t rgba[] = {255, 255, 255, 0, 255, 0, 0, 17, 1, 2, 3, 255};
    afx_pixbuf src{3, 1, 12, rgba, 0};
    Dib d(5, 2);
    copy_rgba_to_bgr(src, d.image, 0, 0, 1, 1, 3, 1);
    const uint8_t want[][3] = {{255, 255, 255}, {0, 0, 255}, {3, 2, 1}};
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(d.px(1 + i, 1)[c], want[i][c]) << i << "," << c;
    EXPECT_EQ(d.px(0, 1)[0], 0x55);  // outside the rectangle untouched
    EXPECT_EQ(d.px(1, 0)[0], 0x55);
}

TEST(Win32Dib, BackgroundHasDotsEveryPeriodAndAnOrangeGrip)
{
    // Scale 1: grip 20, margin 1, period 8, dot 1 on a 145-pixel-wide image.
    Dib d(145, 60);
    paint_background(d.image, 112, 112, 112, 20, 1, 8, 1);
    const uint8_t dot = 112 * 256 / 896;
    EXPECT_EQ(d.px(0, 0)[0], dot);
    EXPECT_EQ(d.px(8, 16)[2], dot);
    EXPECT_EQ(d.px(1, 0)[0], 0);
    EXPECT_EQ(d.px(7, 8)[1], 0);
    // Grip: q = 4, h = 2; dx, dy measured from (143, 58).
    const uint8_t* on = d.px(143, 58);
    EXPECT_EQ(on[0], 0);
    EXPECT_EQ(on[1], 142);
    EXPECT_EQ(on[2], 197);
    EXPECT_EQ(d.px(141, 58)[2], 0);    // dx 2: between squares
    EXPECT_EQ(d.px(139, 58)[2], 197);  // dx 4: next square
    EXPECT_EQ(d.px(124, 58)[2], 0);    // dx 19, dy 0: inside, not on a square
    EXPECT_EQ(d.px(144, 59)[2], 0);    // the margin stays black
}

TEST(Win32Dib, MonoRowsGoDarkDarkPlainPlainAtLevelOne)
{
    Dib d(3, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = d.image.row(y) + x * 3;
            p[0] = 80, p[1] = 160, p[2] = 200;  // B, G, R
        }
    make_mono(d.image, 1.0f);
    const int grey = 200 / 4 + 160 / 2 + 80 / 8;  // 140
    const int dark = grey - grey / 8;
    const int want[] = {dark, dark, grey, grey, dark, dark};
    for (int y = 0; y < 6; ++y)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(d.px(2, y)[c], want[y]) << "row " << y;
    // At level 2 (a doubled window) the bands are twice as tall.
    Dib e(1, 8);
    make_mono(e.image, 2.0f);
    const int g2 = 0x55 / 4 + 0x55 / 2 + 0x55 / 8;
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(e.px(0, y)[0], y < 4 ? g2 - g2 / 8 : g2) << "row " << y;
}

TEST(Win32Resource, StreamIsCheckedAgainstTheResourceSize)
{
    const auto good = gdkp(8, 2, 3, 24);
    EXPECT_EQ(checked_gdkp_stream(good.data(), good.size()), good.data());

    struct {
        const char* what;
        std::vector<uint8_t> s;
        size_t size;
    } bad[] = {
        {"one byte short", gdkp(8, 2, 3, 24), 24 + 23},
        {"stride beyond the data", gdkp(4096, 2, 3, 24), 0},
        {"stride below a row", gdkp(4, 2, 3, 24), 0},
        {"height beyond the data", gdkp(8, 2, 300, 24), 0},
        {"no pixels", gdkp(0, 0, 0, 0), 0},
        {"header cut", gdkp(8, 2, 3, 24), 20},
    };
    for (auto& b : bad)
        EXPECT_EQ(checked_gdkp_stream(b.s.data(), b.size ? b.size : b.s.size()), nullptr) << b.what;

    auto not_gdkp = good;
    not_gdkp[0] = 'X';
    testing::internal::CaptureStdout();
    EXPECT_EQ(checked_gdkp_stream(not_gdkp.data(), not_gdkp.size()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "afx_pixbuf_new_from_inline - pixbuf is not a pixbuf test failed\n");
    EXPECT_EQ(checked_gdkp_stream(nullptr, 100), nullptr);
}
