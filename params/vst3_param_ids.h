#pragma once
// The VST3 build's parameter ids, which hosts store automation and state
// under. Free of SDK types so the shared editor's host map can name them.
#include <cstdint>

namespace Steinberg::Vst::vlt650 {

enum ParamIds : uint32_t {
    kInGainId = 0,
    kThreshId = 1,
    kAttackId = 2,
    kReleaseId = 3,
    kRatioId = 4,
    kMakeupId = 5,
    kMeterId = 6,
    kBypassId = 7,  // the plug-in's own switch: 1 = effect in
    kPresetId = 8,
    kHostBypassId = 97,
    kEditorWidthId = 98,  // never declared: the view reports its size
    kEditorHeightId = 99,
};

}  // namespace Steinberg::Vst::vlt650
