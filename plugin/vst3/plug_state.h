#pragma once
// The component state: nine 32-bit floats in the machine's byte order, no
// header. Readers accept a stream that ends after the eighth value.
#include "ibstream.h"

namespace Steinberg::Vst::vlt650 {

enum StateSlot {
    kStateInGain,
    kStateThresh,
    kStateAttack,
    kStateRelease,
    kStateRatio,
    kStateMakeup,
    kStateMeter,
    kStateEffectIn,
    kStateHostBypass,
    kStateValues
};
inline constexpr int kStateRequired = kStateHostBypass;  // the first eight

struct StateValues {
    float value[kStateValues] = {};
    bool hasHostBypass = false;
};

// Reads the state. A value counts only when all four bytes arrived: some
// hosts answer a read past the end with success and zero bytes.
tresult readState(IBStream* stream, StateValues& out);
// Writes all nine values; fails when any write fails or comes up short.
tresult writeState(IBStream* stream, const float (&values)[kStateValues]);

}  // namespace Steinberg::Vst::vlt650
