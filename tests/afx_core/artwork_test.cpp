#include "afx_artwork.h"
#include "afx_installer_artwork.h"
#include "afx_pixbuf.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const afx_pixbuf* load(const uint8_t* stream)
{
    static thread_local afx_pixbuf* last = nullptr;
    AFX_drawing::afx_pixbuf_destroy(last);
    return last = AFX_drawing::afx_pixbuf_new_from_inline(stream, 0);
}

// Rows of pixels at (x, y) in frame a and frame b of a strip are the same.
bool same_pixel(const afx_pixbuf* p, int frame_h, int a, int b, int x, int y)
{
    return std::memcmp(afx_pixel_at(p, x, a * frame_h + y), afx_pixel_at(p, x, b * frame_h + y), 4) == 0;
}
}  // namespace

TEST(Artwork, StreamsHaveTheirSizesAndAWellFormedHeader)
{
    struct row {
        const uint8_t* stream;
        int w, h;
    } rows[] = {{afx_art_front_panel, 144, 494},      {afx_art_knob_strip, 48, 1872},
                {afx_art_effect_switch, 44, 40},      {afx_art_meter_strip, 32, 256},
                {afx_art_status_button, 32, 32},      {afx_art_left_button, 32, 32},
                {afx_art_right_button, 32, 32},       {afx_art_window_icon, 32, 32},
                {afx_art_installer_icon, 64, 64},     {afx_art_installer_background, 600, 336},
                {afx_art_installer_splash, 600, 400}, {afx_art_neon_switch_dark, 44, 40},
                {afx_art_neon_switch_lit, 44, 40},    {afx_art_power_button, 32, 32},
                {afx_art_preset_spacer, 48, 16}};
    for (const row& r : rows) {
        const auto h = afx_gdkpixdata::read_header(r.stream);
        EXPECT_EQ(h.magic, afx_gdkpixdata::kMagic);
        EXPECT_EQ(h.type, afx_gdkpixdata::kTypeRawRgba8);
        EXPECT_EQ(h.length, 24u + 4u * r.w * r.h);
        EXPECT_EQ(h.rowstride, 4u * r.w);
        EXPECT_EQ(int(h.width), r.w);
        EXPECT_EQ(int(h.height), r.h);
    }
    EXPECT_EQ(afx_art_editor_image_count, 12);
    EXPECT_EQ(afx_art_installer_image_count, 3);
}

TEST(Artwork, OuterTwoPixelsOfEveryFrameAgree)
{
    struct row {
        const uint8_t* stream;
        int frame_h, frames;
    } rows[] = {{afx_art_knob_strip, 48, 39}, {afx_art_effect_switch, 20, 2}, {afx_art_status_button, 16, 2},
                {afx_art_left_button, 16, 2}, {afx_art_right_button, 16, 2},  {afx_art_meter_strip, 119, 2}};
    for (const row& r : rows) {
        const afx_pixbuf* p = load(r.stream);
        for (int f = 1; f < r.frames; ++f)
            for (int y = 0; y < r.frame_h; ++y)
                for (int x = 0; x < p->width; ++x) {
                    const bool edge = x < 2 || x >= p->width - 2 || y < 2 || y >= r.frame_h - 2;
                    if (edge) {
                        ASSERT_TRUE(same_pixel(p, r.frame_h, 0, f, x, y))
                            << "frame " << f << " at " << x << "," << y;
                    }
                }
    }
}

TEST(Artwork, MeterLitImageIsBrighterAndOpaque)
{
    const afx_pixbuf* p = load(afx_art_meter_strip);
    int lit = 0, unlit = 0;
    for (int y = 0; y < 119; ++y)
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(afx_pixel_at(p, x, y)[3], 255);
            EXPECT_EQ(afx_pixel_at(p, x, 119 + y)[3], 255);
            lit += afx_pixel_at(p, x, y)[0];
            unlit += afx_pixel_at(p, x, 119 + y)[0];
        }
    EXPECT_GT(lit, 3 * unlit);
}

TEST(Artwork, KnobFramesTurn)
{
    // Consecutive frames differ (the pointer moves); corners stay clear.
    const afx_pixbuf* p = load(afx_art_knob_strip);
    for (int f = 1; f < 39; ++f) {
        EXPECT_NE(std::memcmp(afx_pixel_at(p, 0, (f - 1) * 48), afx_pixel_at(p, 0, f * 48), 48 * 48 * 4), 0)
            << f;
        EXPECT_EQ(afx_pixel_at(p, 0, f * 48)[3], 0);
    }
}
