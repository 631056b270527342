#pragma once
// How every macOS view class (Audio Unit, VST2, VST3, AAX) assembles what
// it owns beside the AppKit object: the view's screen side, the format's
// editor host, the window glue over them and the timer's target (of the
// build's own class), made in that order and freed in reverse, and how
// many such views are alive (a timer must never keep one alive). Main
// thread only. Objective-C++; the view classes include this.
#include <utility>

#include "cocoa/cocoa_editor_window.h"
#include "cocoa/cocoa_view_bridge.h"

namespace vlt::mac {

template <class Host, class Surface = NSViewSurface>
class ViewParts {
public:
    // host_args make the format's editor host. The glue reads the screen's
    // backing scale only for a build that follows it.
    template <class... HostArgs>
    ViewParts(NSView* view, Class timer_target_class, const editor::EditorBuild& build, NSSize frame,
              HostArgs&&... host_args)
        : surface(view), host(std::forward<HostArgs>(host_args)...),
          window(build, host, surface, frame.width, frame.height,
                 build.follows_backing_scale ? screen_backing_scale() : 1.0),
          timer_target([[timer_target_class alloc] init])
    {
        [timer_target SetCallback:view];
        ++live_;
    }
    ~ViewParts()
    {
        [timer_target SetCallback:nil];
        [timer_target release];
        --live_;
    }
    ViewParts(const ViewParts&) = delete;
    ViewParts& operator=(const ViewParts&) = delete;

    static int live() { return live_; }

    Surface surface;
    Host host;
    editor::CocoaEditorWindow window;
    id timer_target;  // the view's TheGUIUpdateTarget

private:
    static inline int live_ = 0;
};

}  // namespace vlt::mac
