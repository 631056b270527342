#pragma once
// Processor-side interfaces: component, audio processor and their records.
#include "ibstream.h"
#include "ipluginbase.h"

namespace Steinberg::Vst {

enum MediaTypes { kAudio = 0, kEvent = 1 };
enum BusDirections { kInput = 0, kOutput = 1 };
enum BusTypes { kMain = 0, kAux = 1 };
enum IoModes { kSimple = 0, kAdvanced = 1, kOfflineProcessing = 2 };
enum ProcessModes { kRealtime = 0, kPrefetch = 1, kOffline = 2 };
enum SymbolicSampleSizes { kSample32 = 0, kSample64 = 1 };

namespace SpeakerArr {
inline constexpr SpeakerArrangement kEmpty = 0;
inline constexpr SpeakerArrangement kMono = 1ull << 19;  // the mono speaker bit
inline constexpr SpeakerArrangement kStereo = 0x3;       // left and right
inline int32 getChannelCount(SpeakerArrangement arr) { return __builtin_popcountll(arr); }
}  // namespace SpeakerArr

struct BusInfo {
    enum BusFlags { kDefaultActive = 1 << 0, kIsControlVoltage = 1 << 1 };
    MediaType mediaType;
    BusDirection direction;
    int32 channelCount;
    String128 name;
    BusType busType;
    uint32 flags;
};

struct RoutingInfo {
    MediaType mediaType;
    int32 busIndex;
    int32 channel;
};

struct IComponent : IPluginBase {
    VST3_INTERFACE_IID(IComponent);
    virtual tresult PLUGIN_API getControllerClassId(TUID classId) = 0;
    virtual tresult PLUGIN_API setIoMode(IoMode mode) = 0;
    virtual int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) = 0;
    virtual tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus) = 0;
    virtual tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) = 0;
    virtual tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index, TBool state) = 0;
    virtual tresult PLUGIN_API setActive(TBool state) = 0;
    virtual tresult PLUGIN_API setState(IBStream* state) = 0;
    virtual tresult PLUGIN_API getState(IBStream* state) = 0;
};

struct IParamValueQueue : FUnknown {
    VST3_INTERFACE_IID(IParamValueQueue);
    virtual ParamID PLUGIN_API getParameterId() = 0;
    virtual int32 PLUGIN_API getPointCount() = 0;
    virtual tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) = 0;
    virtual tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) = 0;
};

struct IParameterChanges : FUnknown {
    VST3_INTERFACE_IID(IParameterChanges);
    virtual int32 PLUGIN_API getParameterCount() = 0;
    virtual IParamValueQueue* PLUGIN_API getParameterData(int32 index) = 0;
    virtual IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) = 0;
};

struct IEventList;  // events are declared by the host; the plug-in never reads them
struct ProcessContext;

struct ProcessSetup {
    int32 processMode;
    int32 symbolicSampleSize;
    int32 maxSamplesPerBlock;
    SampleRate sampleRate;
};

struct AudioBusBuffers {
    int32 numChannels;
    uint64 silenceFlags;
    union {
        Sample32** channelBuffers32;
        Sample64** channelBuffers64;
    };
};

struct ProcessData {
    int32 processMode;
    int32 symbolicSampleSize;
    int32 numSamples;
    int32 numInputs;
    int32 numOutputs;
    AudioBusBuffers* inputs;
    AudioBusBuffers* outputs;
    IParameterChanges* inputParameterChanges;
    IParameterChanges* outputParameterChanges;
    IEventList* inputEvents;
    IEventList* outputEvents;
    ProcessContext* processContext;
};

struct IAudioProcessor : FUnknown {
    VST3_INTERFACE_IID(IAudioProcessor);
    virtual tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                  SpeakerArrangement* outputs, int32 numOuts) = 0;
    virtual tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr) = 0;
    virtual tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) = 0;
    virtual uint32 PLUGIN_API getLatencySamples() = 0;
    virtual tresult PLUGIN_API setupProcessing(ProcessSetup& setup) = 0;
    virtual tresult PLUGIN_API setProcessing(TBool state) = 0;
    virtual tresult PLUGIN_API process(ProcessData& data) = 0;
    virtual uint32 PLUGIN_API getTailSamples() = 0;
};

}  // namespace Steinberg::Vst
