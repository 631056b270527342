#include "afx/cocoa/afx_engine_cocoa.h"

#include <CoreGraphics/CoreGraphics.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(CocoaEngine, PixmapsAsTheViewsMakeThem)
{
    AFX_engine engine;
    // The view bitmap of a 468 x 510 view at backing scale 2.
    const float s = 2.0f;
    afx_image* view = engine.afx_pixmap_create_fixed(int(468 * s), int(510 * s), 112, 112, 112, int(20 * s),
                                                     int(s), int(8 * s), int(s));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->width, 936);
    EXPECT_EQ(view->rowstride, 936 * 4);
    const uint8_t* dot = view->pixels + 16 * view->rowstride + 17 * 4;  // period 16, size 2
    EXPECT_EQ(dot[0], 32);
    const uint8_t* corner = view->pixels + (1019 - 2) * view->rowstride + (935 - 2) * 4;
    EXPECT_EQ(corner[0], 197);  // grip inset by 2
    engine.afx_pixmap_destroy(view);
    engine.afx_pixmap_destroy(nullptr);
}

TEST(CocoaEngine, GammaMouseAndViewSize)
{
    AFX_engine engine;
    EXPECT_EQ(engine.afx_gamma(0), 0);
    EXPECT_EQ(engine.afx_gamma(128), 146);
    EXPECT_EQ(engine.afx_gamma(255), 255);
    EXPECT_EQ(engine.afx_gamma(256), 0);
    engine.init_mouse(12.5, 40.0);
    double x = 0, y = 0;
    engine.get_last_mouse_pos(&x, &y);
    EXPECT_EQ(x, 12.5);
    EXPECT_EQ(y, 40.0);
    cocoa_ext(engine).afx_set_view_dimensions(144, 510);
    EXPECT_EQ(cocoa_ext(engine).afx_get_view_width(), 144);
    EXPECT_EQ(cocoa_ext(engine).afx_get_view_height(), 510);
}

TEST(CocoaEngine, TransfersKeepThePixmapAndTakeNullsQuietly)
{
    AFX_engine engine;
    afx_image* panel = engine.afx_pixmap_create_fixed(144, 510, 112, 112, 112, 20, 1, 8, 1);
    const std::vector<uint8_t> before(panel->pixels, panel->pixels + 144 * 510 * 4);
    // No view is drawing here, so there is no Quartz context: the mono pass
    // still greys and restores its rectangle, which reaches past the pixmap.
    CGContextRef none = nullptr;
    cocoa_ext(engine).afx_draw_mono_pixmap_to_view(panel, none, 100, 500, 0, 0, 80, 40, 80, 40, 1.0f);
    cocoa_ext(engine).afx_draw_pixmap_to_view(panel, none, 0, 0, 0, 0, 144, 510, 144, 510);
    cocoa_ext(engine).afx_draw_pixmap_to_view(nullptr, none, 0, 0, 0, 0, 1, 1, 1, 1);
    EXPECT_EQ(std::vector<uint8_t>(panel->pixels, panel->pixels + 144 * 510 * 4), before);
    engine.afx_pixmap_destroy(panel);
}
