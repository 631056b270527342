#include "cocoa/cocoa_view_bridge.h"

namespace vlt::mac {

namespace {

BackingScaleSource g_scale_source = nullptr;

// GNUstep reports a drag's deltaY upwards positive, the Mac downwards.
double mac_delta_y(NSEvent* event)
{
#if defined(GNUSTEP)
    return -[event deltaY];
#else
    return [event deltaY];
#endif
}

}  // namespace

PointerEvent pointer_event(NSView* view, NSEvent* event)
{
    const NSPoint p = [view convertPoint:[event locationInWindow] fromView:nil];
    PointerEvent e;
    e.x = p.x;
    e.y = p.y;
    const NSEventType type = [event type];
    if (type == NSLeftMouseDragged || type == NSRightMouseDragged || type == NSOtherMouseDragged) {
        e.delta_x = [event deltaX];
        e.delta_y = mac_delta_y(event);
    }
    if (type != NSScrollWheel && type != NSMouseMoved)
        e.click_count = static_cast<int>([event clickCount]);
    return e;
}

double wheel_delta(NSEvent* event)
{
    const double dy = [event deltaY];
    static const SEL inverted = NSSelectorFromString(@"isDirectionInvertedFromDevice");
    if (![event respondsToSelector:inverted])
        return dy;
    // Called as the BOOL method it is: performSelector: would take the whole
    // return register for an object, and a "no" with its upper bits set for
    // yes. (IMP is variadic; the cast through void (*)() says this is meant.)
    using BoolMethod = BOOL (*)(id, SEL);
    const auto method =
        reinterpret_cast<BoolMethod>(reinterpret_cast<void (*)()>([event methodForSelector:inverted]));
    return method(event, inverted) ? -dy : dy;
}

void set_backing_scale_source(BackingScaleSource source) { g_scale_source = source; }

double screen_backing_scale()
{
    if (g_scale_source)
        return g_scale_source();
    NSScreen* screen = [NSScreen mainScreen];
    if (screen && [screen respondsToSelector:@selector(backingScaleFactor)])
        return [screen backingScaleFactor];
    return 1.0;
}

double window_backing_scale(NSWindow* window)
{
    if (g_scale_source)
        return g_scale_source();
    return window ? [window backingScaleFactor] : 1.0;
}

NSTimer* start_gui_timer(id target)
{
    NSTimer* timer = [NSTimer timerWithTimeInterval:0.02
                                             target:target
                                           selector:@selector(TimerCallback:)
                                           userInfo:nil
                                            repeats:YES];
    NSRunLoop* loop = [NSRunLoop currentRunLoop];
    [loop addTimer:timer forMode:NSModalPanelRunLoopMode];
    [loop addTimer:timer forMode:NSDefaultRunLoopMode];
    [loop addTimer:timer forMode:NSEventTrackingRunLoopMode];
    return timer;
}

void NSViewSurface::invalidate(int x, int y, int w, int h)
{
    [view_ setNeedsDisplayInRect:NSMakeRect(x, y, w, h)];
}

void NSViewSurface::invalidate_all() { [view_ setNeedsDisplay:YES]; }

void NSViewSurface::resize_frame(int width, int height) { [view_ setFrameSize:NSMakeSize(width, height)]; }

void NSViewSurface::embed(afx_sys_window parent) { [reinterpret_cast<NSView*>(parent) addSubview:view_]; }

}  // namespace vlt::mac
