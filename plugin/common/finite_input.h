#pragma once
// What the compressor may be fed. An infinite or NaN sample would poison
// its state and come out as NaN even through the dry path (Inf times a
// zero crossfade weight), so such samples reach it as 0. Finite samples
// are left bit for bit as they are, and the host's buffers are never
// written: a sub-block with something to replace is copied first.
#include <cstdint>
#include <cstring>

namespace vlt {

// The exponent field: all ones for Inf and NaN, nothing else.
inline constexpr uint32_t kExponentBits = 0x7f800000u;

inline uint32_t float_bits(float x)
{
    uint32_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

inline float finite_or_zero(float x)
{
    return (float_bits(x) & kExponentBits) == kExponentBits ? 0.0f : x;
}

inline bool all_finite(const float* x, int n)
{
    // One pass without branches: the largest magnitude pattern seen.
    uint32_t largest = 0;
    for (int i = 0; i < n; ++i) {
        const uint32_t magnitude = float_bits(x[i]) & 0x7fffffffu;
        largest = magnitude > largest ? magnitude : largest;
    }
    return largest < kExponentBits;
}

// in itself when every one of its n samples is finite; otherwise scratch
// (room for n samples) holding the samples with Inf and NaN set to 0.
inline const float* finite_input(const float* in, float* scratch, int n)
{
    if (all_finite(in, n))
        return in;
    for (int i = 0; i < n; ++i)
        scratch[i] = finite_or_zero(in[i]);
    return scratch;
}

}  // namespace vlt
