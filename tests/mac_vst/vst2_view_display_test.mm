// The macOS VST2 Cocoa view in a host window: its edits as the host hears
// them, the step buttons, the host's bypass, the meter tick and the view's
// life after close.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "plugin/mac/CEditorGUI.h"
#include "plugin/vst2/CPlug.h"
#include "CPlugFactory.h"
#include "view_fixture.h"
#include "vst2_interface.h"
#include "vst2_panel.h"
#include "vst2_view_methods.h"

namespace {

using namespace mac_view_test;
using vlt::editor::Widget;

std::vector<std::string> host_calls;

intptr_t recording_host(AEffect*, int32_t opcode, int32_t index, intptr_t value, void*, float opt)
{
    char line[64];
    switch (opcode) {
    case audioMasterVersion: return 2400;
    case audioMasterBeginEdit: std::snprintf(line, sizeof line, "begin %d", index); break;
    case audioMasterEndEdit: std::snprintf(line, sizeof line, "end %d", index); break;
    case audioMasterAutomate: std::snprintf(line, sizeof line, "automate %d %.3f", index, opt); break;
    case audioMasterSizeWindow: std::snprintf(line, sizeof line, "size %d x %ld", index, long(value)); break;
    default: return 0;
    }
    host_calls.push_back(line);
    return 1;
}

const std::vector<std::string> kEndAll = {"end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 6"};

struct Vst2View : ::testing::Test {
    void SetUp() override
    {
        pool = [[NSAutoreleasePool alloc] init];  // the views a test touched end with it
        effect = create_plug_effect(recording_host, make_plug_editor);
        ASSERT_NE(effect, nullptr);
        dispatch(effOpen);
        plug = static_cast<CPlug*>(static_cast<AudioEffect*>(effect->object));
        editor = static_cast<CEditorGUI*>(plug->getEditor());
        dispatch(effEditOpen, 0, window.parent());
        view = plugin_view(window);
        ASSERT_NE(view, nil);
        host_calls.clear();
    }
    void TearDown() override
    {
        [pool release];
        dispatch(effEditClose);
        dispatch(effClose);
    }
    intptr_t dispatch(int32_t op, intptr_t value = 0, void* ptr = nullptr)
    {
        return effect->dispatcher(effect, op, 0, value, ptr, 0);
    }
    std::string program_name()
    {
        char name[64] = {};
        dispatch(effGetProgramName, 0, name);
        return name;
    }
    std::vector<std::string> tail(size_t n) const
    {
        return {host_calls.end() - std::min(n, host_calls.size()), host_calls.end()};
    }
    vlt::editor::CocoaEditorWindow& editor_window() { return editor_window_of(view); }

