// Window images in the server's pixel layout, read back from the server.
#include "x11_test_env.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

// Expected packed pixels per layout, written out by hand.
struct layout_values {
    int depth;
    unsigned long red, green, blue, grey112, dot32, orange_or_grey, triangle, white254;
    unsigned long mono_plain, mono_dark;  // pure red through the monochrome put
};

const layout_values kLayouts[] = {
    {24, 0xFF0000, 0x00FF00, 0x0000FF, 0x707070, 0x202020, 0xC58E00, 0x000000, 0xFEFEFE, 0x3F3F3F, 0x383838},
    {16, 0xF800, 0x07E0, 0x001F, 0x738E, 0x2104, 0x738E, 0x3186, 0xFFFF, 0x39E7, 0x39C7},
    {15, 0x7C00, 0x03E0, 0x001F, 0x39CE, 0x1084, 0x39CE, 0x18C6, 0x7FFF, 0x1CE7, 0x1CE7},
};

const layout_values* values_for_depth(int depth)
{
    for (const auto& v : kLayouts)
        if (v.depth == depth)
            return &v;
    return nullptr;
}

struct pixbuf_deleter {
    void operator()(afx_pixbuf* p) const { AFX_drawing::afx_pixbuf_destroy_with_allocation(p); }
};
using pixbuf_ptr = std::unique_ptr<afx_pixbuf, pixbuf_deleter>;

pixbuf_ptr solid(int w, int h, int r, int g, int b, int a = 255)
{
    pixbuf_ptr p(AFX_drawing::afx_pixbuf_new_with_allocation(w, h, 0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* px = afx_pixel_at(p.get(), x, y);
            px[0] = uint8_t(r), px[1] = uint8_t(g), px[2] = uint8_t(b), px[3] = uint8_t(a);
        }
    return p;
}

class Images : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        v = values_for_depth(test_depth());
        if (v == nullptr)
            GTEST_SKIP() << "layout of depth " << test_depth() << " is not drawn";
    }
    void TearDown() override
    {
        for (auto* im : images)
            engine.afx_pixmap_destroy(im);
        EngineTest::TearDown();
    }
    afx_image* image(int w, int h)
    {
        images.push_back(engine.afx_pixmap_create_fixed(w, h));
        return images.back();
    }
    void put(int index, afx_image* im)
    {
        const XImage* x = x11_image(im);
        window_ext(engine).afx_draw_afx_drawable(index, im, 0, 0, 0, 0, x->width, x->height);
        sync_engine();
    }

    const layout_values* v = nullptr;
    std::vector<afx_image*> images;
};

TEST_F(Images, CopiedPixelsReachTheServerPackedByTheMasks)
{
    const int i = open_window(4, 1);
    afx_image* im = image(4, 1);
    pixbuf_ptr src(AFX_drawing::afx_pixbuf_new_with_allocation(4, 1, i));
    const int colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {112, 112, 112}};
    for (int x = 0; x < 4; ++x)
        for (int c = 0; c < 3; ++c)
            afx_pixel_at(src.get(), x, 0)[c] = uint8_t(colours[x][c]);
    engine.afx_blit_pixbuf_fixed(im, src.get(), 0, 0, 0, 0, 4, 1);
    put(i, im);
    EXPECT_EQ(screen_pixel(i, 0, 0), v->red);
    EXPECT_EQ(screen_pixel(i, 1, 0), v->green);
    EXPECT_EQ(screen_pixel(i, 2, 0), v->blue);
    EXPECT_EQ(screen_pixel(i, 3, 0), v->grey112);
}

TEST_F(Images, PanelBackgroundHasDotsAndTheResizeGrip)
{
    afx_image* im = engine.afx_pixmap_create_fixed(144, 510, 112, 112, 112, 20, 1, 8, 1);
    images.push_back(im);
    ASSERT_NE(im, nullptr);
    struct probe {
        int x, y;
        unsigned long want;
    };
    // Grip corner at (142, 508); squares of 2 x 2 every 4 pixels.
    const probe probes[] = {
        {0, 0, v->dot32},
        {8, 16, v->dot32},
        {1, 0, 0},
        {143, 509, 0},
        {142, 508, v->orange_or_grey},
        {141, 507, v->orange_or_grey},
        {140, 508, v->triangle},
        {138, 504, v->orange_or_grey},
        {136, 504, v->triangle},  // a dot position inside the triangle
        {128, 496, v->dot32},     // inside the grip box, outside the triangle
        {123, 508, v->triangle},  // the triangle's left tip
        {122, 508, 0},            // left of the box
    };
    for (const auto& p : probes)
        EXPECT_EQ(XGetPixel(x11_image(im), p.x, p.y), p.want) << "at " << p.x << ", " << p.y;

    const int i = open_window(144, 510);
    put(i, im);
    EXPECT_EQ(screen_pixel(i, 142, 508), v->orange_or_grey);
    EXPECT_EQ(screen_pixel(i, 8, 8), v->dot32);
}

