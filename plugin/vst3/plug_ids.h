#pragma once
// Identity of the VST3 build: class identifiers, parameter ids, strings.
#include <type_traits>

#include "funknown.h"
#include "panel_size.h"
#include "vst3_param_ids.h"

namespace Steinberg::Vst::vlt650 {

inline const FUID kProcessorUID(0xE477F0F0, 0x31324EF4, 0xA25DF3B5, 0xE3370377);
inline const FUID kControllerUID(0xCA027F16, 0x05254119, 0xAFF8FB3C, 0x96DFF810);

static_assert(std::is_same_v<std::underlying_type_t<ParamIds>, ParamID>,
              "parameter ids are the SDK's ParamID");

inline constexpr ProgramListID kProgramListId = kPresetId;
inline constexpr int32 kProgramCount = ::vlt::params::vst3::kProgramCount;
// Hosts step a program-change parameter in steps of 1 / stepCount.
inline constexpr int32 kPresetSteps = ::vlt::params::vst3::kProgramSteps;

inline constexpr const char8* kVendor = "Brindle DSP";
inline constexpr const char8* kUrl = "https://www.brindledsp.com";
inline constexpr const char8* kEmail = "mailto:support@brindledsp.com";
inline constexpr const char8* kVersion = "2.3.3.0";
inline constexpr const char8* kSdkVersion = "VST 3.5.2";
inline constexpr const char8* kProcessorName = "Brindle VLT650 VST3";
inline constexpr const char8* kControllerName = "Brindle VLT650 VST3Controller";
inline constexpr const char8* kSubCategories = "Fx|Dynamics";

inline constexpr int32 kEditorWidth = vlt::editor::kDefaultWindowWidth;
inline constexpr int32 kEditorHeight = vlt::editor::kDefaultWindowHeight;

}  // namespace Steinberg::Vst::vlt650
