#pragma once
// The operation set of simd_lanes.h in eight AVX2 lanes. Include only where
// AVX2 code generation is enabled, and call only after checking the CPU.
#include <immintrin.h>

#include <cstdint>

namespace vlt::simd {
namespace {

struct Avx2Lanes {
    static constexpr int kWidth = 8;
    using F = __m256;
    using I = __m256i;
    static F splat(float x) { return _mm256_set1_ps(x); }
    static I splat_i(int32_t x) { return _mm256_set1_epi32(x); }
    static F load(const float* p) { return _mm256_load_ps(p); }
    static void store(float* p, F v) { _mm256_store_ps(p, v); }
    static F load_any(const float* p) { return _mm256_loadu_ps(p); }
    static void store_any(float* p, F v) { _mm256_storeu_ps(p, v); }
    static F add(F a, F b) { return _mm256_add_ps(a, b); }
    static F sub(F a, F b) { return _mm256_sub_ps(a, b); }
    static F mul(F a, F b) { return _mm256_mul_ps(a, b); }
    static F div(F a, F b) { return _mm256_div_ps(a, b); }
    static F max(F a, F b) { return _mm256_max_ps(a, b); }  // a > b ? a : b
    static F min(F a, F b) { return _mm256_min_ps(a, b); }  // a < b ? a : b
    static F lt(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_LT_OS); }
    static F le(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_LE_OS); }
    static F ge(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_GE_OS); }
    static F bit_and(F a, F b) { return _mm256_and_ps(a, b); }
    static F bit_or(F a, F b) { return _mm256_or_ps(a, b); }
    static F and_not(F a, F b) { return _mm256_andnot_ps(a, b); }  // ~a & b
    static F bit_xor(F a, F b) { return _mm256_xor_ps(a, b); }
    static I as_int(F a) { return _mm256_castps_si256(a); }
    static F as_float(I a) { return _mm256_castsi256_ps(a); }
    static I truncate(F a) { return _mm256_cvttps_epi32(a); }
    static F to_float(I a) { return _mm256_cvtepi32_ps(a); }
    static I and_i(I a, I b) { return _mm256_and_si256(a, b); }
    static I or_i(I a, I b) { return _mm256_or_si256(a, b); }
    static I add_i(I a, I b) { return _mm256_add_epi32(a, b); }
    static I sub_i(I a, I b) { return _mm256_sub_epi32(a, b); }
    static I shr_i(I a, int n) { return _mm256_srli_epi32(a, n); }
    static I shl_i(I a, int n) { return _mm256_slli_epi32(a, n); }
    static I madd16(I a, I b) { return _mm256_madd_epi16(a, b); }
    static I mul_even_u32(I a, I b) { return _mm256_mul_epu32(a, b); }
    static I shr_u64(I a, int n) { return _mm256_srli_epi64(a, n); }
    static I shl_u64(I a, int n) { return _mm256_slli_epi64(a, n); }
};

}  // namespace
}  // namespace vlt::simd