TEST_F(Images, BlendSkipsNearlyTransparentPixelsAndBecomesTheIcon)
{
    afx_image* im = image(3, 1);
    pixbuf_ptr src(AFX_drawing::afx_pixbuf_new_with_allocation(3, 1, 0));
    const int alphas[3] = {255, 15, 16};
    for (int x = 0; x < 3; ++x) {
        uint8_t* p = afx_pixel_at(src.get(), x, 0);
        p[0] = p[1] = p[2] = 255;
        p[3] = uint8_t(alphas[x]);
    }
    engine.afx_draw_pixbuf_fixed(im, src.get(), 0, 0, 0, 0, 3, 1);
    EXPECT_EQ(XGetPixel(x11_image(im), 0, 0), v->white254);
    EXPECT_EQ(XGetPixel(x11_image(im), 1, 0), 0u);
    if (test_depth() == 24) {
        EXPECT_EQ(XGetPixel(x11_image(im), 2, 0), 0x0F0F0Fu);  // 255 x 16 >> 8
    }

    const int i = open_window(10, 10);
    pixbuf_ptr icon = solid(32, 32, 255, 0, 0);
    x11_ext(engine).set_afx_window_icon(icon.get(), i);
    sync_engine();
    XWMHints* hints = XGetWMHints(peer, xid(i));
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(hints->flags & (IconPixmapHint | IconPositionHint), IconPixmapHint | IconPositionHint);
    XImage* got = XGetImage(peer, hints->icon_pixmap, 31, 31, 1, 1, AllPlanes, ZPixmap);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(XGetPixel(got, 0, 0), v->red & ~0x010101UL & v->red);  // 255 blends to 254
    XDestroyImage(got);
    XFree(hints);
}

TEST_F(Images, MonochromePutConvertsOnlyTheRectangleAndRestoresTheImage)
{
    const int i = open_window(40, 40);
    afx_image* im = image(40, 40);
    pixbuf_ptr red = solid(40, 40, 255, 0, 0);
    engine.afx_blit_pixbuf_fixed(im, red.get(), 0, 0, 0, 0, 40, 40);
    put(i, im);
    window_ext(engine).afx_draw_afx_drawable_mono(i, im, 10, 10, 10, 10, 20, 20, 1.0f);
    sync_engine();
    // Level 1: rows pair up, rows 12, 13 dark, 14, 15 plain.
    EXPECT_EQ(screen_pixel(i, 15, 12), v->mono_dark);
    EXPECT_EQ(screen_pixel(i, 15, 14), v->mono_plain);
    EXPECT_EQ(screen_pixel(i, 29, 27), v->mono_plain);
    EXPECT_EQ(screen_pixel(i, 29, 29), v->mono_dark);
    EXPECT_EQ(screen_pixel(i, 9, 15), v->red);   // left of the rectangle
    EXPECT_EQ(screen_pixel(i, 15, 30), v->red);  // below it
    for (int y = 0; y < 40; y += 3)
        for (int x = 0; x < 40; x += 3)
            ASSERT_EQ(XGetPixel(x11_image(im), x, y), v->red) << x << ", " << y;
}

TEST_F(Images, ScrollMovesTheWindowContent)
{
    const int i = open_window(40, 40);
    afx_image* im = image(40, 40);
    pixbuf_ptr red = solid(40, 20, 255, 0, 0), blue = solid(40, 20, 0, 0, 255);
    engine.afx_blit_pixbuf_fixed(im, red.get(), 0, 0, 0, 0, 40, 20);
    engine.afx_blit_pixbuf_fixed(im, blue.get(), 0, 0, 0, 20, 40, 20);
    put(i, im);
    x11_ext(engine).afx_vertical_scroll(i, 0, 0, 40, 40, 10);  // down
    sync_engine();
    EXPECT_EQ(screen_pixel(i, 5, 25), v->red);
    EXPECT_EQ(screen_pixel(i, 5, 35), v->blue);
    EXPECT_EQ(screen_pixel(i, 5, 5), v->red);  // uncovered band keeps its pixels
    put(i, im);
    x11_ext(engine).afx_vertical_scroll(i, 0, 0, 40, 40, -10);  // up
    sync_engine();
    EXPECT_EQ(screen_pixel(i, 5, 15), v->blue);
    EXPECT_EQ(screen_pixel(i, 5, 5), v->red);
}

