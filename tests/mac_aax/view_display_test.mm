// The plug-in with its real GUI bundle, driven by the fake host with an
// NSView container on a display: the view the factory makes, its edits as
// the host sees them, its presets, meter and timer.
#import <AppKit/AppKit.h>

#include <string>
#include <vector>

#include "cocoa/cocoa_editor_window.h"
#include "editor_layout.h"
#include "gui_fixture.h"
#include "nsview_container.h"
#import "VLT650_AAXViewMessages.h"

@interface NSView (VLT650AaxViewUnderTest)
- (vlt::editor::CocoaEditorWindow*)editorWindow;
@end

namespace fake {
namespace {

using vlt::editor::Widget;

using AaxView = NSView<VLT650_AAXEditorView>;

class ViewOnDisplay : public WithGui {
protected:
    void opened() override
    {
        ASSERT_EQ(attach(&container), 0);
        view = static_cast<AaxView*>(container.lastSubview());
        ASSERT_NE(view, nil);
        host.automation.take();
    }
    void closing() override
    {
        if (gui)
            attach(nullptr);
    }
    vlt::editor::CocoaEditorWindow& editor_window() { return *[view editorWindow]; }
    float value(Widget w) { return editor_window().value(w); }

    // A mouse event at a point of the panel (its own coordinates), or at
    // the widget's centre.
    NSEvent* event(NSEventType type, NSPoint panel, int clicks = 1)
    {
        const NSPoint at = [view convertPoint:NSMakePoint(editor_window().x_pos() + panel.x, panel.y)
                                       toView:nil];
        return [NSEvent mouseEventWithType:type
                                  location:at
                             modifierFlags:0
                                 timestamp:0
                              windowNumber:[[view window] windowNumber]
                                   context:nil
                               eventNumber:0
                                clickCount:clicks
                                  pressure:1];
    }
    static NSPoint centre(Widget w)
    {
        const vlt::editor::Rect r = vlt::editor::panel_rect(vlt::editor::kStandardLayout, w);
        return NSMakePoint(r.x + r.w / 2, r.y + r.h / 2);
    }
    void click(Widget w, int clicks = 1)
    {
        [view mouseDown:event(NSLeftMouseDown, centre(w), clicks)];
        [view mouseUp:event(NSLeftMouseUp, centre(w), clicks)];
    }
    // The widget's centre on the screen, for xdotool: the container's
    // window sits at the screen's top left.
    std::string on_screen(Widget w)
    {
        const NSPoint c = centre(w);
        return std::to_string(editor_window().x_pos() + int(c.x)) + " " + std::to_string(int(c.y));
    }
    // What the host heard, without the values.
    std::vector<std::string> gestures()
    {
        std::vector<std::string> out = host.automation.take();
        for (std::string& e : out)
            if (e.rfind("request ", 0) == 0)
                e.erase(e.rfind(' '));
        return out;
    }
    // The plug-in posts each touch and release twice; one of each is kept.
    std::vector<std::string> edits()
    {
        std::vector<std::string> all = host.automation.take(), out;
        for (const std::string& e : all)
            if (out.empty() || e != out.back() || e.rfind("request", 0) == 0)
                out.push_back(e);
        return out;
    }

