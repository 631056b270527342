#pragma once
// What the sweep holds every format to: the host values it feeds (both
// ends, the In Gain detent, the switch midpoint and its neighbours, every
// knob position, beyond both ends, and non-finite values) and the plain
// value the parameter model's range table gives each of them, evaluated
// here in double from the range's ends. A format that computes a range of
// its own drifts from this when the model's range changes.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "CNFq.h"
#include "plug_params.h"

namespace sweep {

namespace P = vlt::params;

inline std::vector<float> host_values()
{
    constexpr float kInf = std::numeric_limits<float>::infinity();
    std::vector<float> v = {-kInf,
                            -1e30f,
                            -1.5f,
                            -0.5f,
                            -FLT_MIN / 4,  // a negative denormal
                            -0.0f,
                            0.0f,
                            FLT_MIN / 4,
                            1.0f / 3.0f,  // In Gain's 0 dB detent
                            std::nextafter(0.5f, 0.0f),
                            0.5f,
                            std::nextafter(0.5f, 1.0f),
                            1.0f,
                            std::nextafter(1.0f, 2.0f),
                            1.5f,
                            1e30f,
                            kInf,
                            std::numeric_limits<float>::quiet_NaN()};
    for (int k = 0; k <= 99; ++k)  // every knob position, as value / 99
        v.push_back(static_cast<float>(k) / 99.0f);
    return v;
}

// The taper in float, as every build applies it (so v x v of a huge v is
// infinite here too), the rest in double.
inline double tapered(const P::Range& r, float v)
{
    return r.taper == P::Taper::kSquared ? static_cast<double>(v * v) : static_cast<double>(v);
}

inline double model_plain(const P::Range& r, float v) { return (r.hi - r.lo) * tapered(r, v) + r.lo; }

// Room for a float evaluation's rounding of the same formula, and for a
// denormal host value read as 0 (the audio paths flush denormals).
inline double rounding(const P::Range& r, float v)
{
    return 8.0 * FLT_EPSILON * (std::fabs(r.lo) + std::fabs((r.hi - r.lo) * tapered(r, v))) +
           std::fabs(r.hi - r.lo) * FLT_MIN;
}

// want against got: NaN for NaN, an infinity (or beyond float) for an
// infinity of the same sign, else within room.
inline void expect_plain(double want, double got, double room, const std::string& where)
{
    if (std::isnan(want)) {
        EXPECT_TRUE(std::isnan(got)) << where << ": " << got;
    } else if (std::fabs(want) > FLT_MAX) {
        EXPECT_TRUE(std::isinf(got) && std::signbit(got) == std::signbit(want)) << where << ": " << got;
    } else {
        EXPECT_NEAR(got, want, room) << where;
    }
}

// The number a display text starts with (after label, which it must
// begin with); the text after the number goes to unit.
inline double number_in(const std::string& text, const std::string& label, std::string* unit)
{
    if (text.compare(0, label.size(), label) != 0) {
        ADD_FAILURE() << "'" << text << "' does not begin with '" << label << "'";
        return 0.0;
    }
    const char* start = text.c_str() + label.size();
    char* end = nullptr;
    const double n = std::strtod(start, &end);
    if (end == start)
        ADD_FAILURE() << "no number in '" << text << "'";
    *unit = end;
    return n;
}

inline std::string where(const char* format, int q, float v)
{
    char text[96];
    std::snprintf(text, sizeof text, "%s, quantity %d, host value %.9g", format, q, static_cast<double>(v));
    return text;
}

// The compressor's target for knob q.
inline float target(const CNFq& d, P::Index q)
{
    switch (q) {
    case P::kInGain: return d.input_gain_target();
    case P::kThreshold: return d.threshold_target();
    case P::kAttack: return d.attack_time();
    case P::kRelease: return d.release_time();
    case P::kRatio: return d.ratio_target();
    case P::kMakeup: return d.makeup_target();
    default: break;
    }
    ADD_FAILURE() << "no knob " << q;
    return 0.0f;
}

// What a format's compressor must hold for knob q at host value v, after
// the format has clamped v as every host value is.
inline void expect_target(const CNFq& d, P::Index q, float v, const char* format)
{
    const P::Range& r = P::kKnobRanges[q];
    const float taken = P::clamp_unit(v);
    expect_plain(model_plain(r, taken), target(d, q), rounding(r, taken), where(format, q, v));
}

// The units the VST2 and VST3 display texts end in, by knob.
inline const char* const kHostUnits[P::kKnobCount] = {" dB", " dB", " ms", " ms", ":1", " dB"};

}  // namespace sweep
