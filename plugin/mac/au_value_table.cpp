#include "au_value_table.h"

#include <algorithm>
#include <cmath>

#include "plug_params.h"

namespace vlt::mac {

using editor::Control;

namespace {

constexpr float kMeterFullScaleDb = 20.0f;

// The Ratio knob's squared law, undone.
float unbend_ratio(float x) { return std::sqrt(std::clamp(x, 0.0f, 1.0f)); }

}  // namespace

float au_plain_value(Control control, float f)
{
    switch (control) {
    case Control::kInGain: return params::in_gain_db(f);
    case Control::kThreshold: return params::threshold_db(f);
    case Control::kRatio: return params::ratio(f);
    // Attack's plain value is computed in double precision.
    case Control::kAttack: return static_cast<float>(9.9 * f + 0.1);
    case Control::kRelease: return params::release_ms(f);
    case Control::kMakeup: return params::makeup_db(f);
    case Control::kEffect: return f > 0.5f ? 0.0f : 1.0f;  // the parameter is "bypassed"
    case Control::kPower: return f > 0.5f ? 1.0f : 0.0f;
    case Control::kUiSize: return f + 1.0f;
    case Control::kMeter:
    case Control::kCount: break;
    }
    return 0.0f;
}

float au_fraction(Control control, float v)
{
    switch (control) {
    case Control::kInGain: return (v + 6.0f) / 18.0f;
    case Control::kThreshold: return v / -20.0f;
    case Control::kRatio: return unbend_ratio((v - 1.0f) / 19.0f);
    case Control::kAttack: return (v - 0.1f) / 9.9f;
    case Control::kRelease: return (v - 100.0f) / 900.0f;
    case Control::kMakeup: return v / 20.0f;
    case Control::kEffect: return v > 0.5f ? 0.0f : 1.0f;
    case Control::kPower: return v > 0.5f ? 1.0f : 0.0f;
    case Control::kMeter: return v / kMeterFullScaleDb;
    case Control::kUiSize: return v - 1.0f;
    case Control::kCount: break;
    }
    return 0.0f;
}

}  // namespace vlt::mac
