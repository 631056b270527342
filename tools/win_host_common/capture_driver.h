#pragma once
// The capture verb of the Windows test hosts (tools/host_common/
// capture_script.h): each host opens and feeds its plug-in its own way;
// this part runs the pointer as window messages sent to the editor's
// window, the GUI ticks as the editor timer's WM_TIMER sent by hand, and
// between steps every waiting message but the timer's, so that nothing
// depends on how long a step took. Each shot writes OUT_DIR/NAME.bmp (the
// editor window's client area) and prints "== NAME" and the host's calls
// since the shot before.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "capture_script.h"

namespace win_capture {

class CaptureHost {
public:
    virtual ~CaptureHost() = default;
    // A fresh plug-in instance, the previous one (and its editor) gone.
    virtual bool fresh() = 0;
    // The editor opened in a frame of the host's; its window, or null.
    virtual HWND open() = 0;
    virtual void close() = 0;
    // The host's own steps (ui, param, program, meter, bypass, size);
    // false when the host has no such step or it failed.
    virtual bool host_step(const capture::Step& s) = 0;
    // The host's calls since the last time, one line each.
    virtual void print_calls() = 0;
};

// Every waiting message but WM_TIMER, until none is left, then the
// editor's pending paint.
void settle(HWND editor);

int run_capture(CaptureHost& host, const std::string& out_dir, const std::vector<capture::Step>& steps);

// run_capture on the command line "HOST MODULE capture OUT_DIR STEP...":
// argv[3] the folder, the steps from argv[4]. Exit 2 for a bad line.
int capture_main(CaptureHost& host, int argc, char** argv);

}  // namespace win_capture
