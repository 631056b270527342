#include "bus.h"

#include "vst3_strings.h"

namespace Steinberg::Vst {

bool Bus::getInfo(BusInfo& info) const
{
    to_string128(info.name, name_.c_str());
    info.busType = type_;
    info.flags = static_cast<uint32>(flags_);
    return true;
}

bool AudioBus::getInfo(BusInfo& info) const
{
    info.channelCount = SpeakerArr::getChannelCount(arrangement_);
    return Bus::getInfo(info);
}

bool EventBus::getInfo(BusInfo& info) const
{
    info.channelCount = channels_;
    return Bus::getInfo(info);
}

}  // namespace Steinberg::Vst
