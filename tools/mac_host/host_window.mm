#include "host_window.h"

#import <AppKit/AppKit.h>

#include <vector>

#include "png_writer.h"

// A parent with its origin at the top left, as hosts give plug-ins.
@interface VLTHostParentView : NSView
@end

@implementation VLTHostParentView
- (BOOL)isFlipped
{
    return YES;
}
@end

// The run loop's host tick.
@interface VLTHostTicker : NSObject {
@public
    const std::function<void()>* tick;
}
- (void)fire:(NSTimer*)timer;
@end

@implementation VLTHostTicker
- (void)fire:(NSTimer*)timer
{
    if (tick && *tick)
        (*tick)();
}
@end

namespace mac_host {

struct HostWindow::Parts {
    NSWindow* window;
    VLTHostParentView* parent;
};

Application::Application() : pool_([[NSAutoreleasePool alloc] init]) { [NSApplication sharedApplication]; }

Application::~Application() { [(NSAutoreleasePool*)pool_ drain]; }

HostWindow::HostWindow(int width, int height) : parts_(new Parts)
{
    const NSRect frame = NSMakeRect(0, 0, width, height);
    parts_->window = [[NSWindow alloc] initWithContentRect:frame
                                                 styleMask:NSBorderlessWindowMask
                                                   backing:NSBackingStoreBuffered
                                                     defer:NO];
    parts_->parent = [[VLTHostParentView alloc] initWithFrame:frame];
    [parts_->window setContentView:parts_->parent];
    [parts_->window setFrameTopLeftPoint:NSMakePoint(0, [[NSScreen mainScreen] frame].size.height)];
    [parts_->window orderFrontRegardless];
}

HostWindow::~HostWindow()
{
    [parts_->window orderOut:nil];
    [parts_->parent release];
    [parts_->window close];
    delete parts_;
}

void* HostWindow::parent() const { return parts_->parent; }

void* HostWindow::plugin_view() const { return [[parts_->parent subviews] lastObject]; }

void HostWindow::resize(int width, int height)
{
    const NSPoint top_left = NSMakePoint(NSMinX([parts_->window frame]), NSMaxY([parts_->window frame]));
    [parts_->window setContentSize:NSMakeSize(width, height)];
    [parts_->window setFrameTopLeftPoint:top_left];
}

void HostWindow::run(double seconds, const std::function<void()>& tick)
{
    VLTHostTicker* ticker = [[VLTHostTicker alloc] init];
    ticker->tick = &tick;
    NSTimer* timer = [NSTimer scheduledTimerWithTimeInterval:0.02
                                                      target:ticker
                                                    selector:@selector(fire:)
                                                    userInfo:nil
                                                     repeats:YES];
    run_events(seconds);
    [timer invalidate];
    [ticker release];
}

void run_events(double seconds)
{
    NSDate* until = [NSDate dateWithTimeIntervalSinceNow:seconds];
    while ([until timeIntervalSinceNow] > 0) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:until
                                               inMode:NSDefaultRunLoopMode
                                              dequeue:YES];
        if (event)
            [NSApp sendEvent:event];
        [pool release];
    }
}

bool HostWindow::screenshot(const std::string& path) const
{
    NSView* view = parts_->parent;
    const NSRect bounds = [view bounds];
    NSBitmapImageRep* rep = [view bitmapImageRepForCachingDisplayInRect:bounds];
    if (!rep)
        return false;
    [view cacheDisplayInRect:bounds toBitmapImageRep:rep];
    const int w = static_cast<int>([rep pixelsWide]);
    const int h = static_cast<int>([rep pixelsHigh]);
    const int channels = static_cast<int>([rep samplesPerPixel]);
    const unsigned char* data = [rep bitmapData];
    if (!data || [rep bitsPerSample] != 8 || channels < 3)
        return false;
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = data + y * [rep bytesPerRow] + x * channels;
            uint8_t* q = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            q[0] = p[0], q[1] = p[1], q[2] = p[2], q[3] = 255;
        }
    return afx_write_png(path, w, h, rgba.data(), w * 4);
}

}  // namespace mac_host
