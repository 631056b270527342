// The row kernels (fast and portable) against the scaler they replaced:
// every byte of every sink layout must match, over the whole panel and
// over dirty rectangles inside, across the edges, beside the content and
// empty, at the editor's content scales.
#include "afx_artwork.h"
#include "afx_scaled_blit.h"
#include "catrom_reference.h"
#include "test_buffers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

using D = AFX_drawing;

namespace {

enum class engine { reference, portable, sse2 };

template <class Sink>
bool run(const afx_pixbuf& src, Sink& sink, const AFXBlitArea& a, engine e)
{
    if (e == engine::reference)
        return catrom_reference_blit(src, sink, a);
    const auto k = e == engine::sse2 ? afx_scale::kernels::sse2 : afx_scale::kernels::portable;
    return afx_scale::catrom_blit(src, sink, a, k);
}

// Stores through put() alone, so the pixel-by-pixel path is held too.
struct put_only_sink {
    int w, h;
    uint8_t* mem;
    int width() const { return w; }
    int height() const { return h; }
    bool begin() { return true; }
    void put(int x, int y, int r, int g, int b)
    {
        uint8_t* p = mem + (size_t(y) * w + x) * 3;
        p[0] = uint8_t(r), p[1] = uint8_t(g), p[2] = uint8_t(b);
    }
};

struct packed_layout {
    const char* name;
    int bpp;
    uint32_t r, g, b;
    bool via_put_pixel;
};
const packed_layout kPacked[] = {
    {"888", 32, 0xFF0000, 0xFF00, 0xFF, false},          {"888 blue high", 32, 0xFF, 0xFF00, 0xFF0000, false},
    {"888 XPutPixel", 32, 0xFF0000, 0xFF00, 0xFF, true}, {"565", 16, 0xF800, 0x7E0, 0x1F, false},
    {"565 XPutPixel", 16, 0xF800, 0x7E0, 0x1F, true},    {"555", 16, 0x7C00, 0x3E0, 0x1F, false},
};

// One sink layout: how many bytes its image takes and how to paint into them.
struct target {
    std::string name;
    size_t bytes;
    std::function<bool(uint8_t*, const afx_pixbuf&, const AFXBlitArea&, engine)> paint;
};

std::vector<target> targets(int w, int h)
{
    std::vector<target> out;
    for (const packed_layout& l : kPacked) {
        const int bpl = w * l.bpp / 8;
        out.push_back(
            {l.name, size_t(bpl) * h, [=](uint8_t* mem, const afx_pixbuf& s, const AFXBlitArea& a, engine e) {
                 AFXPackedImageSink sink;
                 sink.image_width = w, sink.image_height = h;
                 sink.red_mask = l.r, sink.green_mask = l.g, sink.blue_mask = l.b;
                 sink.bits_per_pixel = l.bpp;
                 sink.bytes_per_line = bpl;
                 sink.data = mem;
                 if (l.via_put_pixel) {
                     sink.put_ctx = &sink;
                     sink.put_pixel = [](void* ctx, int x, int y, uint32_t v) {
                         auto* k = static_cast<AFXPackedImageSink*>(ctx);
                         uint8_t* row = k->data + size_t(y) * k->bytes_per_line;
                         if (k->bits_per_pixel == 16)
                             reinterpret_cast<uint16_t*>(row)[x] = uint16_t(v ^ 0x5A5A);
                         else
                             reinterpret_cast<uint32_t*>(row)[x] = v ^ 0x5A5A5A5Au;
                     };
                 }
                 return run(s, sink, a, e);
             }});
    }
    out.push_back(
        {"rgba", size_t(w) * 4 * h, [=](uint8_t* mem, const afx_pixbuf& s, const AFXBlitArea& a, engine e) {
             AFXRgbaSink sink;
             sink.image_width = w, sink.image_height = h, sink.rowstride = w * 4, sink.pixels = mem;
             return run(s, sink, a, e);
         }});
    out.push_back({"bgr dib", size_t(AFXBgrDibSink::row_bytes(w)) * h,
                   [=](uint8_t* mem, const afx_pixbuf& s, const AFXBlitArea& a, engine e) {
                       AFXBgrDibSink sink;
                       sink.image_width = w, sink.image_height = h, sink.bits = mem;
                       return run(s, sink, a, e);
                   }});
    out.push_back({"put only", size_t(w) * 3 * h,
                   [=](uint8_t* mem, const afx_pixbuf& s, const AFXBlitArea& a, engine e) {
                       put_only_sink sink{w, h, mem};
                       return run(s, sink, a, e);
                   }});
    return out;
}

// Paints the area with the reference and both kernel sets over the same
// starting bytes and requires identical results and return values.
void expect_identical(const afx_pixbuf& src, int w, int h, const AFXBlitArea& a)
{
    for (const target& t : targets(w, h)) {
        std::vector<uint8_t> want(t.bytes, 0xA5);
        const bool wrote = t.paint(want.data(), src, a, engine::reference);
        for (engine e : {engine::portable, engine::sse2}) {
            std::vector<uint8_t> got(t.bytes, 0xA5);
            const bool ok = t.paint(got.data(), src, a, e);
            const auto diff = std::mismatch(want.begin(), want.end(), got.begin());
            ASSERT_EQ(ok, wrote) << t.name;
            ASSERT_TRUE(diff.first == want.end())
                << t.name << (e == engine::sse2 ? " sse2" : " portable") << ": first difference at byte "
                << (diff.first - want.begin()) << " of " << t.bytes << ", area " << a.x << "," << a.y << " "
                << a.width << "x" << a.height << " offset " << a.x_offset << "," << a.y_offset << " scale "
                << a.scale;
        }
    }
}

// The editor's content buffer: the front panel below the 16-pixel banner,
// the banner strip left as noise so extremes and overshoot get exercised.
struct panel_content : owned_pixbuf {
    panel_content() : owned_pixbuf(144, 510)
    {
        std::mt19937 rng(7);
        for (int i = 0; i < p->rowstride * p->height; ++i)
            p->pixels[i] = rng() % 3 == 0 ? 255 : rng() % 2 ? 0 : uint8_t(rng());
        afx_pixbuf* panel = D::afx_pixbuf_new_from_inline(afx_art_front_panel, 0);
        D::afx_pixbuf_copy(panel, p, 0, 0, 0, 16, 144, 494);
        D::afx_pixbuf_destroy(panel);
    }
};

const float kScales[] = {1.0f, 1.25f, 1.5f, 2.0f, 3.0f, 4.0f};

}  // namespace

