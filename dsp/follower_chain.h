#pragma once
// The detector's envelope follower as the block paths run it: the one
// serial chain of the compressor, so every operation on it counts. The
// result is bit for bit follow() of frame_steps.h. The steady stages' files
// build the quiet loop once per instruction set.
#include <emmintrin.h>

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "fast_math.h"
#include "frame_steps.h"
#include "relaxed.h"
#include "steady_frames.h"

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

// Whether the quiet loop may run: both coefficients in (0, 1], a
// non-negative envelope and finite peaks. Then every step lies between
// the envelope and the peak (rounding is monotonic), so the envelope stays
// finite and non-negative and the flush test shrinks to one comparison.
inline bool quiet_applies(float envelope, float af, float rf, bool finite_peaks)
{
    return finite_peaks && envelope >= 0.0f && af > 0.0f && af <= 1.0f && rf > 0.0f && rf <= 1.0f;
}

// follow_step over the peaks while the coefficients and the limit keep the
// bits they had at the start: the loop carries nothing but the chain, and
// compares each frame's reads with those bits instead of picking and
// testing. Answers how many frames it did; a change stops it before the
// frame that would read the new value.
template <bool kAttackFaster>
int follow_quiet(steady::QuietFollow& q)
{
    const Relaxed<float>* const attack = q.attack;
    const Relaxed<float>* const release = q.release;
    const Relaxed<float>* const limit = q.limit;
    const uint32_t aBits = float_bits(q.af), rBits = float_bits(q.rf), lBits = float_bits(q.limit0);
    const __m128 a = _mm_set_ss(q.af), r = _mm_set_ss(q.rf), floor = _mm_set_ss(frame::kEnvFloor);
    const float* p = q.peak;
    const float* const end = q.peak + q.n;
    float* out = q.envelopes;
    __m128 v = _mm_set_ss(q.envelope);
    for (; p != end; ++p, ++out) {
        if (float_bits(attack->load()) != aBits || float_bits(release->load()) != rBits
            || float_bits(limit->load()) != lBits) [[unlikely]]
            break;
        const __m128 d = _mm_sub_ss(_mm_load_ss(p), v);
        const __m128 up = _mm_add_ss(v, _mm_mul_ss(a, d));
        const __m128 down = _mm_add_ss(v, _mm_mul_ss(r, d));
        v = kAttackFaster ? _mm_max_ss(up, down) : _mm_min_ss(up, down);
        if (_mm_comilt_ss(v, floor)) [[unlikely]]
            v = _mm_setzero_ps();
        _mm_store_ss(out, v);
    }
    q.envelope = _mm_cvtss_f32(v);
    return static_cast<int>(p - q.peak);
}

inline int follow_quiet_any(steady::QuietFollow& q)
{
    return q.af >= q.rf ? follow_quiet<true>(q) : follow_quiet<false>(q);
}

}  // namespace
}  // namespace vlt::chain
