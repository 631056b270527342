#pragma once
// What the Cocoa view core talks to, in plain C++: the format's edit sink
// (edits leave the view here) and the view's screen side (the Objective-C
// view invalidates and resizes itself). Everything runs on the main thread.
#include "editor_controls.h"

namespace vlt::mac {

using editor::Control;

// A pointer event in view points (y grows downwards, as the views are
// flipped). The deltas follow the Mac's convention whatever the runtime:
// dragging down or right gives positive values.
struct PointerEvent {
    double x = 0, y = 0;
    double delta_x = 0, delta_y = 0;
    int click_count = 1;
};

class EditSink {
public:
    virtual ~EditSink() = default;
    // Control values as fractions 0..1 (the effect switch: 1 = in; the UI
    // size: 0..1); each format converts to its own numbering and units.
    virtual void begin_edit(Control control) = 0;
    virtual void set_value(Control control, float fraction) = 0;
    virtual void end_edit(Control control) = 0;
    // A press on a control, before the view acts on it: true when the
    // format took the click (the view then leaves it alone).
    virtual bool offer_click(Control, const PointerEvent&) { return false; }
    // The preset step buttons of the builds that have them (-1 / +1).
    virtual void step_program(int) {}
};

class ViewSurface {
public:
    virtual ~ViewSurface() = default;
    virtual void invalidate(int x, int y, int w, int h) = 0;  // setNeedsDisplayInRect:
    virtual void invalidate_all() = 0;                        // setNeedsDisplay: YES
    virtual void resize_frame(int width, int height) = 0;     // the base class's setFrameSize:
};

}  // namespace vlt::mac
