#pragma once
// Where the host puts each value in the algorithm's context; the field
// index is also the data-in port of the parameters that feed it.
#include "aax_host_interface.h"

class CNFq;

struct SVLT650_Alg_Context {
    int32_t* mBypassP;  // 0: master bypass, non-zero = bypassed
    float* mInGainP;    // 1..7: host values 0..1
    float* mThreshP;
    float* mAttackP;
    float* mReleaseP;
    float* mRatioP;
    float* mMakeupP;
    float* mInP;
    float* mSampleRateP;      // 8: Hz
    CNFq* mPrivateP;          // 9: the instance's compressor, in host memory
    float* const* mInputPP;   // 10
    float* const* mOutputPP;  // 11
    int32_t* mBufferLengthP;  // 12: frames in this call
    float* const* mMetersPP;  // 13: entry 0 is the gain-reduction meter
};

enum VLT650_Field : int32_t {
    eField_Bypass = 0,
    eField_InGain,
    eField_Thresh,
    eField_Attack,
    eField_Release,
    eField_Ratio,
    eField_Makeup,
    eField_In,
    eField_SampleRate,
    eField_Private,
    eField_AudioIn,
    eField_AudioOut,
    eField_BufferLength,
    eField_Meters,
    eField_Count
};
static_assert(sizeof(SVLT650_Alg_Context) == eField_Count * sizeof(void*));
static_assert(offsetof(SVLT650_Alg_Context, mPrivateP) == eField_Private * sizeof(void*));
static_assert(offsetof(SVLT650_Alg_Context, mMetersPP) == eField_Meters * sizeof(void*));

constexpr uint32_t kVLT650_MeterID = aax_fourcc("Mtr1");
// Every data-in port carries one 32-bit value.
constexpr uint32_t kVLT650_PortSize = 4;
