#pragma once
// Identity of the VST3 build: class identifiers, parameter ids, strings.
#include "funknown.h"

namespace Steinberg::Vst::vlt650 {

inline const FUID kProcessorUID(0xE477F0F0, 0x31324EF4, 0xA25DF3B5, 0xE3370377);
inline const FUID kControllerUID(0xCA027F16, 0x05254119, 0xAFF8FB3C, 0x96DFF810);

enum ParamIds : ParamID {
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

inline constexpr ProgramListID kProgramListId = kPresetId;
inline constexpr int32 kProgramCount = 6;
// Hosts step a program-change parameter in steps of 1 / stepCount, so
// program k arrives as k / 5.
inline constexpr int32 kPresetSteps = kProgramCount - 1;

inline constexpr const char8* kVendor = "Brindle DSP";
inline constexpr const char8* kUrl = "https://www.brindledsp.com";
inline constexpr const char8* kEmail = "mailto:support@brindledsp.com";
inline constexpr const char8* kVersion = "2.3.3.0";
inline constexpr const char8* kSdkVersion = "VST 3.5.2";
inline constexpr const char8* kProcessorName = "Brindle VLT650 VST3";
inline constexpr const char8* kControllerName = "Brindle VLT650 VST3Controller";
inline constexpr const char8* kSubCategories = "Fx|Dynamics";

inline constexpr int32 kEditorWidth = 468;
inline constexpr int32 kEditorHeight = 510;

}  // namespace Steinberg::Vst::vlt650
