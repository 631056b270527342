#include "afx_font_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#ifndef AFX_FONT_OLD_REVISION
#include <langinfo.h>
#endif

namespace {
constexpr int kMeasureLimit = 1024;  // measuring stops after this many characters
constexpr int kDotGlyph = '.';
constexpr int kMaskGlyph = '*';

int gamma_entry(int i, float exponent)
{
    const float v = std::pow(static_cast<float>(i) / 255.0f, exponent);
    return v >= 1.0f ? 255 : static_cast<int>(v * 255.0f);
}
}  // namespace

AFX_font_engine::AFX_font_engine(AFX_engine* engine, float gamma)
    : engine_(engine), glyphs_(afx_font_glyph_table)
{
    for (int i = 0; i < 256; ++i) {
        enc_[i] = gamma_entry(i, 1.0f / gamma);
        dec_[i] = gamma_entry(i, gamma);
    }
    // The metrics leave out the last code (255): every text position of the
    // panels and the installer is laid out for the metrics of codes 0..254.
    int top = 0;
    for (int code = 0; code < 255; ++code) {
        const uint8_t* g = glyphs_[code];
        max_height_ = std::max<int>(max_height_, g[afx_glyph::kHeight]);
        max_width_ = std::max({max_width_, int(g[afx_glyph::kWidth]), int(g[afx_glyph::kAdvance])});
        top = std::max<int>(top, int8_t(g[afx_glyph::kTop]));
    }
    glyphs_top_ = std::min(top, max_height_);
    line_height_ = 2 * max_height_ - glyphs_top_;
#ifndef AFX_FONT_OLD_REVISION
    const char* codeset = nl_langinfo(CODESET);
    utf8_ = codeset && std::strcmp(codeset, "UTF-8") == 0;
#ifdef AFX_FONT_ANNOUNCE_UTF8
    if (utf8_) {
        std::printf("\nQELM-UI: UI text - Using UTF-8 encoding\n");
        std::fflush(stdout);
    }
#endif
#endif
}

void AFX_font_engine::set_foreground_rgb(int r, int g, int b)
{
    fg_[0] = dec_[r & 255];
    fg_[1] = dec_[g & 255];
    fg_[2] = dec_[b & 255];
}

void AFX_font_engine::put_pixel(afx_pixbuf* buf, int x, int y, int r, int g, int b, int coverage) const
{
    // A long text must not run off any edge of the buffer.
    if (x < 0 || y < 0 || x >= buf->width || y >= buf->height)
        return;
    uint8_t* p = afx_pixel_at(buf, x, y);
    const int c[3] = {r, g, b};
    for (int ch = 0; ch < 3; ++ch) {
        const int d = dec_[p[ch]];
        p[ch] = static_cast<uint8_t>(enc_[d + (((c[ch] - d) * coverage) >> 8)]);
    }
}

void AFX_font_engine::blit_glyph(afx_pixbuf* buf, int index, int x, int y, const pen_style& style) const
{
    const uint8_t* g = glyphs_[index & 255];
    if (!g)
        return;
    const int w = g[afx_glyph::kWidth], h = g[afx_glyph::kHeight];
    const int x0 = x + int8_t(g[afx_glyph::kXBearing]);
    const int y0 = y - int8_t(g[afx_glyph::kTop]);
    const uint8_t* cov = g + afx_glyph::kCoverage;
    for (int row = 0; row < h; ++row) {
        const int py = y0 + row;
        for (int col = 0; col < w; ++col) {
            const int a = cov[row * w + col];
            const int px = x0 + col;
            if (a == 0)
                continue;
            const clip* c = style.limits;
            if (c && !(c->top < py && py < c->bottom && c->left < px && px < c->right))
                continue;
            put_pixel(buf, px, py, style.r, style.g, style.b, a);
        }
    }
}

int AFX_font_engine::next_glyph(const char*& text) const
{
#ifdef AFX_FONT_OLD_REVISION
    const auto byte = static_cast<uint8_t>(*text);
    if (byte == 0)
        return 0;
    ++text;
    if (byte >= 0xC0)
        return '-';
    return byte >= 0x80 ? -1 : byte;
#else
    int code = 0;
    if (utf8_)
        text = get_char(text, true, &code);
    else if ((code = static_cast<uint8_t>(*text)) != 0)
        ++text;
    return code & 255;
#endif
}

void AFX_font_engine::run_text(afx_pixbuf* buf, const char* text, int x, int y, int max_chars,
                               const pen_style& style) const
{
    if (max_chars < 0)
        return;
    int read = 0;
    for (; read < max_chars; ++read) {
        const int index = next_glyph(text);
        if (index == 0)
            return;
        if (index < 0)
            continue;
        const int shown = style.hidden ? kMaskGlyph : index;
        blit_glyph(buf, shown, x, y, style);
        x += glyphs_[shown][afx_glyph::kAdvance];
    }
    // Cut mark: the text filled max_chars (or there was no room at all).
    for (int dot = 0; dot < 3; ++dot) {
        blit_glyph(buf, kDotGlyph, x, y, style);
        x += glyphs_[kDotGlyph][afx_glyph::kAdvance];
    }
}

int AFX_font_engine::get_string_length_in_pxls(const char* text) const
{
    int length = 0;
    for (int n = 0; n < kMeasureLimit; ++n) {
        const int index = next_glyph(text);
        if (index == 0)
            break;
        if (index > 0)
            length += glyphs_[index][afx_glyph::kAdvance];
    }
    return length;
}

