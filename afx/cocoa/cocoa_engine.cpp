// What every backend provides, for a Cocoa view: gamma and pixmaps (the
// drag and timing helpers are common code). Window slots, callbacks and the
// loop belong to the backends that own windows; this one has none.
#include "afx_engine_cocoa.h"

#include "afx/core/afx_gamma.h"

AFX_engine::AFX_engine() : b_(new backend) { afx_fill_gamma_table(b_->gamma); }

AFX_engine::~AFX_engine() { delete b_; }

int AFX_engine::afx_gamma(int i) const { return i >= 0 && i < 256 ? b_->gamma[i] : 0; }

afx_image* AFX_engine::afx_pixmap_create_fixed(int width, int height)
{
    auto* image = new afx_image;
    afx_pixmap_init(image, width, height);
    return image;
}

afx_image* AFX_engine::afx_pixmap_create_fixed(int width, int height, int r, int g, int b, int grip,
                                               int margin, int period, int dot)
{
    afx_image* image = afx_pixmap_create_fixed(width, height);
    afx_pixmap_paint_background(image, afx_pixmap_look{r, g, b, grip, margin, period, dot});
    return image;
}

void AFX_engine::afx_pixmap_destroy(afx_image* image)
{
    if (!image)
        return;
    afx_pixmap_release(image);
    delete image;
}

void AFX_engine::afx_draw_pixbuf_fixed(afx_image* image, const afx_pixbuf* pixbuf, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    afx_pixmap_draw_pixbuf(image, pixbuf, src_x, src_y, dst_x, dst_y, width, height);
}

void AFX_engine::afx_blit_pixbuf_fixed(afx_image* image, const afx_pixbuf* pixbuf, int src_x, int src_y,
                                       int dst_x, int dst_y, int width, int height)
{
    afx_pixmap_blit_pixbuf(image, pixbuf, src_x, src_y, dst_x, dst_y, width, height);
}

void AFX_engine_cocoa::afx_set_view_dimensions(int width, int height)
{
    b_->view_width = width;
    b_->view_height = height;
}

void AFX_engine_cocoa::afx_stretch_copy_pixmap_CATROM2(const afx_image* source, afx_image* destination, int x,
                                                       int y, int width, int height, int x_offset,
                                                       int y_offset, float scale)
{
    afx_pixmap_stretch_copy(source, destination, x, y, width, height, x_offset, y_offset, scale);
}
