#pragma once
// The capture verb of the GNUstep hosts (tools/host_common/
// capture_script.h). Timers that anything adds to a run loop from the
// start of a capture on (the views' 20 ms GUI timer, a fake Audio Unit's
// listener deliveries) are held by the capture instead and fired only by
// its ticks, in the order they were added; the pointer is made NSEvents handed to
// the view under them; no run loop turns. Each shot writes OUT_DIR/NAME.png
// (the host window as drawn now) and prints "== NAME" and the host's calls
// since the shot before.
#include <string>
#include <vector>

#include "capture_script.h"

namespace mac_host {

class HostWindow;

class ViewCaptureHost {
public:
    virtual ~ViewCaptureHost() = default;
    // A fresh plug-in instance, the previous one (and its view) gone.
    virtual bool fresh() = 0;
    // The view opened in a host window; false when it did not open.
    virtual bool open() = 0;
    virtual void close() = 0;
    // The window the view is in while open, and the view (an NSView*).
    virtual HostWindow* window() = 0;
    virtual void* view() = 0;
    // The host's own steps (ui, param, program, meter, bypass, size).
    virtual bool host_step(const capture::Step& s) = 0;
    // The host's calls since the last time, one line each.
    virtual void print_calls() = 0;
};

// Holds every timer added to a run loop from now on.
void hold_timers();
// Fires the held timers once, in the order they were added; one-shot and
// invalidated ones are dropped.
void fire_held_timers();

int run_capture(ViewCaptureHost& host, const std::string& out_dir, const std::vector<capture::Step>& steps);

// run_capture for "TOOL BUNDLE capture OUT_DIR STEP...", the steps from
// argv[first]; exit 2 for a bad line.
int capture_main(ViewCaptureHost& host, const std::string& out_dir, int argc, char** argv, int first);

}  // namespace mac_host
