#pragma once
// What the compressor may be fed. An infinite or NaN sample would poison
// its state and come out as NaN even through the dry path (Inf times a
// zero crossfade weight), so such samples reach it as 0. Finite samples
// are left bit for bit as they are, and the host's buffers are never
// written: a sub-block with something to replace is copied first.
#include <cstdint>

#include "fast_math.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VLT_FINITE_SSE2 1
#else
#define VLT_FINITE_SSE2 0
#endif

namespace vlt {

// The exponent field: all ones for Inf and NaN, nothing else.
inline constexpr uint32_t kExponentBits = 0x7f800000u;

inline float finite_or_zero(float x) { return (float_bits(x) & kExponentBits) == kExponentBits ? 0.0f : x; }

// One pass without branches, four samples at a time: the exponent field
// of each sample compared with all ones, the answers or-ed together. The
// samples are in the cache for the compressor afterwards.
inline bool all_finite(const float* x, int n)
{
    uint32_t bad = 0;
    int i = 0;
#if VLT_FINITE_SSE2
    const __m128i exponent = _mm_set1_epi32(static_cast<int32_t>(kExponentBits));
    __m128i any = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i + 4));
        any = _mm_or_si128(any, _mm_cmpeq_epi32(_mm_and_si128(a, exponent), exponent));
        any = _mm_or_si128(any, _mm_cmpeq_epi32(_mm_and_si128(b, exponent), exponent));
    }
    bad = static_cast<uint32_t>(_mm_movemask_epi8(any));
#endif
    for (; i < n; ++i)
        bad |= (float_bits(x[i]) & kExponentBits) == kExponentBits;
    return bad == 0;
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
