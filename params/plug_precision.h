#pragma once
// The floating-point type each build evaluates its conversions in. The
// formulas are shared; only the arithmetic differs, and only where a build
// has always computed in double: VST3 takes the attack time and the
// meter's reduction in double and rounds the result to float, the Audio
// Unit view the attack time it sends. Everything not named here is single
// precision in every build.

namespace vlt::params {

struct SinglePrecision {
    using Attack = float;  // 9.9 v + 0.1 ms
    using Meter = float;   // 20 log10(1 / g) dB of reduction
};

struct Vst3Precision {
    using Attack = double;
    using Meter = double;
};

// The Audio Unit view computes no meter: the unit reports it.
struct AuPrecision {
    using Attack = double;
};

using Vst2Precision = SinglePrecision;
using AaxPrecision = SinglePrecision;

}  // namespace vlt::params
