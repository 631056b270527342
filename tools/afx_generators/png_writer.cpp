#include "png_writer.h"

#include <cstdio>
#include <vector>
#include <zlib.h>

namespace {

void put_be32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(v >> shift));
}

void chunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& data)
{
    put_be32(file, uint32_t(data.size()));
    const size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    put_be32(file, uint32_t(crc32(0, file.data() + start, uInt(file.size() - start))));
}

}  // namespace

bool afx_write_png(const std::string& path, int width, int height, const uint8_t* rgba, int rowstride)
{
    // Each row starts with filter type 0 (none).
    std::vector<uint8_t> raw;
    raw.reserve(size_t(height) * (size_t(width) * 4 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const uint8_t* row = rgba + size_t(y) * size_t(rowstride);
        raw.insert(raw.end(), row, row + size_t(width) * 4);
    }
    uLongf packed_size = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packed_size);
    if (compress2(packed.data(), &packed_size, raw.data(), uLong(raw.size()), 9) != Z_OK)
        return false;
    packed.resize(packed_size);

    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    put_be32(ihdr, uint32_t(width));
    put_be32(ihdr, uint32_t(height));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    chunk(file, "IHDR", ihdr);
    chunk(file, "IDAT", packed);
    chunk(file, "IEND", {});

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && ok;
}
