#include "art_faces.h"

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <tuple>

namespace art {
namespace {

constexpr float kPi = 3.14159265f;
const art_colour kOrange{0.855f, 0.47f, 0.016f};
const art_colour kLabel{0.80f, 0.79f, 0.76f};
const art_colour kLabelDim{0.52f, 0.52f, 0.50f};
const art_colour kShadow{0, 0, 0, 0.55f};

art_colour grey(float v, float a = 1.0f) { return {v, v, v, a}; }

// Widget spots on the panel image (centre and size), kept plain.
struct spot {
    int cx, cy, w, h;
};
constexpr spot kKnobs[6] = {{101, 109, 48, 48}, {48, 155, 48, 48}, {48, 215, 48, 48},
                            {48, 275, 48, 48},  {48, 335, 48, 48}, {101, 381, 48, 48}};
constexpr spot kMeter{101, 240, 32, 119};
constexpr spot kSwitch{72, 421, 44, 20};

// Brushed graphite: a vertical sheen with fine horizontal grain.
void brushed_metal(art_canvas& c, float top, float bottom, uint32_t seed)
{
    art_noise n(seed);
    std::vector<float> grain(size_t(c.height()));
    for (float& g : grain)
        g = (n.next() - 0.5f) * 0.018f;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float t = float(y) / float(c.height() - 1);
            const float sheen = 0.012f * std::cos((x - c.width() * 0.35f) / c.width() * kPi);
            c.set(x, y,
                  grey(top + (bottom - top) * t + grain[size_t(y)] + sheen + (n.next() - 0.5f) * 0.01f));
        }
}

void screw(art_canvas& c, float x, float y, float angle)
{
    c.fill_circle(x + 0.5f, y + 0.8f, 4.2f, kShadow);
    c.fill_circle(x, y, 4.0f, grey(0.36f));
    c.fill_circle(x - 0.6f, y - 0.6f, 3.0f, grey(0.46f));
    const float dx = 2.8f * std::cos(angle), dy = 2.8f * std::sin(angle);
    c.line(x - dx, y - dy, x + dx, y + dy, 1.2f, grey(0.14f));
}

// Pointer angle of a knob frame, clockwise from straight up.
float knob_angle(int frame) { return (-135.0f + 270.0f * frame / (kKnobFrames - 1)) * kPi / 180.0f; }

void polar(float cx, float cy, float r, float a, float* x, float* y)
{
    *x = cx + r * std::sin(a);
    *y = cy - r * std::cos(a);
}

// A machined knob with a value arc; s scales every radius.
void knob(art_canvas& c, float cx, float cy, float s, float angle, bool ticks)
{
    const float a0 = -135.0f * kPi / 180.0f;
    if (ticks)
        for (int i = 0; i <= 10; ++i) {
            float x0, y0, x1, y1;
            const float a = a0 + i * (270.0f / 10.0f) * kPi / 180.0f;
            const float outer = (i % 5 == 0) ? 21.2f : 20.4f;
            polar(cx, cy, 18.6f * s, a, &x0, &y0);
            polar(cx, cy, outer * s, a, &x1, &y1);
            c.line(x0, y0, x1, y1, 1.1f * s, grey(0.62f, 0.9f));
        }
    // Value track and arc between the skirt and the ticks.
    for (int y = int(cy - 18 * s); y <= int(cy + 18 * s) + 1; ++y)
        for (int x = int(cx - 18 * s); x <= int(cx + 18 * s) + 1; ++x) {
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            const float d = std::hypot(dx, dy);
            const float band = std::fmin(0.5f - (d - 17.6f * s), 0.5f - (16.4f * s - d));
            if (band <= 0)
                continue;
            const float phi = std::atan2(dx, -dy);
            const float cov = std::fmin(band, 1.0f);
            const float into_track = std::fmin((phi - a0) * d, (-a0 - phi) * d) + 0.5f;
            if (into_track > 0)
                c.blend(x, y, grey(0.20f), cov * std::fmin(into_track, 1.0f));
            const float into_arc = std::fmin((phi - a0) * d, (angle - phi) * d) + 0.5f;
            if (into_arc > 0)
                c.blend(x, y, kOrange, cov * std::fmin(into_arc, 1.0f));
        }
    c.fill_circle(cx + 0.7f * s, cy + 1.3f * s, 15.0f * s, kShadow);
    c.fill_circle(cx, cy, 14.8f * s, grey(0.06f));
    // Body lit from the top left, with a fine turned-metal ring pattern.
    const float r = 13.4f * s;
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            const float d = std::hypot(dx, dy);
            const float cov = std::fmin(std::fmax(0.5f - (d - r), 0.0f), 1.0f);
            if (cov <= 0)
                continue;
            const float light = (-dx - 1.4f * dy) / (r * 1.75f);
            const float rings = 0.012f * std::sin(d / s * 2.6f);
            const float rim = d > r - 1.6f * s ? 0.06f * (-dy / r) : 0.0f;
            c.blend(x, y, grey(0.25f + 0.10f * light + rings + rim), cov);
        }
    float px0, py0, px1, py1;
    polar(cx, cy, 4.5f * s, angle, &px0, &py0);
    polar(cx, cy, 12.0f * s, angle, &px1, &py1);
    c.line(px0, py0, px1, py1, 2.0f * s, art_colour{1.0f, 0.62f, 0.18f});
}

