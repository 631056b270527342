#include "afx_scaled_blit.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

#include <vector>

using D = AFX_drawing;

namespace {

// A recording sink over a plain RGB array, with a "never written" marker.
struct grid_sink {
    int w, h;
    std::vector<int> px;  // r << 16 | g << 8 | b, or -1
    grid_sink(int w_, int h_) : w(w_), h(h_), px(size_t(w_) * h_, -1) {}
    int width() const { return w; }
    int height() const { return h; }
    bool begin() { return true; }
    void put(int x, int y, int r, int g, int b)
    {
        ASSERT_TRUE(x >= 0 && y >= 0 && x < w && y < h) << x << "," << y;
        px[size_t(y) * w + x] = r << 16 | g << 8 | b;
    }
    int at(int x, int y) const { return px[size_t(y) * w + x]; }
    int written() const
    {
        int n = 0;
        for (int v : px)
            n += v >= 0;
        return n;
    }
};

}  // namespace

TEST(CatromKernel, TapsAtUnscaledAndMidpoint)
{
    const auto mid = afx_scale::taps_for_fraction(128);
    EXPECT_EQ(std::vector<int>(mid.w, mid.w + 4), (std::vector<int>{-16, 144, 144, -16}));
    EXPECT_EQ(mid.total, 256);
    const auto whole = afx_scale::taps_for_fraction(0);
    EXPECT_EQ(std::vector<int>(whole.w, whole.w + 4), (std::vector<int>{0, 256, 0, 0}));
    EXPECT_EQ(afx_scale::kernel(512), 0);
    EXPECT_EQ(afx_scale::kernel(0), 256);
}

TEST(CatromKernel, NormaliseMatchesTheDivisionForEveryFraction)
{
    // The reciprocal must give exactly clamp((A / W) >> 8) with A = 256 x sum.
    for (int f = 0; f < 256; ++f) {
        const auto t = afx_scale::taps_for_fraction(f);
        for (int s = -3000; s <= 90000; s += 37) {
            const int v = (s * 256) / t.total;
            const int expect = v < 0 ? 0 : (v > 65280 ? 255 : v >> 8);
            ASSERT_EQ(afx_scale::normalise(s, t), expect) << "f " << f << " s " << s;
        }
    }
}

TEST(CatromBlit, UniformSourceStaysUniformAtEveryScale)
{
    owned_pixbuf src(20, 12);
    D::afxline_block_fill_to_pixbuf(src, 0, 0, 20, 12, 93, 180, 7);
    for (float scale : {1.0f, 1.25f, 1.5f, 2.0f, 3.0f, 4.0f}) {
        const int w = int(20 * scale), h = int(12 * scale);
        grid_sink sink(w, h);
        EXPECT_TRUE(afx_catrom_blit(*src.p, sink, {0, 0, w, h, 0, 0, scale}));
        EXPECT_EQ(sink.written(), w * h) << scale;
        for (int v : sink.px)
            ASSERT_EQ(v, 93 << 16 | 180 << 8 | 7) << scale;
    }
}

TEST(CatromBlit, ScaleTwoSamplesMidpointsAndClampsOvershoot)
{
    // A linear ramp is reproduced exactly; a hard edge overshoots and is held.
    owned_pixbuf ramp(8, 1), edge(8, 1);
    for (int x = 0; x < 8; ++x) {
        D::afxline_block_fill_to_pixbuf(ramp, x, 0, 1, 1, 20 * x + 40, 0, 0);
        D::afxline_block_fill_to_pixbuf(edge, x, 0, 1, 1, x < 4 ? 0 : 255, x < 4 ? 255 : 0, 0);
    }
    grid_sink a(16, 2), b(16, 2);
    afx_catrom_blit(*ramp.p, a, {0, 0, 16, 2, 0, 0, 2.0f});
    afx_catrom_blit(*edge.p, b, {0, 0, 16, 2, 0, 0, 2.0f});
    EXPECT_EQ(a.at(2, 0) >> 16, 60);  // column 1 exactly
    EXPECT_EQ(a.at(3, 0) >> 16, 70);  // midpoint of columns 1 and 2
    EXPECT_EQ(a.at(3, 1), a.at(3, 0));
    EXPECT_EQ(b.at(5, 0) >> 16, 0);           // undershoot clamped to 0
    EXPECT_EQ((b.at(5, 0) >> 8) & 255, 255);  // overshoot clamped to 255
}

