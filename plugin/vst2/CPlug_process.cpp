// The audio path: the host's block through the shared sub-block loop, then
// the block's gain-reduction meter.
#include "CPlug.h"
#include "audio_path.h"
#include "denormal_guard.h"
#include "gain_meter.h"
#include "plug_params.h"
#include "vst2_param_ids.h"

namespace {

bool has_stereo(float** buffers) { return buffers && buffers[0] && buffers[1]; }

}  // namespace

void CPlug::processReplacing(float** inputs, float** outputs, int32_t frames)
{
    process(inputs, outputs, frames);
}

void CPlug::process(float** inputs, float** outputs, long frames)
{
    if (frames <= 0 || !has_stereo(inputs) || !has_stereo(outputs)) {
        events = nullptr;
        return;
    }
    const vlt::DenormalGuard denormals;
    // A host block beyond 2^31 frames goes in pieces the loop can count.
    float g = 0.0f;
    for (long done = 0; done < frames;) {
        const long n = frames - done < (1L << 30) ? frames - done : (1L << 30);
        g = vlt::run_sub_blocks(*dsp,
                                {inputs[0] + done, inputs[1] + done, outputs[0] + done, outputs[1] + done},
                                static_cast<int32_t>(n));
        done += n;
    }
    setParameter(vlt::params::vst2::index_of(vlt::params::kMeter),
                 vlt::params::meter_from_gain<vlt::params::Vst2Precision>(g));
    events = nullptr;
}
