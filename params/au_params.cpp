#include "au_params.h"

#include "host_value.h"
#include "knob_ranges.h"

namespace vlt::params::au {

float plain_value(Index q, float v)
{
    if (is_knob(q))
        return knob_plain<AuPrecision>(q, v);
    switch (q) {
    case kEffect: return switched_on(v) ? 0.0f : 1.0f;  // the parameter is "bypassed"
    case kPower: return switched_on(v) ? 1.0f : 0.0f;
    case kUiSize: return plain_of<float>(kUiSizeRange, v);
    default: return 0.0f;
    }
}

float host_value(Index q, float plain)
{
    if (is_knob(q))
        return fraction_of(kKnobRanges[q], plain);
    switch (q) {
    case kEffect: return switched_on(plain) ? 0.0f : 1.0f;
    case kPower: return switched_on(plain) ? 1.0f : 0.0f;
    case kMeter: return plain / kMeterFullScaleDb;
    case kUiSize: return fraction_of(kUiSizeRange, plain);
    default: return 0.0f;
    }
}

}  // namespace vlt::params::au
