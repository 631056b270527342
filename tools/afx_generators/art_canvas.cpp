#include "art_canvas.h"

#include "afx_font_engine.h"

#include <algorithm>
#include <cmath>

namespace {
float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }
// Pixel coverage of a shape from the signed distance of the pixel centre.
float cover(float distance) { return clamp01(0.5f - distance); }

float segment_distance(float px, float py, float x0, float y0, float x1, float y1)
{
    const float vx = x1 - x0, vy = y1 - y0;
    const float len2 = vx * vx + vy * vy;
    float t = len2 > 0 ? ((px - x0) * vx + (py - y0) * vy) / len2 : 0.0f;
    t = clamp01(t);
    const float dx = px - (x0 + t * vx), dy = py - (y0 + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

float round_rect_distance(float px, float py, float x0, float y0, float x1, float y1, float r)
{
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    const float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
}
}  // namespace

art_colour art_mix(art_colour a, art_colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

art_canvas::art_canvas(int width, int height, art_colour fill)
    : w_(width), h_(height), px_(size_t(width) * height, fill)
{
}

void art_canvas::blend(int x, int y, art_colour c, float coverage)
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return;
    const float a = clamp01(c.a * coverage);
    if (a <= 0.0f)
        return;
    art_colour& d = px_[size_t(y) * w_ + x];
    const float out_a = a + d.a * (1.0f - a);
    if (out_a <= 0.0f)
        return;
    d.r = (c.r * a + d.r * d.a * (1.0f - a)) / out_a;
    d.g = (c.g * a + d.g * d.a * (1.0f - a)) / out_a;
    d.b = (c.b * a + d.b * d.a * (1.0f - a)) / out_a;
    d.a = out_a;
}

art_colour art_canvas::get(int x, int y) const { return px_[size_t(y) * w_ + x]; }
void art_canvas::set(int x, int y, art_colour c) { px_[size_t(y) * w_ + x] = c; }

void art_canvas::fill_circle(float cx, float cy, float r, art_colour c) { ring(cx, cy, -1.0f, r, c); }

void art_canvas::ring(float cx, float cy, float r_in, float r_out, art_colour c)
{
    const int x0 = int(std::floor(cx - r_out - 1)), x1 = int(std::ceil(cx + r_out + 1));
    const int y0 = int(std::floor(cy - r_out - 1)), y1 = int(std::ceil(cy + r_out + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            const float cov = std::min(cover(d - r_out), r_in < 0 ? 1.0f : cover(r_in - d));
            blend(x, y, c, cov);
        }
}

void art_canvas::line(float x0, float y0, float x1, float y1, float width, art_colour c)
{
    const float h = width / 2;
    const int xa = int(std::floor(std::min(x0, x1) - h - 1)), xb = int(std::ceil(std::max(x0, x1) + h + 1));
    const int ya = int(std::floor(std::min(y0, y1) - h - 1)), yb = int(std::ceil(std::max(y0, y1) + h + 1));
    for (int y = ya; y <= yb; ++y)
        for (int x = xa; x <= xb; ++x)
            blend(x, y, c, cover(segment_distance(x + 0.5f, y + 0.5f, x0, y0, x1, y1) - h));
}

void art_canvas::round_rect(float x0, float y0, float x1, float y1, float radius, art_colour c)
{
    round_rect_vgrad(x0, y0, x1, y1, radius, c, c);
}

void art_canvas::round_rect_vgrad(float x0, float y0, float x1, float y1, float radius, art_colour top,
                                  art_colour bottom)
{
    for (int y = int(std::floor(y0)) - 1; y <= int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)) - 1; x <= int(std::ceil(x1)); ++x) {
            const float cov = cover(round_rect_distance(x + 0.5f, y + 0.5f, x0, y0, x1, y1, radius));
            const float t = clamp01((y + 0.5f - y0) / std::max(y1 - y0, 1.0f));
            blend(x, y, art_mix(top, bottom, t), cov);
        }
}

