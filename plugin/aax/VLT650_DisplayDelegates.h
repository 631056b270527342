#pragma once
// Display texts of the six knobs: one number with the given decimals,
// then the unit. Text entry is not supported.
#include "AAX_Delegates.h"
#include "plug_params.h"

template <class T, int32_t Precision, int32_t Spacer, float (*Number)(float), const char* Unit>
class VLT650_UnitDisplayDelegate final : public AAX_IDisplayDelegate<T> {
public:
    VLT650_UnitDisplayDelegate* Clone() const override { return new VLT650_UnitDisplayDelegate(*this); }
    bool ValueToString(T n, AAX_CString* text) const override
    {
        if (text) {
            text->Clear();
            text->AppendNumber(Number(n), Precision);
            text->Append(Unit);
        }
        return true;
    }
    bool ValueToString(T n, int32_t, AAX_CString* text) const override { return ValueToString(n, text); }
    bool StringToValue(const AAX_CString&, T* n) const override
    {
        if (n)
            *n = 0;
        return false;
    }
};

namespace vlt650_display {
inline constexpr char kDB[] = " dB";
inline constexpr char kMS[] = " ms";
inline constexpr char kS[] = " s";
inline constexpr char kRatio[] = ":1";
inline float release_s(float n) { return vlt::params::release_ms(n) / 1000.0f; }
}  // namespace vlt650_display

using VLT650_InGainDisplayDelegate =
    VLT650_UnitDisplayDelegate<float, 2, 0, vlt::params::in_gain_db, vlt650_display::kDB>;
using VLT650_ThreshDisplayDelegate =
    VLT650_UnitDisplayDelegate<float, 2, 0, vlt::params::threshold_db, vlt650_display::kDB>;
using VLT650_AttackDisplayDelegate =
    VLT650_UnitDisplayDelegate<float, 2, 0, vlt::params::attack_ms<vlt::params::AaxPrecision>,
                               vlt650_display::kMS>;
using VLT650_ReleaseDisplayDelegate =
    VLT650_UnitDisplayDelegate<float, 2, 0, vlt650_display::release_s, vlt650_display::kS>;
using VLT650_RatioDisplayDelegate =
    VLT650_UnitDisplayDelegate<float, 2, 0, vlt::params::ratio, vlt650_display::kRatio>;
using VLT650_MakeupDisplayDelegate =
    VLT650_UnitDisplayDelegate<float, 2, 0, vlt::params::makeup_db, vlt650_display::kDB>;
