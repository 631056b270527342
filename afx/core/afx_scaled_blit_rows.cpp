#include "afx_scaled_blit_rows.h"

#include "afx_scaled_blit.h"

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#define AFX_BLIT_SSE2 1
#include <emmintrin.h>
#endif

namespace afx_scale {

struct alignas(16) row_filter::column {
    // Weight pairs for pmaddwd over (tap, next tap) words of B, G, R; the
    // fourth channel weighs 0 so it comes out 0.
    int16_t w01[8];
    int16_t w23[8];
    float inv[4];  // 1 / total in every lane
    taps t;
    int base;  // padded intermediate index of the first tap
};

namespace {

constexpr size_t align16(size_t n) { return (n + 15) & ~size_t(15); }

inline uint32_t rgb(int r, int g, int b) { return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

inline float inverse_total(const taps& t) { return t.total > 0 ? 1.0f / float(t.total) : 0.0f; }

inline int channel(uint32_t px, int shift) { return int(px >> shift) & 255; }

// Source columns [from, to) of the vertical pass, exactly as the fast kernel
// would give them; mid[j] receives column first + j.
void vertical_portable(const uint8_t* const lines[4], const taps& t, int from, int to, uint32_t* mid)
{
    for (int j = from; j < to; ++j) {
        const int o = j * 4;
        int v[3];
        for (int ch = 0; ch < 3; ++ch) {
            const int32_t s = t.w[0] * lines[0][o + ch] + t.w[1] * lines[1][o + ch] +
                              t.w[2] * lines[2][o + ch] + t.w[3] * lines[3][o + ch];
            v[ch] = normalise(s, t);
        }
        mid[j] = rgb(v[0], v[1], v[2]);
    }
}

void horizontal_portable(const row_filter::column* cols, int n, const uint32_t* mid, uint32_t* out)
{
    for (int i = 0; i < n; ++i) {
        const taps& t = cols[i].t;
        const uint32_t* m = mid + cols[i].base;
        int v[3];
        for (int ch = 0; ch < 3; ++ch) {
            const int shift = 16 - 8 * ch;
            const int32_t s = t.w[0] * channel(m[0], shift) + t.w[1] * channel(m[1], shift) +
                              t.w[2] * channel(m[2], shift) + t.w[3] * channel(m[3], shift);
            v[ch] = normalise(s, t);
        }
        out[i] = rgb(v[0], v[1], v[2]);
    }
}

#ifdef AFX_BLIT_SSE2
// floor(s / total) clamped to 0..255 later by the saturating packs. With
// |s| < 2^17 and totals near 256, (s + 0.5) / total is never closer than
// 1/512 to an integer, far beyond the float rounding, so truncation gives
// exactly what normalise() gives; negative sums truncate to 0 or below.
inline __m128i divide(__m128i s, __m128 inv)
{
    return _mm_cvttps_epi32(_mm_mul_ps(_mm_add_ps(_mm_cvtepi32_ps(s), _mm_set1_ps(0.5f)), inv));
}

inline __m128 inverse(const taps& t) { return _mm_set1_ps(inverse_total(t)); }

inline __m128i pack4(__m128i a, __m128i b, __m128i c, __m128i d)
{
    return _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d));
}

void vertical_sse2(const uint8_t* const lines[4], const taps& t, int n, uint32_t* mid)
{
    const auto w = [](int a, int b) {
        return _mm_setr_epi16(int16_t(a), int16_t(b), int16_t(a), int16_t(b), int16_t(a), int16_t(b), 0, 0);
    };
    const __m128i w01 = w(t.w[0], t.w[1]), w23 = w(t.w[2], t.w[3]), z = _mm_setzero_si128();
    const __m128 inv = inverse(t);
    // Sums come out R, G, B, 0; the shuffle stores them as a 0x00RRGGBB word.
    const auto one = [&](__m128i l01, __m128i l23) {
        const __m128i s = _mm_add_epi32(_mm_madd_epi16(l01, w01), _mm_madd_epi16(l23, w23));
        return divide(_mm_shuffle_epi32(s, _MM_SHUFFLE(3, 0, 1, 2)), inv);
    };
    int j = 0;
    for (; j + 4 <= n; j += 4) {
        const int o = j * 4;
        const __m128i l0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[0] + o));
        const __m128i l1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[1] + o));
        const __m128i l2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[2] + o));
        const __m128i l3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[3] + o));
        const __m128i a = _mm_unpacklo_epi8(l0, l1), b = _mm_unpackhi_epi8(l0, l1);
        const __m128i c = _mm_unpacklo_epi8(l2, l3), d = _mm_unpackhi_epi8(l2, l3);
        const __m128i p0 = one(_mm_unpacklo_epi8(a, z), _mm_unpacklo_epi8(c, z));
        const __m128i p1 = one(_mm_unpackhi_epi8(a, z), _mm_unpackhi_epi8(c, z));
        const __m128i p2 = one(_mm_unpacklo_epi8(b, z), _mm_unpacklo_epi8(d, z));
        const __m128i p3 = one(_mm_unpackhi_epi8(b, z), _mm_unpackhi_epi8(d, z));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(mid + j), pack4(p0, p1, p2, p3));
    }
    vertical_portable(lines, t, j, n, mid);
}

