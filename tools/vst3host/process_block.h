#pragma once
// The block a host hands to process(): realtime, 32-bit, one bus each way
// and the parameter changes both ways. The buses stay the caller's.
#include "ivstcomponent.h"

namespace vst3host {

using namespace Steinberg;
using namespace Steinberg::Vst;

inline ProcessData realtime_block(AudioBusBuffers& in, AudioBusBuffers& out, int32 frames,
                                  IParameterChanges* changes, IParameterChanges* outChanges)
{
    ProcessData data{};
    data.processMode = kRealtime;
    data.symbolicSampleSize = kSample32;
    data.numSamples = frames;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &in;
    data.outputs = &out;
    data.inputParameterChanges = changes;
    data.outputParameterChanges = outChanges;
    return data;
}

}  // namespace vst3host
