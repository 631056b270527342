#pragma once
// The AAX build's parameter ids, which hosts store automation and the
// controls' state under; shared with the editor's host map.

inline constexpr const char* kVLT650_InGainID = "InGain";
inline constexpr const char* kVLT650_ThreshID = "Thresh";
inline constexpr const char* kVLT650_AttackID = "Attack";
inline constexpr const char* kVLT650_ReleaseID = "Release";
inline constexpr const char* kVLT650_RatioID = "Ratio";
inline constexpr const char* kVLT650_MakeupID = "Makeup";
inline constexpr const char* kVLT650_InID = "In";  // the effect switch
