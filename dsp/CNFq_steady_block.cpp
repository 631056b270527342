// The block path's common case: switched in, no crossfade or input-gain
// ramp under way, both envelopes equal. Then the frame recursion shrinks to
// one envelope follower plus the makeup, threshold and ratio ramps, which
// advance side by side in one vector; everything else runs in vector stages
// over the whole block (steady_stages.h). Results are bit for bit those of
// the frame path.
#include "simd_available.h"
#if VLT_DSP_SSE2

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "CNFq.h"
#include "follower_chain.h"
#include "frame_steps.h"
#include "simd_frame_math.h"
#include "simd_lanes.h"
#include "steady_frames.h"

namespace {

using namespace vlt::frame;
using namespace vlt::steady;
namespace simd = vlt::simd;
using S = simd::Sse2Lanes;
using v4 = S::F;

enum Lane { kMakeup, kThreshold, kRatio };

// Makeup gain, threshold and ratio as ramp lanes. The makeup ramp snaps to
// its target when it ends; threshold and ratio simply stop.
struct RampLanes {
    alignas(16) float cur[kLanes];
    alignas(16) float step[kLanes];
    float target[kLanes];
    int32_t count[kLanes];
    bool snaps[kLanes];
};

// Frames until the first active lane ends, at most n.
int run_length(const RampLanes& r, int n)
{
    int run = n;
    for (int l = 0; l < kLanes; ++l)
        if (r.count[l] > 0)
            run = std::min(run, static_cast<int>(r.count[l]));
    return run;
}

// What each lane adds per frame during a run: an idle lane adds -0, which
// leaves every value but a signalling NaN unchanged (the caller rules those
// out).
v4 run_steps(const RampLanes& r)
{
    alignas(16) float add[kLanes];
    for (int l = 0; l < kLanes; ++l)
        add[l] = r.count[l] > 0 ? r.step[l] : -0.0f;
    return _mm_load_ps(add);
}

void end_run(RampLanes& r, v4 cur, int frames)
{
    _mm_store_ps(r.cur, cur);
    for (int l = 0; l < kLanes; ++l) {
        if (r.count[l] > 0 && (r.count[l] -= frames) == 0 && r.snaps[l])
            r.cur[l] = r.target[l];
    }
}

// Per frame, the lane values that frame uses.
void fill_ramps(RampLanes& r, float (*out)[kLanes], int n)
{
    for (int done = 0; done < n;) {
        const int run = run_length(r, n - done);
        const v4 step = run_steps(r);
        v4 cur = _mm_load_ps(r.cur);
        for (int j = 0; j < run; ++j) {
            _mm_store_ps(out[done + j], cur);
            cur = _mm_add_ps(cur, step);
        }
        end_run(r, cur, run);
        done += run;
    }
}

bool same_bits(const void* a, const void* b, size_t size) { return std::memcmp(a, b, size) == 0; }

}  // namespace

bool CNFq::steady_block_applies() const
{
    auto idle_nan = [](float v, int32_t count) { return count <= 0 && std::isnan(v); };
    return comp_in && xfade[0].done && xfade[1].done && in_ramp[0].count <= 0 && in_ramp[1].count <= 0 &&
           same_bits(&env, &shadow_env, sizeof env) &&
           same_bits(&makeup_ramp[0], &makeup_ramp[1], sizeof(GainRamp)) &&
           !idle_nan(makeup_ramp[0].current, makeup_ramp[0].count) && !idle_nan(thr_now, thr_count) &&
           !idle_nan(ratio_now, ratio_count);
}