void label(art_canvas& c, const spot& k, const char* text)
{
    const int top = k.cy - k.h / 2;
    c.text_centred(k.cx + 0.5f, top - 3.0f, text, kLabel);
}

}  // namespace

art_canvas front_panel()
{
    art_canvas c(144, 494);
    brushed_metal(c, 0.185f, 0.125f, 650);
    // Bevel: lit top and left edge, shaded bottom and right.
    for (int x = 0; x < 144; ++x) {
        c.blend(x, 0, grey(1, 0.16f));
        c.blend(x, 493, grey(0, 0.5f));
    }
    for (int y = 0; y < 494; ++y) {
        c.blend(0, y, grey(1, 0.10f));
        c.blend(143, y, grey(0, 0.45f));
    }
    for (auto [x, y, a] :
         {std::tuple{8.0f, 8.0f, 0.4f}, {136.0f, 8.0f, 1.3f}, {8.0f, 486.0f, 2.2f}, {136.0f, 486.0f, 0.9f}})
        screw(c, x, y, a);

    // Title block above the banner.
    c.text_centred(72.5f, 26.0f, "VLT650", grey(0, 0.6f), 2.0f);
    c.text_centred(72.0f, 25.0f, "VLT650", art_colour{0.93f, 0.92f, 0.89f}, 2.0f);
    c.line(20, 31.5f, 124, 31.5f, 1.0f, art_colour{kOrange.r, kOrange.g, kOrange.b, 0.85f});
    // Banner recess: a dark bevel just outside the text window.
    c.round_rect(15.5f, 39.5f, 128.5f, 60.5f, 3.0f, grey(0.05f, 0.85f));
    c.round_rect(16.5f, 40.5f, 127.5f, 59.5f, 2.0f, grey(0.0f));

    const char* names[6] = {"In Gain", "Threshold", "Attack", "Release", "Ratio", "Makeup"};
    for (int i = 0; i < 6; ++i)
        label(c, kKnobs[i], names[i]);

    // Meter window: a recess with a dB scale to its right.
    const int mx = kMeter.cx - kMeter.w / 2, my = kMeter.cy - kMeter.h / 2;
    c.round_rect(mx - 2.5f, my - 2.5f, mx + kMeter.w + 2.5f, my + kMeter.h + 2.5f, 3.0f, grey(0.04f, 0.8f));
    c.text_centred(float(kMeter.cx) + 0.5f, float(my) - 5.0f, "GR dB", kLabel);
    for (int db = 0; db <= 20; db += 5) {
        const double v = db / 20.0 * 99.0;
        const int row = my + kMeter.h - int(v / 100.0 * kMeter.h);
        char text[4];
        std::snprintf(text, sizeof text, "%d", db);
        c.text(float(mx + kMeter.w + 5), float(row + 4), text, kLabelDim);
    }

    // Effect switch caption.
    const int sy = kSwitch.cy - kSwitch.h / 2;
    c.text(14.0f, float(sy + 14), "Effect", kLabel);

    // Maker's plate at the foot.
    c.line(20, 441.5f, 124, 441.5f, 1.0f, grey(0.0f, 0.5f));
    c.line(20, 442.5f, 124, 442.5f, 1.0f, grey(1.0f, 0.08f));
    c.text_centred(72.0f, 461.0f, "VLT650", art_colour{0.93f, 0.92f, 0.89f}, 1.5f);
    c.text_centred(72.0f, 476.0f, "Console Dynamics", kLabelDim);
    return c;
}

