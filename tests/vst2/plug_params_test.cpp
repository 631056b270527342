// Parameters through the AEffect entries: what the compressor receives,
// what the host reads back and sees displayed, and what the editor hears.
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "plug_fixture.h"

using vst2test::PlugHost;

namespace {

using Target = std::function<float(const CNFq&)>;

const Target kInGain = [](const CNFq& d) { return d.input_gain_target(); };
const Target kThreshold = [](const CNFq& d) { return d.threshold_target(); };
const Target kAttack = [](const CNFq& d) { return d.attack_time(); };
const Target kRelease = [](const CNFq& d) { return d.release_time(); };
const Target kRatio = [](const CNFq& d) { return d.ratio_target(); };
const Target kMakeup = [](const CNFq& d) { return d.makeup_target(); };

struct ParamCase {
    int32_t index;
    float host_value;
    float stored;  // what getParameter answers afterwards
    Target dsp;
    float dsp_value;
    const char* display;
};

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(PlugParameters, ConversionDisplayAndClamping)
{
    const ParamCase cases[] = {
        {0, 0.5f, 0.5f, kInGain, 3.0f, "3.00 dB"},
        {0, 1.0f / 3.0f, 1.0f / 3.0f, kInGain, 0.0f, "0.00 dB"},
        {0, 0.0f, 0.0f, kInGain, -6.0f, "-6.00 dB"},
        {1, 0.71f, 0.71f, kThreshold, -14.2f, "-14.20 dB"},
        {1, 1.0f, 1.0f, kThreshold, -20.0f, "-20.00 dB"},
        {2, 1.0f, 1.0f, kAttack, 10.0f, "10.00 ms"},
        {3, 1.0f, 1.0f, kRelease, 1000.0f, "1000.00 ms"},
        {4, 0.5f, 0.5f, kRatio, 5.75f, "5.75:1"},
        {4, 1.0f, 1.0f, kRatio, 20.0f, "20.00:1"},
        {5, 0.25f, 0.25f, kMakeup, 5.0f, "5.00 dB"},
        // Host values outside 0..1 are clamped before they reach the DSP.
        {3, 1e30f, 1.0f, kRelease, 1000.0f, "1000.00 ms"},
        {2, kInf, 1.0f, kAttack, 10.0f, "10.00 ms"},
        {4, -0.5f, 0.0f, kRatio, 1.0f, "1.00:1"},
        {0, -kInf, 0.0f, kInGain, -6.0f, "-6.00 dB"},
        {5, NAN, 0.0f, kMakeup, 0.0f, "0.00 dB"},
        {1, 7.0f, 1.0f, kThreshold, -20.0f, "-20.00 dB"},
    };
    for (const ParamCase& c : cases) {
        PlugHost host(true);
        SCOPED_TRACE(::testing::Message() << "index " << c.index << " value " << c.host_value);
        host.set(c.index, c.host_value);
        EXPECT_FLOAT_EQ(c.dsp(host.dsp()), c.dsp_value);
        EXPECT_EQ(host.get(c.index), c.stored);
        EXPECT_EQ(host.display(c.index), c.display);
        const auto forwarded = host.editor_log.of("param");
        ASSERT_EQ(forwarded.size(), 1u);
        EXPECT_EQ(forwarded[0].index, c.index);
        EXPECT_EQ(forwarded[0].value, c.stored);
    }
}

TEST(PlugParameters, EffectSwitchFollowsBothParameterAndHostBypass)
{
    struct Case {
        float effect;
        bool host_bypass;
        bool comp_in;
        const char* display;
    };
    for (const Case& c :
         {Case{0.5f, false, false, "Out"}, Case{0.51f, false, true, "In "}, Case{1.0f, false, true, "In "},
          Case{0.0f, false, false, "Out"}, Case{1.0f, true, false, "In "}, Case{0.51f, true, false, "In "}}) {
        PlugHost host(true);
        SCOPED_TRACE(::testing::Message() << c.effect << " bypass " << c.host_bypass);
        host.dispatch(effSetBypass, 0, c.host_bypass ? 1 : 0);
        host.set(6, c.effect);
        EXPECT_EQ(host.dsp().comp_in_requested(), c.comp_in);
        EXPECT_EQ(host.display(6), c.display);
        const auto enable = host.editor_log.of("enable");
        ASSERT_EQ(enable.size(), 1u);
        EXPECT_EQ(enable[0].value, c.host_bypass ? 0.0f : 1.0f);
    }
}

TEST(PlugParameters, BypassOffRestoresTheSwitch)
{
    PlugHost host;
    host.dispatch(effSetBypass, 0, 1);
    EXPECT_FALSE(host.dsp().comp_in_requested());
    host.dispatch(effSetBypass, 0, 0);
    EXPECT_TRUE(host.dsp().comp_in_requested());
    EXPECT_EQ(host.plug().host_enable(), 1.0f);
}

TEST(PlugParameters, UiSizeIsShownClampedAndTouchesNoProgram)
{
    struct Case {
        float v;
        const char* display;
    };
    for (const Case& c : {Case{0.0f, "X 1.00"}, Case{0.5f, "X 1.50"}, Case{1.7f, "X 2.00"},
                          Case{-1.0f, "X 1.00"}, Case{NAN, "X 1.00"}}) {
        PlugHost host;
        host.set(7, c.v);
        EXPECT_EQ(host.display(7), c.display) << c.v;
    }
    PlugHost host;
    host.set(7, 0.5f);
    EXPECT_EQ(host.get(7), 0.5f);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(host.plug().program(0).value[k], host.get(k));
}

TEST(PlugParameters, NamesForHostIndicesOnly)
{
    PlugHost host;
    const char* names[] = {"In Gain", "Thresh", "Attack", "Release", "Ratio", "Makeup", "Effect", "UI Size"};
    for (int32_t i = 0; i < 8; ++i)
        EXPECT_EQ(host.text(effGetParamName, i), names[i]);
    for (int32_t i : {8, 9, -1}) {
        char text[16] = "untouched";
        host.dispatch(effGetParamName, i, 0, text);
        EXPECT_STREQ(text, "untouched") << i;
        host.dispatch(effGetParamDisplay, i, 0, text);
        EXPECT_STREQ(text, "untouched") << i;
        EXPECT_EQ(host.get(i), 0.0f) << i;
    }
}

TEST(PlugParameters, TextsStayInsideASmallHostBuffer)
{
    for (float v : {0.0f, 1.0f, 1e30f, -1e30f, NAN, kInf}) {
        PlugHost host;
        for (int32_t i = 0; i < 8; ++i) {
            host.set(i, v);
            for (int32_t opcode : {effGetParamDisplay, effGetParamName}) {
                char buffer[16];
                std::memset(buffer, '#', sizeof buffer);
                host.dispatch(opcode, i, 0, buffer);
                EXPECT_LE(std::strlen(buffer), 10u) << i << " " << v;
                EXPECT_EQ(buffer[11], '#') << "wrote past 11 bytes for " << i;
            }
        }
    }
}

TEST(PlugParameters, IndicesPastTheMeterChangeNothing)
{
    PlugHost host(true);
    host.set(9, 0.5f);
    host.set(-1, 0.5f);
    EXPECT_TRUE(host.editor_log.calls.empty());
    EXPECT_EQ(host.get(9), 0.0f);
}

}  // namespace
