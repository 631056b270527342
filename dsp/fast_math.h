#pragma once
// The compressor's per-frame approximations of log2 and exp. They are part
// of its sound: keep them bit for bit.
#include <cstdint>
#include <cstring>

namespace vlt {

inline uint32_t float_bits(float x) noexcept
{
    uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

inline float bits_float(uint32_t b) noexcept
{
    float x;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

// Exact at powers of two, quadratic in the mantissa between them.
// 0 reads as mantissa 1 with biased exponent 0, i.e. -127.
inline float fastlog2(float x) noexcept
{
    const uint32_t b = float_bits(x);
    const int32_t e = static_cast<int32_t>((b >> 23) & 255u);
    const float m = bits_float((b & 0x807fffffu) | 0x3f800000u);
    return m * (2.0f - m / 3.0f) - 2.0f / 3.0f + static_cast<float>(e - 128);
}

// About e^y. Linear mantissa interpolation with an integer correction of
// its bulge at the middle of each octave; fastexp(0) is exactly 1.
inline float fastexp(float y) noexcept
{
    const int32_t i = static_cast<int32_t>(y * 12102203.0f);
    const int32_t f = i & 0x7fffff;
    const int32_t h = f >> 8;
    const int32_t corr = (128 * f - h * h) / 372;
    return bits_float(static_cast<uint32_t>(i + 0x3f800000 - corr));
}

}  // namespace vlt
