#pragma once
// The detector's envelope follower as the block paths run it: the one
// serial chain of the compressor, so every operation on it counts. The
// result is bit for bit follow() of frame_steps.h.
#include <emmintrin.h>

#include <cfloat>
#include <cmath>

#include "frame_steps.h"

namespace vlt::chain {
namespace {

// One step on the low lane: e + c x (p - e), with c the attack coefficient
// when p is above e and the release coefficient otherwise.
inline __m128 follow_step(__m128 e, __m128 p, float af, float rf)
{
    const __m128 zero = _mm_setzero_ps();
    const __m128 d = _mm_sub_ss(p, e);
    const __m128 up = _mm_add_ss(e, _mm_mul_ss(_mm_set_ss(af), d));
    const __m128 down = _mm_add_ss(e, _mm_mul_ss(_mm_set_ss(rf), d));
    // With both coefficients positive, the faster one gives the larger step
    // in both directions (rounding is monotonic), so up for d > 0 and down
    // otherwise is simply the max or the min of the two; ties and NaN give
    // down, as the frame path does. That is one operation on the chain
    // instead of three.
    if (af >= rf && rf > 0.0f) [[likely]] {
        e = _mm_max_ss(up, down);
    } else if (rf > af && af > 0.0f) {
        e = _mm_min_ss(up, down);
    } else {
        const __m128 rising = _mm_cmpgt_ss(d, zero);
        e = _mm_or_ps(_mm_and_ps(rising, up), _mm_andnot_ps(rising, down));
    }
    const float mag = std::fabs(_mm_cvtss_f32(e));
    if (!(mag >= frame::kEnvFloor && mag <= FLT_MAX)) [[unlikely]]
        e = zero;
    return e;
}

}  // namespace
}  // namespace vlt::chain
