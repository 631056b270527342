#include "pixmap_fixture.h"

#include "afx/core/afx_scaled_blit.h"
#include "catrom_reference.h"

#include <cstring>

using rgba = std::array<int, 4>;

TEST(CocoaPixmap, DotsEveryPeriodInTheDarkenedColour)
{
    pixmap_ptr pm = make_pixmap(16, 16, {112, 112, 112, 0, 0, 8, 1});
    EXPECT_EQ(pm->rowstride, 64);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool dot = x % 8 == 0 && y % 8 == 0;
            EXPECT_EQ(pixel(*pm, x, y), dot ? (rgba{32, 32, 32, 255}) : (rgba{0, 0, 0, 255}))
                << x << "," << y;
        }
}

TEST(CocoaPixmap, GripIsATriangleOfOrangeSquaresInsetFromTheCorner)
{
    // The panel surface as the views make it.
    pixmap_ptr pm = make_pixmap(144, 510, {0, 0, 0, 20, 1, 8, 1});
    const rgba orange{197, 142, 0, 255}, black{0, 0, 0, 255};
    EXPECT_EQ(pixel(*pm, 142, 508), orange);  // the corner point
    EXPECT_EQ(pixel(*pm, 143, 509), black);   // outside the inset
    // Squares of p = 4 with half = 2: dx 0..1 lit, 2..3 dark.
    EXPECT_EQ(pixel(*pm, 141, 507), orange);
    EXPECT_EQ(pixel(*pm, 140, 508), black);
    // Out along the bottom row and across the diagonal (dx + dy < 20 only).
    EXPECT_EQ(pixel(*pm, 142 - 16, 508), orange);
    EXPECT_EQ(pixel(*pm, 142 - 17, 508 - 1), orange);  // dx + dy = 18
    EXPECT_EQ(pixel(*pm, 142 - 16, 508 - 4), black);   // 20: a lit square, were it inside
    // The grip covers the dots; beyond it they show.
    pixmap_ptr dotted = make_pixmap(144, 510, {112, 112, 112, 20, 1, 8, 1});
    EXPECT_EQ(pixel(*dotted, 136, 496), black);
    EXPECT_EQ(pixel(*dotted, 136, 488), (rgba{32, 32, 32, 255}));
    for (int y = 0; y < 510; ++y)
        for (int x = 0; x < 144; ++x)
            ASSERT_EQ(pixel(*pm, x, y)[3], 255);
}

TEST(CocoaPixmap, RectanglesAreLimitedToThePixmap)
{
    pixmap_ptr pm = make_pixmap(10, 8);
    struct {
        afx_pixmap_rect in, out;
    } cases[] = {
        {{2, 3, 4, 2}, {2, 3, 4, 2}},    // inside
        {{6, 5, 10, 10}, {6, 5, 4, 3}},  // past the far edges: up to the edge
        {{-3, -1, 5, 5}, {0, 0, 5, 5}},  // origin limited, size kept if it fits
        {{12, 9, 3, 3}, {10, 8, 0, 0}},  // wholly outside: empty
        {{1, 1, -4, 2}, {1, 1, 0, 2}},   // negative size: empty
    };
    for (const auto& c : cases) {
        const afx_pixmap_rect r = afx_pixmap_limit(*pm, c.in);
        EXPECT_EQ((std::array<int, 4>{r.x, r.y, r.width, r.height}),
                  (std::array<int, 4>{c.out.x, c.out.y, c.out.width, c.out.height}));
    }
}

TEST(CocoaPixmap, DrawBlendsWithThePixbufsAlphaBlitCopiesAllFourBytes)
{
    test_pixbuf src(2, 1, [](int x, int) { return x == 0 ? rgba{255, 0, 100, 255} : rgba{9, 9, 9, 0}; });
    pixmap_ptr drawn = make_pixmap(4, 4);
    afx_pixmap_draw_pixbuf(drawn.get(), &src.pb, 0, 0, 1, 2, 2, 1);
    EXPECT_EQ(pixel(*drawn, 1, 2), (rgba{254, 0, 99, 255}));  // the toolkit's blend
    EXPECT_EQ(pixel(*drawn, 2, 2), (rgba{0, 0, 0, 255}));     // alpha 0 leaves it
    pixmap_ptr copied = make_pixmap(4, 4);
    afx_pixmap_blit_pixbuf(copied.get(), &src.pb, 0, 0, 1, 2, 2, 1);
    EXPECT_EQ(pixel(*copied, 1, 2), (rgba{255, 0, 100, 255}));
    EXPECT_EQ(pixel(*copied, 2, 2), (rgba{9, 9, 9, 0}));
}

