#pragma once
// The steady block path's vector stages, one template for every lane set.
// Short independent passes: one pass over the whole per-frame chain would
// be one long dependency per group, and the core could not keep enough
// groups in flight to hide it.
#include <cstring>

#include "simd_frame_math.h"
#include "steady_frames.h"

namespace vlt::steady {
namespace {

template <class V>
void run_stages(Frames& f, const Settings& s, const Block& b)
{
    constexpr int W = V::kWidth;
    using F = typename V::F;
    if (s.fixedSlope) {
        const F limit = V::splat(s.limit);
        const simd::LawSlope<V> slope = simd::law_slope<V>(V::splat(s.ratio), limit);
        for (int i = 0; i < s.frames; i += W) {
            const F level = simd::level_db<V>(V::load(f.env + i));
            V::store(f.gainDb + i, simd::gain_law_bender<V>(level, V::load(f.thr + i), slope, limit));
        }
    } else {
        for (int i = 0; i < s.frames; i += W) {
            const F limit = V::load(f.maxGr + i);
            const simd::LawSlope<V> slope = simd::law_slope<V>(V::load(f.ratio + i), limit);
            const F level = simd::level_db<V>(V::load(f.env + i));
            V::store(f.gainDb + i, simd::gain_law_bender<V>(level, V::load(f.thr + i), slope, limit));
        }
    }

    for (int i = 0; i < s.frames; i += W)
        V::store(f.gain + i, simd::gain_from_db<V>(V::load(f.gainDb + i)));

    const F inL = V::splat(s.inGainL), inR = V::splat(s.inGainR);
    const F mixL = V::splat(s.mixL), mixR = V::splat(s.mixR);
    auto frames_out = [&](F g, F mk, F dl, F dr, float* outL, float* outR) {
        const F yl = simd::soft_clip<V>(V::mul(V::mul(V::mul(dl, inL), g), mk));
        const F yr = simd::soft_clip<V>(V::mul(V::mul(V::mul(dr, inR), g), mk));
        const F ol = simd::crossfade<V>(mixL, dl, yl), orr = simd::crossfade<V>(mixR, dr, yr);
        V::store_any(outL, ol);
        V::store_any(outR, orr);
    };
    const int whole = b.n - b.n % W;
    for (int i = 0; i < whole; i += W) {
        frames_out(V::load(f.gain + i), V::load(f.makeup + i), V::load_any(b.inL + i), V::load_any(b.inR + i),
                   b.outL + i, b.outR + i);
        if (b.gains)
            V::store_any(b.gains + i, V::load(f.gain + i));
    }
    if (whole < b.n) {
        alignas(32) float tailL[W], tailR[W];
        frames_out(V::load(f.gain + whole), V::load(f.makeup + whole), V::load(f.dryL + whole),
                   V::load(f.dryR + whole), tailL, tailR);
        const size_t bytes = sizeof(float) * static_cast<size_t>(b.n - whole);
        std::memcpy(b.outL + whole, tailL, bytes);
        std::memcpy(b.outR + whole, tailR, bytes);
        if (b.gains)
            std::memcpy(b.gains + whole, f.gain + whole, bytes);
    }
}

}  // namespace
}  // namespace vlt::steady
