#pragma once
// The gain-reduction meter: 0..1 over 0..20 dB of reduction, from the
// linear gain factor of a block's last frame. A gain of 0 (or NaN) is what
// the compressor reports once it has settled switched out: no reduction.
#include <cmath>

namespace vst2 {

inline float meter_from_gain(float g)
{
    if (!(g > 0.0f))
        return 0.0f;
    const float reduction_db = 20.0f * std::log10(1.0f / g);
    const float m = reduction_db / 20.0f;
    if (!(m > 0.0f))
        return 0.0f;
    return m < 1.0f ? m : 1.0f;
}

}  // namespace vst2
