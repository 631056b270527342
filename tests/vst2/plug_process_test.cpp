// The audio path through processReplacing: sub-blocks, the meter value
// and the effect switch.
#include <cmath>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "gain_meter.h"
#include "host_fp_mode.h"
#include "plug_fixture.h"

using vst2test::PlugHost;

namespace {

// Frames where the makeup gain ramp changes slope: each sub-block ramps
// linearly towards its own target, so every sub-block start is a kink.
std::vector<int> ramp_kinks(const std::vector<float>& out, float level)
{
    std::vector<int> kinks;
    for (std::size_t i = 1; i + 1 < out.size(); ++i) {
        const double before = (out[i] - out[i - 1]) / level;
        const double after = (out[i + 1] - out[i]) / level;
        if (std::fabs(after - before) > 1e-5)
            kinks.push_back(static_cast<int>(i));
    }
    return kinks;
}

struct SplitCase {
    int32_t frames;
    int sub_blocks;
    std::vector<int> kinks;  // first frame of each later sub-block, where it can be seen
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.frames << " frames"; }

class PlugSubBlocks : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PlugSubBlocks, BlockIsCutIntoSubBlocksOfAtMost64)
{
    const SplitCase& c = GetParam();
    PlugHost host;
    host.set(5, 1.0f);  // +20 dB makeup: the smoothing moves at every sub-block
    constexpr float kLevel = 1e-3f;
    const std::vector<float> out = host.process_constant(kLevel, c.frames);
    EXPECT_EQ(ramp_kinks(out, kLevel), c.kinks);
    // Each sub-block runs one smoothing step of 10 % of the distance left.
    EXPECT_NEAR(host.dsp().smoothed_makeup(), 20.0 * (1.0 - std::pow(0.9, c.sub_blocks)), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Split, PlugSubBlocks,
                         ::testing::Values(SplitCase{1, 1, {}}, SplitCase{64, 1, {}}, SplitCase{65, 2, {}},
                                           SplitCase{66, 2, {64}}, SplitCase{150, 3, {64, 128}},
                                           SplitCase{200, 4, {64, 128, 192}}),
                         [](const auto& info) { return "Frames" + std::to_string(info.param.frames); });

TEST(PlugProcess, EmptyOrBrokenBlocksChangeNothing)
{
    PlugHost host(true);
    std::vector<float> in(8, 0.5f), out_l(8, 7.0f), out_r(8, 7.0f);
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {out_l.data(), out_r.data()};
    float* missing[2] = {in.data(), nullptr};
    AEffect* e = host.effect();
    e->processReplacing(e, inputs, outputs, 0);
    e->processReplacing(e, inputs, outputs, -5);
    e->processReplacing(e, missing, outputs, 8);
    e->processReplacing(e, inputs, missing, 8);
    e->processReplacing(e, nullptr, nullptr, 8);
    e->process(e, inputs, outputs, 8);  // the old accumulating call does nothing
    for (float v : out_l)
        EXPECT_EQ(v, 7.0f);
    EXPECT_TRUE(host.editor_log.of("param").empty());
    EXPECT_EQ(host.dsp().envelope(), 0.0f);
}

TEST(PlugProcess, InPlaceBuffersGiveTheSameResult)
{
    std::vector<float> signal(300);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = 0.8f * std::sin(0.05f * static_cast<float>(i));
    auto configure = [](const PlugHost& h) {
        h.set(1, 1.0f);
        h.set(4, 1.0f);
    };
    PlugHost apart, shared;
    configure(apart);
    configure(shared);
    std::vector<float> out_l, out_r;
    apart.process(signal, signal, out_l, out_r);
    std::vector<float> l = signal, r = signal;
    float* io[2] = {l.data(), r.data()};
    shared.effect()->processReplacing(shared.effect(), io, io, static_cast<int32_t>(l.size()));
    EXPECT_EQ(l, out_l);
    EXPECT_EQ(r, out_r);
}

// An infinite or NaN sample reaches the compressor as 0: the output is
// what a 0 there gives, finite throughout, and the host's input is left
// as it was.
TEST(PlugProcess, NonFiniteInputReachesTheCompressorAsZero)
{
    std::vector<float> signal(300);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = 0.8f * std::sin(0.05f * static_cast<float>(i));
    for (float bad : {INFINITY, -INFINITY, NAN}) {
        PlugHost clean, dirty;
        for (const PlugHost* h : {&clean, &dirty}) {
            h->set(1, 1.0f);
            h->set(4, 1.0f);
        }
        std::vector<float> zl = signal, zr = signal;
        zl[70] = zr[200] = 0.0f;
        std::vector<float> want_l, want_r;
        clean.process(zl, zr, want_l, want_r);

        std::vector<float> l = signal, r = signal, out_l(300), out_r(300);
        l[70] = r[200] = bad;
        const std::vector<float> host_l = l, host_r = r;
        float* in[2] = {l.data(), r.data()};
        float* out[2] = {out_l.data(), out_r.data()};
        dirty.effect()->processReplacing(dirty.effect(), in, out, 300);
        EXPECT_EQ(out_l, want_l) << bad;
        EXPECT_EQ(out_r, want_r) << bad;
        EXPECT_EQ(std::memcmp(l.data(), host_l.data(), 300 * sizeof(float)), 0);
        EXPECT_EQ(std::memcmp(r.data(), host_r.data(), 300 * sizeof(float)), 0);
    }
}

#if VLT_TEST_HOST_FP_MODE
TEST(PlugProcess, DenormalsAreFlushedAndTheHostsModeComesBack)
{
    PlugHost host;
    const vlt::test::HostFpMode mode;
    const std::vector<float> out = host.process_constant(1e-39f, 1000);
    EXPECT_TRUE(mode.intact());
    EXPECT_EQ(vlt::test::subnormal_count(out), 0);
}
#endif

// One meter value per host block, taken from the gain of its last frame.
TEST(PlugProcess, MeterIsSentOncePerBlock)
{
    struct Case {
        float in_gain, threshold, ratio, level;
        float low, high;  // expected meter range
    };
    const Case cases[] = {
        {1.0f / 3.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // silence: no reduction
        {1.0f / 3.0f, 1.0f, 1.0f, 0.5f, 0.5f, 0.8f},  // about 13 dB
        {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},         // 30 dB: full scale
    };
    for (const Case& c : cases) {
        PlugHost host(true);
        host.set(0, c.in_gain);
        host.set(1, c.threshold);
        host.set(4, c.ratio);
        host.editor_log.calls.clear();
        for (int block = 0; block < 20; ++block)
            host.process_constant(c.level, 512);
        const auto sent = host.editor_log.of("param");
        ASSERT_EQ(sent.size(), 20u);
        for (const auto& s : sent)
            EXPECT_EQ(s.index, 8);
        const float m = sent.back().value;
        EXPECT_EQ(m, vlt::params::meter_from_gain<vlt::params::Vst2Precision>(host.dsp().current_gain()));
        EXPECT_EQ(host.plug().meter_value(), m);
        EXPECT_GE(m, c.low);
        EXPECT_LE(m, c.high);
    }
}

TEST(PlugProcess, StoppingClearsMeterAndEnvelope)
{
    for (int32_t opcode : {effMainsChanged, effStopProcess}) {
        PlugHost host(true);
        host.set(1, 1.0f);
        host.set(4, 1.0f);
        host.process_constant(0.9f, 1024);
        ASSERT_GT(host.plug().meter_value(), 0.0f);
        host.dispatch(opcode, 0, 0);
        EXPECT_EQ(host.editor_log.calls.back().index, 8);
        EXPECT_EQ(host.editor_log.calls.back().value, 0.0f);
        EXPECT_EQ(host.dsp().envelope(), 0.0f);
        EXPECT_EQ(host.dsp().shadow_envelope(), 0.0f);
    }
}

enum class SwitchOut { HostBypass, EffectParameter };

class PlugSwitchOut : public ::testing::TestWithParam<SwitchOut> {};

// Switched out, the output fades to the dry input in about 20 ms, is bit
// exact once the compressor has settled, and the meter falls to 0.
TEST_P(PlugSwitchOut, FadesToDryAndBack)
{
    PlugHost host;
    host.set(1, 1.0f);  // -20 dB threshold, 20:1: a loud input is reduced a lot
    host.set(4, 1.0f);
    constexpr float kLevel = 0.5f;
    host.process_constant(kLevel, 44100);
    ASSERT_GT(host.plug().meter_value(), 0.5f);

    auto switch_effect = [&](bool in) {
        if (GetParam() == SwitchOut::HostBypass)
            host.dispatch(effSetBypass, 0, in ? 0 : 1);
        else
            host.set(6, in ? 1.0f : 0.0f);
    };
    switch_effect(false);
    const std::vector<float> fade = host.process_constant(kLevel, 2048);
    EXPECT_LT(fade.front(), 0.9f * kLevel);           // still compressed when the fade starts
    for (std::size_t i = 1024; i < fade.size(); ++i)  // 23 ms on: dry
        ASSERT_EQ(fade[i], kLevel) << i;

    host.process_constant(kLevel, 44100);
    EXPECT_EQ(host.plug().meter_value(), 0.0f);  // settled: the gain is reported as 0

    switch_effect(true);
    const std::vector<float> back = host.process_constant(kLevel, 4096);
    EXPECT_LT(back.back(), 0.9f * kLevel);
    EXPECT_GT(host.plug().meter_value(), 0.5f);
}

INSTANTIATE_TEST_SUITE_P(Switch, PlugSwitchOut,
                         ::testing::Values(SwitchOut::HostBypass, SwitchOut::EffectParameter),
                         [](const auto& info) {
                             return info.param == SwitchOut::HostBypass ? "HostBypass" : "EffectParameter";
                         });

}  // namespace
