#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "CNFq.h"
#include "apply_control.h"
#include "aax_param_ids.h"
#include "au_params.h"
#include "compressor_start.h"
#include "plug_params.h"
#include "start_values.h"

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
}

// One rule for every host value, in either width: the ends for values
// beyond them, NaN at the minimum, -0 as it came.
template <class Real>
void expect_clamp_rule()
{
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real cases[][2] = {{std::numeric_limits<Real>::quiet_NaN(), 0},
                             {-inf, 0},
                             {Real(-2), 0},
                             {Real(0.25), Real(0.25)},
                             {Real(7), 1},
                             {inf, 1},
                             {Real(1), Real(1)}};
    for (const auto& c : cases)
        EXPECT_EQ(clamp_unit(c[0]), c[1]) << c[0];
    EXPECT_TRUE(std::signbit(clamp_unit(Real(-0.0))));
}

TEST(Params, OneClampRule)
{
    expect_clamp_rule<float>();
    expect_clamp_rule<double>();
}

// The host values the sweep below takes: a spread of every float in 0..1
// by bit pattern, and some beyond.
std::vector<float> spread()
{
    std::vector<float> v = {-1.5f, 1.5f, 1e30f, -1e30f, std::numeric_limits<float>::infinity(), -0.0f};
    for (uint32_t bits = 0; bits <= 0x3f800000u; bits += 251) {
        float f;
        std::memcpy(&f, &bits, sizeof f);
        v.push_back(f);
    }
    v.push_back(1.0f);
    return v;
}

bool same(float a, float b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

// Counts a formula's mismatches over the spread and keeps the first, so a
// broken formula fails once, with an example.
class Mismatches {
public:
    void check(const char* formula, float got, float want, float v)
    {
        Entry& e = entries_[formula];
        if (!same(got, want) && e.count++ == 0)
            e.first = {v, got, want};
    }
    ~Mismatches()
    {
        for (const auto& [formula, e] : entries_)
            EXPECT_EQ(e.count, 0) << formula << ": at " << e.first[0] << " got " << e.first[1] << ", want "
                                  << e.first[2];
    }

private:
    struct Entry {
        int count = 0;
        std::array<float, 3> first{};
    };
    std::map<const char*, Entry> entries_;  // by the literal itself: one per formula
};

// The range table gives, bit for bit, the formulas every host has always
// received: 18 v - 6, -20 v + 0, 9.9 v + 0.1 (in double for VST3 and the
// Audio Unit), 900 v + 100, 19 v^2 + 1, 20 v + 0, and back.
TEST(Params, RangesGiveTheFormulasAsWritten)
{
    Mismatches m;
    for (float v : spread()) {
        m.check("18 v - 6", in_gain_db(v), 18.0f * v - 6.0f, v);
        m.check("-20 v + 0", threshold_db(v), -20.0f * v + 0.0f, v);
        m.check("9.9 v + 0.1", attack_ms(v), 9.9f * v + 0.1f, v);
        const float twice = static_cast<float>(9.9 * static_cast<double>(v) + 0.1);
        m.check("9.9 v + 0.1 in double (VST3)", attack_ms<Vst3Precision>(v), twice, v);
        m.check("9.9 v + 0.1 in double (AU)", au::plain_value(kAttack, v), twice, v);
        m.check("900 v + 100", release_ms(v), 900.0f * v + 100.0f, v);
        m.check("19 v^2 + 1", ratio(v), 19.0f * (v * v) + 1.0f, v);
        m.check("20 v + 0", makeup_db(v), 20.0f * v + 0.0f, v);
        m.check("UI size 1..2", ui_scale(v), std::min(std::max(v, 0.0f), 1.0f) + 1.0f, v);
        m.check("meter 20 m", meter_db(v), 20.0f * v, v);
        // The Audio Unit's inverses, of plain values across each range.
        const float db = 18.0f * v - 6.0f, ms = 900.0f * v + 100.0f, r = 19.0f * v + 1.0f;
        m.check("AU (v + 6) / 18", au::host_value(kInGain, db), (db + 6.0f) / 18.0f, v);
        m.check("AU v / -20", au::host_value(kThreshold, -20.0f * v), -20.0f * v / -20.0f, v);
        m.check("AU (v - 0.1) / 9.9", au::host_value(kAttack, 9.9f * v), (9.9f * v - 0.1f) / 9.9f, v);
        m.check("AU (v - 100) / 900", au::host_value(kRelease, ms), (ms - 100.0f) / 900.0f, v);
        m.check("AU root of (v - 1) / 19", au::host_value(kRatio, r),
                std::sqrt(std::clamp((r - 1.0f) / 19.0f, 0.0f, 1.0f)), v);
        m.check("AU v / 20", au::host_value(kMakeup, 20.0f * v), 20.0f * v / 20.0f, v);
        m.check("AU UI size v - 1", au::host_value(kUiSize, v + 1.0f), v + 1.0f - 1.0f, v);
        m.check("AU UI size f + 1", au::plain_value(kUiSize, v), v + 1.0f, v);
        m.check("AU meter v / 20", au::host_value(kMeter, 20.0f * v), 20.0f * v / 20.0f, v);
    }
}

// A new compressor's set-up in each build: its rate, the 40 dB limit and
// the DSP values every build has always started from (0 dB, 0 dB, 0.1 ms,
// 100 ms, 1:1, 0 dB), whichever precision converts them.
template <class Precision>
void expect_start(const float (&values)[kProgramValues])
{
    CNFq d;
    // A compressor that held other settings before: the start sets them all.
    for (void (CNFq::*set)(float) :
         {&CNFq::nqs_max_gr, &CNFq::nqs_input_gain, &CNFq::nqs_threshold, &CNFq::nqs_attack, &CNFq::nqs_decay,
          &CNFq::nqs_ratio, &CNFq::nqs_makeup})
        (d.*set)(-3.0f);
    start_compressor<Precision>(d, 48000, values);
    EXPECT_EQ(d.sample_rate(), 48000);
    EXPECT_EQ(d.max_reduction(), 40.0f);
    const float want[] = {0.0f, 0.0f, 0.1f, 100.0f, 1.0f, 0.0f};
    const float got[] = {d.input_gain_target(), d.threshold_target(), d.attack_time(),
                         d.release_time(),      d.ratio_target(),     d.makeup_target()};
    for (int k = 0; k < kKnobCount; ++k) {
        EXPECT_TRUE(same(got[k], want[k])) << k << ": " << got[k];
        EXPECT_FALSE(std::signbit(got[k])) << k;
    }
}

TEST(Params, EveryBuildStartsTheCompressorAlike)
{
    expect_start<Vst2Precision>(kDefaults);
    expect_start<Vst3Precision>(kVst3StartValues);
    expect_start<AaxPrecision>(kAaxDefaults);
    // The switch is each build's own: in for VST2, out for VST3 and AAX.
    EXPECT_TRUE(switched_on(kDefaults[kEffect]));
    EXPECT_FALSE(switched_on(kVst3StartValues[kEffect]));
    EXPECT_FALSE(aax::switched_in(kAaxDefaults[kEffect]));
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
