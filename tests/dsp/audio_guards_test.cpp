// What every adapter does to the host's audio before the compressor sees
// it, and to the floating-point mode around a process call.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "denormal_guard.h"
#include "finite_input.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(FiniteInput, FiniteBlocksAreTheHostsOwnSamples)
{
    // Extremes of the finite range, signed zero and a denormal stay as they are.
    const float in[] = {0.5f, -0.0f, std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                        std::numeric_limits<float>::denorm_min(), 1e-30f};
    float scratch[6];
    EXPECT_EQ(vlt::finite_input(in, scratch, 6), in);
    EXPECT_EQ(vlt::finite_input(in, scratch, 0), in);
}

TEST(FiniteInput, InfAndNaNReachTheDspAsZeroWithoutTouchingTheHostBuffer)
{
    for (float bad : {kInf, -kInf, kNaN, -kNaN}) {
        for (int at : {0, 31, 63}) {
            std::vector<float> in(64);
            for (int i = 0; i < 64; ++i)
                in[i] = 0.01f * static_cast<float>(i) - 0.3f;
            in[at] = bad;
            const std::vector<float> host = in;
            float scratch[64];
            const float* fed = vlt::finite_input(in.data(), scratch, 64);
            ASSERT_EQ(fed, scratch);
            for (int i = 0; i < 64; ++i)
                EXPECT_EQ(fed[i], i == at ? 0.0f : in[i]) << bad << " at " << at;
            EXPECT_EQ(std::memcmp(in.data(), host.data(), sizeof(float) * 64), 0);
        }
        EXPECT_EQ(vlt::finite_or_zero(bad), 0.0f);
    }
    EXPECT_EQ(vlt::finite_or_zero(-2.5f), -2.5f);
}

#if VLT_HAS_MXCSR
TEST(DenormalGuard, FlushesInsideAndRestoresTheHostsMode)
{
    const unsigned int host = _mm_getcsr();
    // A host that runs with a rounding mode of its own gets it back untouched.
    _mm_setcsr((host & ~_MM_ROUND_MASK & ~_MM_FLUSH_ZERO_ON & ~_MM_DENORMALS_ZERO_ON) | _MM_ROUND_TOWARD_ZERO);
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
