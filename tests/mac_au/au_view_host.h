#pragma once
// The test host: loads the view bundle through NSBundle as an Audio Unit
// host does, asks its principal class for a view of a (fake) unit and shows
// it in a borderless window at the screen's top left, so screen points are
// view points.
#include <memory>
#include <string>
#include <vector>

#include "fake_audio_unit.h"
#include "host_window.h"

#ifdef __OBJC__
@class NSView;
#else
typedef struct objc_object NSView;
#endif

namespace vlt::editor {
class CocoaEditorWindow;
}

class AuViewHost {
public:
    // The run loop turns for settle seconds once the view is shown.
    explicit AuViewHost(FakeAudioUnit& unit, double settle = 0.1);
    ~AuViewHost();  // closes the window and releases the view

    NSView* view() const { return view_; }
    vlt::editor::CocoaEditorWindow& editor_window() const;
    // Lets the run loop deliver events, notifications and ticks.
    void run(double seconds) const;
    // One pixel of what the view shows (RGB), view points.
    void pixel(int x, int y, unsigned char rgb[3]) const;
    // All of it, RGB, rows top down.
    std::vector<unsigned char> pixels() const;
    bool screenshot(const std::string& path) const { return window_->screenshot(path); }
    mac_host::HostWindow& window() const { return *window_; }
    // Gives up the view without releasing it (for tests that release it).
    NSView* take_view();

    // The factory's answers.
    static unsigned interface_version();
    static std::string description();

private:
    NSView* view_;
    std::unique_ptr<mac_host::HostWindow> window_;
};

// The real pointer, through xdotool (screen points).
void pointer(const std::string& xdotool_args);
