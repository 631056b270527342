#include "pixels.h"

#include <algorithm>
#include <cstdio>

Pixels grab(HWND window, RECT r)
{
    Pixels out;
    out.width = std::max(0L, r.right - r.left);
    out.height = std::max(0L, r.bottom - r.top);
    out.p.reserve(static_cast<size_t>(out.width * out.height));
    HDC dc = GetDC(window);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            out.p.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return out;
}

int first_column_unlike_background(const Pixels& image, int y0, int y1)
{
    std::vector<COLORREF> background;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < 8; ++x)
            background.push_back(image.at(x, y));
    std::sort(background.begin(), background.end());
    for (int x = 8; x < image.width; ++x)
        for (int y = y0; y < y1; ++y)
            if (!std::binary_search(background.begin(), background.end(), image.at(x, y)))
                return x;
    return -1;
}

double differing(const Pixels& a, const Pixels& b)
{
    if (a.p.size() != b.p.size())
        return -1;
    double n = 0;
    for (size_t i = 0; i < a.p.size(); ++i)
        n += a.p[i] != b.p[i] ? 1 : 0;
    return n;
}

bool write_bmp(const Pixels& image, const char* path)
{
    FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    const int row = (image.width * 3 + 3) & ~3;
    const uint32_t data = static_cast<uint32_t>(row * image.height);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + data;
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof ih;
    ih.biWidth = image.width;
    ih.biHeight = -image.height;  // top row first
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::vector<uint8_t> line(static_cast<size_t>(row), 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const COLORREF c = image.at(x, y);
            line[3 * x] = GetBValue(c);
            line[3 * x + 1] = GetGValue(c);
            line[3 * x + 2] = GetRValue(c);
        }
        std::fwrite(line.data(), line.size(), 1, f);
    }
    return std::fclose(f) == 0;
}