void AFX_font_engine::draw_string(afx_pixbuf* buf, const char* text, int x, int y, int max_chars) const
{
    run_text(buf, text, x, y, max_chars, {fg_[0], fg_[1], fg_[2], nullptr, false});
}

#ifdef AFX_FONT_OLD_REVISION

void AFX_font_engine::draw_ttf_glyph(afx_pixbuf* buf, int code, int x, int y) const
{
    blit_glyph(buf, code, x, y, {fg_[0], fg_[1], fg_[2], nullptr, false});
}

#else

const char* AFX_font_engine::get_char(const char* text, bool utf8, int* code)
{
    auto byte = [&] { return static_cast<uint8_t>(*text); };
    if (!utf8) {
        *code = byte();
        return *code ? text + 1 : text;
    }
    while ((byte() & 0xC0) == 0x80)
        ++text;
    const uint8_t lead = byte();
    if (lead < 0x80) {
        *code = lead;
        return lead ? text + 1 : text;
    }
    int n = 0;
    while (n < 8 && (lead & (0x80 >> n)))
        ++n;
    int value = n >= 7 ? 0 : lead & ((1 << (7 - n)) - 1);
    ++text;
    for (int i = 1; i < n; ++i) {
        if (byte() == 0)
            break;  // the text ends inside the sequence
        value = (value << 6) | (byte() & 0x3F);
        ++text;
    }
    *code = value;
    return text;
}

void AFX_font_engine::remove_char(char* text, int size) const
{
    if (size <= 1)
        return;
    const int len = static_cast<int>(strnlen(text, static_cast<size_t>(size - 1)));
    if (len == size - 1 || len == 0)
        return;
    if (!utf8_) {
        text[len - 1] = 0;
        return;
    }
    bool cleared = false;
    for (int i = len - 1; i >= 0; --i) {
        const auto b = static_cast<uint8_t>(text[i]);
        if ((b & 0xC0) == 0x80) {
            text[i] = 0;
            cleared = true;
            continue;
        }
        if (b >= 0xC0 || !cleared)
            text[i] = 0;
        return;
    }
}

int AFX_font_engine::get_hid_string_length_in_pxls(const char* text) const
{
    int count = 0;
    while (count < kMeasureLimit && next_glyph(text) != 0)
        ++count;
    return count * glyphs_[kMaskGlyph][afx_glyph::kAdvance];
}

int AFX_font_engine::get_string_height_in_pxls(const char* text) const
{
    int h = 0, t = 0, n = 0;
    for (int index; n < kMeasureLimit && (index = next_glyph(text)) != 0; ++n) {
        h = std::max<int>(h, glyphs_[index][afx_glyph::kHeight]);
        t = std::max<int>(t, int8_t(glyphs_[index][afx_glyph::kTop]));
    }
    return n == 0 ? 0 : 2 * h - std::min(t, h);
}

void AFX_font_engine::draw_glyph(afx_pixbuf* buf, int code, int x, int y) const
{
    blit_glyph(buf, code, x, y, {fg_[0], fg_[1], fg_[2], nullptr, false});
}

void AFX_font_engine::draw_glyph_to_pixbuf(afx_pixbuf* buf, int code, int x, int y, int r, int g, int b) const
{
    blit_glyph(buf, code, x, y, {r, g, b, nullptr, false});
}

void AFX_font_engine::draw_string_to_pixbuf(afx_pixbuf* buf, const char* text, int x, int y, int r, int g,
                                            int b, int max_chars) const
{
    run_text(buf, text, x, y, max_chars, {r, g, b, nullptr, false});
}

void AFX_font_engine::draw_clipped_glyph_to_pixbuf(afx_pixbuf* buf, int code, int x, int y, int top,
                                                   int bottom, int left, int right, int r, int g, int b) const
{
    const clip c{top, bottom, left, right};
    blit_glyph(buf, code, x, y, {r, g, b, &c, false});
}

void AFX_font_engine::draw_clipped_string_to_pixbufL(afx_pixbuf* buf, const char* text, int x, int y, int top,
                                                     int bottom, int left, int right, int r, int g, int b,
                                                     int max_chars) const
{
    const clip c{top, bottom, left, right};
    run_text(buf, text, x, y, max_chars, {r, g, b, &c, false});
}

void AFX_font_engine::draw_clipped_string_to_pixbufR(afx_pixbuf* buf, const char* text, int x, int y, int top,
                                                     int bottom, int left, int right, int r, int g, int b,
                                                     int max_chars) const
{
    const clip c{top, bottom, left, right};
    run_text(buf, text, x - get_string_length_in_pxls(text), y, max_chars, {r, g, b, &c, false});
}

void AFX_font_engine::draw_hid_clipped_string_to_pixbufL(afx_pixbuf* buf, const char* text, int x, int y,
                                                         int top, int bottom, int left, int right, int r,
                                                         int g, int b, int max_chars) const
{
    const clip c{top, bottom, left, right};
    run_text(buf, text, x, y, max_chars, {r, g, b, &c, true});
}

void AFX_font_engine::draw_hid_clipped_string_to_pixbufR(afx_pixbuf* buf, const char* text, int x, int y,
                                                         int top, int bottom, int left, int right, int r,
                                                         int g, int b, int max_chars) const
{
    const clip c{top, bottom, left, right};
    run_text(buf, text, x - get_hid_string_length_in_pxls(text), y, max_chars, {r, g, b, &c, true});
}

#endif
