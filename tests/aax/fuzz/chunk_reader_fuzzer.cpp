// Arbitrary bytes as the data of a saved-state record from a project file:
// the reader must stay inside the record's size, and whatever it makes of
// the bytes must reach the plug-in's parameters as values in range.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "AAX_CChunkDataParser.h"
#include "AAX_CEffectParameters.h"
#include "VLT650_Parameters.h"

namespace {

// The record exactly as large as its size says, so a read past the size
// lands outside the allocation.
std::vector<unsigned char> record_of(const uint8_t* data, size_t size)
{
    std::vector<unsigned char> bytes(kAAXChunkHeaderSize + size);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(bytes.data());
    chunk->fSize = int32_t(size);
    chunk->fVersion = -1;
    chunk->fChunkID = kControlsChunkID;
    if (size)
        std::memcpy(bytes.data() + kAAXChunkHeaderSize, data, size);
    return bytes;
}

void read_and_write_back(const AAX_SPlugInChunk* chunk)
{
    AAX_CChunkDataParser parser;
    parser.LoadChunk(chunk);
    double d;
    int32_t i;
    AAX_CString s;
    for (const AAX_CChunkDataParser::DataValue& e : parser.Entries()) {
        parser.FindDouble(e.mName.Get(), &d);
        parser.FindInt32(e.mName.Get(), &i);
        parser.FindString(e.mName.Get(), &s);
    }
    const int32_t size = parser.GetChunkDataSize();
    if (size < 0)
        __builtin_trap();
    std::vector<unsigned char> out(kAAXChunkHeaderSize + size_t(size));
    parser.GetChunkData(reinterpret_cast<AAX_SPlugInChunk*>(out.data()));
}

AAX_IACFEffectParameters_V2& effect()
{
    // One instance for the whole run, as a host keeps one per insert; no
    // host automation, so a restored value is applied at once.
    static AAX_IACFEffectParameters_V2* instance = [] {
        auto* p = static_cast<AAX_IACFEffectParameters_V2*>(VLT650_Parameters::Create());
        p->AddRef();
        p->Initialize(nullptr);
        return p;
    }();
    return *instance;
}

void restore_and_compare(const AAX_SPlugInChunk* chunk)
{
    AAX_IACFEffectParameters_V2& p = effect();
    p.SetChunk(kControlsChunkID, chunk);
    AAX_CBoolean active = 0;
    p.CompareActiveChunk(chunk, &active);

    int32_t count = 0;
    p.GetNumberOfParameters(&count);
    for (int32_t index = 0; index < count; ++index) {
        AAX_CString id;
        double normalized = -1;
        AAX_IParameter* parameter = nullptr;
        p.GetParameterIDFromIndex(index, &id);
        p.GetParameterNormalizedValue(id.Get(), &normalized);
        if (!(normalized >= 0.0 && normalized <= 1.0))
            __builtin_trap();
        float real = 0;
        if (p.GetParameter(id.Get(), &parameter) == AAX_SUCCESS && parameter->GetValueAsFloat(&real) &&
            !std::isfinite(real))
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return -1;
    const std::vector<unsigned char> bytes = record_of(data, size);
    const auto* chunk = reinterpret_cast<const AAX_SPlugInChunk*>(bytes.data());
    read_and_write_back(chunk);
    restore_and_compare(chunk);
    return 0;
}
