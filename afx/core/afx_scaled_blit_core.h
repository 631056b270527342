// The filter loop behind afx_catrom_blit(); included by afx_scaled_blit.h.
#pragma once

#include "afx_scaled_blit_rows.h"

#include <algorithm>

namespace afx_scale {

// One finished row into the sink: whole when it takes rows, else pixel by pixel.
template <class Sink>
void store_row(Sink& sink, int x, int y, const uint32_t* px, int n)
{
    if constexpr (requires { sink.put_row(x, y, px, n); }) {
        sink.put_row(x, y, px, n);
    } else {
        for (int i = 0; i < n; ++i)
            sink.put(x + i, y, int(px[i] >> 16) & 255, int(px[i] >> 8) & 255, int(px[i]) & 255);
    }
}

template <class Sink>
bool catrom_blit(const afx_pixbuf& src, Sink& sink, AFXBlitArea a, kernels k)
{
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

    // Rows stop at the first one whose centre lies below the source.
    int rows = 0;
    while (rows < rows_wanted && static_cast<int>(((cy0 + rows) * step) >> 16) <= src.height - 1)
        ++rows;
    if (rows == 0 || !sink.begin())
        return false;

    // Each destination row: vertical pass over the needed source columns,
    // then the horizontal pass, then straight into the sink.
    row_filter filter(first, span, cx0, cx1 - cx0, step, src.width, k);
    for (int row = 0; row < rows; ++row) {
        const int64_t p = (cy0 + row) * step;
        const int sy = static_cast<int>(p >> 16);
        const taps t = taps_for_fraction(static_cast<int>((p >> 8) & 255));
        const uint8_t* lines[4];
        for (int i = 0; i < 4; ++i)
            lines[i] = afx_pixel_at(&src, first, std::clamp(sy + i - 1, 0, src.height - 1));
        filter.vertical(lines, t);
        store_row(sink, cx0 + a.x_offset, cy0 + row + a.y_offset, filter.horizontal(), filter.columns());
    }
    return true;
}

}  // namespace afx_scale

template <class Sink>
bool afx_catrom_blit(const afx_pixbuf& src, Sink& sink, AFXBlitArea a)
{
    return afx_scale::catrom_blit(src, sink, a, afx_scale::best_kernels());
}
