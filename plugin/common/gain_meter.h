#pragma once
// The gain-reduction meter every build reports: 0..1 over 0..20 dB of
// reduction, from the linear gain factor of a block's last frame. A gain
// of 0 (or NaN) is what the compressor reports once it has settled
// switched out: no reduction. Precision is the build's policy from
// plug_precision.h; the result is rounded to float at the end.
#include <algorithm>
#include <cmath>

#include "plug_precision.h"

namespace vlt::params {

template <class Precision>
float meter_from_gain(float g)
{
    using Real = typename Precision::Meter;
    if (!(g > 0.0f))
        return 0.0f;
    const Real reduction_db = Real(20) * std::log10(Real(1) / static_cast<Real>(g));
    const Real m = std::min(reduction_db, Real(20)) / Real(20);
    // Positive zero for no reduction: the value is saved with VST3 state.
    if (!(m > Real(0)))
        return 0.0f;
    return m < Real(1) ? static_cast<float>(m) : 1.0f;
}

}  // namespace vlt::params
