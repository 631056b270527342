#include "compressor_start.h"

#include "CNFq.h"
#include "apply_control.h"
#include "start_values.h"

namespace vlt::params {

template <class Precision>
void start_compressor(CNFq& dsp, int rate, const float (&values)[kProgramValues])
{
    dsp.nq_srate(rate);
    dsp.nq_init();
    dsp.nqs_max_gr(kMaxReductionDb);
    for (int q = kInGain; q < kKnobCount; ++q)
        apply<Precision>(dsp, q, clamp_unit(values[q]));
}

template void start_compressor<SinglePrecision>(CNFq&, int, const float (&)[kProgramValues]);
template void start_compressor<Vst3Precision>(CNFq&, int, const float (&)[kProgramValues]);

}  // namespace vlt::params
