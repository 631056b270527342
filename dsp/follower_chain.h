#pragma once
// The detector's envelope follower as the block paths run it: the one
// serial chain of the compressor, so every operation on it counts. The
// result is bit for bit follow() of frame_steps.h.
#include <emmintrin.h>

#include <bit>
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
// non-negative envelope and finite peaks. Then every step stays
// non-negative and ends at most half an ulp past the peak (rounding is
// monotonic; only the rounding of p - e overshoots). That half ulp is
// enough for +Inf: with a coefficient of 1 and the peak at FLT_MAX,
// e + (p - e) can round up twice. So the flush test keeps both ends of the
// frame path's, in one comparison.
inline bool quiet_applies(float envelope, float af, float rf, bool finite_peaks)
{
    return finite_peaks && envelope >= 0.0f && af > 0.0f && af <= 1.0f && rf > 0.0f && rf <= 1.0f;
}

// What the quiet loop compares each frame's reads with, and steps with.
struct QuietReads {
    explicit QuietReads(const steady::QuietFollow& q)
        : attack(q.attack), release(q.release), limit(q.limit), aBits(float_bits(q.af)),
          rBits(float_bits(q.rf)), lBits(float_bits(q.limit0)), a(_mm_set_ss(q.af)), r(_mm_set_ss(q.rf))
    {
    }
    bool hold() const
    {
        return float_bits(attack->load()) == aBits && float_bits(release->load()) == rBits &&
               float_bits(limit->load()) == lBits;
    }
    const Relaxed<float>* attack;
    const Relaxed<float>* release;
    const Relaxed<float>* limit;
    uint32_t aBits, rBits, lBits;
    __m128 a, r;
};

// follow_step under quiet_applies: the faster coefficient is known, and the
// envelope is never negative, so its bits order as its values do: one
// unsigned compare finds it under the floor or past FLT_MAX.
template <bool kAttackFaster>
inline __m128 quiet_step(const QuietReads& q, __m128 v, const float* peak)
{
    constexpr uint32_t kFloorBits = std::bit_cast<uint32_t>(frame::kEnvFloor);
    constexpr uint32_t kSpan = std::bit_cast<uint32_t>(FLT_MAX) - kFloorBits;
    const __m128 d = _mm_sub_ss(_mm_load_ss(peak), v);
    const __m128 up = _mm_add_ss(v, _mm_mul_ss(q.a, d));
    const __m128 down = _mm_add_ss(v, _mm_mul_ss(q.r, d));
    v = kAttackFaster ? _mm_max_ss(up, down) : _mm_min_ss(up, down);
    if (static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_castps_si128(v))) - kFloorBits > kSpan) [[unlikely]]
        v = _mm_setzero_ps();
    return v;
}

}  // namespace
}  // namespace vlt::chain
