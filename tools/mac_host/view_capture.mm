#include "view_capture.h"

#import <AppKit/AppKit.h>
#include <objc/runtime.h>

#include <algorithm>
#include <cstdio>

#include "host_window.h"

namespace {

using AddTimer = void (*)(id, SEL, NSTimer*, NSString*);
AddTimer g_add_timer = nullptr;
bool g_holding = false;
std::vector<NSTimer*> g_timers;  // retained

void hold_timer(id self, SEL sel, NSTimer* timer, NSString* mode)
{
    if (!g_holding) {
        g_add_timer(self, sel, timer, mode);
        return;
    }
    // Added once per mode: held once.
    if (std::find(g_timers.begin(), g_timers.end(), timer) == g_timers.end())
        g_timers.push_back([timer retain]);
}

// Each held timer once, in the order they were added; a one-shot timer
// invalidates itself as it fires and is dropped with the invalid ones.
void fire_all()
{
    const std::vector<NSTimer*> now = g_timers;
    for (NSTimer* t : now) {
        if (![t isValid])
            continue;
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        [t fire];
        [pool release];
    }
    auto gone = std::remove_if(g_timers.begin(), g_timers.end(), [](NSTimer* t) {
        if ([t isValid])
            return false;
        [t release];
        return true;
    });
    g_timers.erase(gone, g_timers.end());
}

class Runner {
public:
    explicit Runner(mac_host::ViewCaptureHost& host, std::string out_dir)
        : host_(host), out_dir_(std::move(out_dir))
    {
    }
    ~Runner()
    {
        if (open_)
            host_.close();
    }
    bool run(const capture::Step& s);

private:
    NSView* view() const { return static_cast<NSView*>(host_.view()); }
    NSSize size() const { return [view() frame].size; }
    capture::PanelMap map() const
    {
        const NSSize s = size();
        return capture::panel_map(static_cast<int>(s.width), static_cast<int>(s.height));
    }
    // An event at view point (x, y) (top left origin, as the host's views).
    NSEvent* event(NSEventType type, double x, double y, int clicks, double dx = 0, double dy = 0)
    {
        NSWindow* w = [view() window];
        const NSPoint in_window = [view() convertPoint:NSMakePoint(x, y) toView:nil];
        time_ += 0.01;
        return [NSEvent mouseEventWithType:type
                                  location:in_window
                             modifierFlags:0
                                 timestamp:time_
                              windowNumber:[w windowNumber]
                                   context:nil
                               eventNumber:++number_
                                clickCount:clicks
                                  pressure:type == NSLeftMouseUp ? 0.0f : 1.0f
                              buttonNumber:0
                                    deltaX:dx
                                    deltaY:dy
                                    deltaZ:0];
    }
    NSView* target(double x, double y) const
    {
        NSView* parent = [view() superview];
        NSView* hit = [parent hitTest:[view() convertPoint:NSMakePoint(x, y) toView:parent]];
        return hit ? hit : view();
    }
    void press(double x, double y, int clicks)
    {
        pressed_ = target(x, y);
        [pressed_ mouseDown:event(NSLeftMouseDown, x, y, clicks)];
        last_x_ = x, last_y_ = y;
    }
    void move_to(double x, double y)
    {
        // GNUstep's drag deltas count upwards (the view's core turns them).
        [pressed_ mouseDragged:event(NSLeftMouseDragged, x, y, 1, x - last_x_, -(y - last_y_))];
        last_x_ = x, last_y_ = y;
    }
    void release(int clicks)
    {
        [pressed_ mouseUp:event(NSLeftMouseUp, last_x_, last_y_, clicks)];
        pressed_ = nil;
    }
    void drag(double x, double y, int dx, int dy, int moves)
    {
        press(x, y, 1);
        moves = std::max(moves, 1);
        for (int i = 1; i <= moves; ++i)
            move_to(x + dx * i / moves, y + dy * i / moves);
        release(1);
    }
    bool shot(const std::string& name);

