// The macOS VST2 editor over a recording view: how it makes, fills, shows
// and ends its view as the host opens and closes it.
#include <gtest/gtest.h>

#include "CEditorGUI.h"
#include "CPlug.h"
#include "CPlugFactory.h"
#include "recording_panels.h"

namespace {

using mac_test::panel_log;

intptr_t silent_host(AEffect*, int32_t, int32_t, intptr_t, void*, float) { return 0; }

class MacVst2Editor : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel_log().clear();
        effect = create_plug_effect(silent_host, make_plug_editor);
        ASSERT_NE(effect, nullptr);
    }
    void TearDown() override
    {
        if (effect)
            dispatch(effClose);
    }
    intptr_t dispatch(int32_t opcode, void* ptr = nullptr) { return effect->dispatcher(effect, opcode, 0, 0, ptr, 0); }

    AEffect* effect = nullptr;
    int parent = 0;
};

TEST_F(MacVst2Editor, OpenMakesAViewOfTheUiSize)
{
    struct Case {
        float ui_size;
        const char* make;
    } const cases[] = {{0.0f, "make 468 x 510 scale 1"}, {1.0f, "make 468 x 1020 scale 2"},
                       {0.5f, "make 468 x 765 scale 1.5"}};
    for (const Case& c : cases) {
        panel_log().clear();
        effect->setParameter(effect, 7, c.ui_size);
        EXPECT_EQ(dispatch(effEditOpen, &parent), 1);
        EXPECT_EQ(dispatch(effEditClose), 1);
        EXPECT_EQ(panel_log().calls, (std::vector<std::string>{c.make, "show 1", "close 1"}));
    }
}

TEST_F(MacVst2Editor, SecondOpenKeepsTheView)
{
    EXPECT_EQ(dispatch(effEditOpen, &parent), 1);
    EXPECT_EQ(dispatch(effEditOpen, &parent), 1);
    EXPECT_EQ(panel_log().made, 1);
    EXPECT_EQ(dispatch(effEditClose), 1);
    EXPECT_EQ(dispatch(effEditClose), 1);
    EXPECT_EQ(panel_log().closed, 1);
}

// Every close ends its view: none outlives it, over many cycles.
TEST_F(MacVst2Editor, OpenCloseCyclesLeaveNoView)
{
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(dispatch(effEditOpen, &parent), 1);
        ASSERT_EQ(panel_log().live(), 1);
        dispatch(effEditClose);
        ASSERT_EQ(panel_log().live(), 0);
    }
    EXPECT_EQ(panel_log().made, 50);
}

TEST_F(MacVst2Editor, ClosingThePlugInEndsAnOpenView)
{
    EXPECT_EQ(dispatch(effEditOpen, &parent), 1);
    dispatch(effClose);
    effect = nullptr;
    EXPECT_EQ(panel_log().live(), 0);
    EXPECT_TRUE(panel_log().has("close 1"));
}

}  // namespace

namespace {

// The 'GRdB' answer the macOS hosts draw (the query is shared by every
// build): full scale is 20 dB.
TEST_F(MacVst2Editor, GainReductionQueryFollowsTheMeter)
{
    struct Case {
        float meter, db;
    } const cases[] = {{0.5f, -10.0f}, {1.5f, -20.0f}, {1.0f, -20.0f}, {-0.5f, 0.0f}};
    auto* plug = static_cast<CPlug*>(static_cast<AudioEffect*>(effect->object));
    for (const Case& c : cases) {
        plug->control_update_meter(c.meter);
        float db = 99.0f;
        EXPECT_EQ(effect->dispatcher(effect, effVendorSpecific, 0, vst2::fourcc("GRdB"), &db, 0), 0);
        EXPECT_FLOAT_EQ(db, c.db) << "meter " << c.meter;
    }
}

}  // namespace
