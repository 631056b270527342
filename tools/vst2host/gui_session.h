#pragma once
// Opens a plug-in's editor in a top-level window of the host's own on the
// current X display, feeds the plug-in a test tone so that its meter moves,
// and runs until the window is closed or the time is up.
#include <string>

#include "audio_buffer.h"
#include "host_log.h"
#include "plugin_instance.h"

namespace vst2host {

struct GuiSettings {
    double seconds = 0.0;  // 0: until the window is closed
    int rate = 44100;
    int32_t block = 512;
    std::string screenshot;  // PNG of the window written just before closing
};

// Answers the process exit status; messages go to standard error.
int run_gui(const PluginInstance& plugin, HostLog& log, const GuiSettings& settings);

}  // namespace vst2host
