#include "wav_header.h"

#include <cstring>
#include <fstream>

namespace vst2host {

namespace {

uint32_t le32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

}  // namespace

std::optional<WavPromise> read_wav_promise(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    unsigned char riff[12];
    if (!f.read(reinterpret_cast<char*>(riff), sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0)
        return std::nullopt;
    f.seekg(0, std::ios::end);
    const int64_t file_size = f.tellg();
    int64_t at = 12;
    uint16_t frame_bytes = 0;
    // Chunks are padded to even sizes; fmt comes before data.
    while (at + 8 <= file_size) {
        unsigned char head[8];
        f.seekg(at);
        if (!f.read(reinterpret_cast<char*>(head), 8))
            return std::nullopt;
        const uint32_t size = le32(head + 4);
        if (std::memcmp(head, "fmt ", 4) == 0) {
            unsigned char format[16];
            if (size < 16 || !f.read(reinterpret_cast<char*>(format), sizeof format))
                return std::nullopt;
            frame_bytes = le16(format + 12);  // the block align field
        } else if (std::memcmp(head, "data", 4) == 0) {
            if (frame_bytes == 0)
                return std::nullopt;
            const int64_t held = (file_size - (at + 8)) / frame_bytes;
            return WavPromise{int64_t{size} / frame_bytes, held};
        }
        at += 8 + int64_t{size} + (size & 1);
    }
    return std::nullopt;
}

}  // namespace vst2host
