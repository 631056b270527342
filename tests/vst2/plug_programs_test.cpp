// Programs and factory presets through the dispatcher.
#include <cstring>
#include <ostream>
#include <string>

#include "plug_fixture.h"

using vst2test::PlugHost;

namespace {

const char* const kNames[9] = {
    "01 User Preset 1", "02 User Preset 2",  "03 User Preset 3",   "04 User Preset 4",  "05 Light Vocal",
    "06 Heavy Vocal",   "07 Snare Hit Long", "08 Snare Hit Short", "09 Light Acoustic",
};

TEST(PlugPrograms, NamesByIndex)
{
    PlugHost host;
    for (int32_t i = 0; i < 9; ++i) {
        char text[32] = {};
        EXPECT_EQ(host.dispatch(effGetProgramNameIndexed, i, -1, text), 1);
        EXPECT_STREQ(text, kNames[i]);
    }
    for (int32_t i : {9, -1, 1000}) {
        char text[32] = "untouched";
        EXPECT_EQ(host.dispatch(effGetProgramNameIndexed, i, -1, text), 0) << i;
        EXPECT_STREQ(text, "untouched") << i;
    }
}

struct SelectCase {
    intptr_t requested;
    int32_t selected;
};

void PrintTo(const SelectCase& c, std::ostream* os) { *os << "program " << c.requested; }

class PlugProgramSelect : public ::testing::TestWithParam<SelectCase> {};

// Every selection is clamped and sends its seven values to the host as
// automation, in order, then retitles the editor.
TEST_P(PlugProgramSelect, ClampsAndAutomatesSevenValues)
{
    const SelectCase c = GetParam();
    PlugHost host(true);
    EXPECT_EQ(host.dispatch(effSetProgram, 0, c.requested), 1);
    EXPECT_EQ(host.dispatch(effGetProgram), c.selected);
    EXPECT_EQ(host.text(effGetProgramName), kNames[c.selected]);

    const CPlugProgram& p = host.plug().program(c.selected);
    ASSERT_EQ(host.host_calls.size(), 7u);
    for (int32_t k = 0; k < 7; ++k) {
        EXPECT_EQ(host.host_calls[k].opcode, audioMasterAutomate);
        EXPECT_EQ(host.host_calls[k].index, k);
        EXPECT_EQ(host.host_calls[k].opt, p.value[k]);
        EXPECT_EQ(host.get(k), p.value[k]);
    }
    const auto titles = host.editor_log.of("title");
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].text, std::string("VLT650-VST: ") + kNames[c.selected]);
    const auto programs = host.editor_log.of("program");
    ASSERT_EQ(programs.size(), 1u);
    EXPECT_EQ(programs[0].index, c.selected);
}

INSTANTIATE_TEST_SUITE_P(Programs, PlugProgramSelect,
                         ::testing::Values(SelectCase{0, 0}, SelectCase{4, 4}, SelectCase{8, 8},
                                           SelectCase{12, 8}, SelectCase{-3, 0},
                                           SelectCase{intptr_t{1} << 32, 8},
                                           SelectCase{-(intptr_t{1} << 40), 0}),
                         [](const auto& info) {
                             const intptr_t v = info.param.requested;
                             return (v < 0 ? "Minus" : "Request") + std::to_string(v < 0 ? -v : v);
                         });

TEST(PlugPrograms, PresetsReachTheCompressorInItsUnits)
{
    struct Case {
        int32_t program;
        float in_gain, threshold, attack, release, ratio, makeup;
    };
    const Case cases[] = {
        {4, 0.00f, -14.20f, 2.70f, 360.50f, 2.06f, 2.63f},
        {5, 0.00f, -14.70f, 3.48f, 407.89f, 10.60f, 3.68f},
        {6, 0.00f, -15.26f, 1.14f, 147.37f, 20.00f, 7.90f},
        {7, 0.00f, -15.26f, 1.14f, 737.68f, 20.00f, 7.89f},
        {8, 6.79f, -15.26f, 2.71f, 384.21f, 3.22f, 0.00f},
        {0, 0.00f, 0.00f, 0.10f, 100.00f, 1.00f, 0.00f},
    };
    for (const Case& c : cases) {
        PlugHost host;
        host.dispatch(effSetProgram, 0, 3);
        host.set(6, 0.0f);  // switched out in program 3, so that switching in is seen
        host.dispatch(effSetProgram, 0, c.program);
        const CNFq& d = host.dsp();
        SCOPED_TRACE(c.program);
        EXPECT_NEAR(d.input_gain_target(), c.in_gain, 0.006);
        EXPECT_NEAR(d.threshold_target(), c.threshold, 0.006);
        EXPECT_NEAR(d.attack_time(), c.attack, 0.006);
        EXPECT_NEAR(d.release_time(), c.release, 0.006);
        EXPECT_NEAR(d.ratio_target(), c.ratio, 0.006);
        EXPECT_NEAR(d.makeup_target(), c.makeup, 0.006);
        EXPECT_TRUE(d.comp_in_requested());
    }
}

TEST(PlugPrograms, EditsAreKeptInTheCurrentProgram)
{
    PlugHost host;
    host.dispatch(effSetProgram, 0, 2);
    host.set(1, 0.25f);
    host.dispatch(effSetProgram, 0, 5);
    EXPECT_NE(host.get(1), 0.25f);
    host.dispatch(effSetProgram, 0, 2);
    EXPECT_EQ(host.get(1), 0.25f);
    EXPECT_EQ(host.plug().program(5).value[1], 0.735000014f);
}

TEST(PlugPrograms, RenameKeepsTwentyThreeCharacters)
{
    struct Case {
        std::string given;
        std::string stored;
    };
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";
    for (const Case& c : {Case{"Drums", "Drums"}, Case{thirty, thirty.substr(0, 23)}, Case{"", ""}}) {
        PlugHost host(true);
        host.dispatch(effSetProgram, 0, 3);
        std::string given = c.given;
        EXPECT_EQ(host.dispatch(effSetProgramName, 0, 0, given.data()), 1);
        EXPECT_EQ(host.text(effGetProgramName), c.stored);
        EXPECT_EQ(host.text(effGetProgramNameIndexed, 3, -1), c.stored);
        EXPECT_EQ(host.editor_log.of("title").back().text, "VLT650-VST: " + c.given);
    }
}

TEST(PlugPrograms, LongRenameCutsTheTitleToItsBuffer)
{
    PlugHost host;
    std::string name(400, 'n');
    host.dispatch(effSetProgramName, 0, 0, name.data());
    EXPECT_EQ(std::strlen(host.plug().title_text()), 255u);
}

}  // namespace
