// Uses the shared engine interface the way platform-free code does, with
// nothing but the common header: it must compile for every backend and pull
// in no window-system header.
#include "afx/afx_engine.h"

#include <type_traits>

#if defined(_X11_XLIB_H_) || defined(X_PROTOCOL)
#error "the common engine header brought in Xlib"
#endif

static_assert(sizeof(afx_sys_window) == sizeof(void*), "native handles are pointer-sized");
static_assert(std::is_integral_v<afx_sys_window>, "native handles are integers");

// An editor's paint and repaint request through the common surface only.
void afx_common_header_paint(AFX_engine& engine, const afx_pixbuf* panel, int index)
{
    const float scale = engine.afx_get_scale_factor(index);
    const int width = engine.afx_get_afx_window_width(index);
    const int height = engine.afx_get_afx_window_height(index);
    afx_image* image = engine.afx_pixmap_create_fixed(width, height, 112, 112, 112, 20, 1, 8, 1);
    engine.afx_stretch_blit_pixbuf_CATROM2(panel, image, 0, 0, width, height, 0, 0, scale);
    engine.afx_draw_afx_drawable(index, image, 0, 0, 0, 0, width, height);
    engine.afx_pixmap_destroy(image);
    engine.afx_queue_afx_draw_area_scaled(index, 0, 0, 10, 10);
}
