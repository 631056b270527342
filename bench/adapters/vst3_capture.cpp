// Loads a VST3 module as a host does and prints one digest line per capture
// scenario, stereo and mono: the outputs, the meter values the processor
// sends back and the state bytes it saves at the end.
//
//   vst3_capture MODULE.so
#include <dlfcn.h>

#include <cinttypes>
#include <cstdio>
#include <vector>

#include "capture_scenarios.h"
#include "host_objects.h"
#include "ipluginbase.h"
#include "process_block.h"

using namespace vst3host;

namespace {

ParamID id_of(int control) { return control == capture::kEffect ? 7u : static_cast<ParamID>(control); }

uint64_t run(IPluginFactory* factory, const capture::Scenario& s, int channels)
{
    PClassInfo first{};
    factory->getClassInfo(0, &first);
    void* obj = nullptr;
    if (factory->createInstance(first.cid, IComponent::iid, &obj) != kResultOk || !obj)
        return 0;
    IPtr<IComponent> component(static_cast<IComponent*>(obj), false);
    IPtr<IAudioProcessor> processor = query<IAudioProcessor>(component.get());
    auto* host = new HostApplication;
    component->initialize(host);
    SpeakerArrangement arr = channels == 2 ? 3 : 1;
    processor->setBusArrangements(&arr, 1, &arr, 1);
    ProcessSetup setup{kRealtime, kSample32, s.block, static_cast<double>(s.rate)};
    processor->setupProcessing(setup);
    component->setActive(true);
    processor->setProcessing(true);

    capture::Generator genL(s.material, 1), genR(s.material, 2);
    std::vector<float> inL(s.block), inR(s.block), outL(s.block), outR(s.block);
    capture::Digest d;
    long frame = 0;
    for (int call = 0; call < s.calls; ++call) {
        auto* changes = new ParameterChanges;
        auto* outChanges = new ParameterChanges;
        for (const capture::Move& m : s.moves)
            if (m.block == call) {
                int32 index = 0;
                changes->addParameterData(id_of(m.control), index)->addPoint(0, m.value, index);
            }
        for (int i = 0; i < s.block; ++i, ++frame) {
            inL[i] = genL.next(frame);
            inR[i] = genR.next(frame);
        }
        float* in[2] = {inL.data(), inR.data()};
        float* out[2] = {outL.data(), outR.data()};
        AudioBusBuffers inBus{}, outBus{};
        inBus.numChannels = outBus.numChannels = channels;
        inBus.channelBuffers32 = in;
        outBus.channelBuffers32 = s.inPlace ? in : out;
        ProcessData data = realtime_block(inBus, outBus, s.block, changes, outChanges);
        processor->process(data);
        for (int c = 0; c < channels; ++c)
            d.add(outBus.channelBuffers32[c], sizeof(float) * s.block);
        for (int32 q = 0; q < outChanges->getParameterCount(); ++q) {
            ParamValueQueue* queue = outChanges->queue(q);
            int32 offset = 0;
            ParamValue v = 0;
            if (queue && queue->getPoint(queue->getPointCount() - 1, offset, v) == kResultOk) {
                const uint32_t id = queue->getParameterId();
                d.add(&call, sizeof call);
                d.add(&id, sizeof id);
                d.add(&v, sizeof v);
            }
        }
        changes->release();
        outChanges->release();
    }
    processor->setProcessing(false);
    component->setActive(false);
    auto* state = new MemoryStream;
    component->getState(state);
    d.add(state->bytes().data(), state->bytes().size());
    state->release();
    component->terminate();
    host->release();
    return d.value();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vst3_capture MODULE.so\n");
        return 2;
    }
    void* lib = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    auto entry = lib ? reinterpret_cast<bool (*)(void*)>(dlsym(lib, "ModuleEntry")) : nullptr;
    auto getFactory = lib ? reinterpret_cast<IPluginFactory* (*)()>(dlsym(lib, "GetPluginFactory")) : nullptr;
    if (!entry || !getFactory || !entry(lib)) {
        std::fprintf(stderr, "vst3_capture: cannot load %s\n", argv[1]);
        return 1;
    }
    {
        IPtr<IPluginFactory> factory(getFactory(), false);
        for (int channels : {2, 1})
            for (const capture::Scenario& s : capture::scenarios())
                std::printf("%s-%-22s %016" PRIx64 "\n", channels == 2 ? "stereo" : "mono", s.name,
                            run(factory.get(), s, channels));
    }
    if (auto exit_ = reinterpret_cast<bool (*)()>(dlsym(lib, "ModuleExit")))
        exit_();
    return 0;
}
