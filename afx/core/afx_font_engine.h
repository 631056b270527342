// The toolkit's built-in anti-aliased bitmap font (Latin-1, 256 glyphs),
// blended in linear light through a decode/encode gamma pair.
//
// Build switches (one source, per-build behaviour):
//   AFX_FONT_GAMMA          gamma exponent; 1.6 Linux, 1.8 Windows, 1.5 macOS
//   AFX_FONT_OLD_REVISION   byte-wise text without UTF-8, no clipped, hidden or
//                           colour-taking forms (Windows and macOS builds)
//   AFX_FONT_ANNOUNCE_UTF8  print a line when UTF-8 text is in use (installer)
#pragma once

#include "afx_pixbuf.h"

#include <cstdint>

// The build variant's defaults (cmake/platform.cmake sets exactly one).
#if defined(VLT_BUILD_WINDOWS)
#define AFX_FONT_VARIANT_GAMMA 1.8f
#define AFX_FONT_VARIANT_OLD_REVISION 1
#elif defined(VLT_BUILD_MACOS)
#define AFX_FONT_VARIANT_GAMMA 1.5f
#define AFX_FONT_VARIANT_OLD_REVISION 1
#elif defined(VLT_BUILD_LINUX)
#define AFX_FONT_VARIANT_GAMMA 1.6f
#define AFX_FONT_VARIANT_OLD_REVISION 0
#else
#error "No build variant: VLT_BUILD_LINUX, VLT_BUILD_WINDOWS or VLT_BUILD_MACOS must be set"
#endif

#if !defined(AFX_FONT_OLD_REVISION) && AFX_FONT_VARIANT_OLD_REVISION
#define AFX_FONT_OLD_REVISION 1
#endif

#ifndef AFX_FONT_GAMMA
#define AFX_FONT_GAMMA AFX_FONT_VARIANT_GAMMA
#endif

class AFX_engine;

// Glyph record: width, height, advance, 0, x bearing (signed), top (signed),
// then width x height coverage bytes, rows from the top.
namespace afx_glyph {
constexpr int kWidth = 0, kHeight = 1, kAdvance = 2, kXBearing = 4, kTop = 5, kCoverage = 6;
}
extern const uint8_t* const afx_font_glyph_table[256];

class AFX_font_engine {
public:
    explicit AFX_font_engine(AFX_engine* engine, float gamma = AFX_FONT_GAMMA);

    int get_glyph_max_width() const { return max_width_; }
    int get_glyph_max_height() const { return max_height_; }
    int get_glyphs_top() const { return glyphs_top_; }
    int get_line_height() const { return line_height_; }
    const int* get_decode_table() const { return dec_; }
    const int* get_encode_table() const { return enc_; }
    AFX_engine* get_engine() const { return engine_; }

    void set_foreground_rgb(int r, int g, int b);
    int get_string_length_in_pxls(const char* text) const;
    void put_pixel(afx_pixbuf* buf, int x, int y, int r, int g, int b, int coverage) const;
    void draw_string(afx_pixbuf* buf, const char* text, int x, int y, int max_chars) const;

#ifdef AFX_FONT_OLD_REVISION
    void draw_ttf_glyph(afx_pixbuf* buf, int code, int x, int y) const;
#else
    bool get_utf8() const { return utf8_; }
    static const char* get_char(const char* text, bool utf8, int* code);
    void remove_char(char* text, int size) const;
    int get_hid_string_length_in_pxls(const char* text) const;
    int get_string_height_in_pxls(const char* text) const;

    void draw_glyph(afx_pixbuf* buf, int code, int x, int y) const;
    void draw_glyph_to_pixbuf(afx_pixbuf* buf, int code, int x, int y, int r, int g, int b) const;
    void draw_string_to_pixbuf(afx_pixbuf* buf, const char* text, int x, int y, int r, int g, int b,
                               int max_chars) const;
    void draw_clipped_glyph_to_pixbuf(afx_pixbuf* buf, int code, int x, int y, int top, int bottom, int left,
                                      int right, int r, int g, int b) const;
    void draw_clipped_string_to_pixbufL(afx_pixbuf* buf, const char* text, int x, int y, int top, int bottom,
                                        int left, int right, int r, int g, int b, int max_chars) const;
    void draw_clipped_string_to_pixbufR(afx_pixbuf* buf, const char* text, int x, int y, int top, int bottom,
                                        int left, int right, int r, int g, int b, int max_chars) const;
    void draw_hid_clipped_string_to_pixbufL(afx_pixbuf* buf, const char* text, int x, int y, int top,
                                            int bottom, int left, int right, int r, int g, int b,
                                            int max_chars) const;
    void draw_hid_clipped_string_to_pixbufR(afx_pixbuf* buf, const char* text, int x, int y, int top,
                                            int bottom, int left, int right, int r, int g, int b,
                                            int max_chars) const;
#endif

private:
    struct clip {
        int top, bottom, left, right;  // all four excluded
    };
    struct pen_style {
        int r, g, b;
        const clip* limits;  // null: only the buffer bounds
        bool hidden;         // every character drawn as '*'
    };
    void blit_glyph(afx_pixbuf* buf, int index, int x, int y, const pen_style& style) const;
    void run_text(afx_pixbuf* buf, const char* text, int x, int y, int max_chars,
                  const pen_style& style) const;
    int next_glyph(const char*& text) const;  // glyph index, -1 skip, 0 end

    AFX_engine* engine_;
    const uint8_t* const* glyphs_;
    int dec_[256];
    int enc_[256];
    int fg_[3] = {0, 0, 0};
    int max_width_ = 0, max_height_ = 0, glyphs_top_ = 0, line_height_ = 0;
    bool utf8_ = false;
};
