#include "component.h"

namespace Steinberg::Vst {

tresult PLUGIN_API Component::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IComponent>(iid, obj, this))
        return kResultOk;
    if (uid_equal(iid, FUnknown::iid) || uid_equal(iid, IPluginBase::iid)) {
        addRef();
        *obj = static_cast<IPluginBase*>(static_cast<IComponent*>(this));
        return kResultOk;
    }
    return ComponentBase::queryInterface(iid, obj);
}

tresult PLUGIN_API Component::terminate()
{
    removeAllBusses();
    return ComponentBase::terminate();
}

tresult PLUGIN_API Component::getControllerClassId(TUID classId)
{
    if (!controllerClass_.isValid())
        return kResultFalse;
    controllerClass_.toTUID(classId);
    return kResultOk;
}

BusList* Component::getBusList(MediaType type, BusDirection dir)
{
    if (type == kAudio)
        return dir == kInput ? &audioInputs_ : dir == kOutput ? &audioOutputs_ : nullptr;
    if (type == kEvent)
        return dir == kInput ? &eventInputs_ : dir == kOutput ? &eventOutputs_ : nullptr;
    return nullptr;
}

int32 PLUGIN_API Component::getBusCount(MediaType type, BusDirection dir)
{
    BusList* list = getBusList(type, dir);
    return list ? list->size() : 0;
}

tresult PLUGIN_API Component::getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& info)
{
    BusList* list = getBusList(type, dir);
    Bus* bus = list ? list->at(index) : nullptr;
    if (!bus)
        return kInvalidArgument;
    info = {};
    info.mediaType = type;
    info.direction = dir;
    return bus->getInfo(info) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API Component::activateBus(MediaType type, BusDirection dir, int32 index, TBool state)
{
    BusList* list = getBusList(type, dir);
    Bus* bus = list ? list->at(index) : nullptr;
    if (!bus)
        return kInvalidArgument;
    bus->setActive(state != 0);
    return kResultOk;
}

void Component::removeAudioBusses()
{
    audioInputs_.clear();
    audioOutputs_.clear();
}

void Component::removeAllBusses()
{
    removeAudioBusses();
    eventInputs_.clear();
    eventOutputs_.clear();
}

tresult PLUGIN_API AudioEffect::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IAudioProcessor>(iid, obj, this))
        return kResultOk;
    return Component::queryInterface(iid, obj);
}

namespace {
template <typename B, typename... A>
B* append_bus(BusList& list, A... args)
{
    auto bus = std::make_unique<B>(args...);
    B* raw = bus.get();
    list.append(std::move(bus));
    return raw;
}
}  // namespace

AudioBus* AudioEffect::addAudioInput(const char8* name, SpeakerArrangement arr, BusType type, int32 flags)
{
    return append_bus<AudioBus>(audioInputs_, name, type, flags, arr);
}

AudioBus* AudioEffect::addAudioOutput(const char8* name, SpeakerArrangement arr, BusType type, int32 flags)
{
    return append_bus<AudioBus>(audioOutputs_, name, type, flags, arr);
}

EventBus* AudioEffect::addEventInput(const char8* name, int32 channels, BusType type, int32 flags)
{
    return append_bus<EventBus>(eventInputs_, name, type, flags, channels);
}

tresult PLUGIN_API AudioEffect::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                   SpeakerArrangement* outputs, int32 numOuts)
{
    if (numIns < 0 || numOuts < 0 || numIns > audioInputs_.size() || numOuts > audioOutputs_.size())
        return kResultFalse;
    if ((numIns > 0 && !inputs) || (numOuts > 0 && !outputs))
        return kInvalidArgument;
    for (int32 i = 0; i < numIns; ++i)
        getAudioInput(i)->setArrangement(inputs[i]);
    for (int32 i = 0; i < numOuts; ++i)
        getAudioOutput(i)->setArrangement(outputs[i]);
    return kResultOk;
}

tresult PLUGIN_API AudioEffect::getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr)
{
    const AudioBus* bus = dir == kInput    ? getAudioInput(index)
                          : dir == kOutput ? getAudioOutput(index)
                                           : nullptr;
    if (!bus)
        return kInvalidArgument;
    arr = bus->getArrangement();
    return kResultOk;
}

tresult PLUGIN_API AudioEffect::canProcessSampleSize(int32 symbolicSampleSize)
{
    return symbolicSampleSize == kSample32 ? kResultOk : kResultFalse;
}

tresult PLUGIN_API AudioEffect::setupProcessing(ProcessSetup& setup)
{
    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultOk)
        return kResultFalse;
    processSetup_ = setup;
    return kResultOk;
}

}  // namespace Steinberg::Vst
