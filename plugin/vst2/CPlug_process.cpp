// The audio path: the host's block in sub-blocks of at most 64 frames,
// then the block's gain-reduction meter.
#include "CPlug.h"
#include "denormal_guard.h"
#include "finite_input.h"
#include "gain_meter.h"
#include "plug_params.h"

namespace {

constexpr long kSubBlock = 64;  // the granularity of parameter smoothing

bool has_stereo(float** buffers)
{
    return buffers && buffers[0] && buffers[1];
}

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
    float scratch0[kSubBlock], scratch1[kSubBlock];
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    float g = 1.0f;
    for (long left = frames; left > 0;) {
        const long n = left < kSubBlock ? left : kSubBlock;
        dsp->nq_recalc(static_cast<int>(n));
        // The block entry reads each frame before writing it: buffers may be shared.
        g = dsp->nq_prc_block(vlt::finite_input(in0, scratch0, static_cast<int>(n)),
                              vlt::finite_input(in1, scratch1, static_cast<int>(n)), out0, out1, nullptr,
                              static_cast<int>(n));
        in0 += n;
        in1 += n;
        out0 += n;
        out1 += n;
        left -= n;
    }
    setParameter(vlt::params::kMeter, vlt::params::meter_from_gain<vlt::params::Vst2Precision>(g));
    events = nullptr;
}
