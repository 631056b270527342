#pragma once
// The VST3 build's parameter ids, which hosts store automation and state
// under, what each stands for, and the order of the component state. Free
// of SDK types so the shared editor's host map can name them.
#include <cmath>
#include <cstdint>

#include "host_value.h"
#include "param_map.h"

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

namespace vlt::params::vst3 {

namespace ids = Steinberg::Vst::vlt650;

// The declared parameters' quantities; the editor size ids are none.
inline constexpr NumberedParam kParams[] = {
    {kInGain, ids::kInGainId},         {kThreshold, ids::kThreshId}, {kAttack, ids::kAttackId},
    {kRelease, ids::kReleaseId},       {kRatio, ids::kRatioId},      {kMakeup, ids::kMakeupId},
    {kMeter, ids::kMeterId},           {kEffect, ids::kBypassId},    {kProgram, ids::kPresetId},
    {kHostBypass, ids::kHostBypassId},
};

// Every declared parameter's default normalized value (the processor
// starts elsewhere: start_values.h).
inline constexpr double kDeclaredDefault = 0.0;

// The component state, one float per slot in this order.
inline constexpr Index kStateOrder[] = {kInGain, kThreshold, kAttack, kRelease,   kRatio,
                                        kMakeup, kMeter,     kEffect, kHostBypass};

// The program change: program k of the list arrives as k / 5, the value a
// host's own stepping of the parameter gives.
inline constexpr int kProgramCount = 6;
inline constexpr int kProgramSteps = kProgramCount - 1;
inline int program_of(double value)
{
    return static_cast<int>(std::lround(clamp_unit(value) * kProgramSteps));
}
// Real: the precision the sender divides in.
template <class Real>
Real program_value(int program)
{
    return static_cast<Real>(program) / kProgramSteps;
}

constexpr uint32_t id_of(Index q) { return static_cast<uint32_t>(params::id_of(kParams, q)); }
constexpr bool quantity_of(uint32_t number, Index* q)
{
    return number <= INT32_MAX && params::quantity_of(kParams, static_cast<int>(number), q);
}

}  // namespace vlt::params::vst3
