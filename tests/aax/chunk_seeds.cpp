// Writes the fuzz target's starting corpus into the folder given: the state
// the plug-in really saves, and a record with an entry of every kind the
// reader knows, so the fuzzer starts past the header check.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "AAX_CChunkDataParser.h"
#include "AAX_CEffectParameters.h"
#include "VLT650_Parameters.h"

namespace {

using Bytes = std::vector<unsigned char>;

bool write(const std::string& path, const Bytes& data)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

Bytes data_of(const std::vector<unsigned char>& record)
{
    const auto* chunk = reinterpret_cast<const AAX_SPlugInChunk*>(record.data());
    const auto* data = reinterpret_cast<const unsigned char*>(chunk->fData);
    return Bytes(data, data + chunk->fSize);
}

Bytes plugin_state()
{
    auto* p = static_cast<AAX_IACFEffectParameters_V2*>(VLT650_Parameters::Create());
    p->AddRef();
    p->Initialize(nullptr);
    p->SetParameterNormalizedValue("In", 1.0);
    p->SetParameterNormalizedValue("Ratio", 0.5);
    uint32_t size = 0;
    p->GetChunkSize(kControlsChunkID, &size);
    std::vector<unsigned char> record(kAAXChunkHeaderSize + size);
    p->GetChunk(kControlsChunkID, reinterpret_cast<AAX_SPlugInChunk*>(record.data()));
    p->Uninitialize();
    p->Release();
    return data_of(record);
}

Bytes every_kind()
{
    AAX_CChunkDataParser parser;
    parser.AddDouble("InGain", 0.5);
    parser.AddInt32("Count", -2);
    parser.AddString("Label", AAX_CString("text"));
    std::vector<unsigned char> record(kAAXChunkHeaderSize + size_t(parser.GetChunkDataSize()));
    parser.GetChunkData(reinterpret_cast<AAX_SPlugInChunk*>(record.data()));
    Bytes data = data_of(record);
    // The writer makes no float or 16-bit entries; older states may hold them.
    const Bytes more = {'f', '_', 'F', 0, 0x3F, 0x80, 0, 0, 's', '_', 'S', 0, 0x12, 0x34, 0, 0};
    data.insert(data.end(), more.begin(), more.end());
    return data;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    const bool ok = write(dir + "/plugin_state", plugin_state()) &&
                    write(dir + "/every_kind", every_kind()) && write(dir + "/empty", Bytes{1, 1, 1, 1});
    return ok ? 0 : 1;
}
