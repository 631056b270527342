#import <AppKit/AppKit.h>

#include "nsview_container.h"

#include <cstdlib>
#include <stdexcept>

#include "host_window.h"

namespace fake {

NSViewContainer::NSViewContainer(int32_t type) : host(type), window(new mac_host::HostWindow(468, 510))
{
    host.view = window->parent();
}

NSViewContainer::~NSViewContainer() = default;

void* NSViewContainer::view() const { return host.view; }

// The subviews array is an autoreleased copy holding the views: it goes
// before the answer does, so a view the plug-in released is gone on return.
int NSViewContainer::subviewCount() const
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    const int n = int([[static_cast<NSView*>(host.view) subviews] count]);
    [pool release];
    return n;
}

void* NSViewContainer::lastSubview() const
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    void* last = [[static_cast<NSView*>(host.view) subviews] lastObject];
    [pool release];
    return last;
}

void NSViewContainer::run(double seconds) const { window->run(seconds, {}); }

bool NSViewContainer::run_until(const std::function<bool()>& done, double limit) const
{
    for (double waited = 0; !done() && waited < limit; waited += 0.02)
        run(0.02);
    return done();
}

void NSViewContainer::pointer(const std::string& xdotool_args, const std::function<bool()>& done) const
{
    const std::string command = "xdotool " + xdotool_args;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error(command);
    if (done)
        run_until(done);
    else
        run(0.2);
}

}  // namespace fake
