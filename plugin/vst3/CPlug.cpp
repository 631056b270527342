#include "CPlug.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "apply_control.h"
#include "audio_path.h"
#include "compressor_start.h"
#include "denormal_guard.h"
#include "gain_meter.h"
#include "plug_ids.h"
#include "plug_params.h"
#include "plug_state.h"
#include "start_values.h"

namespace Steinberg::Vst {

using namespace vlt650;
namespace params = ::vlt::params;

namespace {

constexpr int32 kMaxChannels = 64;

int32 bits(SpeakerArrangement arr) { return SpeakerArr::getChannelCount(arr); }

// Channel pointers of a bus, none when the host left them out.
int32 channel_count(const AudioBusBuffers& bus)
{
    if (!bus.channelBuffers32 || bus.numChannels <= 0)
        return 0;
    return std::min(bus.numChannels, kMaxChannels);
}

}  // namespace

CPlug::CPlug() : compressor_(std::make_unique<CNFq>())
{
    setControllerClass(kControllerUID);
    const float(&start)[params::kProgramValues] = params::kVst3StartValues;
    params::start_compressor<params::Vst3Precision>(*compressor_, params::kVst3StartRate, start);
    for (int i = 0; i < kControls; ++i)
        control_[i] = start[i];
    effectIn_ = start[params::kEffect];
    hostBypass_ = params::kVst3StartHostBypass;
    updateSwitch();
}

CPlug::~CPlug() = default;

FUnknown* CPlug::createInstance(void*) { return static_cast<IAudioProcessor*>(new CPlug()); }

tresult PLUGIN_API CPlug::initialize(FUnknown* context)
{
    const tresult r = AudioEffect::initialize(context);
    if (r != kResultOk)
        return r;
    addAudioInput("Stereo In", SpeakerArr::kStereo);
    addAudioOutput("Stereo Out", SpeakerArr::kStereo);
    addEventInput("Event In", 1);
    return kResultOk;
}

tresult PLUGIN_API CPlug::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                             SpeakerArrangement* outputs, int32 numOuts)
{
    if (numIns != 1 || numOuts != 1 || !inputs || !outputs)
        return kResultFalse;
    const AudioBus* bus = getAudioInput(0);
    if (!bus)
        return kResultFalse;
    const SpeakerArrangement in = inputs[0], out = outputs[0];
    if (bits(in) == 1 && bits(out) == 1) {
        if (bus->getArrangement() == in)
            return kResultOk;
        removeAudioBusses();
        addAudioInput("Mono In", in);
        addAudioOutput("Mono Out", in);
        return kResultOk;
    }
    if (bits(in) == 2 && bits(out) == 2) {
        removeAudioBusses();
        addAudioInput("Stereo In", in);
        addAudioOutput("Stereo Out", out);
        return kResultOk;
    }
    if (bus->getArrangement() == SpeakerArr::kStereo)
        return kResultFalse;
    removeAudioBusses();
    addAudioInput("Stereo In", SpeakerArr::kStereo);
    addAudioOutput("Stereo Out", SpeakerArr::kStereo);
    return kResultFalse;
}

tresult PLUGIN_API CPlug::setupProcessing(ProcessSetup& setup)
{
    const float rate = static_cast<float>(setup.sampleRate);
    // A rate of zero, below or not a number would leave the compressor's
    // coefficients undefined; keep the last good one.
    if (rate != compressorRate_ && rate >= 1.0f && std::isfinite(rate)) {
        compressorRate_ = rate;
        compressor_->nq_srate(static_cast<int>(rate));
        compressor_->nq_init();
    }
    return AudioEffect::setupProcessing(setup);
}

tresult PLUGIN_API CPlug::setActive(TBool state)
{
    if (!state) {
        sendTextMessage("[VLT650-VST3] setActive (false)");
        compressor_->nq_clear();
    } else {
        sendTextMessage("[VLT650-VST3] setActive (true)");
    }
    return AudioEffect::setActive(state);
}

tresult PLUGIN_API CPlug::setProcessing(TBool state)
{
    if (!state)
        compressor_->nq_clear();
    return AudioEffect::setProcessing(state);
}

void CPlug::applyControl(int index, float v)
{
    control_[index] = v;
    // The stored value stays as received; the compressor only ever sees
    // 0..1, so a stray NaN cannot poison its state.
    params::apply<params::Vst3Precision>(*compressor_, index, params::clamp_unit(v));
}

void CPlug::updateSwitch()
{
    const float in = params::clamp_unit(static_cast<float>(effectIn_));
    const float bypassed = params::clamp_unit(static_cast<float>(hostBypass_));
    compressor_->nqs_comp_in(params::switched_on(in * (1.0f - bypassed)));
}

