#include "audio_path.h"

#include "CNFq.h"
#include "finite_input.h"

namespace vlt {

float run_sub_blocks(CNFq& dsp, const StereoIo& io, int32_t frames)
{
    static constexpr float kSilence[kSubBlock] = {};
    float scratchL[kSubBlock], scratchR[kSubBlock];
    float discardL[kSubBlock], discardR[kSubBlock];
    float gain = 0.0f;
    for (int32_t offset = 0; offset < frames; offset += kSubBlock) {
        const int n = frames - offset < kSubBlock ? static_cast<int>(frames - offset) : kSubBlock;
        dsp.nq_recalc(n);
        const float* l = io.inL ? finite_input(io.inL + offset, scratchL, n) : kSilence;
        const float* r = io.inR ? finite_input(io.inR + offset, scratchR, n) : kSilence;
        // The block entry reads each frame before writing it: buffers may be shared.
        gain = dsp.nq_prc_block(l, r, io.outL ? io.outL + offset : discardL,
                                io.outR ? io.outR + offset : discardR, nullptr, n);
    }
    return gain;
}

}  // namespace vlt
