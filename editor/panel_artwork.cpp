#include "panel_artwork.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "afx_pixbuf.h"
#include "editor_layout.h"

namespace vlt::editor {

namespace {

struct Rgba {
    int r, g, b, a;
};

// An image under construction: RGBA rows after a GdkPixdata header.
class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), bytes_(afx_gdkpixdata::kHeaderSize + 4u * w * h, 0)
    {
        afx_gdkpixdata::write_header(bytes_.data(), w, h);
    }
    int width() const { return w_; }
    int height() const { return h_; }

    // Lays c over the pixel with coverage 0..1 (source-over in 8-bit).
    void blend(int x, int y, Rgba c, float coverage)
    {
        if (x < 0 || y < 0 || x >= w_ || y >= h_ || coverage <= 0.0f)
            return;
        uint8_t* p = bytes_.data() + afx_gdkpixdata::kHeaderSize + 4u * (y * w_ + x);
        const float a = std::min(coverage, 1.0f) * c.a / 255.0f;
        const float da = p[3] / 255.0f;
        const float oa = a + da * (1.0f - a);
        const int src[3] = {c.r, c.g, c.b};
        for (int i = 0; i < 3; ++i) {
            const float v = oa > 0.0f ? (src[i] * a + p[i] * da * (1.0f - a)) / oa : 0.0f;
            p[i] = static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
        }
        p[3] = static_cast<uint8_t>(std::clamp(oa * 255.0f + 0.5f, 0.0f, 255.0f));
    }
    void fill(int x0, int y0, int w, int h, Rgba c)
    {
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                blend(x, y, c, 1.0f);
    }
    // Anti-aliased disc or ring between radii r0 and r1 around (cx, cy).
    void ring(float cx, float cy, float r0, float r1, Rgba c)
    {
        for (int y = static_cast<int>(cy - r1 - 1); y <= cy + r1 + 1; ++y)
            for (int x = static_cast<int>(cx - r1 - 1); x <= cx + r1 + 1; ++x) {
                const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
                blend(x, y, c, std::min(r1 + 0.5f - d, d - r0 + 0.5f));
            }
    }
    // Anti-aliased thick segment from (x0, y0) to (x1, y1).
    void segment(float x0, float y0, float x1, float y1, float half, Rgba c)
    {
        const float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
        const int minx = static_cast<int>(std::min(x0, x1) - half - 1);
        const int maxx = static_cast<int>(std::max(x0, x1) + half + 1);
        const int miny = static_cast<int>(std::min(y0, y1) - half - 1);
        const int maxy = static_cast<int>(std::max(y0, y1) + half + 1);
        for (int y = miny; y <= maxy; ++y)
            for (int x = minx; x <= maxx; ++x) {
                const float px = x + 0.5f - x0, py = y + 0.5f - y0;
                const float t = std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f);
                const float d = std::hypot(px - t * dx, py - t * dy);
                blend(x, y, c, half + 0.5f - d);
            }
    }
    // Filled triangle, sampled 4 x 4 per pixel.
    void triangle(const float (&p)[6], Rgba c)
    {
        auto edge = [](float ax, float ay, float bx, float by, float x, float y) {
            return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
        };
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                int in = 0;
                for (int s = 0; s < 16; ++s) {
                    const float sx = x + (s % 4 + 0.5f) / 4, sy = y + (s / 4 + 0.5f) / 4;
                    const float e0 = edge(p[0], p[1], p[2], p[3], sx, sy);
                    const float e1 = edge(p[2], p[3], p[4], p[5], sx, sy);
                    const float e2 = edge(p[4], p[5], p[0], p[1], sx, sy);
                    in += (e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0);
                }
                blend(x, y, c, in / 16.0f);
            }
    }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    int w_, h_;
    std::vector<uint8_t> bytes_;
};

constexpr Rgba kAmber{218, 120, 4, 255};
constexpr Rgba kDimAmber{70, 40, 8, 255};

std::vector<uint8_t> front_panel()
{
    Canvas c(kPanelWidth, kPanelImageHeight);
    for (int y = 0; y < c.height(); ++y) {
        const int v = 58 - y * 22 / c.height();
        c.fill(0, y, c.width(), 1, {v, v, v + 3, 255});
    }
    c.fill(0, 0, c.width(), 1, {96, 96, 100, 255});
    c.fill(0, c.height() - 1, c.width(), 1, {20, 20, 22, 255});
    c.fill(0, 0, 1, c.height(), {80, 80, 84, 255});
    c.fill(c.width() - 1, 0, 1, c.height(), {24, 24, 26, 255});
    // Recesses under the knobs, the meter and the switch, placed from the layout.
    for (int k = 0; k < kKnobCount; ++k) {
        const WidgetPlace& p = place(static_cast<Widget>(k));
        c.ring(p.pos_x, p.pos_y, 0.0f, 23.5f, {22, 22, 24, 255});
        c.ring(p.pos_x, p.pos_y, 22.5f, 23.5f, {90, 90, 94, 255});
    }
    const WidgetPlace& m = place(kMeter);
    c.fill(m.pos_x - m.size_x / 2 - 2, m.pos_y - m.size_y / 2 - 2, m.size_x + 4, m.size_y + 4,
           {16, 16, 18, 255});
    const WidgetPlace& s = place(kEffectSwitch);
    c.fill(s.pos_x - s.size_x / 2 - 2, s.pos_y - s.size_y / 2 - 2, s.size_x + 4, s.size_y + 4,
           {16, 16, 18, 255});
    // A brand stripe along the top and bottom.
    c.fill(8, 6, c.width() - 16, 2, kAmber);
    c.fill(8, c.height() - 40, c.width() - 16, 2, kAmber);
    return c.take();
}

