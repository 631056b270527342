#pragma once
// What a host value in 0..1 may be taken for. One clamp for every host
// value the plug-ins act on: out-of-range values go to the nearer end and
// NaN to the minimum, as the knobs take a NaN (afx_knob_clamp). Switches
// are on above the midpoint.

namespace vlt::params {

// The ends of every host value, which formats with a range of their own
// for it (the AAX parameters' taper) declare.
inline constexpr float kHostMin = 0.0f;
inline constexpr float kHostMax = 1.0f;

// 0..1; NaN gives 0, -0 stays as it came.
constexpr float clamp_unit(float v)
{
    if (!(v >= 0.0f))
        return 0.0f;  // NaN lands here too
    return v > 1.0f ? 1.0f : v;
}
// The same rule for the hosts that hand values in double.
constexpr double clamp_unit(double v)
{
    if (!(v >= 0.0))
        return 0.0;
    return v > 1.0 ? 1.0 : v;
}

inline constexpr float kSwitchMidpoint = 0.5f;

// A switch's host value (and the VST2 effect switch times the host's
// enable): on strictly above the midpoint.
constexpr bool switched_on(float v) { return v > kSwitchMidpoint; }

}  // namespace vlt::params
