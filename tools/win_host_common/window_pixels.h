#pragma once
// What a window of the Windows test hosts shows, read back through a DIB
// section of theirs, and written as a BMP file.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <vector>

namespace win_pixels {

// A rectangle of a window's client area as 24-bit top-down rows (B, G, R),
// each row padded to 4 bytes as a DIB's.
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint8_t> bgr;
    bool operator==(const Pixels& o) const { return width == o.width && height == o.height && bgr == o.bgr; }
    bool operator!=(const Pixels& o) const { return !(*this == o); }
};
Pixels read_pixels(HWND w, int x, int y, int width, int height);
Pixels read_client(HWND w);
// Writes them as a BMP file; false when it cannot.
bool write_bmp(const Pixels& p, const char* path);

}  // namespace win_pixels
