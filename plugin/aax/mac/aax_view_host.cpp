#include "aax_view_host.h"

#include "VLT650_Layout.h"
#include "host_map.h"

namespace vlt::aax_view {

namespace {

const char* id_of(int control) { return vlt::editor::kAaxMap.params[control].id; }

}  // namespace

bool AaxViewHost::offer_click(int control, uint32_t modifiers) const
{
    return !container_ || container_->HandleParameterMouseDown(id_of(control), modifiers) != 0;
}

void AaxViewHost::touch(int control) const
{
    if (parameters_)
        parameters_->TouchParameter(id_of(control));
}

void AaxViewHost::set(int control, double value) const
{
    if (parameters_)
        parameters_->SetParameterNormalizedValue(id_of(control), value);
}

void AaxViewHost::release(int control) const
{
    if (parameters_)
        parameters_->ReleaseParameter(id_of(control));
}

void AaxViewHost::edit(int control, double value) const
{
    touch(control);
    set(control, value);
    release(control);
}

float AaxViewHost::poll_meter()
{
    float value = 0.0f;
    if (controller_ && controller_->GetCurrentMeterValue(kVLT650_MeterID, &value) == AAX_SUCCESS)
        meter_ = value;
    return meter_;
}

}  // namespace vlt::aax_view