void art_canvas::triangle(float ax, float ay, float bx, float by, float cx, float cy, art_colour c)
{
    // Coverage by 4 x 4 supersampling of the edge functions.
    const float area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
    const int x0 = int(std::floor(std::min({ax, bx, cx}))), x1 = int(std::ceil(std::max({ax, bx, cx})));
    const int y0 = int(std::floor(std::min({ay, by, cy}))), y1 = int(std::ceil(std::max({ay, by, cy})));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const float px = x + (sx + 0.5f) / 4, py = y + (sy + 0.5f) / 4;
                    const float e0 = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
                    const float e1 = (cx - bx) * (py - by) - (cy - by) * (px - bx);
                    const float e2 = (ax - cx) * (py - cy) - (ay - cy) * (px - cx);
                    if (area > 0 ? (e0 >= 0 && e1 >= 0 && e2 >= 0) : (e0 <= 0 && e1 <= 0 && e2 <= 0))
                        ++inside;
                }
            blend(x, y, c, inside / 16.0f);
        }
}

float art_canvas::text_width(const std::string& s, float scale)
{
    float w = 0;
    for (unsigned char ch : s)
        w += afx_font_glyph_table[ch][afx_glyph::kAdvance] * scale;
    return w;
}

float art_canvas::text(float x, float baseline, const std::string& s, art_colour c, float scale)
{
    const float start = x;
    for (unsigned char ch : s) {
        const uint8_t* g = afx_font_glyph_table[ch];
        const int gw = g[afx_glyph::kWidth], gh = g[afx_glyph::kHeight];
        const float left = x + int8_t(g[afx_glyph::kXBearing]) * scale;
        const float top = baseline - int8_t(g[afx_glyph::kTop]) * scale;
        auto sample = [&](int col, int row) -> float {
            if (col < 0 || row < 0 || col >= gw || row >= gh)
                return 0.0f;
            return g[afx_glyph::kCoverage + row * gw + col] / 255.0f;
        };
        // Each canvas pixel takes the mean of 4 x 4 point samples of the
        // magnified glyph, which keeps scaled text crisp but not blocky.
        const int px0 = int(std::floor(left)), px1 = int(std::ceil(left + gw * scale));
        const int py0 = int(std::floor(top)), py1 = int(std::ceil(top + gh * scale));
        for (int py = py0; py <= py1; ++py)
            for (int px = px0; px <= px1; ++px) {
                float sum = 0;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx) {
                        const float u = (px + (sx + 0.5f) / 4 - left) / scale;
                        const float v = (py + (sy + 0.5f) / 4 - top) / scale;
                        if (u >= 0 && v >= 0)
                            sum += sample(int(u), int(v));
                    }
                blend(px, py, c, sum / 16.0f);
            }
        x += g[afx_glyph::kAdvance] * scale;
    }
    return x - start;
}

float art_canvas::text_centred(float cx, float baseline, const std::string& s, art_colour c, float scale)
{
    const float w = text_width(s, scale);
    return text(std::round(cx - w / 2), baseline, s, c, scale);
}

void art_canvas::paste(const art_canvas& src, int x, int y)
{
    for (int row = 0; row < src.h_; ++row)
        for (int col = 0; col < src.w_; ++col) {
            const art_colour c = src.get(col, row);
            blend(x + col, y + row, c);
        }
}

std::vector<uint8_t> art_canvas::rgba() const
{
    std::vector<uint8_t> out(px_.size() * 4);
    auto byte = [](float v) { return uint8_t(std::lround(clamp01(v) * 255.0f)); };
    for (size_t i = 0; i < px_.size(); ++i) {
        out[i * 4 + 0] = byte(px_[i].r);
        out[i * 4 + 1] = byte(px_[i].g);
        out[i * 4 + 2] = byte(px_[i].b);
        out[i * 4 + 3] = byte(px_[i].a);
    }
    return out;
}
