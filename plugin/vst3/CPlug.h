#pragma once
// The VST3 audio processor: one compressor, the block loop and the state.
#include <memory>

#include "CNFq.h"
#include "component.h"
#include "param_index.h"
#include "relaxed.h"

namespace Steinberg::Vst {

class CPlug : public AudioEffect {
public:
    CPlug();
    ~CPlug() override;

    static FUnknown* createInstance(void* context);

    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                          SpeakerArrangement* outputs, int32 numOuts) override;
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
    tresult PLUGIN_API setActive(TBool state) override;
    tresult PLUGIN_API setProcessing(TBool state) override;
    tresult PLUGIN_API process(ProcessData& data) override;
    tresult PLUGIN_API getState(IBStream* stream) override;
    tresult PLUGIN_API setState(IBStream* stream) override;
    tresult PLUGIN_API notify(IMessage* message) override;
    tresult receiveText(const char8* text) override;

    // Read-only views for tests.
    const CNFq& compressor() const { return *compressor_; }
    float meter() const { return meter_; }

private:
    using RFloat = ::vlt::Relaxed<float>;
    static constexpr int kControls = ::vlt::params::kKnobCount;  // control_ by the model's order

    void applyControl(int index, float v);
    void updateSwitch();
    void readParameterChanges(IParameterChanges* changes);
    void runBlock(ProcessData& data);
    void sendMeter(IParameterChanges* out);
    float stateValue(::vlt::params::Index q) const;

    std::unique_ptr<CNFq> compressor_;
    float compressorRate_ = 48000.0f;
    // Written by setState on the UI thread, read and written by process.
    RFloat control_[kControls];
    RFloat effectIn_{0.0f};
    RFloat hostBypass_{0.0f};
    RFloat meter_{0.0f};
    float meterSent_ = 0.0f;
};

}  // namespace Steinberg::Vst
