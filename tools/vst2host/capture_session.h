#pragma once
// vst2host's capture verb: runs a capture script (tools/host_common/
// capture_script.h) on a Linux VST2 plug-in's editor on $DISPLAY, with the
// library's GUI thread stepped (stepped_loop.h) and the pointer moved
// through XTest. Each shot writes OUT_DIR/NAME.png; standard output gets
// "== NAME" and the host calls made since the shot before.
#include <string>
#include <vector>

#include "capture_script.h"

namespace vst2host {

int run_capture(const std::string& plugin, const std::string& out_dir,
                const std::vector<capture::Step>& steps);

}  // namespace vst2host
