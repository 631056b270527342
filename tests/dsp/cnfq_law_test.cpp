#include <gtest/gtest.h>

#include <cmath>

#include "CNFq.h"
#include "fast_math.h"

namespace {

struct LawCase {
    float level, threshold, ratio, limit, expected;
};

TEST(GainLaw, KneesLineAndLimit)
{
    const float k20 = 1.0f - 1.0f / 20.0f;
    const LawCase cases[] = {
        {0.0f, 0.0f, 20.0f, 40.0f, -k20 / 4.0f},    // knee midpoint at T
        {-1.0f, 0.0f, 20.0f, 40.0f, 0.0f},          // T - 1: knee starts
        {1.0f, 0.0f, 20.0f, 40.0f, -k20},           // T + 1: on the line
        {-5.0f, 0.0f, 20.0f, 40.0f, 0.0f},          // below the knee
        {10.0f, 0.0f, 20.0f, 40.0f, -10.0f * k20},  // straight line
        {-20.0f + 40.0f / k20, -20.0f, 20.0f, 40.0f, -(40.0f - k20 / 4.0f)},
        {-20.0f + 40.0f / k20 + 1.0f, -20.0f, 20.0f, 40.0f, -40.0f},
        {200.0f, -20.0f, 20.0f, 40.0f, -40.0f},                    // never beyond the limit
        {-1001.0f, -20.0f, 20.0f, 40.0f, 0.0f},                    // silence
        {5.0f, 0.0f, 0.5f, 40.0f, -5.0f * (1.0f - 1.0f / 1.01f)},  // ratio floor
    };
    for (const auto& c : cases)
        EXPECT_NEAR(CNFq::gain_law_bender(c.level, c.threshold, c.ratio, c.limit), c.expected, 1e-4f)
            << "level " << c.level << " threshold " << c.threshold << " ratio " << c.ratio;
}

TEST(GainLaw, NeverPositiveNorBeyondLimit)
{
    for (float level = -60.0f; level <= 80.0f; level += 0.25f) {
        const float g = CNFq::gain_law_bender(level, -20.0f, 20.0f, 40.0f);
        EXPECT_LE(g, 0.0f);
        EXPECT_GE(g, -40.0f - 1e-4f);
    }
}

TEST(FastMath, ExpOfZeroIsExactlyOne) { EXPECT_EQ(vlt::fastexp(0.0f), 1.0f); }

TEST(FastMath, ApproximationsTrackLibraryMaths)
{
    const float points[] = {1.0f, 2.0f, 8.0f, 0.5f, 0.001f, 3.7f, 1e-20f};
    for (float x : points)
        EXPECT_NEAR(vlt::fastlog2(x), std::log2(x), 0.01f) << x;
    for (float power : {1.0f, 8.0f, 0.25f})
        EXPECT_NEAR(vlt::fastlog2(power), std::log2(power), 1e-6f) << power;
    EXPECT_NEAR(vlt::fastlog2(0.0f), -127.0f, 1e-5f);
    for (float y = -4.6f; y <= 0.0f; y += 0.1f)
        EXPECT_NEAR(vlt::fastexp(y), std::exp(y), 0.005f * std::exp(y)) << y;
}

TEST(Smoothing, TenPercentPerCallSnappingUnderAThousandth)
{
    int changed = 0;
    EXPECT_EQ(CNFq::parameter_interp(20.0f, 0.0f, &changed), 2.0f);
    EXPECT_FLOAT_EQ(CNFq::parameter_interp(20.0f, 2.0f, &changed), 3.8f);
    EXPECT_EQ(CNFq::parameter_interp(20.0f, 19.995f, &changed), 20.0f);
    EXPECT_EQ(changed, 3);
    EXPECT_EQ(CNFq::parameter_interp(5.0f, 5.0f, &changed), 5.0f);
    EXPECT_EQ(changed, 3);  // identical targets count no change
}

struct CoefCase {
    int rate;
    float ms;
    float expected;
};

TEST(Coefficients, FromTimeAndRateCappedAtOne)
{
    const CoefCase cases[] = {
        {44100, 1.0f, 1.0f / 44.1f}, {48000, 10.0f, 1.0f / 480.0f},
        {10000, 0.1f, 1.0f},  // in range: exactly one
        {1000, 0.1f, 1.0f},   // would be 10 and diverge
        {44100, 0.0f, 1.0f},  // floored at 0.001 ms, then capped
        {44100, -5.0f, 1.0f},
    };
    for (const auto& c : cases) {
        CNFq dsp;
        dsp.nq_srate(c.rate);
        dsp.nqs_attack(c.ms);
        dsp.nqs_decay(c.ms);
        EXPECT_NEAR(dsp.attack_coefficient(), c.expected, 1e-6f) << c.rate << " Hz " << c.ms << " ms";
        EXPECT_NEAR(dsp.release_coefficient(), c.expected, 1e-6f);
        EXPECT_GE(dsp.attack_time(), 0.001f);
    }
}

TEST(Coefficients, SetAtConstructionAndKeptOnBadRates)
{
    CNFq dsp;
    EXPECT_NEAR(dsp.attack_coefficient(), 1.0f / (0.1f / 1000.0f * 44100.0f), 1e-6f);
    EXPECT_NEAR(dsp.release_coefficient(), 1.0f / (100.0f / 1000.0f * 44100.0f), 1e-9f);
    dsp.nq_srate(0);
    dsp.nq_srate(-48000);
    EXPECT_EQ(dsp.sample_rate(), 44100);
}

}  // namespace
