// What every macOS view class does with AppKit, once: reading events into
// the window glue's terms, the backing scale, the GUI timer, drawRect:, and
// the view's screen side. Objective-C++; the view classes include this.
#pragma once

#import <AppKit/AppKit.h>

#include <mutex>

#include "cocoa/cocoa_view_surface.h"
#include "quartz_view_context.h"

namespace vlt::mac {

using editor::PointerEvent;
using editor::ViewSurface;

// The event's position in the view and its deltas in the Mac's convention
// (GNUstep reports a drag's deltaY with the opposite sign).
PointerEvent pointer_event(NSView* view, NSEvent* event);
// The wheel's vertical delta, its sign flipped for inverted scrolling where
// NSEvent can tell.
double wheel_delta(NSEvent* event);

// The screen's backing scale as the view reads it at creation. Tests
// replace the source (GNUstep always answers 1 and never tells a view that
// it changed); null puts the screen back.
using BackingScaleSource = double (*)();
void set_backing_scale_source(BackingScaleSource source);
double screen_backing_scale();
// The window's scale, for viewDidChangeBackingProperties.
double window_backing_scale(NSWindow* window);

// The repeating 20 ms timer in the modal-panel, default and event-tracking
// modes; it sends TimerCallback: to target (retained by the timer).
NSTimer* start_gui_timer(id target);

// drawRect: of a view around core (its window glue): every rectangle
// being drawn, copied under the glue's draw lock.
template <class Core>
void draw_view(Core& core, NSView* view)
{
    std::lock_guard<std::mutex> lock(core.draw_lock());
    NSGraphicsContext* g = [NSGraphicsContext currentContext];
    [g saveGraphicsState];
    [g setCompositingOperation:NSCompositeCopy];
    CGContextRef context = vlt_quartz_context_for_current_view();
    CGContextSetInterpolationQuality(context, kCGInterpolationNone);
    const NSRect* rects = nullptr;
    NSInteger count = 0;
    [view getRectsBeingDrawn:&rects count:&count];
    for (NSInteger i = 0; i < count; ++i)
        core.draw_rect(context, rects[i].origin.x, rects[i].origin.y, rects[i].size.width,
                       rects[i].size.height);
    CGContextRelease(context);
    [g restoreGraphicsState];
}

// The view's screen side: invalidation and the frame size.
class NSViewSurface final : public ViewSurface {
public:
    NSViewSurface() = default;
    explicit NSViewSurface(NSView* view) : view_(view) {}
    void attach(NSView* view) { view_ = view; }
    void invalidate(int x, int y, int w, int h) override;
    void invalidate_all() override;
    void resize_frame(int width, int height) override;
    void embed(afx_sys_window parent) override;

private:
    NSView* view_ = nil;  // not retained: the view owns us
};

}  // namespace vlt::mac

// A timer target class under the build's own name: the timer retains this
// small object, not the view, and it forwards each tick to the view until
// the view clears it (SetCallback: nil) in dealloc.
#define VLT_COCOA_TIMER_TARGET(ClassName)                                  \
    @interface ClassName : NSObject {                                      \
        id CallbackTarget;                                                 \
    }                                                                      \
    -(void)SetCallback : (id)target;                                       \
    -(void)TimerCallback : (NSTimer*)timer;                                \
    @end                                                                   \
    @implementation ClassName                                              \
    -(id)init                                                              \
    {                                                                      \
        self = [super init];                                               \
        if (self)                                                          \
            CallbackTarget = nil;                                          \
        return self;                                                       \
    }                                                                      \
    -(void)SetCallback : (id)target                                        \
    {                                                                      \
        CallbackTarget = target;                                           \
    }                                                                      \
    -(void)TimerCallback : (NSTimer*)timer                                 \
    {                                                                      \
        (void)timer;                                                       \
        if (CallbackTarget)                                                \
            [CallbackTarget performSelector:@selector(guiUpdateCallback)]; \
    }                                                                      \
    @end
