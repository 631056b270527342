// What every adapter does to the host's audio before the compressor sees
// it, and to the floating-point mode around a process call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "CNFq.h"
#include "audio_path.h"
#include "denormal_guard.h"
#include "finite_input.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(FiniteInput, FiniteBlocksAreTheHostsOwnSamples)
{
    // Extremes of the finite range, signed zero and a denormal stay as they are.
    const float in[] = {0.5f,
                        -0.0f,
                        std::numeric_limits<float>::max(),
                        -std::numeric_limits<float>::max(),
                        std::numeric_limits<float>::denorm_min(),
                        1e-30f};
    float scratch[6];
    EXPECT_EQ(vlt::finite_input(in, scratch, 6), in);
    EXPECT_EQ(vlt::finite_input(in, scratch, 0), in);
}

TEST(FiniteInput, InfAndNaNReachTheDspAsZeroWithoutTouchingTheHostBuffer)
{
    // Every position of whole vector groups and of the tail after them.
    for (float bad : {kInf, -kInf, kNaN, -kNaN}) {
        for (int n : {1, 7, 8, 9, 64}) {
            for (int at = 0; at < n; ++at) {
                std::vector<float> in(static_cast<size_t>(n));
                for (int i = 0; i < n; ++i)
                    in[i] = 0.01f * static_cast<float>(i) - 0.3f;
                in[at] = bad;
                const std::vector<float> host = in;
                float scratch[64];
                const float* fed = vlt::finite_input(in.data(), scratch, n);
                ASSERT_EQ(fed, scratch) << bad << " at " << at << " of " << n;
                for (int i = 0; i < n; ++i)
                    EXPECT_EQ(fed[i], i == at ? 0.0f : in[i]) << bad << " at " << at;
                EXPECT_EQ(std::memcmp(in.data(), host.data(), sizeof(float) * n), 0);
            }
        }
        EXPECT_EQ(vlt::finite_or_zero(bad), 0.0f);
    }
    EXPECT_EQ(vlt::finite_or_zero(-2.5f), -2.5f);
}

// The shared sub-block loop against the model it stands for: nq_recalc
// per sub-block of at most 64 frames, then nq_prc frame by frame on the
// input with Inf and NaN as 0. Effect in, switched out and fading, settled
// out; host blocks across the sub-block edges; buffers shared in place and
// crosswise, a missing input (silence) and missing outputs.
enum class Layout { kSeparate, kInPlace, kCrosswise, kNoRightInput, kNoOutputs };

TEST(SubBlockLoop, MatchesTheFrameModelBitForBit)
{
    const int32_t lengths[] = {1, 63, 64, 65, 130, 150, 1000};
    for (Layout layout : {Layout::kSeparate, Layout::kInPlace, Layout::kCrosswise, Layout::kNoRightInput,
                          Layout::kNoOutputs}) {
        CNFq ref, dsp;
        for (CNFq* d : {&ref, &dsp}) {
            d->nq_srate(48000);
            d->nq_init();
            d->nqs_max_gr(40.0f);
            d->nqs_threshold(-18.0f);
            d->nqs_ratio(8.0f);
            d->nqs_makeup(6.0f);
        }
        std::mt19937 rng(static_cast<unsigned>(layout) + 1);
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        for (int call = 0; call < 120; ++call) {
            const bool on = call < 30 || (call >= 90 && call < 100);
            ref.nqs_comp_in(on);
            dsp.nqs_comp_in(on);
            const int32_t n = lengths[call % 7];
            std::vector<float> l(n), r(n);
            for (int32_t i = 0; i < n; ++i) {
                l[i] = u(rng) * (call % 3 == 0 ? 1.0f : 0.1f);
                r[i] = u(rng) * 0.5f;
            }
            if (call % 11 == 4)
                l[n / 2] = kNaN, r[n - 1] = -kInf;

            const bool silentRight = layout == Layout::kNoRightInput;
            std::vector<float> wantL(n), wantR(n);
            float g = 0.0f;
            for (int32_t pos = 0; pos < n; pos += 64) {
                const int m = std::min(64, static_cast<int>(n - pos));
                ref.nq_recalc(m);
                for (int i = pos; i < pos + m; ++i)
                    ref.nq_prc(vlt::finite_or_zero(l[i]), silentRight ? 0.0f : vlt::finite_or_zero(r[i]),
                               &wantL[i], &wantR[i], &g);
            }

            std::vector<float> a = l, b = r, outL(n, 7.0f), outR(n, 7.0f);
            vlt::StereoIo io{a.data(), b.data(), outL.data(), outR.data()};
            if (layout == Layout::kInPlace)
                io = {a.data(), b.data(), a.data(), b.data()};
            else if (layout == Layout::kCrosswise)
                io = {a.data(), b.data(), b.data(), a.data()};
            else if (layout == Layout::kNoRightInput)
                io.inR = nullptr;
            else if (layout == Layout::kNoOutputs)
                io.outL = io.outR = nullptr;
            const float got = vlt::run_sub_blocks(dsp, io, n);

            ASSERT_EQ(vlt::float_bits(got), vlt::float_bits(g)) << "call " << call;
            const float* gotL = layout == Layout::kInPlace     ? a.data()
                                : layout == Layout::kCrosswise ? b.data()
                                                               : outL.data();
            const float* gotR = layout == Layout::kInPlace     ? b.data()
                                : layout == Layout::kCrosswise ? a.data()
                                                               : outR.data();
            if (layout == Layout::kNoOutputs) {
                EXPECT_EQ(outL, std::vector<float>(n, 7.0f));
                continue;
            }
            ASSERT_EQ(std::memcmp(gotL, wantL.data(), sizeof(float) * n), 0)
                << "layout " << static_cast<int>(layout) << ", call " << call;
            ASSERT_EQ(std::memcmp(gotR, wantR.data(), sizeof(float) * n), 0)
                << "layout " << static_cast<int>(layout) << ", call " << call;
        }
        EXPECT_EQ(vlt::float_bits(ref.shadow_envelope()), vlt::float_bits(dsp.shadow_envelope()));
    }
}

#if VLT_HAS_MXCSR
TEST(DenormalGuard, FlushesInsideAndRestoresTheHostsMode)
{
    const unsigned int host = _mm_getcsr();
    // A host that runs with a rounding mode of its own gets it back untouched.
    _mm_setcsr((host & ~_MM_ROUND_MASK & ~_MM_FLUSH_ZERO_ON & ~_MM_DENORMALS_ZERO_ON) |
               _MM_ROUND_TOWARD_ZERO);
    const unsigned int before = _mm_getcsr();
    volatile float tiny = std::numeric_limits<float>::denorm_min();
    {
        const vlt::DenormalGuard guard;
        EXPECT_EQ(_mm_getcsr() & (_MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON),
                  unsigned{_MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON});
        volatile float sum = tiny + tiny;  // denormals read as zero
        EXPECT_EQ(sum, 0.0f);
    }
    EXPECT_EQ(_mm_getcsr(), before);
    volatile float sum = tiny + tiny;
    EXPECT_GT(sum, 0.0f);
    _mm_setcsr(host);
}
#endif

}  // namespace
