// The Cocoa backend's off-screen RGBA bitmap and what is done to it without
// the window system: the dotted background with its resize grip, pixbuf
// rectangles laid over it, the Catmull-Rom scaler into it, and the
// monochrome look of a switched-off plug-in. Platform-free, so the native
// tests run it; the Quartz transfer lives beside the engine.
#pragma once

#include "afx/core/afx_pixbuf.h"

#include <cstdint>
#include <vector>

struct afx_pixmap {
    int32_t width = 0;
    int32_t height = 0;
    int32_t rowstride = 0;      // 4 x width
    uint8_t* pixels = nullptr;  // R, G, B, A; owned
};

// Background dots and grip, as afx_pixmap_create_fixed takes them.
struct afx_pixmap_look {
    int r = 0, g = 0, b = 0;   // dot colour before it is darkened
    int grip = 0, margin = 0;  // grip triangle size, inset from the corner
    int period = 8, dot = 1;   // dot spacing and size
};

// Memory of (4 x width + 4) x (height + 1) bytes: a spare pixel a row and a
// spare row, so a reader running one pixel past a row's end stays inside.
void afx_pixmap_init(afx_pixmap* pixmap, int width, int height);
void afx_pixmap_release(afx_pixmap* pixmap);  // frees the pixels only
// Black with dots, and the grip; alpha 255 everywhere.
void afx_pixmap_paint_background(afx_pixmap* pixmap, const afx_pixmap_look& look);

// A record of its own, for users without an engine.
afx_pixmap* afx_pixmap_new(int width, int height, const afx_pixmap_look& look);
void afx_pixmap_free(afx_pixmap* pixmap);  // null does nothing

// The pixmap seen as a pixbuf (same memory), for the core's primitives.
afx_pixbuf afx_pixmap_as_pixbuf(const afx_pixmap& pixmap);

// The rectangle lies within the pixmap: origin limited to 0..size, size to
// what is left from there.
struct afx_pixmap_rect {
    int x, y, width, height;
};
afx_pixmap_rect afx_pixmap_limit(const afx_pixmap& pixmap, afx_pixmap_rect r);

// Both without clipping: the caller keeps the rectangles inside.
void afx_pixmap_draw_pixbuf(afx_pixmap* pixmap, const afx_pixbuf* pixbuf, int src_x, int src_y, int dst_x,
                            int dst_y, int width, int height);  // blend, alpha kept
void afx_pixmap_blit_pixbuf(afx_pixmap* pixmap, const afx_pixbuf* pixbuf, int src_x, int src_y, int dst_x,
                            int dst_y, int width, int height);  // all four bytes

// The core's Catmull-Rom scaler from one pixmap into another.
void afx_pixmap_stretch_copy(const afx_pixmap* source, afx_pixmap* destination, int x, int y, int width,
                             int height, int x_offset, int y_offset, float scale);

// Grey with dark bands over a (limited) rectangle; the saved pixels give
// the colours back once the rectangle has been drawn.
class afx_pixmap_mono_pass {
public:
    afx_pixmap_mono_pass(afx_pixmap* pixmap, afx_pixmap_rect r, float level);
    ~afx_pixmap_mono_pass();  // restores the pixels
    afx_pixmap_mono_pass(const afx_pixmap_mono_pass&) = delete;
    afx_pixmap_mono_pass& operator=(const afx_pixmap_mono_pass&) = delete;

private:
    afx_pixmap* pixmap_;
    afx_pixmap_rect r_;
    std::vector<uint8_t> saved_;
};
