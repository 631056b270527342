#pragma once
// Host byte stream (state save and restore).
#include "funknown.h"

namespace Steinberg {

struct IBStream : FUnknown {
    VST3_INTERFACE_IID(IBStream);
    enum IStreamSeekMode { kIBSeekSet = 0, kIBSeekCur, kIBSeekEnd };
    virtual tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) = 0;
    virtual tresult PLUGIN_API write(void* buffer, int32 numBytes, int32* numBytesWritten) = 0;
    virtual tresult PLUGIN_API seek(int64 pos, int32 mode, int64* result) = 0;
    virtual tresult PLUGIN_API tell(int64* pos) = 0;
};

}  // namespace Steinberg
