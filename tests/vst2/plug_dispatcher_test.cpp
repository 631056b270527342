// The plug-in's identity and its dispatcher answers, as a host sees them.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "plug_fixture.h"

using vst2test::PlugHost;

namespace {

// The answers in which the builds differ, as a host of each build reads
// them: the Windows build answers as the macOS one does.
struct Identity {
    int32_t unique_id;
    const char* product;
    intptr_t vendor_version;
    intptr_t gain_reduction_can_do;
};
#if defined(_WIN32)
constexpr Identity kExpected{1447835189 /* 'VL65' */, "Channel Dynamics", 2320, 1};
#else
constexpr Identity kExpected{1986803253 /* 'vl65' */, "VLT650 Console Dynamics", 2310, 0};
#endif

TEST(PlugIdentity, RecordAsTheHostReadsIt)
{
    PlugHost host;
    const AEffect* e = host.effect();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->magic, 0x56737450);
    EXPECT_EQ(e->uniqueID, kExpected.unique_id);
    EXPECT_EQ(e->numPrograms, 9);
    EXPECT_EQ(e->numParams, 8);
    EXPECT_EQ(e->numInputs, 2);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->flags, effFlagsHasEditor | effFlagsCanReplacing);
    EXPECT_EQ(e->version, 1);
    EXPECT_EQ(e->initialDelay, 0);
    EXPECT_EQ(e->ioRatio, 1.0f);
    EXPECT_EQ(e->object, &host.plug());
}

struct Answer {
    const char* what;
    int32_t opcode;
    int32_t index;
    intptr_t value;
    intptr_t expected;
};

class PlugAnswers : public ::testing::TestWithParam<Answer> {};

TEST_P(PlugAnswers, AnswersAsSpecified)
{
    PlugHost host;
    const Answer& a = GetParam();
    EXPECT_EQ(host.dispatch(a.opcode, a.index, a.value), a.expected) << a.what;
}

INSTANTIATE_TEST_SUITE_P(
    Dispatcher, PlugAnswers,
    ::testing::Values(
        Answer{"identify", effIdentify, 0, 0, 0x4e764566}, Answer{"no chunks", effGetChunk, 0, 0, 0},
        Answer{"vendor version", effGetVendorVersion, 0, 0, kExpected.vendor_version},
        Answer{"vst version", effGetVstVersion, 0, 0, 2400}, Answer{"program", effGetProgram, 0, 0, 0},
        Answer{"open", effOpen, 0, 0, 0}, Answer{"mains on", effMainsChanged, 0, 1, 0},
        Answer{"edit open without editor", effEditOpen, 0, 0, 1},
        Answer{"edit close without editor", effEditClose, 0, 0, 1}, Answer{"edit idle", effEditIdle, 0, 0, 0},
        Answer{"events", effProcessEvents, 0, 0, 1}, Answer{"bypass", effSetBypass, 0, 0, 1},
        Answer{"stop", effStopProcess, 0, 0, 1}, Answer{"automate first", effCanBeAutomated, 0, 0, 1},
        Answer{"automate ui size", effCanBeAutomated, 7, 0, 1},
        Answer{"meter not automatable", effCanBeAutomated, 8, 0, 0},
        Answer{"category unknown", effGetPlugCategory, 0, 0, 0},
        Answer{"start process is the base's", effStartProcess, 0, 0, 0},
        Answer{"past the last opcode", 73, 0, 0, 0}, Answer{"far past", 5000, 0, 0, 0},
        Answer{"negative opcode", -3, 0, 0, 0}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(PlugAnswers, IdentityTexts)
{
    PlugHost host;
    EXPECT_EQ(host.text(effGetEffectName), "VLT650");
    EXPECT_EQ(host.text(effGetVendorString), "Brindle DSP");
    EXPECT_EQ(host.text(effGetProductString), kExpected.product);
    EXPECT_EQ(host.text(effGetParamLabel, 3), "");  // units are in the display text
}

TEST(PlugAnswers, CanDo)
{
    PlugHost host;
    struct Case {
        const char* text;
        intptr_t expected;
    };
    for (const Case& c : {Case{"bypass", 1}, Case{"receiveVstMidiEvent", 0},
                          Case{"supportsGainReductionInfo", kExpected.gain_reduction_can_do},
                          Case{"sendVstEvents", 0}, Case{"", 0}}) {
        char text[64];
        std::snprintf(text, sizeof text, "%s", c.text);
        EXPECT_EQ(host.dispatch(effCanDo, 0, 0, text), c.expected) << c.text;
    }
    EXPECT_EQ(host.dispatch(effCanDo, 0, 0, nullptr), 0);
}

TEST(PlugAnswers, ResumeAsksTheHostForNothing)
{
    PlugHost host;
    host.dispatch(effMainsChanged, 0, 1);
    EXPECT_TRUE(host.host_calls.empty());
}

TEST(PlugEditorRect, WithoutEditorAnswersThePanelSize)
{
    PlugHost host;
    ERect* rect = nullptr;
    EXPECT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 510);
    EXPECT_EQ(rect->right, 144);
}

TEST(PlugEditorRect, EditorCallsGoToTheEditor)
{
    PlugHost host(true);
    ERect* rect = nullptr;
    int parent = 0;
    EXPECT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect, &vst2test::RecordingEditor::kRect);
    EXPECT_EQ(host.dispatch(effEditOpen, 0, 0, &parent), 1);
    EXPECT_EQ(host.dispatch(effEditClose), 1);
    EXPECT_EQ(host.editor_log.rects, 1);
    EXPECT_EQ(host.editor_log.opens, 1);
    EXPECT_EQ(host.editor_log.closes, 1);
}

TEST(PlugClose, DeletesTheObjectAndItsEditor)
{
    PlugHost host(true);
    EXPECT_FALSE(host.editor_log.deleted);
    host.close_now();
    EXPECT_TRUE(host.editor_log.deleted);
}

// Every opcode that reads or writes through ptr, given none: no crash, and
// nothing claims to have been written.
TEST(PlugNullPointer, EveryPointerOpcodeChecksIt)
{
    for (bool with_editor : {false, true}) {
        PlugHost host(with_editor);
        for (int32_t opcode : {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
                               effGetParamName, effEditGetRect, effGetChunk, effGetProgramNameIndexed,
                               effGetEffectName, effGetVendorString, effGetProductString, effCanDo}) {
            EXPECT_EQ(host.dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
        }
        EXPECT_EQ(host.dispatch(effVendorSpecific, 0, vst2::fourcc("GRdB"), nullptr), 0);
    }
}

TEST(PlugSampleRate, ValidRatesReachTheEngineOthersAreIgnored)
{
    struct Case {
        float rate;
        bool accepted;
    };
    const float inf = std::numeric_limits<float>::infinity();
    for (const Case& c : {Case{48000.0f, true}, Case{96000.7f, true}, Case{1.0f, true}, Case{NAN, false},
                          Case{inf, false}, Case{-inf, false}, Case{3e9f, false}, Case{2147483648.0f, false},
                          Case{0.0f, false}, Case{0.5f, false}, Case{-48000.0f, false}}) {
        PlugHost host;
        host.dispatch(effSetSampleRate, 0, 0, nullptr, c.rate);
        const float expected = c.accepted ? c.rate : 44100.0f;
        EXPECT_EQ(host.dsp().sample_rate(), static_cast<int32_t>(expected)) << c.rate;
        EXPECT_EQ(host.plug().getSampleRate(), expected) << c.rate;
    }
}

}  // namespace
