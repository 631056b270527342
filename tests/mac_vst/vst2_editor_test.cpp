// The macOS VST2 editor over a recording view: how it makes, fills, shows
// and ends its view as the host opens and closes it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <limits>
#include <thread>

#include "plugin/mac/CEditorGUI.h"
#include "plugin/vst2/CPlug.h"
#include "CPlugFactory.h"
#include "host_view_slot.h"
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
    intptr_t dispatch(int32_t opcode, void* ptr = nullptr)
    {
        return effect->dispatcher(effect, opcode, 0, 0, ptr, 0);
    }

    AEffect* effect = nullptr;
    int parent = 0;
};

TEST_F(MacVst2Editor, OpenMakesAViewOfTheUiSize)
{
    struct Case {
        float ui_size;
        const char* make;
    } const cases[] = {{0.0f, "make 468 x 510 scale 1"},
                       {1.0f, "make 468 x 1020 scale 2"},
                       {0.5f, "make 468 x 765 scale 1.5"}};
    for (const Case& c : cases) {
        panel_log().clear();
        effect->setParameter(effect, 7, c.ui_size);
        EXPECT_EQ(dispatch(effEditOpen, &parent), 1);
        EXPECT_EQ(dispatch(effEditClose), 1);
        ASSERT_FALSE(panel_log().calls.empty());
        EXPECT_EQ(panel_log().calls.front(), c.make);
        EXPECT_EQ(panel_log().calls.back(), "close 1");
    }
}

// The view and the host's rectangle (two points larger each way) follow
// the editor's size rule, whose clamp takes a UI size beyond 0..1 (or not
// a number) as the nearer end, whichever caller of the plug-in set it.
TEST_F(MacVst2Editor, ViewAndRectTakeTheEditorsSizeRule)
{
    struct Case {
        float ui_size;
        const char* make;
        int bottom, right;
    } const cases[] = {{0.25f, "make 468 x 638 scale 1.25", 640, 470},
                       {3.0f, "make 468 x 1020 scale 2", 1022, 470},
                       {-2.0f, "make 468 x 510 scale 1", 512, 470},
                       {std::numeric_limits<float>::quiet_NaN(), "make 468 x 510 scale 1", 512, 470}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ui_size);
        panel_log().clear();
        static_cast<CPlug*>(static_cast<AudioEffect*>(effect->object))->control_update_ui_size(c.ui_size);
        ERect* r = nullptr;
        dispatch(effEditGetRect, &r);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->bottom, c.bottom);
        EXPECT_EQ(r->right, c.right);
        EXPECT_EQ(dispatch(effEditOpen, &parent), 1);
        EXPECT_EQ(dispatch(effEditClose), 1);
        ASSERT_FALSE(panel_log().calls.empty());
        EXPECT_EQ(panel_log().calls.front(), c.make);
    }
}

// The new view hears the UI size first, then the seven values, the host's
// bypass and the program, and only then starts.
TEST_F(MacVst2Editor, OpenFillsTheViewBeforeShowingIt)
{
    effect->dispatcher(effect, effSetProgram, 0, 4, nullptr, 0);  // sets the knobs first
    effect->setParameter(effect, 2, 0.25f);
    effect->dispatcher(effect, effSetBypass, 0, 1, nullptr, 0);
    panel_log().clear();
    ASSERT_EQ(dispatch(effEditOpen, &parent), 1);
    const std::vector<std::string>& calls = panel_log().calls;
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[1], "param 7 0");
    EXPECT_EQ(calls[2].rfind("param 0 ", 0), 0u);
    EXPECT_EQ(calls[4], "param 2 0.25");
    EXPECT_EQ(calls[8].rfind("param 6 ", 0), 0u);
    EXPECT_EQ(calls[9], "enable 0");
    EXPECT_EQ(calls[10], "program 4");
    EXPECT_EQ(calls[11], "show 1");
}

// Host changes reach an open view through its setters, and no closed one;
// the meter stays with the plug-in, which the view polls.
TEST_F(MacVst2Editor, HostChangesGoToTheOpenViewOnly)
{
    ASSERT_EQ(dispatch(effEditOpen, &parent), 1);
    panel_log().clear();
    effect->setParameter(effect, 3, 0.5f);
    effect->dispatcher(effect, effSetBypass, 0, 0, nullptr, 0);
    effect->dispatcher(effect, effSetProgram, 0, 2, nullptr, 0);
    auto* plug = static_cast<CPlug*>(static_cast<AudioEffect*>(effect->object));
    plug->control_update_meter(0.5f);
    EXPECT_TRUE(panel_log().has("param 3 0.5"));
    EXPECT_TRUE(panel_log().has("enable 1"));
    EXPECT_TRUE(panel_log().has("program 2"));
    for (const std::string& call : panel_log().calls)
        EXPECT_NE(call.rfind("param 8", 0), 0u) << call;
    dispatch(effEditClose);
    panel_log().clear();
    effect->setParameter(effect, 3, 0.75f);
    effect->dispatcher(effect, effSetProgram, 0, 1, nullptr, 0);
    EXPECT_TRUE(panel_log().calls.empty()) << panel_log().calls.front();
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

namespace {

// A host thread hands values to the view while the main thread opens and
// ends views: the slot never lets it reach a freed one (the sanitizer
// would report it here).
TEST(HostViewSlot, NoHostThreadReachesAnEndedView)
{
    vlt::mac::HostViewSlot slot;
    std::atomic<bool> done{false};
    std::atomic<long> handed{0};
    std::thread host([&] {
        while (!done)
            slot.use([&](void* view) {
                static_cast<std::atomic<int>*>(view)->fetch_add(1);
                ++handed;
            });
    });
    auto cycle = [&](std::chrono::microseconds open_for) {
        auto* view = new std::atomic<int>(0);
        slot.set(view);
        if (open_for.count() > 0)
            std::this_thread::sleep_for(open_for);
        else
            std::this_thread::yield();
        EXPECT_EQ(slot.take(), view);
        delete view;
    };
    for (int i = 0; i < 2000; ++i)
        cycle(std::chrono::microseconds(0));
    // On a loaded machine the host thread may not have run yet: views stay
    // open longer until it has reached one.
    while (handed.load() == 0)
        cycle(std::chrono::microseconds(500));
    done = true;
    host.join();
    EXPECT_EQ(slot.get(), nullptr);
    EXPECT_GT(handed.load(), 0);
}

}  // namespace