TEST(CatromBlit, RectanglesAtTheEdgesAndBesideTheContent)
{
    owned_pixbuf src(10, 10);
    D::afxline_block_fill_to_pixbuf(src, 0, 0, 10, 10, 50, 60, 70);
    {
        // Reaching the far corner fills the last row and column.
        grid_sink s(20, 20);
        afx_catrom_blit(*src.p, s, {15, 15, 100, 100, 0, 0, 2.0f});
        EXPECT_EQ(s.written(), 25);
        EXPECT_GE(s.at(19, 19), 0);
    }
    {
        // Left of and above the content origin: starts at the origin.
        grid_sink s(40, 40);
        afx_catrom_blit(*src.p, s, {0, 0, 4, 4, 10, 10, 2.0f});
        EXPECT_EQ(s.written(), 16);
        EXPECT_GE(s.at(10, 10), 0);
        EXPECT_EQ(s.at(9, 9), -1);
    }
    {
        // The margin right of the scaled content has no source: nothing to
        // draw, and no crash from a negative temporary size.
        grid_sink s(60, 30);
        EXPECT_FALSE(afx_catrom_blit(*src.p, s, {45, 0, 15, 30, 10, 0, 2.0f}));
        EXPECT_EQ(s.written(), 0);
        EXPECT_FALSE(afx_catrom_blit(*src.p, s, {0, 0, 10, 10, 60, 0, 2.0f}));
        EXPECT_FALSE(afx_catrom_blit(*src.p, s, {0, 0, 0, 10, 0, 0, 2.0f}));
    }
    {
        // Below the scaled content the rows stop where the source ends.
        grid_sink s(20, 40);
        afx_catrom_blit(*src.p, s, {0, 0, 20, 40, 0, 0, 2.0f});
        EXPECT_EQ(s.written(), 20 * 20);
        EXPECT_EQ(s.at(0, 20), -1);
    }
}

TEST(PackedSink, LayoutsPackWhite)
{
    struct row {
        uint32_t r, g, b, white;
        int bpp;
    } rows[] = {{0xFF0000, 0xFF00, 0xFF, 0xFFFFFF, 32},
                {0xF800, 0x7E0, 0x1F, 0xFFFF, 16},
                {0x7C00, 0x3E0, 0x1F, 0x7FFF, 16}};
    for (const row& r : rows) {
        owned_pixbuf src(2, 2);
        D::afxline_block_fill_to_pixbuf(src, 0, 0, 2, 2, 255, 255, 255);
        std::vector<uint32_t> mem(4, 0);
        AFXPackedImageSink sink;
        sink.image_width = sink.image_height = 2;
        sink.red_mask = r.r, sink.green_mask = r.g, sink.blue_mask = r.b;
        sink.bits_per_pixel = r.bpp;
        sink.data = reinterpret_cast<uint8_t*>(mem.data());
        sink.bytes_per_line = 8;
        afx_catrom_blit(*src.p, sink, {0, 0, 2, 2, 0, 0, 1.0f});
        const uint32_t got = r.bpp == 16 ? reinterpret_cast<uint16_t*>(mem.data())[0] : mem[0];
        EXPECT_EQ(got, r.white) << std::hex << r.r;
    }
    EXPECT_EQ(afx_scale::pack(afx_scale::layout::rgb565, 0xF800, 0x7E0, 0x1F, 0x80, 0x40, 0x20),
              (0x10u << 11) | (0x10u << 5) | 0x04u);
}

TEST(PackedSink, UnsupportedMasksWriteNothingAndExplain)
{
    owned_pixbuf src(2, 2);
    int calls = 0;
    AFXPackedImageSink sink;
    sink.image_width = sink.image_height = 2;
    sink.red_mask = 0xF00, sink.green_mask = 0xF0, sink.blue_mask = 0xF;
    sink.bits_per_pixel = 12;
    sink.put_ctx = &calls;
    sink.put_pixel = [](void* ctx, int, int, uint32_t) { ++*static_cast<int*>(ctx); };
    testing::internal::CaptureStdout();
    EXPECT_FALSE(afx_catrom_blit(*src.p, sink, {0, 0, 2, 2, 0, 0, 1.0f}));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(calls, 0);
    const char* pre = "*** Error *** QELM-UI - AFX_engine afx_blit_pixbuf_scaled - ";
    EXPECT_EQ(out, std::string(pre) + "Image / display colour depth is not supported\n" + pre +
                       "bits per pixel is 12\n" + pre + "red_mask is 0F00\n" + pre + "green_mask is 00F0\n" +
                       pre + "blue_mask is 000F\n\n");
}

TEST(FrameSinks, RgbaAndPaddedBgrRows)
{
    owned_pixbuf src(3, 2);
    D::afxline_block_fill_to_pixbuf(src, 0, 0, 3, 2, 10, 20, 30);
    std::vector<uint8_t> rgba(3 * 2 * 4, 0);
    AFXRgbaSink r;
    r.image_width = 3, r.image_height = 2, r.rowstride = 12, r.pixels = rgba.data();
    afx_catrom_blit(*src.p, r, {0, 0, 3, 2, 0, 0, 1.0f});
    EXPECT_EQ(std::vector<uint8_t>(rgba.begin(), rgba.begin() + 4), (std::vector<uint8_t>{10, 20, 30, 255}));

    EXPECT_EQ(AFXBgrDibSink::row_bytes(3), 12);
    std::vector<uint8_t> dib(12 * 2, 0xEE);
    AFXBgrDibSink d;
    d.image_width = 3, d.image_height = 2, d.bits = dib.data();
    afx_catrom_blit(*src.p, d, {0, 0, 3, 2, 0, 0, 1.0f});
    EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 12, dib.begin() + 15), (std::vector<uint8_t>{30, 20, 10}));
    EXPECT_EQ(dib[9], 0xEE);  // row padding left alone
    EXPECT_EQ(dib[23], 0xEE);
}