    NSViewContainer container;
    AaxView* view = nil;
};

TEST_F(ViewOnDisplay, OpensAtItsSizeWithTheHostValuesAndTheMeter)
{
    EXPECT_EQ([view frame].size.width, 468);
    EXPECT_EQ([view frame].size.height, 510);
    EXPECT_EQ(editor_window().x_pos(), 162);
    AAX_Point size{-1, -1};
    EXPECT_EQ(gui->GetViewSize(&size), 0);
    EXPECT_EQ(size.vert, 510);
    EXPECT_EQ(size.horz, 468);
    EXPECT_FLOAT_EQ(value(vlt::editor::kInGainKnob), 0.5f * 99);
    EXPECT_FLOAT_EQ(value(vlt::editor::kThresholdKnob), 0.25f * 99);
    EXPECT_FLOAT_EQ(value(vlt::editor::kEffectSwitch), 99);
    EXPECT_FLOAT_EQ(value(vlt::editor::kMeter), (1 - 0.75f) * 99);
    EXPECT_STREQ(editor_window().build().threshold_format, "Threshold %.1f dB");
    EXPECT_EQ([view GetAAXModifiersFromNSEvent:nil], 0u);
    EXPECT_EQ([view GetAAXModifiersFromNSEvent:event(NSRightMouseDown, NSMakePoint(0, 0))], 16u);
}

TEST_F(ViewOnDisplay, ParameterUpdatedMovesTheKnob)
{
    (*params)->SetParameterNormalizedValue("InGain", 0.2);
    params->answerRequests(host);
    EXPECT_EQ(gui->ParameterUpdated("InGain"), 0);
    EXPECT_FLOAT_EQ(value(vlt::editor::kInGainKnob), 0.2f * 99);
    EXPECT_EQ(gui->ParameterUpdated("MasterBypassID"), -20001);
}

// The real pointer drags the Threshold knob up by two moves: offered at the
// press, then touched, set once per move and released, unless the host
// takes the click. (The plug-in wraps each set in a touch and a release
// of its own.)
TEST_F(ViewOnDisplay, TheRealPointerDragsAKnobUnlessTheHostTakesIt)
{
    struct Case {
        const char* name;
        AAX_Result answer;
        std::vector<std::string> heard;
    } const cases[] = {
        {"the view handles it",
         1,
         {"touch Thresh", "touch Thresh", "request Thresh", "release Thresh", "touch Thresh",
          "request Thresh", "release Thresh", "release Thresh"}},
        {"the host takes it", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        container.host.mouseDowns.clear();
        container.host.mouseDownAnswers["Thresh"] = c.answer;
        const float before = value(vlt::editor::kThresholdKnob);
        container.pointer("mousemove " + on_screen(vlt::editor::kThresholdKnob) + " mousedown 1",
                          [&] { return !container.host.mouseDowns.empty(); });
        EXPECT_EQ(container.host.mouseDowns, std::vector<std::string>{"Thresh 0"});
        // Each step waits for what the host hears of it (nothing when the
        // host took the click).
        auto heard_more = [&]() -> std::function<bool()> {
            if (!c.answer)
                return {};
            const size_t n = host.automation.events.size();
            return [=] { return host.automation.events.size() > n; };
        };
        container.pointer("mousemove_relative -- 0 -10", heard_more());
        container.pointer("mousemove_relative -- 0 -10", heard_more());
        container.pointer("mouseup 1", heard_more());
        EXPECT_EQ(gestures(), c.heard);
        if (c.answer)
            EXPECT_GT(value(vlt::editor::kThresholdKnob), before);
        else
            EXPECT_FLOAT_EQ(value(vlt::editor::kThresholdKnob), before);
        EXPECT_FALSE(editor_window().focused(vlt::editor::kThresholdKnob));
    }
}

// Clicks and the wheel by the real pointer, as the host hears them. A
// double click's reset is a gesture of its own inside the second press's,
// so that press's gesture still ends with the release.
TEST_F(ViewOnDisplay, RealClicksAndTheWheelAsTheHostHearsThem)
{
    struct Case {
        const char* name;
        Widget widget;
        const char* action;
        std::vector<std::string> offered;
        std::vector<std::string> heard;
    } const cases[] = {
        {"the switch",
         vlt::editor::kEffectSwitch,
         "click 1",
         {"In 0"},
         {"touch In", "touch In", "request In", "release In", "release In"}},
        {"a double click on In Gain",
         vlt::editor::kInGainKnob,
         "click --repeat 2 --delay 60 1",
         {"InGain 0", "InGain 0"},
         {"touch InGain", "release InGain", "touch InGain", "touch InGain", "touch InGain", "request InGain",
          "release InGain", "release InGain", "release InGain"}},
        {"the wheel over Threshold",
         vlt::editor::kThresholdKnob,
         "click 4",
         {},
         {"touch Thresh", "touch Thresh", "request Thresh", "release Thresh", "release Thresh"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        container.host.mouseDowns.clear();
        container.pointer("mousemove " + on_screen(c.widget) + " " + c.action,
                          [&] { return host.automation.events.size() >= c.heard.size(); });
        container.run(0.1);  // and anything more it would send
        EXPECT_EQ(container.host.mouseDowns, c.offered);
        EXPECT_EQ(gestures(), c.heard);
    }
    EXPECT_FLOAT_EQ(value(vlt::editor::kEffectSwitch), 0);
    EXPECT_FLOAT_EQ(value(vlt::editor::kInGainKnob), 33);
    EXPECT_GT(value(vlt::editor::kThresholdKnob), 0.25f * 99);
}

TEST_F(ViewOnDisplay, TheSwitchIsTouchedSetAndReleasedAtThePress)
{
    [view mouseDown:event(NSLeftMouseDown, centre(vlt::editor::kEffectSwitch))];
    EXPECT_EQ(container.host.mouseDowns, std::vector<std::string>{"In 0"});
    EXPECT_EQ(edits(), (std::vector<std::string>{"touch In", "request In 0", "release In"}));
    EXPECT_FLOAT_EQ(value(vlt::editor::kEffectSwitch), 0);
    [view mouseUp:event(NSLeftMouseUp, centre(vlt::editor::kEffectSwitch))];
    EXPECT_TRUE(edits().empty());
}

TEST_F(ViewOnDisplay, PresetButtonsShowManualFirstThenStepThroughOneToFive)
{
    click(vlt::editor::kRightButton);
    EXPECT_STREQ(editor_window().banner_text(), "Manual");
    EXPECT_EQ([view currentProgram], 0);
    EXPECT_TRUE(edits().empty());
    click(vlt::editor::kLeftButton);  // from 0, left goes to 5
    EXPECT_EQ([view currentProgram], 5);
    EXPECT_STREQ(editor_window().banner_text(), "05 Light Acoustic");
    click(vlt::editor::kRightButton);  // from 5, right goes to 1
    EXPECT_EQ([view currentProgram], 1);
    click(vlt::editor::kLeftButton);  // from 1, left goes to 5
    EXPECT_EQ([view currentProgram], 5);
    EXPECT_EQ(edits().size(), 3u * 3 * 7);
}

TEST_F(ViewOnDisplay, FromRecordZeroRightGoesToOneAndSetProgramSendsSevenTriples)
{
    click(vlt::editor::kRightButton);
    click(vlt::editor::kRightButton);
    EXPECT_EQ([view currentProgram], 1);
    EXPECT_STREQ(editor_window().banner_text(), "01 Light Vocal");
    edits();
    [view setProgram:3];
    const std::vector<std::string> triples = edits();
    ASSERT_EQ(triples.size(), 21u);
    const char* ids[] = {"InGain", "Thresh", "Attack", "Release", "Ratio", "Makeup", "In"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(triples[3 * i], std::string("touch ") + ids[i]);
        EXPECT_EQ(triples[3 * i + 2], std::string("release ") + ids[i]);
    }
    EXPECT_FLOAT_EQ(value(vlt::editor::kRatioKnob), 99);  // 03 Snare Hit Long
}

TEST_F(ViewOnDisplay, TheMeterShowsOneMinusTheValueAndTheTickPollsIt)
{
    [view setParameter:kVLT650_AAXViewMeterIndex:0.0f];
    EXPECT_FLOAT_EQ(value(vlt::editor::kMeter), 99);
    [view setParameter:kVLT650_AAXViewMeterIndex:1.0f];
    EXPECT_FLOAT_EQ(value(vlt::editor::kMeter), 0);
    host.controller.meter = 0.25f;
    container.run_until([&] { return value(vlt::editor::kMeter) != 0; });
    EXPECT_FLOAT_EQ(value(vlt::editor::kMeter), 0.75f * 99);
}

// What the view draws of a widget's rectangle on the panel, read back from
// the view as the screen would show it (RGB, rows top down).
std::vector<unsigned char> drawn(NSView* view, int x_pos, Widget w)
{
    [view display];
    NSBitmapImageRep* rep = [view bitmapImageRepForCachingDisplayInRect:[view bounds]];
    [view cacheDisplayInRect:[view bounds] toBitmapImageRep:rep];
    const unsigned char* data = [rep bitmapData];
    const NSInteger row = [rep bytesPerRow], step = [rep bitsPerPixel] / 8;
    const vlt::editor::Rect r = vlt::editor::panel_rect(vlt::editor::kStandardLayout, w);
    std::vector<unsigned char> out;
    for (int y = r.y; y < r.y + r.h; ++y)  // image rows run top down, as the view's
        for (int x = x_pos + r.x; x < x_pos + r.x + r.w; ++x)
            out.insert(out.end(), data + y * row + x * step, data + y * row + x * step + 3);
    return out;
}

long drawn_sum(NSView* view, int x_pos, Widget w)
{
    long sum = 0;
    for (unsigned char c : drawn(view, x_pos, w))
        sum += c;
    return sum;
}

TEST_F(ViewOnDisplay, TheDrawnMeterFollowsTheValue)
{
    [view setParameter:kVLT650_AAXViewMeterIndex:0.0f];
    const long full = drawn_sum(view, editor_window().x_pos(), vlt::editor::kMeter);
    [view setParameter:kVLT650_AAXViewMeterIndex:1.0f];
    const long empty = drawn_sum(view, editor_window().x_pos(), vlt::editor::kMeter);
    [view setParameter:kVLT650_AAXViewMeterIndex:0.0f];
    EXPECT_NE(full, empty);
    EXPECT_EQ(drawn_sum(view, editor_window().x_pos(), vlt::editor::kMeter), full);
    EXPECT_GT(full, 0);  // the meter is read where the panel sits, from x 162
}

TEST_F(ViewOnDisplay, CloseAndReopenGiveANewViewAndTheOldOneTicksNoMore)
{
    AaxView* first = [view retain];
    EXPECT_TRUE(container.run_until([&] { return [first tickCount] > 0; }));
    attach(nullptr);
    EXPECT_EQ([first superview], nil);
    const unsigned long stopped = [first tickCount];
    container.run(0.1);
    EXPECT_EQ([first tickCount], stopped);

    NSViewContainer again;
    ASSERT_EQ(attach(&again), 0);
    view = static_cast<AaxView*>(again.lastSubview());
    ASSERT_NE(view, nil);
    EXPECT_NE(view, first);
    EXPECT_FLOAT_EQ(value(vlt::editor::kInGainKnob), 0.5f * 99);
    [first release];
    attach(nullptr);
}

// A text wider than the banner stays where it is: this view's banner takes
// neither a drag nor the wheel (the pointer is real).
TEST_F(ViewOnDisplay, TheBannerScrollsNeitherByDragNorByWheel)
{
    editor_window().core().set_program(0, "04 Snare Hit Short, and more than the banner shows");
    container.run_until([&] { return editor_window().banner_ticks() < 1250; });  // drawn on the tick
    const std::vector<unsigned char> shown = drawn(view, editor_window().x_pos(), vlt::editor::kBanner);
    // The banner never holds a press here: a few ticks let each event in.
    const auto ticks_on = [&] {
        const unsigned long from = [view tickCount];
        return [&, from] { return [view tickCount] > from + 3; };
    };
    container.pointer("mousemove " + on_screen(vlt::editor::kBanner) + " mousedown 1", ticks_on());
    EXPECT_FALSE(editor_window().focused(vlt::editor::kBanner));
    container.pointer("mousemove_relative -- -30 0", ticks_on());
    container.pointer("mouseup 1", ticks_on());
    EXPECT_TRUE(drawn(view, editor_window().x_pos(), vlt::editor::kBanner) == shown);
    container.pointer("click --repeat 3 --delay 30 4");
    EXPECT_TRUE(drawn(view, editor_window().x_pos(), vlt::editor::kBanner) == shown);
    EXPECT_TRUE(gestures().empty());
}

// The view has a fixed size: no resize corner, and a double click away
// from the knobs resets no UI size.
TEST_F(ViewOnDisplay, NeitherTheCornerNorADoubleClickResizesTheView)
{
    const NSPoint corner = NSMakePoint(460 - editor_window().x_pos(), 505);
    [view mouseDown:event(NSLeftMouseDown, corner)];
    vlt::editor::PointerEvent drag;  // the deltas a made-up event cannot carry
    drag.x = 468;
    drag.y = 510;
    drag.delta_x = drag.delta_y = 8;
    editor_window().drag(drag);
    [view mouseUp:event(NSLeftMouseUp, NSMakePoint(corner.x + 8, corner.y + 8))];
    EXPECT_EQ([view frame].size.height, 510);
    EXPECT_EQ(editor_window().ui_size(), 0.0f);
    editor_window().host_value(vlt::editor::Control::kUiSize, 0.5f);  // a stored size a reset would undo
    const NSPoint empty = NSMakePoint(10, 480);
    [view mouseDown:event(NSLeftMouseDown, empty, 2)];
    [view mouseUp:event(NSLeftMouseUp, empty, 2)];
    EXPECT_EQ([view frame].size.width, 468);
    EXPECT_EQ([view frame].size.height, 510);
    EXPECT_EQ(editor_window().x_pos(), 162);
    EXPECT_EQ(editor_window().ui_size(), 0.5f);
    EXPECT_TRUE(edits().empty());
}

// A view let go with its timer still running stops the timer itself: the
// run loop must not reach it afterwards.
TEST_F(ViewOnDisplay, AViewReleasedWhileTickingStopsItsTimer)
{
    NSObject<VLT650_AAXViewFactory>* factory =
        [[NSClassFromString(@"BrindleVLT650_AAX_ViewFactory") alloc] init];
    ASSERT_NE(factory, nil);
    EXPECT_EQ([factory interfaceVersion], 0);
    EXPECT_STREQ([[factory description] UTF8String], "VLT650-AAX");
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    AaxView* loose = static_cast<AaxView*>([[factory uiViewForAAX] retain]);
    [pool release];
    [loose startEditorMain];
    EXPECT_TRUE(container.run_until([&] { return [loose tickCount] > 0; }));
    [loose release];
    container.run(0.1);
    [factory release];
}

}  // namespace
}  // namespace fake