std::vector<uint8_t> knob_strip()
{
    constexpr int kSize = 48, kFrames = 39;
    Canvas c(kSize, kSize * kFrames);
    const float pi = 3.14159265f;
    for (int f = 0; f < kFrames; ++f) {
        const float cy = f * kSize + kSize / 2.0f, cx = kSize / 2.0f;
        c.ring(cx, cy, 0.0f, 19.0f, {48, 48, 52, 255});
        c.ring(cx, cy, 0.0f, 16.0f, {66, 66, 70, 255});
        c.ring(cx, cy, 18.0f, 19.0f, {110, 110, 116, 255});
        // 0 sits at seven o'clock, full scale at five o'clock.
        const float a = (-135.0f + 270.0f * f / (kFrames - 1)) * pi / 180.0f;
        c.segment(cx + 6 * std::sin(a), cy - 6 * std::cos(a), cx + 15 * std::sin(a), cy - 15 * std::cos(a),
                  1.5f, kAmber);
    }
    return c.take();
}

std::vector<uint8_t> switch_strip()
{
    Canvas c(44, 40);
    for (int f = 0; f < 2; ++f) {
        c.fill(0, f * 20, 44, 20, {30, 30, 32, 255});
        c.fill(1, f * 20 + 1, 42, 18, {52, 52, 56, 255});
        c.fill(4, f * 20 + 7, 36, 6, f ? kAmber : kDimAmber);
    }
    return c.take();
}

std::vector<uint8_t> meter_strip()
{
    constexpr int kRows = 119;
    Canvas c(32, 256);
    for (int y = 0; y < kRows; ++y) {
        const bool gap = y % 4 == 3;
        const int hot = 255 - y * 2;  // redder at the top
        const Rgba lit{std::min(255, 120 + hot / 2), std::max(60, 200 - hot / 2), 20, 255};
        c.fill(4, y, 24, 1, gap ? Rgba{10, 10, 12, 255} : lit);
        c.fill(4, kRows + y, 24, 1, gap ? Rgba{10, 10, 12, 255} : Rgba{40, 34, 24, 255});
    }
    c.fill(0, 0, 4, 2 * kRows, {16, 16, 18, 255});
    c.fill(28, 0, 4, 2 * kRows, {16, 16, 18, 255});
    return c.take();
}

// A small top-row button: frame 0 dim, frame 1 lit, with a mark.
std::vector<uint8_t> small_button(int mark)
{
    Canvas c(32, 32);
    for (int f = 0; f < 2; ++f) {
        const Rgba ink = f ? kAmber : Rgba{120, 120, 124, 255};
        const float y0 = f * 16.0f;
        c.fill(0, f * 16, 32, 16, {28, 28, 30, 255});
        c.fill(1, f * 16 + 1, 30, 14, f ? Rgba{60, 44, 24, 255} : Rgba{46, 46, 50, 255});
        if (mark == 0) {
            c.ring(16, y0 + 8, 0.0f, 3.0f, ink);
        } else {
            const float d = static_cast<float>(mark);  // -1 left, +1 right
            const float tri[6] = {16 + 5 * d, y0 + 8, 16 - 4 * d, y0 + 3, 16 - 4 * d, y0 + 13};
            c.triangle(tri, ink);
        }
    }
    return c.take();
}

// The decoration between the Cocoa views' small buttons: one dim frame.
std::vector<uint8_t> spacer()
{
    Canvas c(48, 16);
    c.fill(0, 0, 48, 16, {28, 28, 30, 255});
    return c.take();
}

std::vector<uint8_t> window_icon()
{
    Canvas c(32, 32);
    c.ring(16, 16, 0.0f, 15.0f, {48, 48, 52, 255});
    c.ring(16, 16, 13.5f, 15.0f, kAmber);
    c.segment(16, 16, 24, 8, 2.0f, kAmber);
    return c.take();
}

std::vector<uint8_t> draw(Artwork which)
{
    switch (which) {
    case Artwork::kFrontPanel: return front_panel();
    case Artwork::kKnobStrip: return knob_strip();
    case Artwork::kSwitchStrip: return switch_strip();
    case Artwork::kMeterStrip: return meter_strip();
    case Artwork::kStatusStrip: return small_button(0);
    case Artwork::kLeftStrip: return small_button(-1);
    case Artwork::kRightStrip: return small_button(1);
    case Artwork::kWindowIcon: return window_icon();
    case Artwork::kNeonDarkStrip:
    case Artwork::kNeonLitStrip: return switch_strip();
    case Artwork::kPowerStrip: return small_button(0);
    case Artwork::kSpacerStrip: return spacer();
    }
    return {};
}

}  // namespace

const uint8_t* artwork(Artwork which)
{
    // Drawn once per process on first use; thread-safe by static init.
    static const std::vector<uint8_t> images[] = {
        draw(Artwork::kFrontPanel),   draw(Artwork::kKnobStrip),   draw(Artwork::kSwitchStrip),
        draw(Artwork::kMeterStrip),   draw(Artwork::kStatusStrip), draw(Artwork::kLeftStrip),
        draw(Artwork::kRightStrip),   draw(Artwork::kWindowIcon),  draw(Artwork::kNeonDarkStrip),
        draw(Artwork::kNeonLitStrip), draw(Artwork::kPowerStrip),  draw(Artwork::kSpacerStrip),
    };
    return images[static_cast<int>(which)].data();
}

}  // namespace vlt::editor
