#include "render.h"

#include <algorithm>
#include <cmath>

namespace vst2host {

void apply_settings(const PluginInstance& plugin, const RenderSettings& s)
{
    if (s.program)
        plugin.dispatch(effSetProgram, 0, *s.program);
    AEffect* e = plugin.effect();
    for (const auto& [index, value] : s.params)
        e->setParameter(e, index, value);
    if (s.bypass)
        plugin.dispatch(effSetBypass, 0, 1);
}

RenderResult render(const PluginInstance& plugin, const AudioBuffer& input, const RenderSettings& settings)
{
    AEffect* e = plugin.effect();
    const int32_t block = std::max<int32_t>(settings.block, 1);
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(input.rate));
    plugin.dispatch(effSetBlockSize, 0, block);
    apply_settings(plugin, settings);
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.dispatch(effStartProcess);

    RenderResult result;
    result.audio = input;
    std::vector<float> in_l(block), in_r(block), out_l(block), out_r(block);
    float* inputs[2] = {in_l.data(), in_r.data()};
    float* outputs[2] = {out_l.data(), out_r.data()};
    const long frames = input.frames();
    for (long pos = 0; pos < frames; pos += block) {
        const int32_t n = static_cast<int32_t>(std::min<long>(block, frames - pos));
        std::copy_n(input.left.begin() + pos, n, in_l.begin());
        std::copy_n(input.right.begin() + pos, n, in_r.begin());
        e->processReplacing(e, inputs, outputs, n);
        std::copy_n(out_l.begin(), n, result.audio.left.begin() + pos);
        std::copy_n(out_r.begin(), n, result.audio.right.begin() + pos);
        ++result.blocks;
        float db = 0.0f;
        if (plugin.gain_reduction_db(db)) {
            result.has_meter = true;
            result.last_reduction_db = -db;
            result.peak_reduction_db = std::max(result.peak_reduction_db, -db);
        }
    }
    plugin.dispatch(effStopProcess);
    plugin.dispatch(effMainsChanged, 0, 0);
    return result;
}

}  // namespace vst2host
