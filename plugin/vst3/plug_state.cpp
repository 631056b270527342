#include "plug_state.h"

namespace Steinberg::Vst::vlt650 {

namespace {
bool read_float(IBStream* stream, float& v)
{
    v = 0.0f;
    int32 got = 0;
    return stream->read(&v, sizeof(v), &got) == kResultOk && got == static_cast<int32>(sizeof(v));
}
}  // namespace

tresult readState(IBStream* stream, StateValues& out)
{
    StateValues read;
    for (int i = 0; i < kStateRequired; ++i)
        if (!read_float(stream, read.value[i]))
            return kResultFalse;
    read.hasHostBypass = read_float(stream, read.value[kStateRequired]);
    out = read;
    return kResultOk;
}

tresult writeState(IBStream* stream, const float (&values)[kStateValues])
{
    for (float v : values) {
        int32 written = 0;
        if (stream->write(&v, sizeof(v), &written) != kResultOk || written != static_cast<int32>(sizeof(v)))
            return kResultFalse;
    }
    return kResultOk;
}

}  // namespace Steinberg::Vst::vlt650
