#pragma once
// What a window shows, read back through GDI.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <vector>

struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> p;  // row by row
    COLORREF at(int x, int y) const { return p[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Pixels& o) const { return width == o.width && height == o.height && p == o.p; }
};

// The window's pixels in r (client coordinates), through GetPixel.
Pixels grab(HWND window, RECT r);
// The first column, from the left, with a colour the first eight columns
// (the background's pattern) do not have within rows y0..y1; -1 for none.
int first_column_unlike_background(const Pixels& image, int y0, int y1);
// How many pixels two images of one size differ in.
double differing(const Pixels& a, const Pixels& b);
// The image as a 24-bit BMP file.
bool write_bmp(const Pixels& image, const char* path);
