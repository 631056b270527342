// The controller as a host and an editor use it: parameters, texts,
// programs, the processor's state, views, MIDI and gain reduction.
#include <cmath>
#include <string>

#include "plugin_fixture.h"
#include "recording_view.h"

namespace vst3test {
namespace {

using ControllerTest = PluginFixture;

std::string text(CPlugController* c, ParamID id, double v)
{
    String128 s{};
    EXPECT_EQ(c->getParamStringByValue(id, v, s), kResultOk);
    return vst3host::to_utf8(s);
}

TEST_F(ControllerTest, DeclaresTenParametersInTheRootUnit)
{
    struct Row {
        ParamID id;
        const char* title;
        int32 steps;
        int32 flags;
    };
    const Row rows[] = {{0, "In Gain", 0, 1},     {1, "Thresh", 0, 1},
                        {2, "Attack", 0, 1},      {3, "Release", 0, 1},
                        {4, "Ratio", 0, 1},       {5, "Makeup", 0, 1},
                        {6, "Meter", 0, 2},       {7, "Bypass", 0, 1},
                        {8, "Preset", 5, 0x8001}, {97, "Host Bypass", 1, 0x10001}};
    ASSERT_EQ(controller->getParameterCount(), 10);
    for (int32 i = 0; i < 10; ++i) {
        ParameterInfo info{};
        ASSERT_EQ(controller->getParameterInfo(i, info), kResultOk);
        EXPECT_EQ(info.id, rows[i].id);
        EXPECT_EQ(vst3host::to_utf8(info.title), rows[i].title);
        EXPECT_EQ(info.stepCount, rows[i].steps) << rows[i].title;
        EXPECT_EQ(info.flags, rows[i].flags) << rows[i].title;
        EXPECT_EQ(info.unitId, 0);
        EXPECT_EQ(info.defaultNormalizedValue, 0.0);
        EXPECT_EQ(info.units[0], 0);
    }
    UnitInfo unit{};
    ASSERT_EQ(controller->getUnitCount(), 1);
    ASSERT_EQ(controller->getUnitInfo(0, unit), kResultOk);
    EXPECT_EQ(unit.parentUnitId, -1);
    EXPECT_EQ(unit.programListId, 8);
    EXPECT_EQ(vst3host::to_utf8(unit.name), "Root");
}

TEST_F(ControllerTest, DisplayTexts)
{
    struct Case {
        ParamID id;
        double v;
        const char* text;
    };
    const Case cases[] = {
        {7, 0.5, "Out"},
        {7, 0.51, "In "},
        {97, 0.51, "On"},
        {97, 0.5, "Off"},
        {4, 1.0, "20.00:1"},
        {4, 0.5, "5.75:1"},
        {0, 1.0 / 3.0, "0.00 dB"},
        {0, 0.0, "-6.00 dB"},
        {1, 0.0, "0.00 dB"},
        {1, 1.0, "-20.00 dB"},
        {2, 1.0, "10.00 ms"},
        {3, 1.0, "1000.00 ms"},
        {5, 0.5, "10.00 dB"},
        {6, 0.25, "5.0 dB"},
        {8, 0.4, "0.4000"},
        // The attack in double, rounded to float: single precision shows 2.70 and 2.57.
        {2, 0.26313132, "2.71 ms"},
        {2, 0.25, "2.58 ms"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(controller, c.id, c.v), c.text) << c.id << " " << c.v;
    String128 s{};
    EXPECT_EQ(controller->getParamStringByValue(55, 0.5, s), kResultFalse);
    ParamValue v = 0;
    EXPECT_EQ(controller->getParamValueByString(0, s, v), kResultFalse);
}

TEST_F(ControllerTest, ProgramIndexFromHostSteps)
{
    struct Case {
        double v;
        int32 index;
    };
    // Hosts send program k of a 5-step parameter as k / 5.
    const Case cases[] = {{0.0, 0},  {0.2, 1},  {0.4, 2}, {0.6, 3},  {0.8, 4}, {1.0, 5},
                          {0.29, 1}, {0.31, 2}, {1.5, 5}, {-1.0, 0}, {NAN, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CPlugController::programIndexFromValue(c.v), c.index) << c.v;
}

TEST_F(ControllerTest, ProgramChangeEditsInOrderAndTellsEditorsAndTheList)
{
    IPlugView* plugView = controller->createView("editor");
    ASSERT_NE(plugView, nullptr);
    auto* view = static_cast<RecordingView*>(plugView);
    int dummyWindow;
    view->attached(&dummyWindow, "X11EmbedWindowID");
    view->values.clear();

    ASSERT_EQ(controller->setParamNormalized(8, 0.6), kResultOk);

    std::vector<std::string> expected;
    const ParamID order[] = {8, 0, 1, 2, 3, 4, 5, 7};
    const auto& program = ::vlt::params::kNamedPresetTable[2];  // Snare Hit Long
    for (ParamID id : order) {
        char value[32];
        std::snprintf(value, sizeof(value), "%.6f", id == 8 ? 0.6 : program.value[id == 7 ? 6 : id]);
        expected.push_back("beginEdit " + std::to_string(id));
        expected.push_back("performEdit " + std::to_string(id) + " " + value);
        expected.push_back("endEdit " + std::to_string(id));
    }
    expected.push_back("notifyProgramListChange 8 3");
    EXPECT_EQ(handler->log, expected);

    ASSERT_EQ(view->values.size(), 8u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(view->values[i].first, order[i + 1]);
        EXPECT_EQ(view->values[i].second, static_cast<double>(program.value[i]));
    }
    EXPECT_EQ(view->values[7], (std::pair<ParamID, ParamValue>(8, 0.6)));
    ASSERT_EQ(view->names.size(), 1u);
    EXPECT_EQ(view->names[0], (std::pair<int32, std::string>(3, "03 - Snare Hit Long")));
    EXPECT_FLOAT_EQ(static_cast<float>(controller->getParamNormalized(1)), program.value[1]);
    EXPECT_EQ(controller->getParamNormalized(7), 1.0);
    view->removed();
    view->release();
}

TEST_F(ControllerTest, ProgramsAndTheirNames)
{
    ProgramListInfo list{};
    ASSERT_EQ(controller->getProgramListCount(), 1);
    ASSERT_EQ(controller->getProgramListInfo(0, list), kResultOk);
    EXPECT_EQ(list.id, 8);
    EXPECT_EQ(list.programCount, 6);
    EXPECT_EQ(vst3host::to_utf8(list.name), "Factory Presets");
    EXPECT_EQ(controller->getProgramListInfo(1, list), kResultFalse);

    struct Case {
        int32 index;
        const char* hostName;
        const char* presetName;
    };
    const Case cases[] = {
        {0, "Factory Defaults", "Factory Defaults"},     {1, "Factory Preset 01", "01 - Light Vocal"},
        {3, "Factory Preset 03", "03 - Snare Hit Long"}, {5, "Factory Preset 05", "05 - Light Acoustic"},
        {9, "Factory Preset 09", "05 - Light Acoustic"}, {-2, nullptr, "Factory Defaults"}};
    for (const Case& c : cases) {
        if (c.hostName) {
            String128 name{};
            ASSERT_EQ(controller->getProgramName(8, c.index, name), kResultOk);
            EXPECT_EQ(vst3host::to_utf8(name), c.hostName);
        }
        char preset[64];
        controller->getFactoryPresetName(c.index, preset);
        EXPECT_STREQ(preset, c.presetName);
    }
    String128 name{};
    EXPECT_EQ(controller->getProgramName(7, 0, name), kResultFalse);
}

TEST_F(ControllerTest, EditorSizeTravelsAsIds98And99)
{
    EXPECT_EQ(controller->setParamNormalized(98, 700.4), kResultOk);
    EXPECT_EQ(controller->setParamNormalized(99, 611.6), kResultOk);
    EXPECT_TRUE(handler->log.empty());
    IPlugView* view = controller->createView("editor");
    ASSERT_NE(view, nullptr);
    ViewRect rect;
    view->getSize(&rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.getWidth(), 700);
    EXPECT_EQ(rect.getHeight(), 612);
    EXPECT_TRUE(static_cast<RecordingView*>(view)->values.empty());
    view->release();
    EXPECT_EQ(controller->createView("other"), nullptr);
    EXPECT_EQ(controller->createView(nullptr), nullptr);

    // A size that is no number of pixels changes nothing.
    for (double v : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, 2147483647.0}) {
        EXPECT_EQ(controller->setParamNormalized(98, v), kResultOk) << v;
        EXPECT_EQ(controller->setParamNormalized(99, v), kResultOk) << v;
    }
    view = controller->createView("editor");
    ASSERT_NE(view, nullptr);
    view->getSize(&rect);
    EXPECT_EQ(rect.getWidth(), 700);
    EXPECT_EQ(rect.getHeight(), 612);
    view->release();
}

TEST_F(ControllerTest, HostSizeGoesThroughTheViewsLimitsToGetSizeAndTheNextView)
{
    auto* view = static_cast<RecordingView*>(controller->createView("editor"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->onSize(nullptr), kInvalidArgument);
    EXPECT_EQ(view->getSize(nullptr), kInvalidArgument);
    EXPECT_TRUE(view->applied.empty());

    ViewRect asked{10, 20, 70, 320};  // 60 x 300, narrower than the view allows
    EXPECT_EQ(view->onSize(&asked), kResultOk);
    ViewRect kept{};
    EXPECT_EQ(view->getSize(&kept), kResultOk);
    EXPECT_EQ(kept.left, 0);
    EXPECT_EQ(kept.top, 0);
    EXPECT_EQ(kept.getWidth(), 100);
    EXPECT_EQ(kept.getHeight(), 300);
    ASSERT_EQ(view->applied.size(), 1u);
    EXPECT_EQ(view->applied[0].getWidth(), 100);
    // The controller keeps the size for the next view.
    view->release();
    IPlugView* next = controller->createView("editor");
    ASSERT_NE(next, nullptr);
    next->getSize(&kept);
    EXPECT_EQ(kept.getWidth(), 100);
    EXPECT_EQ(kept.getHeight(), 300);
    next->release();
}

TEST_F(ControllerTest, ViewsLeaveTheEditorListHoweverTheyGo)
{
    auto* removedFirst = static_cast<RecordingView*>(controller->createView("editor"));
    auto* justReleased = static_cast<RecordingView*>(controller->createView("editor"));
    int window;
    removedFirst->attached(&window, "X11EmbedWindowID");
    justReleased->attached(&window, "X11EmbedWindowID");
    EXPECT_EQ(controller->openEditors().size(), 2u);
    removedFirst->removed();
    EXPECT_EQ(controller->openEditors().size(), 1u);
    justReleased->release();  // no removed(): a host that skips it
    EXPECT_TRUE(controller->openEditors().empty());
    controller->setParamNormalized(0, 0.5);  // would reach the freed view
    removedFirst->release();
}

TEST_F(ControllerTest, ComponentStateWithAStreamThatLiesAboutShortReads)
{
    controller->setParamNormalized(97, 1.0);
    struct Case {
        std::vector<uint8> bytes;
        tresult result;
        double hostBypass, thresh, meter;
    };
    const Case cases[] = {
        {stateBytes({0.2f, 0.5f, 0, 0, 0, 0, 0.25f, 1}), kResultOk, 1.0, 0.5, 0.25},
        {stateBytes({0.2f, 0.9f, 0, 0, 0, 0, 0.75f}), kResultFalse, 1.0, 0.5, 0.25},
        {stateBytes({0.2f, 0.1f, 0, 0, 0, 0, 0.5f, 1, 0}), kResultOk, 0.0, 0.1f, 0.5},
    };
    for (const Case& c : cases) {
        auto* stream = new MemoryStream(c.bytes);
        stream->lieOnShortRead = true;
        stream->seek(0, IBStream::kIBSeekEnd, nullptr);  // the controller rewinds
        EXPECT_EQ(controller->setComponentState(stream), c.result) << c.bytes.size();
        stream->release();
        EXPECT_EQ(controller->getParamNormalized(97), c.hostBypass) << c.bytes.size();
        EXPECT_FLOAT_EQ(static_cast<float>(controller->getParamNormalized(1)), static_cast<float>(c.thresh));
        EXPECT_FLOAT_EQ(static_cast<float>(controller->getParamNormalized(6)), static_cast<float>(c.meter));
    }
    EXPECT_EQ(controller->setComponentState(nullptr), kResultOk);
}

TEST_F(ControllerTest, MidiControllerSevenOnBusZeroDrivesInGain)
{
    struct Case {
        int32 bus;
        int16 channel, cc;
        tresult result;
    };
    const Case cases[] = {
        {0, 5, 7, kResultOk}, {0, 0, 7, kResultOk}, {1, 0, 7, kResultFalse}, {0, 0, 11, kResultFalse}};
    for (const Case& c : cases) {
        ParamID id = 1234;
        EXPECT_EQ(controller->getMidiControllerAssignment(c.bus, c.channel, c.cc, id), c.result);
        EXPECT_EQ(id, c.result == kResultOk ? 0u : 1234u);
    }
}

TEST_F(ControllerTest, GainReductionFollowsTheMeter)
{
    struct Case {
        double meter, db;
    };
    const Case cases[] = {{0.5, -10.0}, {0.0, 0.0}, {1.0, -20.0}, {1.5, -20.0}, {-0.5, 0.0}};
    for (const Case& c : cases) {
        controller->setParamNormalized(6, c.meter);
        EXPECT_DOUBLE_EQ(controller->getGainReductionValueInDb(), c.db) << c.meter;
    }
}

TEST_F(ControllerTest, TextsFromTheProcessorArePrinted)
{
    testing::internal::CaptureStderr();
    controller->receiveText("50% off");
    controller->receiveText(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[VLT650-VST3 Controller] received: 50% off\n");
}

}  // namespace
}  // namespace vst3test
