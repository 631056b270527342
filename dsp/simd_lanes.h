#pragma once
// The four-lane SSE2 operation set the compressor's vector maths is written
// against (simd_frame_math.h); simd_lanes_avx2.h has the same set in eight
// lanes. Internal linkage on purpose: a file built for a wider instruction
// set gets its own copies, never shared with SSE2-only code.
#include <emmintrin.h>

#include <cstdint>

namespace vlt::simd {
namespace {

struct Sse2Lanes {
    static constexpr int kWidth = 4;
    using F = __m128;
    using I = __m128i;
    static F splat(float x) { return _mm_set1_ps(x); }
    static I splat_i(int32_t x) { return _mm_set1_epi32(x); }
    static F load(const float* p) { return _mm_load_ps(p); }
    static void store(float* p, F v) { _mm_store_ps(p, v); }
    static F load_any(const float* p) { return _mm_loadu_ps(p); }
    static void store_any(float* p, F v) { _mm_storeu_ps(p, v); }
    static F add(F a, F b) { return _mm_add_ps(a, b); }
    static F sub(F a, F b) { return _mm_sub_ps(a, b); }
    static F mul(F a, F b) { return _mm_mul_ps(a, b); }
    static F div(F a, F b) { return _mm_div_ps(a, b); }
    static F max(F a, F b) { return _mm_max_ps(a, b); }  // a > b ? a : b
    static F min(F a, F b) { return _mm_min_ps(a, b); }  // a < b ? a : b
    static F lt(F a, F b) { return _mm_cmplt_ps(a, b); }
    static F le(F a, F b) { return _mm_cmple_ps(a, b); }
    static F ge(F a, F b) { return _mm_cmpge_ps(a, b); }
    static F bit_and(F a, F b) { return _mm_and_ps(a, b); }
    static F bit_or(F a, F b) { return _mm_or_ps(a, b); }
    static F and_not(F a, F b) { return _mm_andnot_ps(a, b); }  // ~a & b
    static F bit_xor(F a, F b) { return _mm_xor_ps(a, b); }
    static I as_int(F a) { return _mm_castps_si128(a); }
    static F as_float(I a) { return _mm_castsi128_ps(a); }
    static I truncate(F a) { return _mm_cvttps_epi32(a); }
    static F to_float(I a) { return _mm_cvtepi32_ps(a); }
    static I and_i(I a, I b) { return _mm_and_si128(a, b); }
    static I or_i(I a, I b) { return _mm_or_si128(a, b); }
    static I add_i(I a, I b) { return _mm_add_epi32(a, b); }
    static I sub_i(I a, I b) { return _mm_sub_epi32(a, b); }
    static I shr_i(I a, int n) { return _mm_srli_epi32(a, n); }
    static I shl_i(I a, int n) { return _mm_slli_epi32(a, n); }
    static I madd16(I a, I b) { return _mm_madd_epi16(a, b); }
    static I mul_even_u32(I a, I b) { return _mm_mul_epu32(a, b); }
    static I shr_u64(I a, int n) { return _mm_srli_epi64(a, n); }
    static I shl_u64(I a, int n) { return _mm_slli_epi64(a, n); }
};

}  // namespace
}  // namespace vlt::simd