    mac_host::HostWindow window{470, 512};
    AEffect* effect = nullptr;
    CPlug* plug = nullptr;
    CEditorGUI* editor = nullptr;
    NSView* view = nil;
    NSAutoreleasePool* pool = nil;
};

TEST_F(Vst2View, SecondOpenKeepsTheView)
{
    EXPECT_EQ(dispatch(effEditOpen, 0, window.parent()), 1);
    EXPECT_EQ(plugin_view(window), view);
    EXPECT_EQ([[static_cast<NSView*>(window.parent()) subviews] count], 1u);
    EXPECT_EQ(vst2_panel::live_count(), 1);
}

TEST_F(Vst2View, KnobDragIsOneGestureEndedForEveryControl)
{
    editor_window().press(at_widget(editor_window(), Widget::kInGainKnob));
    editor_window().drag(at_widget(editor_window(), Widget::kInGainKnob, 0, -20));
    ASSERT_GE(host_calls.size(), 2u);
    EXPECT_EQ(host_calls[0], "begin 0");
    EXPECT_EQ(host_calls[1].rfind("automate 0 ", 0), 0u) << host_calls[1];
    host_calls.clear();
    editor_window().release(at_widget(editor_window(), Widget::kInGainKnob, 0, -20));
    EXPECT_EQ(host_calls, kEndAll);
}

TEST_F(Vst2View, SwitchPressIsAWholeGesture)
{
    const float before = plug->getParameter(6);
    editor_window().press(at_widget(editor_window(), Widget::kEffectSwitch));
    ASSERT_EQ(host_calls.size(), 3u);
    EXPECT_EQ(host_calls[0], "begin 6");
    EXPECT_EQ(host_calls[1], before > 0.5f ? "automate 6 0.000" : "automate 6 1.000");
    EXPECT_EQ(host_calls[2], "end 6");
    host_calls.clear();
    editor_window().release(at_widget(editor_window(), Widget::kEffectSwitch));
    EXPECT_EQ(host_calls, kEndAll);
}

TEST_F(Vst2View, ResizeDragAutomatesTheUiSizeAndSizesTheWindow)
{
    const vlt::editor::CocoaEditorWindow& c = editor_window();
    vlt::editor::PointerEvent corner;
    corner.x = c.width() - 2;
    corner.y = c.height() - 2;
    editor_window().press(corner);
    corner.y += 40;
    corner.delta_y = 40;
    editor_window().drag(corner);
    ASSERT_EQ(host_calls.size(), 2u);
    EXPECT_EQ(host_calls[0].rfind("automate 7 ", 0), 0u) << host_calls[0];
    char size[64];
    std::snprintf(size, sizeof size, "size %d x %d", editor_window().width(), editor_window().height());
    EXPECT_EQ(host_calls[1], size);
    EXPECT_GT(plug->getParameter(7), 0.0f);
    editor_window().release(corner);
}

TEST_F(Vst2View, LeftPressesFirstShowTheProgramThenStepBack)
{
    ASSERT_EQ(dispatch(effGetProgram), 0);
    const std::string first = program_name();
    editor_window().press(at_widget(editor_window(), Widget::kLeftButton));
    editor_window().release(at_widget(editor_window(), Widget::kLeftButton));
    EXPECT_EQ(editor_window().banner_text(), first);
    EXPECT_EQ(dispatch(effGetProgram), 0);
    editor_window().press(at_widget(editor_window(), Widget::kLeftButton));
    editor_window().release(at_widget(editor_window(), Widget::kLeftButton));
    EXPECT_EQ(dispatch(effGetProgram), 8);
    EXPECT_EQ(editor_window().banner_text(), program_name());
    // A knob's text ends the selection: the next press only shows the name.
    editor_window().press(at_widget(editor_window(), Widget::kRatioKnob));
    editor_window().release(at_widget(editor_window(), Widget::kRatioKnob));
    editor_window().press(at_widget(editor_window(), Widget::kRightButton));
    editor_window().release(at_widget(editor_window(), Widget::kRightButton));
    EXPECT_EQ(dispatch(effGetProgram), 8);
}

// Host threads only store; the tick applies.
TEST_F(Vst2View, HostDisabledEffectDrawsGreyAtTheNextTick)
{
    EXPECT_GT(coloured_pixels(view), 0);
    editor->setHostEffEnable(0.0f);
    EXPECT_FALSE(editor_window().mono());
    tick(view);
    EXPECT_TRUE(editor_window().mono());
    EXPECT_EQ(coloured_pixels(view), 0);
    editor->setHostEffEnable(1.0f);
    tick(view);
    EXPECT_GT(coloured_pixels(view), 0);
}

// A host thread's parameter, bypass and program reach the view through
// its setters, which only store: the panel changes at the next tick.
TEST_F(Vst2View, HostThreadsOnlyStoreUntilTheTick)
{
    const float attack = editor_window().value(Widget::kAttackKnob);
    const std::string banner = editor_window().banner_text();
    std::thread host([this] {
        dispatch(effSetProgram, 3);  // sets the knobs first
        effect->setParameter(effect, 2, 0.9f);
        dispatch(effSetBypass, 1);
    });
    host.join();
    EXPECT_EQ(editor_window().value(Widget::kAttackKnob), attack);
    EXPECT_FALSE(editor_window().mono());
    EXPECT_EQ(editor_window().banner_text(), banner);
    tick(view);
    EXPECT_FLOAT_EQ(editor_window().value(Widget::kAttackKnob), 0.9f * 99.0f);
    EXPECT_TRUE(editor_window().mono());
    EXPECT_EQ(editor_window().banner_text(), program_name());
}

// A UI size from the host is kept for the next open: this view keeps its size.
TEST_F(Vst2View, HostUiSizeWaitsForTheNextOpen)
{
    const NSSize size = [view frame].size;
    [(id<BrindleVLT650VSTViewMethods>)view control_update_ui_size:1.7f];
    tick(view);
    EXPECT_EQ(editor_window().ui_size(), 1.0f);
    EXPECT_EQ([view frame].size.width, size.width);
    EXPECT_EQ([view frame].size.height, size.height);
}

TEST_F(Vst2View, ViewAnswersTheEditorsMethods)
{
    for (SEL method : {
             @selector(setEffect:), @selector(setEditor:), @selector(setParameter::),
                 @selector(control_update_ui_size:), @selector(setHostEffEnable:), @selector(setProgram:),
                 @selector(startEditorMain), @selector(stopEditor)
         })
        EXPECT_TRUE([view respondsToSelector:method]) << [NSStringFromSelector(method) UTF8String];
}

TEST_F(Vst2View, IsOpenFollowsOpenAndClose)
{
    EXPECT_TRUE(editor->isOpen());
    dispatch(effEditClose);
    EXPECT_FALSE(editor->isOpen());
}

// After the version line the banner blanks with 32 blanks.
TEST_F(Vst2View, BannerBlanksAfterTheVersion)
{
    for (int i = 0; i < editor_window().build().banner.show_ticks; ++i)
        tick(view);
    EXPECT_EQ(editor_window().banner_text(), std::string(32, ' '));
}

TEST_F(Vst2View, TickPollsTheMeter)
{
    plug->control_update_meter(0.5f);
    tick(view);
    EXPECT_FLOAT_EQ(editor_window().value(Widget::kMeter), 49.5f);
}

TEST_F(Vst2View, HostProgramChangeShowsTheNameAtTheTick)
{
    dispatch(effSetProgram, 3);
    tick(view);
    EXPECT_EQ(editor_window().banner_text(), program_name());
}

// This view only sets a program's name as the banner's text: a banner the
// user had dragged stays where the drag left it.
TEST_F(Vst2View, AHostProgramKeepsTheBannersScroll)
{
    auto select = [&](int index) {
        dispatch(effSetProgram, index);
        tick(view);
        EXPECT_EQ(editor_window().banner_text(), program_name());
    };
    const auto [from_start, after_a_drag] = program_banner_before_and_after_a_drag(editor_window(), select);
    EXPECT_NE(after_a_drag, from_start);
}

// Open and close as hosts do: no view outlives close or the plug-in,
// whatever its timer has done meanwhile.
TEST(Vst2ViewLife, NoViewOutlivesCloseThroughItsTimer)
{
    mac_host::HostWindow window{470, 512};
    AEffect* effect = create_plug_effect(recording_host, make_plug_editor);
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0);
    for (int i = 0; i < 50; ++i) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        effect->dispatcher(effect, effEditOpen, 0, 0, window.parent(), 0);
        EXPECT_EQ(vst2_panel::live_count(), 1);
        window.run(0.03, [] {});
        effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0);
        [pool release];
        EXPECT_EQ(vst2_panel::live_count(), 0) << "cycle " << i;
    }
    window.run(0.06, [] {});  // ticks left over would reach a freed view here
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    effect->dispatcher(effect, effEditOpen, 0, 0, window.parent(), 0);
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);  // the editor closes its view
    [pool release];
    EXPECT_EQ(vst2_panel::live_count(), 0);
    window.run(0.06, [] {});
}

}  // namespace
