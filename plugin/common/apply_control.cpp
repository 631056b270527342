#include "apply_control.h"

#include "CNFq.h"

namespace vlt::params {

template <class Precision>
void apply(CNFq& dsp, int index, float v)
{
    const float value = dsp_value<Precision>(index, v);
    switch (index) {
    case kInGain: dsp.nqs_input_gain(value); break;
    case kThreshold: dsp.nqs_threshold(value); break;
    case kAttack: dsp.nqs_attack(value); break;
    case kRelease: dsp.nqs_decay(value); break;
    case kRatio: dsp.nqs_ratio(value); break;
    case kMakeup: dsp.nqs_makeup(value); break;
    default: break;
    }
}

template void apply<SinglePrecision>(CNFq&, int, float);
template void apply<Vst3Precision>(CNFq&, int, float);

}  // namespace vlt::params
