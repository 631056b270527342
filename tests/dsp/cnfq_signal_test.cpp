#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CNFq.h"

namespace {

// The owners' start-up sequence, then processing in 64-frame sub-blocks.
struct Compressor {
    CNFq dsp;
    float outL = 0, outR = 0, gain = 0;

    explicit Compressor(int rate = 48000, float threshold = 0, float ratio = 1)
    {
        dsp.nq_srate(rate);
        dsp.nq_init();
        dsp.nqs_max_gr(40);
        dsp.nqs_threshold(threshold);
        dsp.nqs_ratio(ratio);
        dsp.nq_init();  // snap the smoothing to these targets
    }

    // Runs frames of a constant stereo input; the last frame's results stay.
    void run(int frames, float inL, float inR)
    {
        while (frames > 0) {
            const int n = frames < 64 ? frames : 64;
            dsp.nq_recalc(n);
            for (int i = 0; i < n; ++i)
                dsp.nq_prc(inL, inR, &outL, &outR, &gain);
            frames -= n;
        }
    }
};

TEST(Signal, SilenceAfterInitReportsUnityGain)
{
    Compressor c;
    c.run(1, 0.0f, 0.0f);
    EXPECT_EQ(c.gain, 1.0f);
    EXPECT_EQ(c.outL, 0.0f);
}

TEST(Signal, FullScaleAtZeroThresholdSettlesOnTheKneeMidpoint)
{
    Compressor c(48000, 0.0f, 20.0f);
    c.run(48000, 1.0f, 1.0f);
    const float k = 0.95f;
    EXPECT_NEAR(20.0f * std::log10(c.gain), -k / 4.0f, 0.01f);
}

TEST(Signal, ClipperHoldsMakeupBoostAtFourThirds)
{
    Compressor c(48000, 0.0f, 1.0f);
    c.dsp.nqs_makeup(20.0f);
    c.dsp.nq_init();
    c.run(4800, 1.0f, -1.0f);
    EXPECT_FLOAT_EQ(c.outL, 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(c.outR, -4.0f / 3.0f);
}

TEST(Signal, SmallSignalsPassWithUnitGain)
{
    Compressor c(48000, 0.0f, 1.0f);
    c.run(4800, 0.001f, -0.001f);
    EXPECT_NEAR(c.outL, 0.001f, 1e-6f);
    EXPECT_NEAR(c.outR, -0.001f, 1e-6f);
}

TEST(Signal, SwitchOutFadesToBitExactDryAndReportsZero)
{
    Compressor c(48000, -20.0f, 20.0f);
    c.run(4800, 0.5f, 0.5f);
    ASSERT_LT(c.gain, 0.5f);

    c.dsp.nqs_comp_in(false);
    EXPECT_TRUE(c.dsp.is_comp_in());  // takes effect at the next recalc
    c.run(64 * 20, 0.5f, 0.5f);       // about 27 ms at 48 kHz
    EXPECT_TRUE(c.dsp.crossfader(0).done);
    EXPECT_EQ(c.outL, 0.5f);

    float last_gain = c.gain;
    bool settled = false;
    for (int block = 0; block < 2000 && !settled; ++block) {
        c.run(64, 0.5f, 0.25f);
        if (c.gain == 0.0f)
            settled = true;
        else {
            EXPECT_GE(c.gain, last_gain);  // recovering towards 1
            last_gain = c.gain;
        }
        EXPECT_EQ(c.outL, 0.5f);
        EXPECT_EQ(c.outR, 0.25f);
    }
    EXPECT_TRUE(settled);
}

TEST(Signal, SwitchInResumesFromShadowEnvelope)
{
    Compressor c(48000, -20.0f, 4.0f);
    c.dsp.nqs_comp_in(false);
    c.run(48000, 0.5f, 0.5f);
    const float shadow = c.dsp.shadow_envelope();
    EXPECT_NEAR(shadow, 0.5f, 1e-3f);
    c.dsp.nqs_comp_in(true);
    c.dsp.nq_recalc(64);
    EXPECT_EQ(c.dsp.envelope(), shadow);
    EXPECT_FALSE(c.dsp.crossfader(0).done);
}

TEST(Signal, MakeupJumpSmoothsTwoThenOnePointEightDb)
{
    Compressor c;
    c.dsp.nqs_makeup(20.0f);
    c.dsp.nq_recalc(64);
    EXPECT_FLOAT_EQ(c.dsp.smoothed_makeup(), 2.0f);
    EXPECT_EQ(c.dsp.makeup_gain_ramp(0).count, 64);
    EXPECT_NEAR(c.dsp.makeup_gain_ramp(1).target, std::pow(10.0f, 0.1f), 1e-6f);
    c.dsp.nq_recalc(32);
    EXPECT_FLOAT_EQ(c.dsp.smoothed_makeup(), 3.8f);
    EXPECT_EQ(c.dsp.makeup_gain_ramp(0).count, 32);
}

TEST(Signal, RampReachesItsTargetExactlyAtTheEnd)
{
    Compressor c;
    c.dsp.nqs_input_gain(6.0f);
    c.dsp.nq_recalc(22);
    const float target = c.dsp.input_ramp(0).target;
    for (int i = 0; i < 22; ++i)
        c.dsp.nq_prc(0.0f, 0.0f, &c.outL, &c.outR, &c.gain);
    EXPECT_EQ(c.dsp.input_ramp(0).count, 0);
    EXPECT_EQ(c.dsp.input_ramp(0).current, target);
}

TEST(Signal, UnchangedTargetsRestartNoRamp)
{
    Compressor c(48000, -10.0f, 4.0f);
    c.dsp.nq_recalc(64);
    EXPECT_EQ(c.dsp.makeup_gain_ramp(0).count, 0);
    EXPECT_EQ(c.dsp.input_ramp(1).count, 0);
    EXPECT_EQ(c.dsp.threshold_now(), -10.0f);
    EXPECT_EQ(c.dsp.ratio_now_value(), 4.0f);
}

TEST(Signal, ThresholdRampsLinearlyAcrossTheSubBlock)
{
    Compressor c(48000, 0.0f, 4.0f);
    c.dsp.nqs_threshold(-20.0f);
    c.run(64, 0.0f, 0.0f);
    EXPECT_NEAR(c.dsp.threshold_now(), -2.0f, 1e-5f);
}

TEST(Signal, NonFiniteInputDoesNotPoisonTheDetector)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (float x : bad) {
        Compressor c(48000, -20.0f, 20.0f);
        c.run(480, 0.1f, 0.1f);
        c.run(1, x, 0.1f);
        EXPECT_TRUE(std::isfinite(c.dsp.envelope())) << x;
        EXPECT_TRUE(std::isfinite(c.dsp.shadow_envelope())) << x;
        c.run(4800, 0.01f, 0.01f);  // -40 dBFS: well under the threshold
        EXPECT_NEAR(c.gain, 1.0f, 1e-3f) << x;
        EXPECT_NEAR(c.outL, 0.01f, 1e-4f) << x;
    }
}

TEST(Signal, LowRateShortTimesStayBounded)
{
    Compressor c(1000, -20.0f, 20.0f);
    c.dsp.nqs_attack(0.001f);
    c.dsp.nqs_decay(0.001f);
    for (int i = 0; i < 200; ++i) {
        c.run(1, (i % 2) ? 1.0f : 0.0f, 0.0f);
        ASSERT_TRUE(std::isfinite(c.dsp.envelope()));
        ASSERT_LE(c.dsp.envelope(), 1.0f);
    }
}

TEST(Signal, ClearEmptiesEnvelopesOnly)
{
    Compressor c(48000, -20.0f, 20.0f);
    c.run(480, 0.5f, 0.5f);
    c.dsp.nq_clear();
    EXPECT_EQ(c.dsp.envelope(), 0.0f);
    EXPECT_EQ(c.dsp.shadow_envelope(), 0.0f);
    EXPECT_EQ(c.dsp.threshold_now(), -20.0f);
}

TEST(Signal, DenormalInputFlushesTheEnvelope)
{
    Compressor c;
    c.run(48000, 1e-38f, 1e-38f);
    c.run(48000, 0.0f, 0.0f);
    EXPECT_EQ(c.dsp.envelope(), 0.0f);
    EXPECT_EQ(c.dsp.shadow_envelope(), 0.0f);
}

TEST(HostMemory, DelegateConstructionStartsSwitchedOut)
{
    alignas(CNFq) unsigned char block[sizeof(CNFq)];
    CNFq* dsp = new (block) CNFq(CNFq::PlacedInHostMemory{});
    dsp->nq_delegate_ctor();
    EXPECT_FALSE(dsp->comp_in_requested());
    EXPECT_FALSE(dsp->is_comp_in());
    EXPECT_EQ(dsp->sample_rate(), 44100);
    float l, r, g;
    dsp->nq_recalc(1);
    dsp->nq_prc(0.25f, -0.25f, &l, &r, &g);
    EXPECT_EQ(l, 0.25f);
    dsp->nq_delegate_dctor();
    EXPECT_EQ(CNFq::bend_ratio(0.5f), 0.25f);
}

}  // namespace