void CPlug::readParameterChanges(IParameterChanges* changes)
{
    const int32 count = changes->getParameterCount();
    for (int32 i = 0; i < count; ++i) {
        IParamValueQueue* queue = changes->getParameterData(i);
        if (!queue)
            continue;
        const ParamID id = queue->getParameterId();
        const int32 points = queue->getPointCount();
        int32 offset = 0;
        ParamValue value = 0.0;
        if (points <= 0 || queue->getPoint(points - 1, offset, value) != kResultOk)
            continue;
        const float v = static_cast<float>(value);
        params::Index q;
        if (!params::vst3::quantity_of(id, &q))
            continue;
        if (params::is_knob(q)) {
            applyControl(q, v);
        } else if (q == params::kEffect) {
            effectIn_ = v;
            updateSwitch();
        } else if (q == params::kHostBypass) {
            hostBypass_ = v;
            updateSwitch();
        }
    }
}

void CPlug::runBlock(ProcessData& data)
{
    AudioBusBuffers& inBus = data.inputs[0];
    AudioBusBuffers& outBus = data.outputs[0];
    const int32 inCount = channel_count(inBus);
    const int32 outCount = channel_count(outBus);
    auto input = [&](int32 c) -> const float* { return c < inCount ? inBus.channelBuffers32[c] : nullptr; };
    auto output = [&](int32 c) -> float* { return c < outCount ? outBus.channelBuffers32[c] : nullptr; };

    // The compressor takes channels 0 and 1 (a missing one is silence, a
    // mono bus feeds 0 on the right); channels beyond pass through as they
    // came, silent where the input has no such channel.
    const int32 frames = data.numSamples;
    const float gain =
        ::vlt::run_sub_blocks(*compressor_, {input(0), input(1), output(0), output(1)}, frames);
    for (int32 c = 2; c < outCount; ++c) {
        float* out = output(c);
        const float* in = input(c);
        if (!out || frames <= 0 || out == in)
            continue;
        if (in)
            std::memmove(out, in, sizeof(float) * static_cast<size_t>(frames));
        else
            std::memset(out, 0, sizeof(float) * static_cast<size_t>(frames));
    }
    outBus.silenceFlags = 0;
    if (frames > 0)
        meter_ = params::meter_from_gain<params::Vst3Precision>(gain);
}

void CPlug::sendMeter(IParameterChanges* changes)
{
    const float m = meter_;
    if (changes && (m != meterSent_ || std::isnan(m) || std::isnan(meterSent_))) {
        int32 index = 0;
        const ParamID id = params::vst3::id_of(params::kMeter);
        if (IParamValueQueue* queue = changes->addParameterData(id, index))
            queue->addPoint(0, static_cast<ParamValue>(m), index);
    }
    meterSent_ = m;
}

tresult PLUGIN_API CPlug::process(ProcessData& data)
{
    const ::vlt::DenormalGuard denormals;
    if (data.inputParameterChanges)
        readParameterChanges(data.inputParameterChanges);
    // A host may pass counts without the arrays, or 64-bit buffers this
    // plug-in never offered to take.
    if (data.numInputs <= 0 || data.numOutputs <= 0 || !data.inputs || !data.outputs ||
        data.symbolicSampleSize != kSample32)
        return kResultOk;
    runBlock(data);
    if (data.numSamples > 0)
        sendMeter(data.outputParameterChanges);
    return kResultOk;
}

float CPlug::stateValue(params::Index q) const
{
    if (params::is_knob(q))
        return control_[q];
    if (q == params::kMeter)
        return meter_;
    return q == params::kEffect ? static_cast<float>(effectIn_) : static_cast<float>(hostBypass_);
}

tresult PLUGIN_API CPlug::getState(IBStream* stream)
{
    if (!stream)
        return kResultOk;
    float values[kStateValues];
    for (int slot = 0; slot < kStateValues; ++slot)
        values[slot] = stateValue(params::vst3::kStateOrder[slot]);
    return writeState(stream, values);
}

tresult PLUGIN_API CPlug::setState(IBStream* stream)
{
    if (!stream)
        return kResultOk;
    StateValues state;
    if (readState(stream, state) != kResultOk)
        return kResultFalse;
    if (state.hasHostBypass)
        hostBypass_ = state.value[stateSlot(params::kHostBypass)];
    for (int i = 0; i < kControls; ++i)
        applyControl(i, state.value[stateSlot(static_cast<params::Index>(i))]);
    // The meter's slot is what the processor last computed: not restored.
    effectIn_ = state.value[stateSlot(params::kEffect)];
    updateSwitch();
    return kResultOk;
}

tresult PLUGIN_API CPlug::notify(IMessage* message)
{
    if (!message)
        return kInvalidArgument;
    const char8* id = message->getMessageID();
    if (id && std::strcmp(id, "BinaryMessage") == 0) {
        const void* data = nullptr;
        uint32 size = 0;
        IAttributeList* attributes = message->getAttributes();
        if (attributes && attributes->getBinary("MyData", data, size) == kResultOk)
            return kResultOk;
    }
    return AudioEffect::notify(message);
}

tresult CPlug::receiveText(const char8* text)
{
    if (text)
        std::fprintf(stderr, "[VLT650-VST3] received: %s\n", text);
    return kResultOk;
}

}  // namespace Steinberg::Vst
