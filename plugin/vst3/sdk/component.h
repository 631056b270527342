#pragma once
// The processor side: a component with buses, and the audio effect that
// adds the audio-processor interface.
#include "bus.h"
#include "componentbase.h"

namespace Steinberg::Vst {

class Component : public ComponentBase, public IComponent {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

    tresult PLUGIN_API initialize(FUnknown* context) override { return ComponentBase::initialize(context); }
    tresult PLUGIN_API terminate() override;

    tresult PLUGIN_API getControllerClassId(TUID classId) override;
    tresult PLUGIN_API setIoMode(IoMode mode) override { return kNotImplemented; }
    int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) override;
    tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus) override;
    tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) override
    {
        return kNotImplemented;
    }
    tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index, TBool state) override;
    tresult PLUGIN_API setActive(TBool state) override { return kResultOk; }
    tresult PLUGIN_API setState(IBStream* state) override { return kNotImplemented; }
    tresult PLUGIN_API getState(IBStream* state) override { return kNotImplemented; }

    void setControllerClass(const FUID& cid) { controllerClass_ = cid; }
    BusList* getBusList(MediaType type, BusDirection dir);
    void removeAudioBusses();
    void removeAllBusses();

protected:
    BusList audioInputs_{kAudio, kInput};
    BusList audioOutputs_{kAudio, kOutput};
    BusList eventInputs_{kEvent, kInput};
    BusList eventOutputs_{kEvent, kOutput};

private:
    FUID controllerClass_;
};

class AudioEffect : public Component, public IAudioProcessor {
public:
    VST3_REFCOUNT_METHODS
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;

    AudioBus* addAudioInput(const char8* name, SpeakerArrangement arr, BusType type = kMain,
                            int32 flags = BusInfo::kDefaultActive);
    AudioBus* addAudioOutput(const char8* name, SpeakerArrangement arr, BusType type = kMain,
                             int32 flags = BusInfo::kDefaultActive);
    EventBus* addEventInput(const char8* name, int32 channels = 16, BusType type = kMain,
                            int32 flags = BusInfo::kDefaultActive);
    AudioBus* getAudioInput(int32 index) const { return static_cast<AudioBus*>(audioInputs_.at(index)); }
    AudioBus* getAudioOutput(int32 index) const { return static_cast<AudioBus*>(audioOutputs_.at(index)); }

    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                          SpeakerArrangement* outputs, int32 numOuts) override;
    tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr) override;
    tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
    uint32 PLUGIN_API getLatencySamples() override { return 0; }
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
    tresult PLUGIN_API setProcessing(TBool state) override { return kNotImplemented; }
    tresult PLUGIN_API process(ProcessData& data) override { return kNotImplemented; }
    uint32 PLUGIN_API getTailSamples() override { return 0; }

    const ProcessSetup& getProcessSetup() const { return processSetup_; }

private:
    ProcessSetup processSetup_{kRealtime, kSample32, 1024, 44100.0};
};

}  // namespace Steinberg::Vst
