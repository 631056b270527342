// The conversions each build evaluates in its own precision: values where
// single and double precision part ways, so a build on the wrong policy
// shows the wrong text or sends the wrong meter.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gain_meter.h"
#include "plug_params.h"

namespace {

using namespace vlt::params;

template <class Precision>
std::string shown(int index, float v)
{
    char text[32];
    display<Precision>(index, v, text, sizeof text);
    return text;
}

TEST(BuildPrecision, AttackTextsWhereFloatAndDoubleDiffer)
{
    struct Case {
        float v;
        const char* single;  // VST2, AAX
        const char* vst3;    // double, then rounded to float
    };
    const Case cases[] = {
        {0.26313132f, "2.70 ms", "2.71 ms"},  // Light Acoustic
        {0.25f, "2.57 ms", "2.58 ms"},
        {0.26262629f, "2.70 ms", "2.70 ms"},  // Light Vocal: both agree
        {1.0f, "10.00 ms", "10.00 ms"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shown<Vst2Precision>(kAttack, c.v), c.single) << c.v;
        EXPECT_EQ(shown<AaxPrecision>(kAttack, c.v), c.single) << c.v;
        EXPECT_EQ(shown<Vst3Precision>(kAttack, c.v), c.vst3) << c.v;
        // What the compressor receives is what the text shows.
        EXPECT_EQ(dsp_value<Vst3Precision>(kAttack, c.v),
                  static_cast<float>(9.9 * static_cast<double>(c.v) + 0.1));
        EXPECT_EQ(dsp_value<Vst2Precision>(kAttack, c.v), 9.9f * c.v + 0.1f);
    }
}

TEST(BuildPrecision, OnlyTheAttackDependsOnThePolicy)
{
    for (int index : {kInGain, kThreshold, kRelease, kRatio, kMakeup, kEffect, kUiSize})
        for (float v : {0.0f, 0.26313132f, 0.25f, 0.709999979f, 1.0f})
            EXPECT_EQ(shown<Vst3Precision>(index, v), shown<Vst2Precision>(index, v)) << index << " " << v;
}

TEST(GainMeter, FromTheLastFramesGain)
{
    struct Case {
        float gain;
        float meter;
    };
    for (const Case& c : {Case{1.0f, 0.0f}, Case{0.5f, 0.30103f}, Case{0.1f, 1.0f},
                          Case{std::pow(10.0f, -25.0f / 20.0f), 1.0f}, Case{0.0f, 0.0f}, Case{-1.0f, 0.0f},
                          Case{NAN, 0.0f}, Case{2.0f, 0.0f}, Case{INFINITY, 0.0f}, Case{1e-30f, 1.0f}}) {
        EXPECT_NEAR(meter_from_gain<Vst2Precision>(c.gain), c.meter, 1e-5) << c.gain;
        EXPECT_NEAR(meter_from_gain<Vst3Precision>(c.gain), c.meter, 1e-5) << c.gain;
    }
    // No reduction is a positive zero: VST3 saves the meter in its state.
    EXPECT_FALSE(std::signbit(meter_from_gain<Vst3Precision>(1.0f)));
    EXPECT_FALSE(std::signbit(meter_from_gain<Vst2Precision>(2.0f)));
}

TEST(GainMeter, EachBuildsPrecision)
{
    // Gains whose reduction rounds differently in float and in double.
    for (float g : {0.7f, 0.8f, 0.9f}) {
        const float single = 20.0f * std::log10(1.0f / g) / 20.0f;
        const float twice = static_cast<float>(20.0 * std::log10(1.0 / static_cast<double>(g)) / 20.0);
        ASSERT_NE(single, twice) << g;
        EXPECT_EQ(meter_from_gain<Vst2Precision>(g), single) << g;
        EXPECT_EQ(meter_from_gain<AaxPrecision>(g), single) << g;
        EXPECT_EQ(meter_from_gain<Vst3Precision>(g), twice) << g;
    }
}

}  // namespace
