#pragma once
// Vector forms of the compressor's per-frame maths, written once against a
// lane set (simd_lanes.h: Sse2Lanes, simd_lanes_avx2.h: Avx2Lanes). Each is
// the scalar code's exact operation sequence lane by lane: same roundings,
// same comparisons (NaN included), no reassociation, so results are
// bit-identical to the frame path.
//
// std::max(a, b) is (a < b ? b : a), which is V::max(b, a); std::min(a, b)
// is (b < a ? b : a), which is V::min(b, a).
#include <cstdint>

#include "frame_steps.h"

// The kernels are small pieces of one loop body each; a call would spill
// every vector register around it.
#if defined(__GNUC__)
#define VLT_SIMD_INLINE inline __attribute__((always_inline))
#elif defined(_MSC_VER)
#define VLT_SIMD_INLINE __forceinline
#else
#define VLT_SIMD_INLINE inline
#endif

namespace vlt::simd {
namespace {

template <class V>
VLT_SIMD_INLINE typename V::F pick(typename V::F mask, typename V::F a, typename V::F b)
{
    return V::bit_or(V::bit_and(mask, a), V::and_not(mask, b));
}

template <class V>
VLT_SIMD_INLINE typename V::F std_max(typename V::F a, typename V::F b)
{
    return V::max(b, a);
}

template <class V>
VLT_SIMD_INLINE typename V::F std_min(typename V::F a, typename V::F b)
{
    return V::min(b, a);
}

template <class V>
VLT_SIMD_INLINE typename V::F std_clamp01(typename V::F v)
{
    return V::min(V::splat(1.0f), V::max(V::splat(0.0f), v));
}

template <class V>
VLT_SIMD_INLINE typename V::F fastlog2(typename V::F x)
{
    const auto b = V::as_int(x);
    const auto e = V::and_i(V::shr_i(b, 23), V::splat_i(255));
    const auto m = V::as_float(
        V::or_i(V::and_i(b, V::splat_i(static_cast<int32_t>(0x807fffffu))), V::splat_i(0x3f800000)));
    const auto poly = V::mul(m, V::sub(V::splat(2.0f), V::div(m, V::splat(3.0f))));
    const auto exponent = V::to_float(V::sub_i(e, V::splat_i(128)));
    return V::add(V::sub(poly, V::splat(2.0f / 3.0f)), exponent);
}

// n / 372 for 0 <= n < 2^30 as (n * 2955676420) >> 40 (checked for every n
// in that range); there is no 32-bit lane multiply to the high half, so even
// and odd lanes go through separate 32x32->64 products.
template <class V>
VLT_SIMD_INLINE typename V::I div372(typename V::I n)
{
    const auto magic = V::splat_i(static_cast<int32_t>(2955676420u));
    const auto even = V::shr_u64(V::mul_even_u32(n, magic), 40);
    const auto odd = V::shr_u64(V::mul_even_u32(V::shr_u64(n, 32), magic), 40);
    return V::or_i(even, V::shl_u64(odd, 32));
}

template <class V>
VLT_SIMD_INLINE typename V::F fastexp(typename V::F y)
{
    // Truncation gives 0x80000000 out of range, as the scalar conversion does here.
    const auto i = V::truncate(V::mul(y, V::splat(12102203.0f)));
    const auto f = V::and_i(i, V::splat_i(0x7fffff));
    const auto h = V::shr_i(f, 8);    // f >= 0, so logical = arithmetic
    const auto h2 = V::madd16(h, h);  // h < 2^15 fits a 16-bit lane
    // 128 f - h^2 lies in [0, 2^30): truncation equals the unsigned quotient.
    const auto corr = div372<V>(V::sub_i(V::shl_i(f, 7), h2));
    return V::as_float(V::sub_i(V::add_i(i, V::splat_i(0x3f800000)), corr));
}

// Slope of the reduction above threshold, k = 1 - 1 / max(R, 1.01), and
// maxGR / k, where the line meets the limit less the threshold.
template <class V>
struct LawSlope {
    typename V::F k;
    typename V::F limit_over_k;
};

template <class V>
VLT_SIMD_INLINE LawSlope<V> law_slope(typename V::F ratio, typename V::F max_gr)
{
    const auto k = V::sub(V::splat(1.0f), V::div(V::splat(1.0f), std_max<V>(ratio, V::splat(1.01f))));
    return {k, V::div(max_gr, k)};
}

template <class V>
VLT_SIMD_INLINE typename V::F knee_q(typename V::F t, typename V::F k)
{
    const auto two_t = V::add(t, t);
    const auto w = pick<V>(V::le(t, V::splat(0.5f)), two_t, V::sub(V::splat(2.0f), two_t));
    return V::sub(V::mul(V::mul(k, V::splat(0.5f)), w), V::mul(k, V::sub(t, V::mul(t, t))));
}

template <class V>
VLT_SIMD_INLINE typename V::F gain_law_bender(typename V::F L, typename V::F T, LawSlope<V> s,
                                              typename V::F max_gr)
{
    const auto hard = std_min<V>(std_max<V>(V::mul(V::sub(L, T), s.k), V::splat(0.0f)), max_gr);
    const auto c1 = std_clamp01<V>(V::mul(V::sub(L, V::sub(T, V::splat(1.0f))), V::splat(0.5f)));
    const auto knee2 = V::sub(V::add(s.limit_over_k, T), V::splat(1.0f));
    const auto c2 = std_clamp01<V>(V::mul(V::sub(L, knee2), V::splat(0.5f)));
    const auto sum = V::sub(V::add(hard, knee_q<V>(c1, s.k)), knee_q<V>(c2, s.k));
    const auto result = V::bit_xor(sum, V::splat(-0.0f));
    return V::and_not(V::lt(L, V::splat(-1000.0f)), result);
}

template <class V>
VLT_SIMD_INLINE typename V::F soft_clip(typename V::F y)
{
    const auto u = V::mul(y, V::splat(0.5f));
    const auto cubic = V::sub(u, V::div(V::mul(V::mul(u, u), u), V::splat(3.0f)));
    const auto inside = V::bit_and(V::ge(u, V::splat(-1.0f)), V::le(u, V::splat(1.0f)));
    auto r = pick<V>(V::le(u, V::splat(-1.0f)), V::splat(-2.0f / 3.0f), u);
    r = pick<V>(V::ge(u, V::splat(1.0f)), V::splat(2.0f / 3.0f), r);
    r = pick<V>(inside, cubic, r);
    return V::mul(V::splat(2.0f), r);
}

template <class V>
VLT_SIMD_INLINE typename V::F level_db(typename V::F env)
{
    return V::mul(V::splat(20.0f * frame::kLog10of2), fastlog2<V>(env));
}

template <class V>
VLT_SIMD_INLINE typename V::F gain_from_db(typename V::F g_db)
{
    return fastexp<V>(V::mul(V::div(g_db, V::splat(20.0f)), V::splat(frame::kLn10)));
}

template <class V>
VLT_SIMD_INLINE typename V::F crossfade(typename V::F mix, typename V::F dry, typename V::F wet)
{
    return V::add(V::mul(V::sub(V::splat(1.0f), mix), dry), V::mul(mix, wet));
}

}  // namespace
}  // namespace vlt::simd
