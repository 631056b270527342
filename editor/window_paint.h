#pragma once
// Puts one window rectangle of the editor on screen: the panel rendered
// into the window image (scaled, or copied 1:1 when it is neither scaled
// nor offset), then that part of the image put on screen under the image
// lock, grey while the host has the effect switched off.
#include <mutex>

#include "afx/afx_engine.h"
#include "editor_layout.h"

namespace vlt::editor {

struct WindowPaint {
    AFX_engine* engine;
    int index;  // the window's slot
    // Where the window image (window size) lives: read under image_mutex,
    // since a resize or a closing editor replaces or frees it.
    afx_image* const* image;
    const afx_pixbuf* content;
    std::mutex* image_mutex;     // held while the image is drawn and put on screen
    bool always_scaled = false;  // never the 1:1 copy, even unscaled
};

// x, y, w, h in window pixels; anything outside the window is left out.
void paint_window_rect(const WindowPaint& p, const EditorSize& size, bool mono, float dpi_scale, int x, int y,
                       int w, int h);

}  // namespace vlt::editor
