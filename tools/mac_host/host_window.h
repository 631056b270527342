#pragma once
// The host's side of an editor on GNUstep: a borderless window whose
// content is a flipped NSView the plug-in's view is added to, the run loop
// with a host tick, and a screenshot of what the window shows.
#include <functional>
#include <string>

namespace mac_host {

class HostWindow {
public:
    HostWindow(int width, int height);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // The NSView to hand the plug-in (effEditOpen, attached).
    void* parent() const;
    // The view the plug-in put into parent (its last subview), or null.
    void* plugin_view() const;
    void resize(int width, int height);
    // Runs the main run loop for the given time, calling tick every 20 ms.
    void run(double seconds, const std::function<void()>& tick);
    // A PNG of the window's content as drawn now.
    bool screenshot(const std::string& path) const;

private:
    struct Parts;
    Parts* parts_;
};

// The application's event loop for the given time, as a host's: timers
// fire while it waits, and events reach the windows' views through the
// application (the run loop alone would not hand them on).
void run_events(double seconds);

// For the life of a host program: the application object, as in any macOS
// host, and an autorelease pool around everything else.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    void* pool_;
};

}  // namespace mac_host
