// Block entry of the compressor. Switched in and steady (the usual case),
// CNFq_steady_block.cpp does the work. Any other switched-in state, and the
// fade out, take the general path here: the whole frame recursion (ramps,
// both envelope followers, threshold and ratio steps, crossfades) runs
// serially for a few frames into small arrays, and the rest of each frame
// (level, gain law, gain, makeup, clipper, crossfade) four frames at a time.
// Switched out with the fade over, CNFq_out_block.cpp.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "CNFq.h"
#include "simd_available.h"

float CNFq::frames_one_by_one(const float* inL, const float* inR, float* outL, float* outR, float* gains,
                              int n)
{
    float g = 0.0f;
    for (int i = 0; i < n; ++i) {
        nq_prc(inL[i], inR[i], &outL[i], &outR[i], &g);
        if (gains)
            gains[i] = g;
    }
    return g;
}

#if !VLT_DSP_SSE2

float CNFq::nq_prc_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n)
{
    return n < 1 ? 0.0f : frames_one_by_one(inL, inR, outL, outR, gains, n);
}

#else

#include "frame_steps.h"
#include "simd_frame_math.h"
#include "simd_lanes.h"

namespace {

using namespace vlt::frame;
namespace simd = vlt::simd;
using S = simd::Sse2Lanes;
using v4 = S::F;

constexpr int kChunk = 8;

// What the serial pass leaves for the vector pass, one entry per frame.
struct Chunk {
    alignas(16) float dryL[kChunk];
    alignas(16) float dryR[kChunk];
    alignas(16) float xL[kChunk];
    alignas(16) float xR[kChunk];
    alignas(16) float env[kChunk];
    alignas(16) float thr[kChunk];
    alignas(16) float ratio[kChunk];
    alignas(16) float max_gr[kChunk];
    alignas(16) float makeupL[kChunk];
    alignas(16) float makeupR[kChunk];
    alignas(16) float mixL[kChunk];
    alignas(16) float mixR[kChunk];
};

// The slope terms need two divisions; they change only when the ratio or the
// limit does, so a chunk with both constant reuses the last ones.
class SlopeCache {
public:
    simd::LawSlope<S> get(float ratio, float max_gr)
    {
        const uint32_t r = vlt::float_bits(ratio), g = vlt::float_bits(max_gr);
        if (!valid_ || r != ratio_bits_ || g != gr_bits_) {
            slope_ = simd::law_slope<S>(S::splat(ratio), S::splat(max_gr));
            ratio_bits_ = r;
            gr_bits_ = g;
            valid_ = true;
        }
        return slope_;
    }

private:
    simd::LawSlope<S> slope_{};
    uint32_t ratio_bits_ = 0, gr_bits_ = 0;
    bool valid_ = false;
};

}  // namespace

float CNFq::nq_prc_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n)
{
    if (n < 1)
        return 0.0f;
    if (!comp_in)
        return switched_out_block(inL, inR, outL, outR, gains, n);
    if (!steady_block_applies()) {
        int done = 0;
        return general_block(inL, inR, outL, outR, gains, n, done);
    }
    float g = 0.0f;
    for (int pos = 0; pos < n; pos += kSteadyMax) {
        const int len = std::min(kSteadyMax, n - pos);
        g = steady_block(inL + pos, inR + pos, outL + pos, outR + pos, gains ? gains + pos : nullptr, len);
    }
    return g;
}

