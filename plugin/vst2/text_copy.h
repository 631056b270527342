#pragma once
// Copies into a host's fixed-size text buffer, always terminated.
#include <cstddef>
#include <cstring>

namespace vst2 {

inline void copy_text(char* dst, std::size_t capacity, const char* src)
{
    if (!dst || capacity == 0)
        return;
    std::size_t n = 0;
    while (src && n + 1 < capacity && src[n] != '\0')
        ++n;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

// Parameter names and display texts: the longest normal text ("1000.00 ms")
// is 10 characters, and hosts give little more.
constexpr std::size_t kParamTextBytes = 11;

}  // namespace vst2
