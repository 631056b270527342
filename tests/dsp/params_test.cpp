#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "CNFq.h"
#include "apply_control.h"
#include "plug_params.h"

namespace {

using namespace vlt::params;

struct DisplayCase {
    int index;
    float v;
    const char* text;
};

TEST(Params, DisplayTexts)
{
    const DisplayCase cases[] = {
        {kInGain, 1.0f / 3.0f, "0.00 dB"}, {kInGain, 1, "12.00 dB"},    {kThreshold, 0.71f, "-14.20 dB"},
        {kAttack, 0, "0.10 ms"},           {kRelease, 1, "1000.00 ms"}, {kRatio, 0.5f, "5.75:1"},
        {kMakeup, 0.1315f, "2.63 dB"},     {kEffect, 0.5f, "Out"},      {kEffect, 0.51f, "In "},
        {kUiSize, 1.7f, "X 2.00"},         {kUiSize, -1, "X 1.00"},     {kUiSize, 0, "X 1.00"},
    };
    for (const auto& c : cases) {
        char text[64];
        ASSERT_TRUE(display(c.index, c.v, text, sizeof text));
        EXPECT_STREQ(text, c.text) << "index " << c.index << " v " << c.v;
    }
}

TEST(Params, DisplayIsBoundedForAnyValue)
{
    const float wild[] = {1e30f, -1e30f, std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity()};
    for (int i = 0; i < kHostParams; ++i)
        for (float v : wild) {
            char text[12];
            std::memset(text, 'x', sizeof text);
            display(i, v, text, 9);
            EXPECT_LT(std::strlen(text), 9u);
            EXPECT_EQ(text[10], 'x');
        }
    char text[8] = "junk";
    EXPECT_FALSE(display(8, 0.5f, text, sizeof text));
    EXPECT_STREQ(text, "");
}

TEST(Params, NamesAndClamp)
{
    const char* expected[] = {"In Gain", "Thresh", "Attack", "Release",
                              "Ratio",   "Makeup", "Effect", "UI Size"};
    for (int i = 0; i < kHostParams; ++i)
        EXPECT_STREQ(name(i), expected[i]);
    EXPECT_EQ(name(8), nullptr);
    EXPECT_EQ(name(-1), nullptr);
    EXPECT_EQ(clamp_unit(std::nanf("")), 0.0f);
    EXPECT_EQ(clamp_unit(-2), 0.0f);
    EXPECT_EQ(clamp_unit(7), 1.0f);
    EXPECT_EQ(clamp_unit(0.25f), 0.25f);
}

TEST(Params, NamedPresetsInDspUnits)
{
    const float dsp[kNamedPresets][6] = {
        {0.00f, -14.20f, 2.70f, 360.50f, 2.06f, 2.63f},  {0.00f, -14.70f, 3.48f, 407.89f, 10.60f, 3.68f},
        {0.00f, -15.26f, 1.14f, 147.37f, 20.00f, 7.90f}, {0.00f, -15.26f, 1.14f, 737.68f, 20.00f, 7.89f},
        {6.79f, -15.26f, 2.71f, 384.21f, 3.22f, 0.00f},
    };
    for (int p = 0; p < kNamedPresets; ++p)
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(dsp_value(i, kNamedPresetTable[p].value[i]), dsp[p][i], 0.006f)
                << kNamedPresetTable[p].name << " parameter " << i;
}

}  // namespace

namespace {

// Each control reaches its own setter with its formula, in either
// precision, and nothing else moves; other indices change nothing.
template <class Precision>
void expect_apply_sets_only_its_target()
{
    using namespace vlt::params;
    auto targets = [](const CNFq& d) {
        return std::vector<float>{d.input_gain_target(), d.threshold_target(), d.attack_time(),
                                  d.release_time(),      d.ratio_target(),     d.makeup_target()};
    };
    for (int index = -1; index <= kMakeup + 2; ++index) {
        CNFq d;
        d.nq_srate(48000);
        const std::vector<float> before = targets(d);
        apply<Precision>(d, index, 0.37f);
        const std::vector<float> after = targets(d);
        for (int k = 0; k <= kMakeup; ++k) {
            const float want = k == index ? dsp_value<Precision>(k, 0.37f) : before[static_cast<size_t>(k)];
            EXPECT_EQ(after[static_cast<size_t>(k)], want) << "index " << index << ", target " << k;
        }
    }
}

TEST(Params, ApplyReachesTheMatchingSetter)
{
    expect_apply_sets_only_its_target<vlt::params::SinglePrecision>();
    expect_apply_sets_only_its_target<vlt::params::Vst3Precision>();
}

}  // namespace
