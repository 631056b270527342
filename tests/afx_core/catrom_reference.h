// The scaler as it stood before its row kernels were vectorised, kept
// verbatim so the tests can hold the fast one to it pixel for pixel. It
// stores through put() only.
#pragma once

#include "afx_scaled_blit.h"

#include <algorithm>
#include <memory>

template <class Sink>
bool catrom_reference_blit(const afx_pixbuf& src, Sink& sink, AFXBlitArea a)
{
    using afx_scale::taps;
    const int dw = sink.width(), dh = sink.height();
    if (!src.pixels || src.width <= 0 || src.height <= 0 || a.scale < 1.0f)
        return false;
    a.x = std::max(a.x, 0);
    a.y = std::max(a.y, 0);
    if (a.x > dw - 1 || a.y > dh - 1 || a.x_offset > dw - 1 || a.y_offset > dh - 1)
        return false;
    a.width = std::min(a.width, dw - a.x);
    a.height = std::min(a.height, dh - a.y);
    if (a.width <= 0 || a.height <= 0)
        return false;

    const int64_t step = static_cast<int64_t>(65536.0f / a.scale);
    const int cx0 = std::max(a.x - a.x_offset, 0);
    // Never store beyond the image, whatever offset and scale the caller gave.
    const int cx1 = std::min(cx0 + a.width, dw - a.x_offset);
    const int cy0 = std::max(a.y - a.y_offset, 0);
    const int rows_wanted = std::min(a.height, dh - a.y_offset - cy0);
    if (cx1 <= cx0 || rows_wanted <= 0)
        return false;
    const int first = std::max(static_cast<int>((cx0 * step) >> 16) - 1, 0);
    const int last = std::min(static_cast<int>(((cx1 - 1) * step) >> 16) + 3, src.width - 1);
    const int span = last - first;
    // A dirty rectangle beside the scaled content needs no source column.
    if (span < 0)
        return false;

    // One allocation: temporary rows (3 bytes a pixel) and the column taps.
    const int tw = span + 4, th = a.height + 8;
    const int ncols = cx1 - cx0;
    const size_t tmp_bytes = static_cast<size_t>(tw) * th * 3;
    const size_t tmp_aligned = (tmp_bytes + 15) & ~size_t(15);
    std::unique_ptr<uint8_t[]> block(
        new uint8_t[tmp_aligned + static_cast<size_t>(ncols) * (sizeof(taps) + 4 * sizeof(int))]);
    uint8_t* tmp = block.get();
    taps* col_taps = reinterpret_cast<taps*>(block.get() + tmp_aligned);
    int* col_src = reinterpret_cast<int*>(col_taps + ncols);  // 4 clamped byte offsets a column

    // Vertical pass over the needed source columns.
    int rows = 0;
    for (int r = cy0; r < cy0 + rows_wanted; ++r, ++rows) {
        const int64_t p = r * step;
        const int sy = static_cast<int>(p >> 16);
        if (sy > src.height - 1)
            break;
        const taps t = afx_scale::taps_for_fraction(static_cast<int>((p >> 8) & 255));
        const uint8_t* line[4];
        for (int k = 0; k < 4; ++k)
            line[k] = afx_pixel_at(&src, 0, std::clamp(sy + k - 1, 0, src.height - 1));
        uint8_t* out = tmp + static_cast<size_t>(rows) * tw * 3;
        for (int sx = first; sx <= last; ++sx, out += 3) {
            const int o = sx * 4;
            for (int ch = 0; ch < 3; ++ch) {
                int32_t s = t.w[0] * line[0][o + ch] + t.w[1] * line[1][o + ch] + t.w[2] * line[2][o + ch] +
                            t.w[3] * line[3][o + ch];
                out[ch] = afx_scale::normalise(s, t);
            }
        }
    }
    if (rows == 0 || !sink.begin())
        return false;

    // Column taps once, then the horizontal pass row by row.
    int cols = 0;
    for (int c = cx0; c < cx1; ++c, ++cols) {
        const int64_t p = c * step;
        const int sx = static_cast<int>(p >> 16);
        if (sx > src.width - 1)
            break;
        col_taps[cols] = afx_scale::taps_for_fraction(static_cast<int>((p >> 8) & 255));
        for (int k = 0; k < 4; ++k)
            col_src[cols * 4 + k] = std::clamp(sx - first + k - 1, 0, span) * 3;
    }
    for (int row = 0; row < rows; ++row) {
        const uint8_t* in = tmp + static_cast<size_t>(row) * tw * 3;
        const int dy = cy0 + row + a.y_offset;
        for (int i = 0; i < cols; ++i) {
            const taps& t = col_taps[i];
            const int* off = col_src + i * 4;
            const uint8_t* px[4] = {in + off[0], in + off[1], in + off[2], in + off[3]};
            int rgb[3];
            for (int ch = 0; ch < 3; ++ch) {
                int32_t s = t.w[0] * px[0][ch] + t.w[1] * px[1][ch] + t.w[2] * px[2][ch] + t.w[3] * px[3][ch];
                rgb[ch] = afx_scale::normalise(s, t);
            }
            sink.put(cx0 + i + a.x_offset, dy, rgb[0], rgb[1], rgb[2]);
        }
    }
    return true;
}
