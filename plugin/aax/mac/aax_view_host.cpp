#include "aax_view_host.h"

#include "VLT650_Layout.h"

namespace vlt::aax_view {

float AaxViewHost::poll_meter()
{
    float value = 0.0f;
    if (controller_ && controller_->GetCurrentMeterValue(kVLT650_MeterID, &value) == AAX_SUCCESS)
        meter_ = value;
    return meter_;
}

}  // namespace vlt::aax_view
