#pragma once
// What a macOS host offers as an AAX view container of type 1: the content
// view of a borderless window at the screen's top left, so that screen
// points are view points for the real pointer.
#include <functional>
#include <memory>
#include <string>

#include "fake_host.h"

namespace mac_host {
class HostWindow;
}

namespace fake {

class NSViewContainer {
public:
    NSViewContainer(int32_t type = AAX_eViewContainer_Type_NSView);
    ~NSViewContainer();
    void* view() const;  // the NSView*
    int subviewCount() const;
    void* lastSubview() const;  // null without one
    // The host's event loop: timers fire, pointer events reach the view.
    void run(double seconds) const;
    // The event loop until done() holds, at most limit seconds (a loaded
    // machine may take its time); answers done().
    bool run_until(const std::function<bool()>& done, double limit = 5.0) const;
    // The real pointer, through xdotool (screen points), then the event
    // loop until done() holds, or for a fifth of a second without one.
    void pointer(const std::string& xdotool_args, const std::function<bool()>& done = {}) const;
    ViewContainer host;
    mac_host::HostWindow& host_window() const { return *window; }

private:
    std::unique_ptr<mac_host::HostWindow> window;
};

}  // namespace fake
