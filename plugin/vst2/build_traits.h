#pragma once
// The answers in which the VST2 builds differ, one row per platform.
#include <cstdint>

#include "vlt_build_variant.h"
#include "vst2_interface.h"

namespace vst2 {

struct BuildTraits {
    int32_t unique_id;
    const char* product;
    int32_t vendor_version;
    bool locks_parameters;       // setParameter runs under the plug-in's mutex
    bool gain_reduction_can_do;  // canDo "supportsGainReductionInfo"
};

constexpr BuildTraits kLinuxBuild{fourcc("vl65"), "VLT650 Console Dynamics", 2310, true, false};
constexpr BuildTraits kWindowsMacBuild{fourcc("VL65"), "Channel Dynamics", 2320, false, true};

inline constexpr const BuildTraits& kBuild =
    kVltVariant == vlt_variant::linux_build ? kLinuxBuild : kWindowsMacBuild;

constexpr const char* kEffectName = "VLT650";
constexpr const char* kVendor = "Brindle DSP";
constexpr int32_t kNumPrograms = 9;

}  // namespace vst2
