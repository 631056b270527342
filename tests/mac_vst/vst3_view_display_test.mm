// The macOS VST3 Cocoa view in a host window: edits to the controller, the
// factory programs on the step buttons, host values, the host's bypass and
// the frame the host sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CPlugController.h"
#include "CPlugEditorViewMac.h"
#include "host_objects.h"
#include "plug_ids.h"
#include "view_fixture.h"
#include "vst3_panel.h"
#include "vst3_view_methods.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace mac_view_test;
using vlt::editor::Widget;

struct Vst3View : ::testing::Test {
    void SetUp() override
    {
        pool = [[NSAutoreleasePool alloc] init];  // the views a test touched end with it
        ASSERT_EQ(controller->initialize(host), kResultOk);
        controller->setComponentHandler(handler);
        editor = static_cast<CPlugEditorViewMac*>(controller->createView("editor"));
        ASSERT_EQ(editor->attached(window.parent(), "NSView"), kResultOk);
        view = plugin_view(window);
        ASSERT_NE(view, nil);
        handler->log.clear();
    }
    void TearDown() override
    {
        [pool release];
        editor->removed();
        editor->release();
        controller->terminate();
        controller->release();
        handler->release();
        host->release();
    }
    vlt::editor::CocoaEditorWindow& editor_window() { return editor_window_of(view); }
    void click(Widget w)
    {
        editor_window().press(at_widget(editor_window(), w));
        editor_window().release(at_widget(editor_window(), w));
    }
    std::string preset_name(int32 index)
    {
        char8 name[64];
        controller->getFactoryPresetName(index, name);
        return name;
    }
    int32 program()
    {
        return CPlugController::programIndexFromValue(controller->getParamNormalized(vlt650::kPresetId));
    }

    mac_host::HostWindow window{468, 510};
    vst3host::HostApplication* host = new vst3host::HostApplication;
    vst3host::ComponentHandler* handler = new vst3host::ComponentHandler;
    CPlugController* controller = new CPlugController;
    CPlugEditorViewMac* editor = nullptr;
    NSView* view = nil;
    NSAutoreleasePool* pool = nil;
};

TEST_F(Vst3View, KnobEditsGoToTheControllerAndEveryReleaseEndsThem)
{
    editor_window().press(at_widget(editor_window(), Widget::kThresholdKnob));
    editor_window().drag(at_widget(editor_window(), Widget::kThresholdKnob, 0, -10));
    ASSERT_GE(handler->log.size(), 2u);
    EXPECT_EQ(handler->log[0], "beginEdit 1");
    EXPECT_EQ(handler->log[1].rfind("performEdit 1 ", 0), 0u) << handler->log[1];
    EXPECT_GT(controller->getParamNormalized(vlt650::kThreshId), 0.0);
    handler->log.clear();
    editor_window().release(at_widget(editor_window(), Widget::kThresholdKnob));
    const std::vector<std::string> ends = {"endEdit 0", "endEdit 1", "endEdit 2", "endEdit 3",
                                           "endEdit 4", "endEdit 5", "endEdit 7"};
    EXPECT_EQ(handler->log, ends);
}

TEST_F(Vst3View, PresetButtonsShowThenStepThroughSixPrograms)
{
    ASSERT_EQ(program(), 0);
    click(Widget::kLeftButton);
    EXPECT_EQ(editor_window().banner_text(), std::string("Factory Defaults"));
    EXPECT_EQ(program(), 0);
    click(Widget::kLeftButton);
    EXPECT_EQ(program(), 5);
    EXPECT_EQ(editor_window().banner_text(), preset_name(5));
    click(Widget::kRightButton);
    EXPECT_EQ(program(), 0);
    EXPECT_EQ(editor_window().banner_text(), preset_name(0));
}

// A program the controller selects shows its name from the banner's
// start, however far the user had dragged the banner.
TEST_F(Vst3View, AProgramTheHostSelectsShowsItsNameFromTheStart)
{
    auto select = [&](int32 index) {
        controller->setParamNormalized(vlt650::kPresetId, static_cast<double>(index) / vlt650::kPresetSteps);
        tick(view);  // the name goes on the banner at the tick
        EXPECT_EQ(editor_window().banner_text(), preset_name(index));
    };
    const auto [from_start, after_a_drag] = program_banner_before_and_after_a_drag(editor_window(), select);
    EXPECT_EQ(after_a_drag, from_start);
}

