#pragma once
// The component state: nine 32-bit floats in the machine's byte order, no
// header, one per slot of the model's state order. Readers accept a stream
// that ends before the last value, the host bypass.
#include <iterator>

#include "ibstream.h"
#include "vst3_param_ids.h"

namespace Steinberg::Vst::vlt650 {

inline constexpr int kStateValues = static_cast<int>(std::size(::vlt::params::vst3::kStateOrder));
inline constexpr int kStateRequired = kStateValues - 1;
static_assert(::vlt::params::vst3::kStateOrder[kStateRequired] == ::vlt::params::kHostBypass,
              "only the host bypass may be missing");

// The slot that holds quantity q.
constexpr int stateSlot(::vlt::params::Index q)
{
    for (int slot = 0; slot < kStateValues; ++slot)
        if (::vlt::params::vst3::kStateOrder[slot] == q)
            return slot;
    return -1;
}

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