    mac_host::ViewCaptureHost& host_;
    std::string out_dir_;
    bool instance_ = false, open_ = false;
    NSView* pressed_ = nil;
    double last_x_ = 0, last_y_ = 0;
    double time_ = 1000.0;
    int number_ = 0;
};

bool Runner::shot(const std::string& name)
{
    std::printf("== %s\n", name.c_str());
    host_.print_calls();
    std::fflush(stdout);
    if (!open_)
        return false;
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    // The picture is read back from the window's buffer: drawn into it now,
    // not when a run loop would get round to it.
    [[view() window] display];
    const bool ok = host_.window()->screenshot(out_dir_ + "/" + name + ".png");
    [pool release];
    return ok;
}

bool Runner::run(const capture::Step& s)
{
    using capture::Verb;
    if (s.verb == Verb::kNew) {
        if (open_)
            host_.close();
        open_ = false;
        instance_ = host_.fresh();
        return instance_;
    }
    if (!instance_)
        return false;
    const bool pointer = capture::is_pointer(s.verb);
    if (pointer && !open_)
        return false;
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    bool ok = true;
    switch (s.verb) {
    case Verb::kNew: break;
    case Verb::kOpen: ok = open_ = host_.open(); break;
    case Verb::kClose:
        host_.close();
        open_ = false;
        break;
    case Verb::kClick: {
        const capture::PanelMap m = map();
        press(m.x(s.arg(0)), m.y(s.arg(1)), 1);
        release(1);
        break;
    }
    case Verb::kDoubleClick: {
        const capture::PanelMap m = map();
        press(m.x(s.arg(0)), m.y(s.arg(1)), 1);
        release(1);
        press(m.x(s.arg(0)), m.y(s.arg(1)), 2);
        release(2);
        break;
    }
    case Verb::kDrag: {
        const capture::PanelMap m = map();
        drag(m.x(s.arg(0)), m.y(s.arg(1)), s.iarg(2), s.iarg(3), s.iarg(4));
        break;
    }
    case Verb::kWheel: {
        const capture::PanelMap m = map();
        NSView* v = target(m.x(s.arg(0)), m.y(s.arg(1)));
        const int n = s.iarg(2);
        for (int i = 0; i < std::abs(n); ++i)
            [v scrollWheel:event(NSScrollWheel, m.x(s.arg(0)), m.y(s.arg(1)), 0, 0, n > 0 ? 1 : -1)];
        break;
    }
    case Verb::kGrip: {
        const NSSize sz = size();
        drag(sz.width - capture::kGripInset, sz.height - capture::kGripInset, s.iarg(0), s.iarg(1),
             s.iarg(2));
        break;
    }
    case Verb::kTicks:
        for (int i = 0; i < s.iarg(0); ++i)
            mac_host::fire_held_timers();
        break;
    case Verb::kShot: ok = shot(s.name); break;
    default: ok = host_.host_step(s); break;
    }
    [pool release];
    return ok;
}

}  // namespace

namespace mac_host {

void hold_timers()
{
    if (!g_add_timer) {
        Method m = class_getInstanceMethod([NSRunLoop class], @selector(addTimer:forMode:));
        // IMP is variadic: through void (*)() both ways, as meant.
        IMP ours = reinterpret_cast<IMP>(reinterpret_cast<void (*)()>(hold_timer));
        g_add_timer =
            reinterpret_cast<AddTimer>(reinterpret_cast<void (*)()>(method_setImplementation(m, ours)));
    }
    g_holding = true;
}

void fire_held_timers() { fire_all(); }

int run_capture(ViewCaptureHost& host, const std::string& out_dir, const std::vector<capture::Step>& steps)
{
    hold_timers();
    Runner runner(host, out_dir);
    return capture::run_steps(steps, [&](const capture::Step& s) { return runner.run(s); });
}

int capture_main(ViewCaptureHost& host, const std::string& out_dir, int argc, char** argv, int first)
{
    std::vector<capture::Step> steps;
    return capture::steps_from(argc, argv, first, steps) ? run_capture(host, out_dir, steps) : 2;
}

}  // namespace mac_host
