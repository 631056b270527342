// What only the Cocoa (Quartz) backend of AFX_engine has: the view that owns
// the engine draws pixmaps into its Quartz context, tells the engine its
// size, and scales one pixmap into another. A declaration of what the
// backend will provide; nothing builds it yet.
#pragma once

#include "afx/afx_engine.h"

#if !defined(AFX_BACKEND_COCOA)
#error "afx/cocoa/afx_engine_cocoa.h belongs to the Cocoa backend"
#endif

struct CGContext; // Quartz's context, as CGContextRef points to it

class AFX_engine_cocoa {
  public:
    explicit AFX_engine_cocoa(AFX_engine& engine) : engine_(engine), b_(&engine.state()) {}

    void afx_set_view_dimensions(int width, int height);

    // A pixmap rectangle into the view; destination values in view points.
    void afx_draw_pixmap_to_view(afx_image* pixmap, CGContext* context, int src_x, int src_y,
                                 double dst_x, double dst_y, int src_width, int src_height,
                                 double dst_width, double dst_height);
    void afx_draw_mono_pixmap_to_view(afx_image* pixmap, CGContext* context, int src_x,
                                      int src_y, double dst_x, double dst_y, int src_width,
                                      int src_height, double dst_width, double dst_height,
                                      float level);

    // The Catmull-Rom scaler from the panel pixmap into the view pixmap.
    void afx_stretch_copy_pixmap_CATROM2(const afx_image* source, afx_image* destination, int x,
                                         int y, int width, int height, int x_offset,
                                         int y_offset, float scale);

  private:
    AFX_engine& engine_;
    AFX_engine::backend* b_;
};

inline AFX_engine_cocoa cocoa_ext(AFX_engine& engine) { return AFX_engine_cocoa(engine); }
