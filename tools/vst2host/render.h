#pragma once
// Runs audio through a loaded plug-in block by block, the way a host's
// audio thread does, after applying the chosen program and values.
#include <optional>
#include <utility>
#include <vector>

#include "audio_buffer.h"
#include "plugin_instance.h"

namespace vst2host {

struct RenderSettings {
    int32_t block = 512;
    std::optional<int32_t> program;
    std::vector<std::pair<int32_t, float>> params;  // applied after the program
    bool bypass = false;                            // host bypass (effSetBypass)
};

struct RenderResult {
    AudioBuffer audio;
    long blocks = 0;
    bool has_meter = false;  // the plug-in answered the gain-reduction query
    float last_reduction_db = 0.0f;
    float peak_reduction_db = 0.0f;
};

// The program, then the values, then the host bypass.
void apply_settings(const PluginInstance& plugin, const RenderSettings& settings);

RenderResult render(const PluginInstance& plugin, const AudioBuffer& input, const RenderSettings& settings);

}  // namespace vst2host
