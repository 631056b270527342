#pragma once
// What a host value v in 0..1 of each knob stands for, and back: the plain
// value (dB, ms, ratio) is (hi - lo) x taper(v) + lo, evaluated in the
// precision a format's policy names (plug_precision.h). The range ends are
// exact decimals; each precision rounds the span and the low end once, so
// a float build computes 18 v - 6 and a double one 9.9 v + 0.1 in double,
// exactly as the formulas read.
#include <cmath>

#include "host_value.h"
#include "param_index.h"
#include "plug_precision.h"

namespace vlt::params {

enum class Taper {
    kLinear,
    kSquared,  // v x v: the Ratio knob spends its travel on the low ratios
};

struct Range {
    double lo;  // the plain value at v = 0
    double hi;  // at v = 1
    Taper taper;
};

// By Index, kInGain .. kMakeup.
inline constexpr Range kKnobRanges[kKnobCount] = {
    {-6.0, 12.0, Taper::kLinear},     // In Gain, dB
    {0.0, -20.0, Taper::kLinear},     // Threshold, dB
    {0.1, 10.0, Taper::kLinear},      // Attack, ms
    {100.0, 1000.0, Taper::kLinear},  // Release, ms
    {1.0, 20.0, Taper::kSquared},     // Ratio, :1
    {0.0, 20.0, Taper::kLinear},      // Makeup, dB
};

// The UI size: the editor's scale 1..2.
inline constexpr Range kUiSizeRange = {1.0, 2.0, Taper::kLinear};

// The meter's full scale: a meter value of 1 is this much reduction, and
// more reduction still shows 1.
inline constexpr float kMeterFullScaleDb = 20.0f;

// The squared taper and its inverse (the inverse clamps: no root of a
// negative share).
inline float bend_ratio(float v) { return v * v; }
inline float unbend_ratio(float x) { return std::sqrt(clamp_unit(x)); }

template <class Real>
float plain_of(const Range& r, float v)
{
    const Real x = static_cast<Real>(r.taper == Taper::kSquared ? bend_ratio(v) : v);
    return static_cast<float>(static_cast<Real>(r.hi - r.lo) * x + static_cast<Real>(r.lo));
}

// The host value of a plain value, unclamped on a linear range.
inline float fraction_of(const Range& r, float plain)
{
    const float share = (plain - static_cast<float>(r.lo)) / static_cast<float>(r.hi - r.lo);
    return r.taper == Taper::kSquared ? unbend_ratio(share) : share;
}

// Knob q's plain value in the build's precision: only the attack time has
// a precision of its own.
template <class Precision = SinglePrecision>
float knob_plain(Index q, float v)
{
    if (q == kAttack)
        return plain_of<typename Precision::Attack>(kKnobRanges[q], v);
    return plain_of<float>(kKnobRanges[q], v);
}

inline float in_gain_db(float v) { return knob_plain(kInGain, v); }
inline float threshold_db(float v) { return knob_plain(kThreshold, v); }
template <class Precision = SinglePrecision>
float attack_ms(float v)
{
    return knob_plain<Precision>(kAttack, v);
}
inline float release_ms(float v) { return knob_plain(kRelease, v); }
inline float ratio(float v) { return knob_plain(kRatio, v); }
inline float makeup_db(float v) { return knob_plain(kMakeup, v); }
// The shown UI size 1..2; host values beyond 0..1 show their end.
inline float ui_scale(float v) { return plain_of<float>(kUiSizeRange, clamp_unit(v)); }
// dB of gain reduction that meter value m (0..1) stands for.
inline float meter_db(float m) { return kMeterFullScaleDb * m; }

}  // namespace vlt::params
