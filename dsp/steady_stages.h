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

// The three passes one group of W frames at a time, so that they can also
// run a few groups behind the follower (steady_pipeline.h).
template <class V>
class Stages {
public:
    static constexpr int W = V::kWidth;
    using F = typename V::F;

    Stages(Frames& f, const Settings& s, const Block& b)
        : f_(f), frames_(s.frames), b_(b), inL_(V::splat(s.inGainL)), inR_(V::splat(s.inGainR)),
          mixL_(V::splat(s.mixL)), mixR_(V::splat(s.mixR)), fixedSlope_(s.fixedSlope),
          limit_(V::splat(s.limit)), slope_(simd::law_slope<V>(V::splat(s.ratio), limit_))
    {
    }

    // Gain change of frames [i, i + W), from their envelope.
    VLT_SIMD_INLINE void law(int i)
    {
        const F level = simd::level_db<V>(V::load(f_.env + i));
        if (fixedSlope_) {
            V::store(f_.gainDb + i, simd::gain_law_bender<V>(level, V::load(f_.thr + i), slope_, limit_));
        } else {
            const F limit = V::load(f_.maxGr + i);
            const simd::LawSlope<V> slope = simd::law_slope<V>(V::load(f_.ratio + i), limit);
            V::store(f_.gainDb + i, simd::gain_law_bender<V>(level, V::load(f_.thr + i), slope, limit));
        }
    }

    VLT_SIMD_INLINE void gain(int i) { V::store(f_.gain + i, simd::gain_from_db<V>(V::load(f_.gainDb + i))); }

    // Outputs of frames [i, i + W), all inside the block.
    VLT_SIMD_INLINE void out(int i)
    {
        frames_out(V::load(f_.gain + i), V::load(f_.makeup + i), V::load_any(b_.inL + i),
                   V::load_any(b_.inR + i), b_.outL + i, b_.outR + i);
        if (b_.gains)
            V::store_any(b_.gains + i, V::load(f_.gain + i));
    }

    // Every pass from the frame where it stands to the end of the block.
    void finish(int law_from, int gain_from, int out_from)
    {
        for (int i = law_from; i < frames_; i += W)
            law(i);
        for (int i = gain_from; i < frames_; i += W)
            gain(i);
        const int whole = b_.n - b_.n % W;
        for (int i = out_from; i < whole; i += W)
            out(i);
        if (whole < b_.n) {
            alignas(32) float tailL[W], tailR[W];
            frames_out(V::load(f_.gain + whole), V::load(f_.makeup + whole), V::load(f_.dryL + whole),
                       V::load(f_.dryR + whole), tailL, tailR);
            const size_t bytes = sizeof(float) * static_cast<size_t>(b_.n - whole);
            std::memcpy(b_.outL + whole, tailL, bytes);
            std::memcpy(b_.outR + whole, tailR, bytes);
            if (b_.gains)
                std::memcpy(b_.gains + whole, f_.gain + whole, bytes);
        }
    }

private:
    VLT_SIMD_INLINE void frames_out(F g, F mk, F dl, F dr, float* outL, float* outR)
    {
        const F yl = simd::soft_clip<V>(V::mul(V::mul(V::mul(dl, inL_), g), mk));
        const F yr = simd::soft_clip<V>(V::mul(V::mul(V::mul(dr, inR_), g), mk));
        V::store_any(outL, simd::crossfade<V>(mixL_, dl, yl));
        V::store_any(outR, simd::crossfade<V>(mixR_, dr, yr));
    }

    Frames& f_;
    const int frames_;
    const Block& b_;
    const F inL_, inR_, mixL_, mixR_;
    const bool fixedSlope_;
    const F limit_;
    const simd::LawSlope<V> slope_;  // ratio and limit constant: once
};

}  // namespace
}  // namespace vlt::steady