float CNFq::steady_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n)
{
    static_assert(kSteadyMax == kMaxFrames);
    Frames f;
    const int padded = (n + 7) & ~7;

    // Input gain is constant here, so the detector input needs no recursion.
    const float inGainL = in_ramp[0].current, inGainR = in_ramp[1].current;
    std::memcpy(f.dryL, inL, sizeof(float) * static_cast<size_t>(n));
    std::memcpy(f.dryR, inR, sizeof(float) * static_cast<size_t>(n));
    for (int i = n; i < padded; ++i)
        f.dryL[i] = f.dryR[i] = 0.0f;
    const v4 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const v4 largest = _mm_set1_ps(FLT_MAX);
    v4 wild = _mm_setzero_ps();  // any peak Inf or NaN
    for (int i = 0; i < padded; i += 4) {
        const v4 xl = _mm_and_ps(_mm_mul_ps(_mm_load_ps(f.dryL + i), S::splat(inGainL)), magnitude);
        const v4 xr = _mm_and_ps(_mm_mul_ps(_mm_load_ps(f.dryR + i), S::splat(inGainR)), magnitude);
        const v4 peak = simd::std_max<S>(xl, xr);
        wild = _mm_or_ps(wild, _mm_cmpnle_ps(peak, largest));
        _mm_store_ps(f.peak + i, peak);
    }

    RampLanes lanes{};
    lanes.cur[kMakeup] = makeup_ramp[0].current;
    lanes.step[kMakeup] = makeup_ramp[0].step;
    lanes.target[kMakeup] = makeup_ramp[0].target;
    lanes.count[kMakeup] = makeup_ramp[0].count;
    lanes.snaps[kMakeup] = true;
    lanes.cur[kThreshold] = thr_now;
    lanes.step[kThreshold] = thr_step;
    lanes.count[kThreshold] = thr_count;
    lanes.cur[kRatio] = ratio_now;
    lanes.step[kRatio] = ratio_step;
    lanes.count[kRatio] = ratio_count;
    const bool ratio_moves = ratio_count > 0;
    const float ratio_start = ratio_now;
    const bool ramps_move = lanes.count[kMakeup] > 0 || thr_count > 0 || ratio_moves;
    if (ramps_move) {
        fill_ramps(lanes, f.ramps, n);
        for (int i = n; i < padded; ++i)
            std::memcpy(f.ramps[i], f.ramps[n - 1], sizeof f.ramps[i]);
        // Frame-major ramp values to one array per lane.
        for (int i = 0; i < padded; i += 4) {
            v4 mk = _mm_load_ps(f.ramps[i]), thr = _mm_load_ps(f.ramps[i + 1]);
            v4 rat = _mm_load_ps(f.ramps[i + 2]), unused = _mm_load_ps(f.ramps[i + 3]);
            _MM_TRANSPOSE4_PS(mk, thr, rat, unused);
            _mm_store_ps(f.makeup + i, mk);
            _mm_store_ps(f.thr + i, thr);
            _mm_store_ps(f.ratio + i, rat);
        }
    } else {
        // No lane moves: the same values for every frame.
        const v4 mk = S::splat(lanes.cur[kMakeup]), thr = S::splat(lanes.cur[kThreshold]);
        for (int i = 0; i < padded; i += 4) {
            _mm_store_ps(f.makeup + i, mk);
            _mm_store_ps(f.thr + i, thr);
        }
    }

    // The one serial chain: the follower. While the times and the limit
    // stay as they are (nearly always), its loop holds the chain alone and
    // the stages run behind it.
    const float af0 = attack_coef, rf0 = release_coef, limit0 = max_gr;
    const Block block{inL, inR, outL, outR, gains, n};
    const auto fixed_for = [&](bool fixed_slope, float limit) {
        return Settings{padded,       inGainL,     inGainR,     xfade[0].mix,
                        xfade[1].mix, fixed_slope, ratio_start, limit};
    };
    if (ratio_moves) {
        for (int i = 0; i < padded; ++i)
            f.maxGr[i] = limit0;
    }
    const bool avx2 = avx2_usable();
    Pipelined done{};
    float envelope = env;
    if (vlt::chain::quiet_applies(env, af0, rf0, _mm_movemask_ps(wild) == 0)) {
        QuietFollow quiet{env, f.peak, f.env, n, &attack_coef, &release_coef, &max_gr, af0, rf0, limit0};
        const Settings held = fixed_for(!ratio_moves, limit0);
        done = avx2 ? follow_with_stages_avx2(quiet, f, held, block)
                    : follow_with_stages_sse2(quiet, f, held, block);
        envelope = quiet.envelope;
    }
    v4 e = _mm_set_ss(envelope);
    for (int i = done.followed; i < n; ++i) {
        // Read per frame, as the frame path does: a new time or limit acts
        // from the next frame.
        const float af = attack_coef, rf = release_coef;
        f.maxGr[i] = max_gr;
        e = vlt::chain::follow_step(e, _mm_load_ss(f.peak + i), af, rf);
        _mm_store_ss(f.env + i, e);
    }
    for (int i = n; i < padded; ++i)
        f.env[i] = f.env[n - 1];

    // The limit of every frame: limit0 up to where the quiet loop stopped.
    bool limit_fixed = done.followed == n;
    if (!limit_fixed) {
        for (int i = 0; i < done.followed; ++i)
            f.maxGr[i] = limit0;
        for (int i = n; i < padded; ++i)
            f.maxGr[i] = f.maxGr[n - 1];
        limit_fixed = all_same_bits(f.maxGr, n);
    }
    const Settings settings =
        fixed_for(!ratio_moves && limit_fixed, done.followed == n ? limit0 : f.maxGr[0]);
    if (!settings.fixedSlope && !ramps_move) {
        const v4 rat = S::splat(lanes.cur[kRatio]);
        for (int i = 0; i < padded; i += 4)
            _mm_store_ps(f.ratio + i, rat);
    }
    if (avx2)
        stages_avx2(f, settings, block, done);
    else
        stages_sse2(f, settings, block, done);
    gain = f.gain[n - 1];

    env = shadow_env = f.env[n - 1];
    for (int ch = 0; ch < 2; ++ch) {
        makeup_ramp[ch].current = lanes.cur[kMakeup];
        makeup_ramp[ch].count = lanes.count[kMakeup];
    }
    thr_now = lanes.cur[kThreshold];
    thr_count = lanes.count[kThreshold];
    ratio_now = lanes.cur[kRatio];
    ratio_count = lanes.count[kRatio];
    return gain;
}

#endif  // VLT_DSP_SSE2
