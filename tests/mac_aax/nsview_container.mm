#import <AppKit/AppKit.h>

#include "nsview_container.h"

namespace fake {

static NSWindow* as_window(void* w) { return static_cast<NSWindow*>(w); }

NSViewContainer::NSViewContainer(int32_t type)
    : host(type), window([[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 468, 510)
                                                     styleMask:NSBorderlessWindowMask
                                                       backing:NSBackingStoreBuffered
                                                         defer:NO])
{
    [as_window(window) setReleasedWhenClosed:NO];
    [as_window(window) orderFront:nil];
    host.view = [as_window(window) contentView];
}

NSViewContainer::~NSViewContainer()
{
    [as_window(window) close];
    [as_window(window) release];
}

void* NSViewContainer::view() const { return host.view; }

// The subviews array is an autoreleased copy holding the views: it goes
// before the answer does, so a view the plug-in released is gone on return.
int NSViewContainer::subviewCount() const
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    const int n = int([[[as_window(window) contentView] subviews] count]);
    [pool release];
    return n;
}

void* NSViewContainer::lastSubview() const
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    void* last = [[[as_window(window) contentView] subviews] lastObject];
    [pool release];
    return last;
}

}  // namespace fake
