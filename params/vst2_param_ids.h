#pragma once
// The VST2 build's parameter indices: what setParameter, getParameter and
// the programs number the quantities by. The host sees 0..7; 8, the meter,
// is the plug-in's own road from its audio path to its editor.
#include "param_map.h"

namespace vlt::params::vst2 {

inline constexpr NumberedParam kParams[] = {
    {kInGain, 0}, {kThreshold, 1}, {kAttack, 2}, {kRelease, 3}, {kRatio, 4},
    {kMakeup, 5}, {kEffect, 6},    {kUiSize, 7}, {kMeter, 8},
};
inline constexpr int kHostVisible = 8;  // numParams: the indices below the meter's

constexpr int index_of(Index q) { return id_of(kParams, q); }
constexpr bool quantity_of(int index, Index* q) { return params::quantity_of(kParams, index, q); }

}  // namespace vlt::params::vst2
