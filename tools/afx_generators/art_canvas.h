// Float RGBA canvas for drawing the artwork: analytic anti-aliased shapes
// and text from the toolkit's own glyph table. Deterministic: the same code
// gives the same pixels on every build.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct art_colour {
    float r, g, b, a = 1.0f;
};

art_colour art_mix(art_colour a, art_colour b, float t);

class art_canvas {
public:
    art_canvas(int width, int height, art_colour fill = {0, 0, 0, 0});
    int width() const { return w_; }
    int height() const { return h_; }

    // Source-over of colour c with extra coverage (0..1) at one pixel.
    void blend(int x, int y, art_colour c, float coverage = 1.0f);
    art_colour get(int x, int y) const;
    void set(int x, int y, art_colour c);

    // Shapes: coverage from the signed distance, so edges are smooth.
    void fill_circle(float cx, float cy, float r, art_colour c);
    void ring(float cx, float cy, float r_in, float r_out, art_colour c);
    void line(float x0, float y0, float x1, float y1, float width, art_colour c);
    void round_rect(float x0, float y0, float x1, float y1, float radius, art_colour c);
    // Vertical gradient inside a rounded rectangle.
    void round_rect_vgrad(float x0, float y0, float x1, float y1, float radius, art_colour top,
                          art_colour bottom);
    void triangle(float ax, float ay, float bx, float by, float cx, float cy, art_colour c);

    // Text with the toolkit font, magnified by an integer-free factor with
    // smooth coverage. Returns the advance in canvas pixels.
    float text(float x, float baseline, const std::string& s, art_colour c, float scale = 1.0f);
    static float text_width(const std::string& s, float scale = 1.0f);
    float text_centred(float cx, float baseline, const std::string& s, art_colour c, float scale = 1.0f);

    // Places another canvas (source-over) with its top-left at (x, y).
    void paste(const art_canvas& src, int x, int y);
    // 8-bit RGBA rows, rounded.
    std::vector<uint8_t> rgba() const;

private:
    int w_, h_;
    std::vector<art_colour> px_;
};

// Reproducible pseudo-random numbers in [0, 1) for textures.
class art_noise {
public:
    explicit art_noise(uint32_t seed) : s_(seed) {}
    float next()
    {
        s_ = s_ * 1664525u + 1013904223u;
        return static_cast<float>(s_ >> 8) / 16777216.0f;
    }

private:
    uint32_t s_;
};
