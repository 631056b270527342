// The block path with the compressor switched out. While the crossfade
// runs, the general path of CNFq_block.cpp; once it is over, each frame is
// either "recovering" (the detector decays on silence until the gain is
// back above 0.95, the output already dry) or "settled" (dry output, gain
// reported as 0, only the shadow envelope follows the input). Settled is
// where a switched-out channel spends its life, so it runs as a block: the
// detector input four frames at a time, the shadow follower as the one
// serial chain, the dry output as a copy. Recovering is short and keeps the
// frame path.
#include "simd_available.h"
#if VLT_DSP_SSE2

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "CNFq.h"
#include "follower_chain.h"
#include "frame_steps.h"
#include "simd_frame_math.h"
#include "simd_lanes.h"

namespace {

using namespace vlt::frame;
namespace simd = vlt::simd;
using S = simd::Sse2Lanes;

// Outputs are the inputs. Read before written, whichever buffers are shared.
void copy_dry(const float* inL, const float* inR, float* outL, float* outR, int n)
{
    if (outL == inR || outR == inL) {
        for (int i = 0; i < n; ++i) {
            const float l = inL[i], r = inR[i];
            outL[i] = l;
            outR[i] = r;
        }
        return;
    }
    if (outL != inL)
        std::memmove(outL, inL, sizeof(float) * static_cast<size_t>(n));
    if (outR != inR)
        std::memmove(outR, inR, sizeof(float) * static_cast<size_t>(n));
}

}  // namespace

float CNFq::switched_out_block(const float* inL, const float* inR, float* outL, float* outR, float* gains,
                               int n)
{
    float g = 0.0f;
    for (int pos = 0; pos < n;) {
        if (!(xfade[0].done && xfade[1].done)) {
            int done = 0;
            g = general_block(inL + pos, inR + pos, outL + pos, outR + pos, gains ? gains + pos : nullptr,
                              n - pos, done);
            pos += done;
        } else if (gain > 0.95f) {
            // Settled for good: nothing in the block can change that.
            return settled_block(inL + pos, inR + pos, outL + pos, outR + pos, gains ? gains + pos : nullptr,
                                 n - pos);
        } else {
            nq_prc(inL[pos], inR[pos], &outL[pos], &outR[pos], &g);
            if (gains)
                gains[pos] = g;
            ++pos;
        }
    }
    return g;
}

float CNFq::settled_block(const float* inL, const float* inR, float* outL, float* outR, float* gains, int n)
{
    for (int pos = 0; pos < n; pos += kSteadyMax) {
        const int len = std::min(kSteadyMax, n - pos);
        const float* l = inL + pos;
        const float* r = inR + pos;
        alignas(16) float peak[kSteadyMax];
        if (in_ramp[0].count <= 0 && in_ramp[1].count <= 0) {
            // The input gain stands still: the detector input needs no recursion.
            const __m128 gainL = _mm_set1_ps(in_ramp[0].current), gainR = _mm_set1_ps(in_ramp[1].current);
            const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
            const int whole = len & ~3;
            for (int i = 0; i < whole; i += 4) {
                const __m128 xl = _mm_and_ps(_mm_mul_ps(_mm_loadu_ps(l + i), gainL), magnitude);
                const __m128 xr = _mm_and_ps(_mm_mul_ps(_mm_loadu_ps(r + i), gainR), magnitude);
                _mm_store_ps(peak + i, simd::std_max<S>(xl, xr));
            }
            for (int i = whole; i < len; ++i)
                peak[i] =
                    std::max(std::fabs(l[i] * in_ramp[0].current), std::fabs(r[i] * in_ramp[1].current));
        } else {
            for (int i = 0; i < len; ++i) {
                const float xl = l[i] * read_out(in_ramp[0]);
                const float xr = r[i] * read_out(in_ramp[1]);
                peak[i] = std::max(std::fabs(xl), std::fabs(xr));
            }
        }

        __m128 e = _mm_set_ss(shadow_env);
        for (int i = 0; i < len; ++i) {
            // Read per frame, as the frame path does: a new time acts from
            // the next frame.
            const float af = attack_coef, rf = release_coef;
            e = vlt::chain::follow_step(e, _mm_load_ss(peak + i), af, rf);
        }
        shadow_env = _mm_cvtss_f32(e);

        copy_dry(l, r, outL + pos, outR + pos, len);
        if (gains)
            std::fill(gains + pos, gains + pos + len, 0.0f);
    }
    return 0.0f;
}

#endif  // VLT_DSP_SSE2