art_canvas knob_strip()
{
    art_canvas c(48, 48 * kKnobFrames);
    for (int f = 0; f < kKnobFrames; ++f) {
        art_canvas frame(48, 48);
        knob(frame, 24.0f, 24.0f, 1.0f, knob_angle(f), true);
        c.paste(frame, 0, f * 48);
    }
    return c;
}

namespace {

// The effect switch's bezel with its lens lit or dark.
art_canvas switch_face(bool lit)
{
    art_canvas s(44, 20);
    // The bezel is the same in both frames; only the lens lights up.
    s.round_rect_vgrad(0.5f, 0.5f, 43.5f, 19.5f, 4.0f, grey(0.30f), grey(0.10f));
    s.round_rect(2.5f, 2.5f, 41.5f, 17.5f, 3.0f, grey(0.04f));
    if (lit) {
        s.round_rect_vgrad(4.0f, 4.0f, 40.0f, 16.0f, 2.5f, art_colour{1.0f, 0.70f, 0.25f},
                           art_colour{0.86f, 0.36f, 0.02f});
        s.round_rect(6.0f, 4.6f, 38.0f, 7.6f, 1.5f, grey(1.0f, 0.28f));
        s.text_centred(22.0f, 14.0f, "IN", art_colour{0.25f, 0.08f, 0.0f});
    } else {
        s.round_rect_vgrad(4.0f, 4.0f, 40.0f, 16.0f, 2.5f, art_colour{0.24f, 0.10f, 0.04f},
                           art_colour{0.14f, 0.05f, 0.02f});
        s.round_rect(6.0f, 4.6f, 38.0f, 7.6f, 1.5f, grey(1.0f, 0.06f));
        s.text_centred(22.0f, 14.0f, "IN", art_colour{0.45f, 0.22f, 0.10f});
    }
    return s;
}

}  // namespace

art_canvas effect_switch()
{
    art_canvas c(44, 40);
    for (int f = 0; f < 2; ++f)
        c.paste(switch_face(f == 1), 0, f * 20);
    return c;
}

art_canvas neon_switch(bool lamp)
{
    // Without power the lamp stays dark in both positions; the "in" frame
    // only shows a faint ring so the position can still be told.
    art_canvas c(44, 40);
    c.paste(switch_face(false), 0, 0);
    art_canvas in = switch_face(lamp);
    if (!lamp)
        in.ring(22.0f, 10.0f, 7.0f, 7.8f, art_colour{0.55f, 0.28f, 0.08f});
    c.paste(in, 0, 20);
    return c;
}

art_canvas spacer()
{
    art_canvas c(48, 16);
    c.round_rect_vgrad(0.5f, 3.5f, 47.5f, 12.5f, 2.0f, grey(0.05f), grey(0.14f));
    return c;
}

art_canvas meter_strip()
{
    const int h = 119;
    art_canvas c(32, 256);
    for (int lit = 1; lit >= 0; --lit) {
        art_canvas m(32, h, grey(0.03f));
        for (int x = 0; x < 32; ++x)
            m.set(x, 0, grey(0.20f)), m.set(x, h - 1, grey(0.20f));
        for (int y = 0; y < h; ++y)
            m.set(0, y, grey(0.20f)), m.set(31, y, grey(0.20f));
        // LED rows: amber at the foot turning red towards 20 dB.
        for (int y = 3; y <= h - 4; y += 3) {
            const float t = 1.0f - float(y - 3) / float(h - 7);
            const art_colour hot =
                art_mix(art_colour{1.0f, 0.66f, 0.10f}, art_colour{1.0f, 0.16f, 0.05f}, t * t);
            const art_colour cold = art_mix(grey(0.02f), hot, 0.14f);
            for (int x = 7; x <= 24; ++x)
                for (int dy = 0; dy < 2; ++dy)
                    m.set(x, y + dy, lit ? hot : cold);
        }
        for (int db = 0; db <= 20; ++db) {
            const int row = h - int(db / 20.0 * 99.0 / 100.0 * h);
            const int len = db % 5 == 0 ? 3 : 1;
            for (int x = 3; x < 3 + len; ++x)
                m.blend(x, std::min(row, h - 3), grey(0.55f));
        }
        c.paste(m, 0, lit ? 0 : h);
    }
    return c;
}