TEST(CatromIdentity, WholePanelAtEveryScale)
{
    panel_content src;
    for (float scale : kScales) {
        const int w = int(std::lround(144 * scale)), h = int(std::lround(510 * scale));
        expect_identical(*src.p, w, h, {0, 0, w, h, 0, 0, scale});
    }
}

TEST(CatromIdentity, DirtyRectanglesAndOffsets)
{
    panel_content src;
    std::mt19937 rng(2026);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (float scale : kScales) {
        // Windows a little larger than the content, as when the editor
        // centres the panel with margins.
        const int cw = int(std::lround(144 * scale)), ch = int(std::lround(510 * scale));
        const int w = cw + 24, h = ch + 10;
        std::vector<AFXBlitArea> areas = {
            {0, 0, w, h, 12, 5, scale},           // all of it, content centred
            {w - 12, 0, 12, h, 12, 5, scale},     // margin beside the content
            {0, h - 5, w, 5, 12, 5, scale},       // margin below it
            {-7, -3, 30, 20, 0, 0, scale},        // across the top left corner
            {w - 9, h - 9, 40, 40, 0, 0, scale},  // across the bottom right one
            {20, 20, 0, 10, 0, 0, scale},         // empty
            {20, 20, 10, -4, 0, 0, scale},        // negative height
            {w + 3, 0, 10, 10, 0, 0, scale},      // beyond the image
            {0, 0, 10, 10, w + 1, 0, scale},      // content origin beyond the image
        };
        for (int i = 0; i < 10; ++i)
            areas.push_back({pick(-10, w), pick(-10, h), pick(0, w / 2), pick(0, h / 3), pick(0, 30),
                             pick(0, 30), scale});
        for (const AFXBlitArea& a : areas)
            expect_identical(*src.p, w, h, a);
    }
}

TEST(CatromIdentity, TinySourcesAndOddScales)
{
    // Sources narrower than the four taps, and steps that are not a whole
    // number of destination pixels.
    std::mt19937 rng(11);
    for (int sw : {1, 2, 3, 5, 7})
        for (int sh : {1, 2, 4}) {
            owned_pixbuf src(sw, sh);
            for (int i = 0; i < src->rowstride * sh; ++i)
                src->pixels[i] = uint8_t(rng() & 1 ? 255 : rng());
            for (float scale : {1.0f, 1.1f, 2.37f, 3.0f, 4.0f, 7.5f}) {
                const int w = int(std::ceil(sw * scale)) + 3, h = int(std::ceil(sh * scale)) + 2;
                expect_identical(*src.p, w, h, {0, 0, w, h, 0, 0, scale});
                expect_identical(*src.p, w, h, {1, 1, w - 2, h - 1, 1, 0, scale});
            }
        }
}

TEST(CatromIdentity, DivisionMatchesForEverySumTheTapsCanMake)
{
    // Sums reach from 255 x (negative weights) to 255 x (positive weights);
    // every one of them, for every fraction, rounds as normalise() does.
    std::vector<int32_t> sums;
    for (int32_t s = -12000; s <= 80000; ++s)
        sums.push_back(s);
    std::vector<uint8_t> want(sums.size()), got(sums.size());
    for (int f = 0; f < 256; ++f) {
        const auto t = afx_scale::taps_for_fraction(f);
        afx_scale::normalise_sums(sums.data(), int(sums.size()), t, want.data(),
                                  afx_scale::kernels::portable);
        afx_scale::normalise_sums(sums.data(), int(sums.size()), t, got.data(), afx_scale::kernels::sse2);
        const auto diff = std::mismatch(want.begin(), want.end(), got.begin());
        ASSERT_TRUE(diff.first == want.end())
            << "fraction " << f << " sum " << sums[diff.first - want.begin()];
    }
}