TEST_F(Vst3View, ProgramSelectionSleepsWhenTheVersionReturns)
{
    click(Widget::kRightButton);
    for (int i = 0; i < 125; ++i)
        tick(view);  // 2.5 s: the version line replaces the name
    click(Widget::kRightButton);
    EXPECT_EQ(program(), 0);
    click(Widget::kRightButton);
    EXPECT_EQ(program(), 1);
}

TEST_F(Vst3View, HostValueForADraggedKnobIsIgnored)
{
    editor_window().press(at_widget(editor_window(), Widget::kAttackKnob));
    const float held = editor_window().value(Widget::kAttackKnob);
    controller->setParamNormalized(vlt650::kAttackId, 0.9);
    EXPECT_EQ(editor_window().value(Widget::kAttackKnob), held);
    editor_window().release(at_widget(editor_window(), Widget::kAttackKnob));
    controller->setParamNormalized(vlt650::kAttackId, 0.9);
    EXPECT_FLOAT_EQ(editor_window().value(Widget::kAttackKnob), 0.9f * 99.0f);
}

TEST_F(Vst3View, HostBypassAboveHalfDrawsGrey)
{
    controller->setParamNormalized(vlt650::kHostBypassId, 0.7);
    EXPECT_TRUE(editor_window().mono());
    EXPECT_EQ(coloured_pixels(view), 0);
    controller->setParamNormalized(vlt650::kHostBypassId, 0.5);
    EXPECT_FALSE(editor_window().mono());
    EXPECT_GT(coloured_pixels(view), 0);
}

TEST_F(Vst3View, HostFrameMagnifiesAndCentresThePanel)
{
    EXPECT_EQ(editor_window().x_pos(), 162);
    struct Case {
        int32 w, h;
        float magnification;
        int x_pos;
    };
    for (const Case& c : {Case{936, 1020, 2.0f, 324}, Case{936, 510, 1.0f, 396}}) {
        ViewRect r{0, 0, c.w, c.h};
        EXPECT_EQ(editor->onSize(&r), kResultOk);
        EXPECT_EQ(editor_window().magnification(), c.magnification) << c.w << " x " << c.h;
        EXPECT_EQ(editor_window().x_pos(), c.x_pos) << c.w << " x " << c.h;
        EXPECT_EQ(editor_window().width(), c.w);
        EXPECT_EQ([view frame].size.height, c.h);
    }
}

// The host sizes this view: the panel's resize corner changes nothing.
TEST_F(Vst3View, ResizeCornerKeepsTheHostFrame)
{
    vlt::editor::PointerEvent corner;
    corner.x = editor_window().width() - 2;
    corner.y = editor_window().height() - 2;
    editor_window().press(corner);
    corner.y += 60;
    corner.delta_y = 60;
    editor_window().drag(corner);
    editor_window().release(corner);
    EXPECT_EQ(editor_window().width(), 468);
    EXPECT_EQ(editor_window().height(), 510);
    EXPECT_EQ(editor_window().x_pos(), 162);
    EXPECT_EQ([view frame].size.width, 468);
}

TEST_F(Vst3View, ViewAnswersTheEditorViewsMethods)
{
    for (SEL method : {
             @selector(setController:), @selector(setParameter::), @selector(setProgramName::),
                 @selector(setFrameSize:), @selector(startEditorMain), @selector(stopEditor)
         })
        EXPECT_TRUE([view respondsToSelector:method]) << [NSStringFromSelector(method) UTF8String];
}

// After the version line the banner blanks with 16 blanks.
TEST_F(Vst3View, BannerBlanksWithSixteenBlanks)
{
    for (int i = 0; i < editor_window().build().banner.show_ticks; ++i)
        tick(view);
    EXPECT_EQ(editor_window().banner_text(), std::string(16, ' '));
}

TEST_F(Vst3View, RemovedReleasesTheViewAndItsTimer)
{
    EXPECT_EQ(vst3_panel::live_count(), 1);
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    editor->removed();
    [pool release];
    EXPECT_EQ(vst3_panel::live_count(), 0);
    window.run(0.06, [] {});
    EXPECT_EQ(editor->attached(window.parent(), "NSView"), kResultOk);  // a new view
    EXPECT_EQ(vst3_panel::live_count(), 1);
}

}  // namespace
