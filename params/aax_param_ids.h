#pragma once
// The AAX build's parameter ids, which hosts store automation and the
// controls' state under, and what each stands for. The host's master
// bypass is the AAX library's own parameter; the meter is an AAX meter,
// not a parameter.
#include "host_value.h"
#include "param_map.h"

inline constexpr const char* kVLT650_InGainID = "InGain";
inline constexpr const char* kVLT650_ThreshID = "Thresh";
inline constexpr const char* kVLT650_AttackID = "Attack";
inline constexpr const char* kVLT650_ReleaseID = "Release";
inline constexpr const char* kVLT650_RatioID = "Ratio";
inline constexpr const char* kVLT650_MakeupID = "Makeup";
inline constexpr const char* kVLT650_InID = "In";  // the effect switch

namespace vlt::params::aax {

inline constexpr NamedParam kParams[] = {
    {kInGain, kVLT650_InGainID},   {kThreshold, kVLT650_ThreshID}, {kAttack, kVLT650_AttackID},
    {kRelease, kVLT650_ReleaseID}, {kRatio, kVLT650_RatioID},      {kMakeup, kVLT650_MakeupID},
    {kEffect, kVLT650_InID},
};

constexpr const char* id_of(Index q) { return params::id_of(kParams, q); }
inline bool quantity_of(const char* name, Index* q) { return params::quantity_of(kParams, name, q); }

// The macOS GUI view's own numbering: the index its GUI object sends a
// value with (setParameter::), the meter included.
inline constexpr NumberedParam kViewIndices[] = {
    {kInGain, 0}, {kThreshold, 1}, {kAttack, 2}, {kRelease, 3},
    {kRatio, 4},  {kMakeup, 5},    {kEffect, 6}, {kMeter, 7},
};
constexpr int view_index_of(Index q) { return params::id_of(kViewIndices, q); }
constexpr bool quantity_of_view_index(int index, Index* q)
{
    return params::quantity_of(kViewIndices, index, q);
}

// "In" counts as on from the midpoint upwards, where the other formats
// need more than it.
constexpr bool switched_in(float in) { return in >= kSwitchMidpoint; }

}  // namespace vlt::params::aax