TEST_F(Images, ScaledBlitFillsTheRectangle)
{
    afx_image* im = image(40, 40);
    pixbuf_ptr grey = solid(20, 20, 112, 112, 112);
    window_ext(engine).afx_stretch_blit_pixbuf_CATROM2(grey.get(), im, 0, 0, 40, 40, 0, 0, 2.0f);
    EXPECT_EQ(XGetPixel(x11_image(im), 20, 20), v->grey112);
    EXPECT_EQ(XGetPixel(x11_image(im), 39, 39), v->grey112);
}

// Masks that OR to a known layout but are not it (BGR) must not be drawn as
// if they were: that would swap red and blue.
TEST_F(Images, SwappedMasksAreRefused)
{
    afx_image* im = image(4, 4);
    std::swap(x11_image(im)->red_mask, x11_image(im)->blue_mask);
    pixbuf_ptr red = solid(4, 4, 255, 0, 0);
    ::testing::internal::CaptureStdout();
    engine.afx_blit_pixbuf_fixed(im, red.get(), 0, 0, 0, 0, 4, 4);
    window_ext(engine).afx_stretch_blit_pixbuf_CATROM2(red.get(), im, 0, 0, 4, 4, 0, 0, 1.0f);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("AFX_engine afx_blit_pixbuf - Image / display colour depth is not "
                       "supported\n"),
              std::string::npos);
    EXPECT_NE(out.find("AFX_engine afx_blit_pixbuf_scaled - Image"), std::string::npos);
    EXPECT_EQ(XGetPixel(x11_image(im), 1, 1), 0u);
}

// At depths 30 and 8 nothing is drawn and the copy says why.
class UnsupportedLayout : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (values_for_depth(test_depth()) != nullptr)
            GTEST_SKIP() << "depth " << test_depth() << " is supported";
    }
};

TEST_F(UnsupportedLayout, CopiesPrintTheMasksAndDrawNothing)
{
    afx_image* im = engine.afx_pixmap_create_fixed(8, 8, 112, 112, 112, 20, 1, 8, 1);
    ASSERT_NE(im, nullptr);
    EXPECT_EQ(XGetPixel(x11_image(im), 0, 0), 0u);  // the background stays black
    pixbuf_ptr red = solid(8, 8, 255, 0, 0);
    ::testing::internal::CaptureStdout();
    engine.afx_blit_pixbuf_fixed(im, red.get(), 0, 0, 0, 0, 8, 8);
    engine.afx_draw_pixbuf_fixed(im, red.get(), 0, 0, 0, 0, 8, 8);
    const std::string out = ::testing::internal::GetCapturedStdout();
    char want[1024];
    const char* pre = "*** Error *** QELM-UI - AFX_engine afx_blit_pixbuf - ";
    XImage* x = x11_image(im);
    std::snprintf(want, sizeof want,
                  "%sImage / display colour depth is not supported\n%sbits per pixel is %d\n"
                  "%sred_mask is %04lX\n%sgreen_mask is %04lX\n%sblue_mask is %04lX\n\n",
                  pre, pre, x->bits_per_pixel, pre, x->red_mask, pre, x->green_mask, pre, x->blue_mask);
    EXPECT_EQ(out.substr(0, std::strlen(want)), want);
    EXPECT_NE(out.find("afx_draw_pixbuf_fixed - blue_mask"), std::string::npos);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(XGetPixel(x11_image(im), x, y), 0u);

    // The monochrome put falls back to a plain put.
    XPutPixel(x, 2, 2, 1);
    const int i = open_window(8, 8);
    window_ext(engine).afx_draw_afx_drawable_mono(i, im, 0, 0, 0, 0, 8, 8, 1.0f);
    sync_engine();
    EXPECT_EQ(screen_pixel(i, 2, 2), 1u);
    engine.afx_pixmap_destroy(im);
}

}  // namespace
