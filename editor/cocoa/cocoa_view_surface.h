#pragma once
// What a Cocoa editor view hands its window glue, in plain C++: pointer
// events in view points and the view's screen side (the Objective-C view
// invalidates, resizes and embeds itself). Everything runs on the main
// thread.
#include "afx/afx_engine.h"

namespace vlt::editor {

// A pointer event in view points (y grows downwards, as the views are
// flipped). The deltas follow the Mac's convention whatever the runtime:
// dragging down or right gives positive values.
struct PointerEvent {
    double x = 0, y = 0;
    double delta_x = 0, delta_y = 0;
    int click_count = 1;
};

class ViewSurface {
public:
    virtual ~ViewSurface() = default;
    virtual void invalidate(int x, int y, int w, int h) = 0;  // setNeedsDisplayInRect:
    virtual void invalidate_all() = 0;                        // setNeedsDisplay: YES
    virtual void resize_frame(int width, int height) = 0;     // the base class's setFrameSize:
    virtual void embed(afx_sys_window parent) = 0;            // [parent addSubview:view]
};

}  // namespace vlt::editor
