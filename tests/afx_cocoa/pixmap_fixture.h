// Small pixmaps and pixbufs for the Cocoa backend's tests, freed on scope exit.
#pragma once

#include "afx/cocoa/core/afx_pixmap.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

struct pixmap_deleter {
    void operator()(afx_pixmap* p) const { afx_pixmap_free(p); }
};
using pixmap_ptr = std::unique_ptr<afx_pixmap, pixmap_deleter>;

inline pixmap_ptr make_pixmap(int w, int h, afx_pixmap_look look = {})
{
    return pixmap_ptr(afx_pixmap_new(w, h, look));
}

inline std::array<int, 4> pixel(const afx_pixmap& pm, int x, int y)
{
    const uint8_t* p = pm.pixels + y * pm.rowstride + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

// An RGBA pixbuf with its own memory, every pixel from a function of (x, y).
struct test_pixbuf {
    std::vector<uint8_t> memory;
    afx_pixbuf pb;
    template <class F>
    test_pixbuf(int w, int h, F colour) : memory(static_cast<size_t>(w * h * 4))
    {
        pb.width = w, pb.height = h, pb.rowstride = 4 * w, pb.pixels = memory.data();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::array<int, 4> c = colour(x, y);
                for (int i = 0; i < 4; ++i)
                    memory[static_cast<size_t>((y * w + x) * 4 + i)] = static_cast<uint8_t>(c[i]);
            }
    }
};
