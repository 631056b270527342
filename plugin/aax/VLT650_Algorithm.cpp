#include "VLT650_Algorithm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "CNFq.h"
#include "aax_param_ids.h"
#include "apply_control.h"
#include "audio_path.h"
#include "compressor_start.h"
#include "denormal_guard.h"
#include "gain_meter.h"
#include "plug_params.h"

namespace {

using namespace vlt::params;

// The ports' host values in the model's order.
void read_ports(const SVLT650_Alg_Context& c, float (&values)[kProgramValues])
{
    values[kInGain] = *c.mInGainP;
    values[kThreshold] = *c.mThreshP;
    values[kAttack] = *c.mAttackP;
    values[kRelease] = *c.mReleaseP;
    values[kRatio] = *c.mRatioP;
    values[kMakeup] = *c.mMakeupP;
    values[kEffect] = *c.mInP;
}

void apply_switch(const SVLT650_Alg_Context& c, CNFq& dsp, float in)
{
    dsp.nqs_comp_in(*c.mBypassP == 0 && aax::switched_in(in));
}

// Port values reach the DSP every call; its own smoothing makes repeats free.
void apply_ports(const SVLT650_Alg_Context& c, CNFq& dsp)
{
    float values[kProgramValues];
    read_ports(c, values);
    for (int q = kInGain; q < kKnobCount; ++q)
        apply<AaxPrecision>(dsp, q, clamp_unit(values[q]));
    apply_switch(c, dsp, values[kEffect]);
}

template <int Channels>
void process_instance(const SVLT650_Alg_Context& c)
{
    CNFq& dsp = *c.mPrivateP;
    apply_ports(c, dsp);
    const int32_t frames = *c.mBufferLengthP;
    if (frames < 1)
        return;
    const bool bypassed = *c.mBypassP != 0;
    const float* inL = c.mInputPP[0];
    const float* inR = Channels == 2 ? c.mInputPP[1] : nullptr;
    float* outL = c.mOutputPP[0];
    float* outR = Channels == 2 ? c.mOutputPP[1] : nullptr;

    // Bypassed, the DSP still runs (its state keeps following the input)
    // but its output goes nowhere and the input passes.
    const float gain =
        vlt::run_sub_blocks(dsp, {inL, inR, bypassed ? nullptr : outL, bypassed ? nullptr : outR}, frames);
    if (bypassed) {
        std::memmove(outL, inL, sizeof(float) * static_cast<size_t>(frames));
        if (Channels == 2)
            std::memmove(outR, inR, sizeof(float) * static_cast<size_t>(frames));
    }
    *c.mMetersPP[0] = meter_from_gain<AaxPrecision>(gain);
}

template <int Channels>
void process_all(void* const begin[], const void* end)
{
    const vlt::DenormalGuard denormals;
    for (void* const* it = begin; it != end; ++it)
        process_instance<Channels>(*static_cast<const SVLT650_Alg_Context*>(*it));
}

}  // namespace

int32_t VLT650_AlgorithmInitFunction(const void* context, AAX_EComponentInstanceInitAction action)
{
    const auto& c = *static_cast<const SVLT650_Alg_Context*>(context);
    CNFq& dsp = *c.mPrivateP;
    if (action == AAX_eComponentInstanceInitAction_AddingNewInstance) {
        std::printf("** INFO: VLT650-AAX Init with srate %f\n", double(*c.mSampleRateP));
        std::fflush(stdout);
        dsp.nq_delegate_ctor();
        float values[kProgramValues];
        read_ports(c, values);
        start_compressor<AaxPrecision>(dsp, int(*c.mSampleRateP), values);
        apply_switch(c, dsp, values[kEffect]);
    } else if (action == AAX_eComponentInstanceInitAction_RemovingInstance) {
        dsp.nq_delegate_dctor();
    }
    return 0;
}

void VLT650_AlgorithmProcessFunctionM(void* const begin[], const void* end) { process_all<1>(begin, end); }
void VLT650_AlgorithmProcessFunctionS(void* const begin[], const void* end) { process_all<2>(begin, end); }