namespace {

// The panel-like source as a pixmap: edges and gradients so the filter works.
pixmap_ptr patterned(int w, int h)
{
    pixmap_ptr pm = make_pixmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = pm->pixels + y * pm->rowstride + x * 4;
            p[0] = static_cast<uint8_t>(x * 37 + y * 11), p[1] = (x / 3 + y / 5) % 2 ? 250 : 5;
            p[2] = static_cast<uint8_t>(y * 23), p[3] = 255;
        }
    return pm;
}

}  // namespace

TEST(CocoaPixmap, StretchCopyGivesTheCoreScalersPixels)
{
    pixmap_ptr src = patterned(36, 40);
    struct {
        int x, y, w, h, xo, yo;
        float scale;
    } cases[] = {
        {0, 0, 72, 80, 0, 0, 2.0f},    // whole, scale 2
        {10, 7, 21, 30, 5, 0, 1.75f},  // a dirty rectangle with an offset
        {60, 70, 40, 40, 0, 3, 1.5f},  // reaching the far edges
        {0, 0, 100, 100, 0, 0, 1.0f},  // unscaled: a copy
    };
    for (const auto& c : cases) {
        pixmap_ptr got = make_pixmap(90, 100, {112, 112, 112, 20, 1, 8, 1});
        pixmap_ptr want = make_pixmap(90, 100, {112, 112, 112, 20, 1, 8, 1});
        afx_pixmap_stretch_copy(src.get(), got.get(), c.x, c.y, c.w, c.h, c.xo, c.yo, c.scale);
        AFXRgbaSink sink;
        sink.image_width = want->width, sink.image_height = want->height;
        sink.rowstride = want->rowstride, sink.pixels = want->pixels;
        catrom_reference_blit(afx_pixmap_as_pixbuf(*src), sink,
                              AFXBlitArea{c.x, c.y, c.w, c.h, c.xo, c.yo, c.scale});
        EXPECT_EQ(0, std::memcmp(got->pixels, want->pixels, size_t(90 * 100 * 4)))
            << "scale " << c.scale << " at " << c.x << "," << c.y;
        // Something was drawn, opaque, where the rectangle meets the content.
        const int px = std::max(c.x, c.xo), py = std::max(c.y, c.yo);
        EXPECT_EQ(pixel(*got, px, py)[3], 255);
    }
    afx_pixmap_stretch_copy(nullptr, src.get(), 0, 0, 1, 1, 0, 0, 1.0f);  // no source: nothing
}

TEST(CocoaPixmap, MonoPassGreysInBandsAndGivesThePixelsBack)
{
    pixmap_ptr pm = make_pixmap(3, 8);
    for (int i = 0; i < 3 * 8; ++i) {
        uint8_t* p = pm->pixels + i * 4;
        p[0] = 200, p[1] = 100, p[2] = 40, p[3] = 255;
    }
    const std::vector<uint8_t> before(pm->pixels, pm->pixels + 3 * 8 * 4);
    {
        // Level 1: band value row x 256 >> 9, so rows 0-1 dark, 2-3 light, ...
        // The rectangle runs past the pixmap and is limited to it.
        afx_pixmap_mono_pass mono(pm.get(), {1, 0, 5, 8}, 1.0f);
        const int grey = 100 / 2 + 200 / 4 + 40 / 8;  // 105
        const int dark = grey - (grey >> 3);          // 92
        for (int y = 0; y < 8; ++y) {
            const int g = (y / 2) % 2 == 0 ? dark : grey;
            EXPECT_EQ(pixel(*pm, 1, y), (rgba{g, g, g, 255})) << "row " << y;
            EXPECT_EQ(pixel(*pm, 2, y), (rgba{g, g, g, 255})) << "row " << y;
            EXPECT_EQ(pixel(*pm, 0, y), (rgba{200, 100, 40, 255}));  // outside the rectangle
        }
    }
    EXPECT_EQ(std::vector<uint8_t>(pm->pixels, pm->pixels + 3 * 8 * 4), before);
    {
        // Level 0.5 halves the bands: every row alternates.
        afx_pixmap_mono_pass mono(pm.get(), {0, 0, 3, 8}, 0.5f);
        EXPECT_EQ(pixel(*pm, 0, 0)[0], 92);
        EXPECT_EQ(pixel(*pm, 0, 1)[0], 105);
        EXPECT_EQ(pixel(*pm, 0, 2)[0], 92);
    }
}
