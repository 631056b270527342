#include "window_paint.h"

#include <algorithm>

#include "afx/afx_engine_windows.h"

namespace vlt::editor {

void paint_window_rect(const WindowPaint& p, const EditorSize& s, bool mono, float dpi_scale, int x, int y,
                       int w, int h)
{
    // Never paint outside the window image, whatever rectangle arrives.
    const int x0 = std::clamp(x, 0, s.width), y0 = std::clamp(y, 0, s.height);
    const int x1 = std::clamp(x + w, 0, s.width), y1 = std::clamp(y + h, 0, s.height);
    if (!p.engine || !p.content || !p.image || !p.image_mutex || p.index < 0 || x1 <= x0 || y1 <= y0)
        return;
    const int cw = x1 - x0, ch = y1 - y0;
    // The image may be replaced by a resize: it stays ours while we draw it.
    std::lock_guard<std::mutex> lock(*p.image_mutex);
    afx_image* const image = *p.image;
    if (!image)
        return;
    if (!p.always_scaled && s.content_scale <= 1.0f && s.x_offset == 0 && s.y_offset == 0)
        p.engine->afx_blit_pixbuf_fixed(image, p.content, x0, y0, x0, y0, cw, ch);
    else
        window_ext(*p.engine).afx_stretch_blit_pixbuf_CATROM2(p.content, image, x0, y0, cw, ch, s.x_offset,
                                                              s.y_offset, s.content_scale);
    if (mono)
        window_ext(*p.engine).afx_draw_afx_drawable_mono(p.index, image, x0, y0, x0, y0, cw, ch, dpi_scale);
    else
        window_ext(*p.engine).afx_draw_afx_drawable(p.index, image, x0, y0, x0, y0, cw, ch);
}

}  // namespace vlt::editor
