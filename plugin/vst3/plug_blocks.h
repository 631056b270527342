#pragma once
// The compressor recomputes its smoothing once per sub-block of at most 64
// frames; every build cuts host blocks the same way.
#include <cstdint>

namespace vlt {

inline constexpr int32_t kSubBlock = 64;

// Calls f(offset, length) for each sub-block of a block of n frames.
template <typename F>
void for_each_sub_block(int32_t n, F&& f)
{
    for (int32_t offset = 0; offset < n; offset += kSubBlock)
        f(offset, n - offset < kSubBlock ? n - offset : kSubBlock);
}

}  // namespace vlt
