#pragma once
// The Audio Unit's parameters as the view sees them: ids 0..9 in the
// global scope, element 0, each with a plain value of its own unit, and
// the conversions between a plain value and the host value 0..1 of the
// model (a knob's value / 99, the effect switch with 1 = in, the UI size
// 0..1, the meter 0..1).
#include "param_map.h"

namespace vlt::params::au {

inline constexpr NumberedParam kParams[] = {
    {kInGain, 0},                                 // dB
    {kThreshold, 1}, {kRatio, 2},  {kAttack, 3},  // ms
    {kRelease, 4},   {kMakeup, 5}, {kEffect, 6},  // "bypass": 1 = bypassed, the effect switch inverted
    {kPower, 7},                                  // 1 = on
    {kMeter, 8},                                  // dB of gain reduction, reported by the unit
    {kUiSize, 9},                                 // the editor's scale 1..2
};
inline constexpr int kParameterCount = 10;

constexpr int id_of(Index q) { return params::id_of(kParams, q); }
constexpr bool quantity_of(int number, Index* q) { return params::quantity_of(kParams, number, q); }

// The plain value the view sends for host value v. The meter is never
// sent: 0, as for a quantity the unit does not have.
float plain_value(Index q, float v);
// The host value of a plain value the unit reports: knobs unclamped on a
// linear range (the widget clamps), the UI size before clamping.
float host_value(Index q, float plain);

}  // namespace vlt::params::au
