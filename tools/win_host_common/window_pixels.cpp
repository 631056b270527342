#include "window_pixels.h"

#include <cstdio>

#include "afx/win32/win32_pixels.h"

namespace win_pixels {

// Copied through a DIB section of our own: what the window shows, not what
// the plug-in meant to draw.
Pixels read_pixels(HWND w, int x, int y, int width, int height)
{
    Pixels p;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC window_dc = GetDC(w);
    HDC memory_dc = CreateCompatibleDC(window_dc);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(memory_dc, dib);
        BitBlt(memory_dc, 0, 0, width, height, window_dc, x, y, SRCCOPY);
        GdiFlush();
        SelectObject(memory_dc, old);
        const auto* b = static_cast<const uint8_t*>(bits);
        p.width = width;
        p.height = height;
        p.bgr.assign(b, b + afx_win32::dib_image_size(width, height));
    }
    if (dib)
        DeleteObject(dib);
    DeleteDC(memory_dc);
    ReleaseDC(w, window_dc);
    return p;
}

Pixels read_client(HWND w)
{
    RECT r{};
    GetClientRect(w, &r);
    return read_pixels(w, 0, 0, r.right, r.bottom);
}

bool write_bmp(const Pixels& p, const char* path)
{
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = p.width;
    info.biHeight = -p.height;  // rows top-down, as held
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(p.bgr.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4d42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 &&
                    std::fwrite(&info, sizeof info, 1, f) == 1 &&
                    std::fwrite(p.bgr.data(), 1, p.bgr.size(), f) == p.bgr.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace win_pixels
