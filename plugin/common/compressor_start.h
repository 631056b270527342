#pragma once
// The start-up every format gives its compressor: the rate, nq_init (the
// smoothing snaps to the targets the compressor was built with, so the
// first sub-blocks glide from there), the reduction limit, then each
// knob's start value through the model. The effect switch is left to the
// format: each decides it from values of its own.
#include "plug_params.h"

class CNFq;

namespace vlt::params {

// values: host values in the model's order; the knobs' are clamped as
// every host value is. Instantiated for the precision policies of
// plug_precision.h.
template <class Precision>
void start_compressor(CNFq& dsp, int rate, const float (&values)[kProgramValues]);

}  // namespace vlt::params