art_canvas small_button(int glyph)
{
    art_canvas c(32, 32);
    for (int f = 0; f < 2; ++f) {
        art_canvas b(32, 16);
        b.round_rect(0.5f, 0.5f, 31.5f, 15.5f, 3.0f, grey(0.06f));
        const art_colour ink = f ? kOrange : grey(0.72f);
        b.round_rect_vgrad(2.5f, 2.5f, 29.5f, 13.5f, 2.0f, grey(f ? 0.16f : 0.30f), grey(f ? 0.24f : 0.17f));
        if (glyph == 0) {
            b.fill_circle(16.0f, 8.0f, 3.0f, f ? art_colour{1.0f, 0.62f, 0.12f} : grey(0.12f));
            b.ring(16.0f, 8.0f, 3.0f, 3.8f, grey(0.05f));
        } else if (glyph == 1) {
            b.triangle(12.0f, 8.0f, 19.0f, 4.5f, 19.0f, 11.5f, ink);
        } else if (glyph == 3) {
            b.ring(16.0f, 8.5f, 2.6f, 3.6f, ink);
            b.line(16.0f, 3.5f, 16.0f, 8.0f, 1.2f, ink);
        } else {
            b.triangle(20.0f, 8.0f, 13.0f, 4.5f, 13.0f, 11.5f, ink);
        }
        c.paste(b, 0, f * 16);
    }
    return c;
}

art_canvas window_icon(int size)
{
    art_canvas c(size, size);
    const float s = size / 32.0f;
    c.round_rect_vgrad(0.5f, 0.5f, size - 0.5f, size - 0.5f, 6.0f * s, grey(0.24f), grey(0.10f));
    knob(c, size / 2.0f, size / 2.0f + 1.0f * s, 0.68f * s, knob_angle(28), false);
    return c;
}

namespace {
art_canvas installer_face(int w, int h, uint32_t seed)
{
    art_canvas c(w, h);
    brushed_metal(c, 0.17f, 0.08f, seed);
    return c;
}
}  // namespace

art_canvas installer_splash()
{
    art_canvas c = installer_face(600, 400, 7);
    knob(c, 470.0f, 190.0f, 5.2f, knob_angle(27), true);
    c.text(52.0f, 178.0f, "VLT650", grey(0, 0.6f), 6.0f);
    c.text(50.0f, 176.0f, "VLT650", art_colour{0.94f, 0.93f, 0.90f}, 6.0f);
    c.line(52, 196.5f, 330, 196.5f, 2.0f, kOrange);
    c.text(52.0f, 232.0f, "Console Dynamics", kLabel, 2.5f);
    c.text(52.0f, 262.0f, "Linux VST installer", kLabelDim, 1.8f);
    c.text(52.0f, 372.0f, "Brindle DSP", kLabelDim, 1.5f);
    return c;
}

art_canvas installer_background()
{
    // The message panel writes its twelve lines over the top 200 rows: the
    // artwork keeps below them.
    art_canvas c = installer_face(600, 336, 11);
    knob(c, 520.0f, 266.0f, 2.6f, knob_angle(30), true);
    c.text(30.0f, 262.0f, "VLT650", art_colour{0.94f, 0.93f, 0.90f}, 3.5f);
    c.line(32, 276.5f, 240, 276.5f, 1.5f, kOrange);
    c.text(32.0f, 302.0f, "Console Dynamics for Linux", kLabel, 1.5f);
    return c;
}

}  // namespace art
