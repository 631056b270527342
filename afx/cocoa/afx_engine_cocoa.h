// What only the Cocoa (Quartz) backend of AFX_engine has. A Cocoa view owns
// its engine and draws in drawRect:; the engine has no windows of its own,
// so of the shared interface it provides the gamma table, the mouse
// position and the window images, which here are RGBA pixmaps
// (afx_image is an afx_pixmap). The view tells the engine its size,
// scales the panel pixmap into its view pixmap and puts pixmap rectangles
// into its Quartz context, plain or in monochrome.
#pragma once

#include "afx/afx_engine.h"
#include "afx/cocoa/core/afx_pixmap.h"

#if !defined(AFX_BACKEND_COCOA)
#error "afx/cocoa/afx_engine_cocoa.h belongs to the Cocoa backend"
#endif

struct CGContext;  // Quartz's context, as CGContextRef points to it

struct afx_image : afx_pixmap {};

struct AFX_engine::backend {
    int32_t view_width = 0, view_height = 0;
    int32_t gamma[256] = {};
};

class AFX_engine_cocoa {
public:
    explicit AFX_engine_cocoa(AFX_engine& engine) : b_(&engine.state()) {}

    void afx_set_view_dimensions(int width, int height);
    int afx_get_view_width() const { return b_->view_width; }
    int afx_get_view_height() const { return b_->view_height; }

    // A pixmap rectangle into the view; destination values in view points.
    void afx_draw_pixmap_to_view(afx_image* pixmap, CGContext* context, int src_x, int src_y, double dst_x,
                                 double dst_y, int src_width, int src_height, double dst_width,
                                 double dst_height);
    // The same in grey with dark bands of about 2 x level rows; the pixmap
    // keeps its colours.
    void afx_draw_mono_pixmap_to_view(afx_image* pixmap, CGContext* context, int src_x, int src_y,
                                      double dst_x, double dst_y, int src_width, int src_height,
                                      double dst_width, double dst_height, float level);

    // The Catmull-Rom scaler from the panel pixmap into the view pixmap.
    void afx_stretch_copy_pixmap_CATROM2(const afx_image* source, afx_image* destination, int x, int y,
                                         int width, int height, int x_offset, int y_offset, float scale);

private:
    AFX_engine::backend* b_;
};

inline AFX_engine_cocoa cocoa_ext(AFX_engine& engine) { return AFX_engine_cocoa(engine); }
