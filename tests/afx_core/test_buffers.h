// Small owned pixbufs for the tests.
#pragma once

#include "afx_pixbuf.h"

#include <memory>

struct owned_pixbuf {
    afx_pixbuf* p;
    owned_pixbuf(int w, int h) : p(AFX_drawing::afx_pixbuf_new_with_allocation(w, h, 0)) {}
    ~owned_pixbuf() { AFX_drawing::afx_pixbuf_destroy_with_allocation(p); }
    owned_pixbuf(const owned_pixbuf&) = delete;
    owned_pixbuf& operator=(const owned_pixbuf&) = delete;
    uint8_t* at(int x, int y) const { return afx_pixel_at(p, x, y); }
    afx_pixbuf* operator->() const { return p; }
    operator afx_pixbuf*() const { return p; }
    bool same_pixels(const owned_pixbuf& o) const
    {
        return p->width == o.p->width && p->height == o.p->height &&
               std::equal(p->pixels, p->pixels + p->rowstride * p->height, o.p->pixels);
    }
    int count_non_black() const
    {
        int n = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x)
                n += (at(x, y)[0] | at(x, y)[1] | at(x, y)[2]) != 0;
        return n;
    }
};
