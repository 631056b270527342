#pragma once
// The audio path every plug-in format runs: the host's block in sub-blocks
// of at most 64 frames (the granularity of the compressor's smoothing),
// nq_recalc for each, the frames through the compressor's block entry, and
// non-finite input reaching it as 0. The formats keep what is theirs
// around it: buffers and channels, bypass, the floating-point guard held
// for the whole host call, and the meter from the returned gain.
#include <cstdint>

class CNFq;

namespace vlt {

inline constexpr int32_t kSubBlock = 64;

// One stereo pair of a host block. A null input is silence; a null output
// is not written. Any output may be the buffer of any input.
struct StereoIo {
    const float* inL;
    const float* inR;
    float* outL;
    float* outR;
};

// Runs frames (1 or more) of io through dsp; answers the gain factor of
// the last frame, 0 when frames < 1 (nothing processed).
float run_sub_blocks(CNFq& dsp, const StereoIo& io, int32_t frames);

}  // namespace vlt
