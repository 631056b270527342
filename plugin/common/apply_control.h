#pragma once
// The knob-to-compressor step every format shares: host value v (0..1, the
// caller clamps) of control In Gain .. Makeup through the parameter model's
// formula, in the build's precision, into the matching compressor setter.
// The effect switch is not here: each format decides it from values of its
// own (host bypass, a master bypass port).
#include "plug_params.h"

class CNFq;

namespace vlt::params {

// index kInGain..kMakeup; any other index changes nothing. Instantiated for
// the precision policies of plug_precision.h.
template <class Precision>
void apply(CNFq& dsp, int index, float v);

}  // namespace vlt::params
