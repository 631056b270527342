#pragma once
// What the macOS VST2 and VST3 views own beside the AppKit object: the
// format's surface and edit sink and the view core over them, made in that
// order and freed in reverse, and how many such views are alive (a timer
// must never keep one alive).
#include "cocoa_view_bridge.h"
#include "cocoa_view_core.h"

namespace vlt::mac {

template <class Surface, class Sink>
class ViewParts {
public:
    ViewParts(NSView* view, const editor::EditorBuild& build, NSSize frame)
        : surface(view), core(build, sink, surface, frame.width, frame.height, screen_backing_scale())
    {
        sink.attach(&core);
        ++live_;
    }
    ~ViewParts() { --live_; }
    ViewParts(const ViewParts&) = delete;
    ViewParts& operator=(const ViewParts&) = delete;

    static int live() { return live_; }

    Surface surface;
    Sink sink;
    CocoaViewCore core;

private:
    static inline int live_ = 0;  // main thread only
};

}  // namespace vlt::mac