// Any state the steady path does not model: input gain or crossfade moving,
// the two envelopes apart, the makeup channels apart; and a fade to the
// switched-out state, up to the frame where both crossfades have ended
// (from there the frame takes the dry short cut). done tells how many
// frames were processed.
float CNFq::general_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n,
                          int& done)
{
    // The recursion's state lives in locals for the whole block.
    GainRamp inRamp[2] = {in_ramp[0], in_ramp[1]};
    GainRamp mkRamp[2] = {makeup_ramp[0], makeup_ramp[1]};
    Crossfader fade[2] = {xfade[0], xfade[1]};
    float envelope = env, shadow = shadow_env;
    float thr = thr_now, rat = ratio_now;
    int32_t thrLeft = thr_count, ratLeft = ratio_count;
    const float thrStep = thr_step, ratStep = ratio_step;

    Chunk c{};
    SlopeCache slopes;
    v4 lastGain = S::splat(gain);
    int lastLane = 0;

    bool faded_out = false;
    done = 0;
    for (int base = 0; base < n && !faded_out; base += kChunk) {
        int m = std::min(kChunk, n - base);
        for (int j = 0; j < m; ++j) {
            if (!comp_in && fade[0].done && fade[1].done) {
                m = j;
                faded_out = true;
                break;
            }
            const float l = inL[base + j], r = inR[base + j];
            const float xl = l * read_out(inRamp[0]);
            const float xr = r * read_out(inRamp[1]);
            const float p = std::max(std::fabs(xl), std::fabs(xr));
            // Read per frame, as the frame path does: a new time acts from
            // the next frame.
            const float a = attack_coef, rel = release_coef;
            shadow = follow(shadow, p, a, rel);
            envelope = follow(envelope, p, a, rel);
            c.dryL[j] = l;
            c.dryR[j] = r;
            c.xL[j] = xl;
            c.xR[j] = xr;
            c.env[j] = envelope;
            c.thr[j] = thr;
            c.ratio[j] = rat;
            c.max_gr[j] = max_gr;
            c.makeupL[j] = read_out(mkRamp[0]);
            c.makeupR[j] = read_out(mkRamp[1]);
            advance(thr, thrStep, thrLeft);
            advance(rat, ratStep, ratLeft);
            c.mixL[j] = crossfade_step(fade[0]);
            c.mixR[j] = crossfade_step(fade[1]);
        }

        const bool steadySlope = all_same_bits(c.ratio, m) && all_same_bits(c.max_gr, m);
        alignas(16) float oL[kChunk], oR[kChunk], og[kChunk];
        for (int v = 0; v < m; v += 4) {
            const v4 ratio4 = _mm_load_ps(c.ratio + v);
            const v4 limit4 = _mm_load_ps(c.max_gr + v);
            const simd::LawSlope<S> s =
                steadySlope ? slopes.get(c.ratio[0], c.max_gr[0]) : simd::law_slope<S>(ratio4, limit4);
            const v4 level = simd::level_db<S>(_mm_load_ps(c.env + v));
            const v4 g =
                simd::gain_from_db<S>(simd::gain_law_bender<S>(level, _mm_load_ps(c.thr + v), s, limit4));
            const v4 yl = simd::soft_clip<S>(
                _mm_mul_ps(_mm_mul_ps(_mm_load_ps(c.xL + v), g), _mm_load_ps(c.makeupL + v)));
            const v4 yr = simd::soft_clip<S>(
                _mm_mul_ps(_mm_mul_ps(_mm_load_ps(c.xR + v), g), _mm_load_ps(c.makeupR + v)));
            _mm_store_ps(oL + v, simd::crossfade<S>(_mm_load_ps(c.mixL + v), _mm_load_ps(c.dryL + v), yl));
            _mm_store_ps(oR + v, simd::crossfade<S>(_mm_load_ps(c.mixR + v), _mm_load_ps(c.dryR + v), yr));
            _mm_store_ps(og + v, g);
            lastGain = g;
            lastLane = std::min(3, m - 1 - v);
        }
        done += m;
        std::memcpy(outL + base, oL, sizeof(float) * static_cast<size_t>(m));
        std::memcpy(outR + base, oR, sizeof(float) * static_cast<size_t>(m));
        if (gains)
            std::memcpy(gains + base, og, sizeof(float) * static_cast<size_t>(m));
    }

    alignas(16) float last[4];
    _mm_store_ps(last, lastGain);
    gain = last[lastLane];

    in_ramp[0] = inRamp[0];
    in_ramp[1] = inRamp[1];
    makeup_ramp[0] = mkRamp[0];
    makeup_ramp[1] = mkRamp[1];
    xfade[0] = fade[0];
    xfade[1] = fade[1];
    env = envelope;
    shadow_env = shadow;
    thr_now = thr;
    ratio_now = rat;
    thr_count = thrLeft;
    ratio_count = ratLeft;
    return gain;
}

#endif  // VLT_DSP_SSE2