// pairs[j] = B(j), B(j+1), G(j), G(j+1), R(j), R(j+1), 0, 0 as words.
void make_pairs_sse2(const uint32_t* mid, int n, int16_t* pairs)
{
    const __m128i z = _mm_setzero_si128();
    for (int j = 0; j < n; ++j) {
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(mid + j));
        const __m128i bytes = _mm_unpacklo_epi8(x, _mm_srli_si128(x, 4));
        _mm_store_si128(reinterpret_cast<__m128i*>(pairs + 8 * j), _mm_unpacklo_epi8(bytes, z));
    }
}

void horizontal_sse2(const row_filter::column* cols, int padded, const int16_t* pairs, uint32_t* out)
{
    const __m128i* p = reinterpret_cast<const __m128i*>(pairs);
    const auto one = [p](const row_filter::column& c) {
        const __m128i s = _mm_add_epi32(
            _mm_madd_epi16(p[c.base], _mm_load_si128(reinterpret_cast<const __m128i*>(c.w01))),
            _mm_madd_epi16(p[c.base + 2], _mm_load_si128(reinterpret_cast<const __m128i*>(c.w23))));
        return divide(s, _mm_load_ps(c.inv));
    };
    for (int i = 0; i < padded; i += 4) {
        const __m128i v = pack4(one(cols[i]), one(cols[i + 1]), one(cols[i + 2]), one(cols[i + 3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), v);
    }
}
#endif

}  // namespace

void normalise_sums(const int32_t* sums, int n, const taps& t, uint8_t* out, kernels k)
{
    int i = 0;
#ifdef AFX_BLIT_SSE2
    if (k == kernels::sse2) {
        const __m128 inv = inverse(t);
        for (; i + 16 <= n; i += 16) {
            __m128i q[4];
            for (int g = 0; g < 4; ++g)
                q[g] = divide(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + i + 4 * g)), inv);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), pack4(q[0], q[1], q[2], q[3]));
        }
    }
#else
    (void)k;
#endif
    for (; i < n; ++i)
        out[i] = normalise(sums[i], t);
}

kernels best_kernels()
{
#ifdef AFX_BLIT_SSE2
    return kernels::sse2;
#else
    return kernels::portable;
#endif
}

row_filter::row_filter(int first, int span, int cx0, int cols, int64_t step, int src_width, kernels k)
    : kernels_(k), span_(span), cols_(0)
{
#ifndef AFX_BLIT_SSE2
    kernels_ = kernels::portable;
#endif
    // Columns stop at the first one whose centre lies beyond the source.
    while (cols_ < cols && static_cast<int>(((cx0 + cols_) * step) >> 16) <= src_width - 1)
        ++cols_;
    padded_cols_ = (cols_ + 3) & ~3;
    const int mid_len = span + 4;  // the columns plus 1 pad left, 2 right
    const size_t col_bytes = align16(sizeof(column) * size_t(std::max(padded_cols_, 1)));
    const size_t mid_bytes = align16(sizeof(uint32_t) * size_t(mid_len));
    const size_t pair_bytes = align16(sizeof(int16_t) * 8 * size_t(mid_len));
    const size_t out_bytes = align16(sizeof(uint32_t) * size_t(std::max(padded_cols_, 4)));
    block_.reset(new uint8_t[col_bytes + mid_bytes + pair_bytes + out_bytes + 15]);
    uint8_t* p = reinterpret_cast<uint8_t*>(align16(reinterpret_cast<uintptr_t>(block_.get())));
    columns_ = reinterpret_cast<column*>(p);
    mid_ = reinterpret_cast<uint32_t*>(p + col_bytes);
    pairs_ = reinterpret_cast<int16_t*>(p + col_bytes + mid_bytes);
    out_ = reinterpret_cast<uint32_t*>(p + col_bytes + mid_bytes + pair_bytes);

    for (int i = 0; i < padded_cols_; ++i) {
        column& c = columns_[i];
        if (i >= cols_) {  // whole groups of four: repeat the last column
            c = columns_[cols_ - 1];
            continue;
        }
        const int64_t pos = (cx0 + i) * step;
        c.t = taps_for_fraction(static_cast<int>((pos >> 8) & 255));
        c.base = static_cast<int>(pos >> 16) - first;
        for (int ch = 0; ch < 3; ++ch) {
            c.w01[2 * ch] = int16_t(c.t.w[0]), c.w01[2 * ch + 1] = int16_t(c.t.w[1]);
            c.w23[2 * ch] = int16_t(c.t.w[2]), c.w23[2 * ch + 1] = int16_t(c.t.w[3]);
        }
        c.w01[6] = c.w01[7] = c.w23[6] = c.w23[7] = 0;
        std::fill(c.inv, c.inv + 4, inverse_total(c.t));
    }
}

row_filter::~row_filter() = default;

void row_filter::vertical(const uint8_t* const lines[4], const taps& t)
{
    const int n = span_ + 1;
#ifdef AFX_BLIT_SSE2
    if (kernels_ == kernels::sse2)
        vertical_sse2(lines, t, n, mid_ + 1);
    else
#endif
        vertical_portable(lines, t, 0, n, mid_ + 1);
    // Taps beyond the needed columns read the edge column again.
    mid_[0] = mid_[1];
    mid_[n + 1] = mid_[n + 2] = mid_[n];
}

const uint32_t* row_filter::horizontal()
{
#ifdef AFX_BLIT_SSE2
    if (kernels_ == kernels::sse2) {
        make_pairs_sse2(mid_, span_ + 3, pairs_);
        horizontal_sse2(columns_, padded_cols_, pairs_, out_);
        return out_;
    }
#endif
    horizontal_portable(columns_, cols_, mid_, out_);
    return out_;
}

}  // namespace afx_scale
