#include "editor_core.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace vlt::editor {
namespace {

using Calls = std::vector<std::string>;

// Plays the plug-in: every automated change comes straight back into the
// editor, as the plug-in's parameter path does, unless echo is off (an AAX
// host and an Audio Unit do not echo the editor's own edits). Calls are
// written with the host's ids from the given map.
class EchoHost : public EditorHost {
public:
    explicit EchoHost(const HostMap& map = kVst2Map) : map(map), echo(&map != &kAaxMap && &map != &kAuMap) {}

    const HostMap& map;
    bool echo;
    CEditorCore* core = nullptr;
    Calls calls;
    int program = 0;

    std::string id(Control c) const
    {
        const HostParam& p = host_param(map, c);
        return p.id ? p.id : std::to_string(p.index);
    }
    void begin_edit(Control c) override { calls.push_back("begin " + id(c)); }
    void end_edit(Control c) override { calls.push_back("end " + id(c)); }
    void set_value(Control c, float v) override
    {
        char text[64];
        std::snprintf(text, sizeof text, "set %s %.4f", id(c).c_str(), v);
        calls.push_back(text);
        if (echo)
            core->set_control(c, v);
    }
    void set_ui_size(float u) override
    {
        char text[64];
        std::snprintf(text, sizeof text, "ui size %.4f", u);
        calls.push_back(text);
        if (echo)
            core->set_control(Control::kUiSize, u);
    }
    void set_program(int p) override
    {
        program = p;
        calls.push_back("program " + std::to_string(p));
        char name[64];
        program_name(name);
        if (echo)
            core->set_program(p, name);
    }
    void program_name(char* text) override { std::snprintf(text, 64, "Preset %d", program); }
    void size_window(int w, int h) override
    {
        calls.push_back("size " + std::to_string(w) + "x" + std::to_string(h));
    }
    // Offers are recorded only by the tests that set offers.
    bool offers = false;
    bool takes = false;  // the answer to every offer
    bool host_takes_press(Control c, bool right) override
    {
        if (offers)
            calls.push_back("offer " + id(c) + (right ? " right" : ""));
        return takes;
    }
};

class RecordingView : public EditorView {
public:
    std::vector<std::string> banner;
    std::vector<Widget> redrawn;
    int repaints = 0, resizes = 0;
    int scroll = 0;

    void set_banner_text(const char* text, bool home) override
    {
        banner.push_back(text);
        if (home)
            scroll = 0;
    }
    void scroll_banner(int dx) override { scroll += dx; }
    void step_banner(int step) override { scroll += step; }
    void redraw(Widget w) override { redrawn.push_back(w); }
    void repaint_all() override { ++repaints; }
    void resize_window(const EditorSize&, const EditorSize&) override { ++resizes; }
};

// Window pixel of a panel point at UI size 0, DPI 1 (x offset 162).
constexpr int WX(int px) { return px + 162; }

class EditorCoreTest : public testing::Test {
protected:
    EchoHost host;
    RecordingView view;
    CEditorCore core{kLinuxVst2Build, host, view};

    EditorCoreTest() { host.core = &core; }

    void open()
    {
        core.apply_size_rule(1.0f);
        core.set_widgets_ready();
        core.init_editor();
        core.set_open(true);
        host.calls.clear();
        view.banner.clear();
        view.redrawn.clear();
    }
    std::string banner() const
    {
        char text[kBannerTextSize];
        core.copy_banner_text(text, sizeof text);
        return text;
    }
    Calls take()
    {
        Calls c;
        c.swap(host.calls);
        return c;
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            core.gui_update_tick();
    }
};

const Calls kEndAll = {"end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 6"};

Calls after(Calls first, const Calls& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// A release, then what follows it.
Calls after_end_all(const Calls& more) { return after(kEndAll, more); }

TEST_F(EditorCoreTest, ClosedEditorKeepsHostValuesForTheNextOpen)
{
    core.set_host_parameter(0, 0.0f);
    core.set_host_parameter(6, 0.5f);  // 49.5 of 99: the switch opens on its Out frame
    core.set_host_parameter(7, 1.0f);
    core.set_program(3, "Snare");
    EXPECT_EQ(core.program(), 3);
    EXPECT_EQ(banner(), "VLT650 V2.3.1");  // no text before the first open
    open();
    EXPECT_FLOAT_EQ(core.value(kInGainKnob), 0.0f);
    EXPECT_FLOAT_EQ(core.value(kEffectSwitch), 49.5f);
    EXPECT_FLOAT_EQ(core.value(kThresholdKnob), 0.0f);
    EXPECT_EQ(core.size().height, 1020);
}

TEST_F(EditorCoreTest, DefaultInGainOpensOnItsDetent)
{
    open();
    EXPECT_FLOAT_EQ(core.value(kInGainKnob), 33.0f);
    EXPECT_FLOAT_EQ(core.value(kEffectSwitch), 99.0f);
}

TEST_F(EditorCoreTest, HostValuesWriteTextAndMarkWidgets)
{
    open();
    struct Case {
        int index;
        float value;
        Widget widget;
        float shown;
        const char* text;
    } const cases[] = {
        {6, 0.5f, kEffectSwitch, 0.0f, " Effect Out"},
        {6, 0.5001f, kEffectSwitch, 99.0f, " Effect In "},
        {0, 1.0f / 3.0f, kInGainKnob, 33.0f, "In Gain 0.0 dB"},
        {0, 0.0f, kInGainKnob, 0.0f, "In Gain -6.0 dB"},
        {4, 1.0f, kRatioKnob, 99.0f, "Ratio 20.0 : 1"},
        {3, 0.0f, kReleaseKnob, 0.0f, "Release 0.10 sec"},
        {1, 7.0f, kThresholdKnob, 99.0f, "Thresh -20.0 dB"},
    };
    for (const Case& c : cases) {
        core.set_host_parameter(c.index, c.value);
        EXPECT_FLOAT_EQ(core.value(c.widget), c.shown) << c.index << " " << c.value;
        EXPECT_TRUE(core.dirty(c.widget));
        EXPECT_EQ(banner(), c.text);
    }
    EXPECT_TRUE(view.banner.empty());  // host threads never render

    core.set_host_parameter(8, 2.0f);
    EXPECT_FLOAT_EQ(core.value(kMeter), 99.0f);
    core.set_host_parameter(8, -1.0f);
    EXPECT_FLOAT_EQ(core.value(kMeter), 0.0f);
    core.set_host_parameter(99, 1.0f);  // ignored
    ticks(1);
    EXPECT_EQ(view.redrawn, (std::vector<Widget>{kInGainKnob, kThresholdKnob, kReleaseKnob, kRatioKnob,
                                                 kEffectSwitch, kMeter}));
    EXPECT_FALSE(core.dirty(kInGainKnob));
    EXPECT_TRUE(core.dirty(kMeter));  // the meter stays marked
}

TEST_F(EditorCoreTest, WheelIsOneGestureAndReleaseEndsAll)
{
    open();
    const Rect k = panel_rect(kAttackKnob);
    core.wheel(WX(k.x + 24), k.y + 24, 1);
    char set[32];
    std::snprintf(set, sizeof set, "set 2 %.4f", 99.0f / 38.0f / 99.0f);
    // The notch is followed by a release, as the X and Win32 backends did.
    EXPECT_EQ(take(), after(Calls{"begin 2", set, "end 2"}, kEndAll));
    EXPECT_EQ(view.banner.back(), "Attack 0.4 ms");

    core.wheel(WX(k.x + 24), k.y + 24, -1);
    core.wheel(WX(k.x + 24), k.y + 24, -1);  // already at 0
    EXPECT_EQ(take(), after(after(Calls{"begin 2", "set 2 0.0000", "end 2"}, kEndAll),
                            after(Calls{"begin 2", "set 2 0.0000", "end 2"}, kEndAll)));
    for (int button : {1, 2, 3})  // middle, right, further: not main buttons here
        core.button_press(WX(k.x + 24), k.y + 24, button);
    EXPECT_TRUE(take().empty());
}

TEST_F(EditorCoreTest, DragRaisesUpwardsOnlyAndEndsOnRelease)
{
    open();
    const Rect k = panel_rect(kMakeupKnob);
    const int x = WX(k.x + 24), y = k.y + 24;
    core.button_press(x, y, 0);
    EXPECT_EQ(take(), Calls{"begin 5"});
    EXPECT_EQ(view.banner.back(), "Makeup 0.0 dB");
    core.motion(x + 30, y);  // sideways: no change
    core.motion(x + 30, y - 8);
    core.motion(x + 30, y - 16);
    EXPECT_EQ(take(), (Calls{"set 5 0.0000", "set 5 0.0202", "set 5 0.0556"}));
    EXPECT_EQ(view.banner.back(), "Makeup 1.1 dB");
    core.button_release(x, y, 0);
    EXPECT_EQ(take(), kEndAll);
    core.motion(x, y - 50);  // no focus after release
    EXPECT_TRUE(take().empty());
}

TEST_F(EditorCoreTest, PressOnNothingStillEndsGesturesOnRelease)
{
    open();
    core.button_press(10, 300, 0);
    EXPECT_TRUE(take().empty());
    core.button_release(10, 300, 0);
    EXPECT_EQ(take(), kEndAll);
}

TEST_F(EditorCoreTest, SwitchToggleAutomatesAndReleaseEnds)
{
    open();
    const Rect s = panel_rect(kEffectSwitch);
    core.button_press(WX(s.x + 5), s.y + 5, 0);
    EXPECT_EQ(take(), (Calls{"begin 6", "set 6 0.0000"}));
    EXPECT_EQ(view.banner.back(), " Effect Out");
    core.button_release(WX(s.x + 5), s.y + 5, 0);
    core.button_press(WX(s.x + 5), s.y + 5, 0);
    EXPECT_EQ(take(), after_end_all({"begin 6", "set 6 1.0000"}));
    EXPECT_EQ(view.banner.back(), " Effect In ");
}

TEST_F(EditorCoreTest, DoubleClickResetsOneKnobOrTheUiSize)
{
    core.set_host_parameter(0, 1.0f);
    core.set_host_parameter(7, 1.0f);
    open();
    const Rect g = panel_rect(kInGainKnob);
    // UI size 1: scale 2 at x offset 90.
    core.double_click(90 + 2 * (g.x + 24), 2 * (g.y + 24), 0);
    EXPECT_EQ(take(), (Calls{"begin 0", "set 0 0.3333", "end 0"}));
    EXPECT_EQ(view.banner.back(), "In Gain 0.0 dB");
    EXPECT_FLOAT_EQ(core.ui_size(), 1.0f);

    core.double_click(100, 300, 0);
    EXPECT_EQ(take(), (Calls{"ui size 0.0000", "size 468x510"}));
    EXPECT_FLOAT_EQ(core.ui_size(), 0.0f);
    EXPECT_EQ(view.resizes, 1);
    EXPECT_EQ(view.repaints, 1);
}

TEST_F(EditorCoreTest, PresetButtonsArmThenStepAndWrap)
{
    open();
    const Rect r = panel_rect(kRightButton), l = panel_rect(kLeftButton);
    core.button_press(WX(l.x + 5), 5, 0);  // first press shows the name only
    EXPECT_EQ(take(), Calls{});
    EXPECT_EQ(view.banner.back(), "Preset 0");
    EXPECT_TRUE(core.preset_armed());
    EXPECT_FLOAT_EQ(core.value(kLeftButton), 99.0f);
    core.button_release(WX(l.x + 5), 5, 0);
    EXPECT_FLOAT_EQ(core.value(kLeftButton), 0.0f);
    core.button_press(WX(l.x + 5), 5, 0);  // 0 wraps to 8
    EXPECT_EQ(core.program(), 8);
    EXPECT_EQ(view.banner.back(), "Preset 8");
    core.button_press(WX(r.x + 5), 5, 0);  // 8 wraps to 0
    EXPECT_EQ(core.program(), 0);
    EXPECT_EQ(take(), after_end_all({"program 8", "program 0"}));

    // The version revert after 2.5 s disarms: the next press only shows the name.
    ticks(50);
    EXPECT_FALSE(core.preset_armed());
    core.button_press(WX(r.x + 5), 5, 0);
    EXPECT_EQ(core.program(), 0);
}

TEST_F(EditorCoreTest, ResizeDragAppliesEverySecondMove)
{
    open();
    core.button_press(460, 500, 0);
    core.motion(470, 500);
    EXPECT_TRUE(take().empty());
    core.motion(480, 500);
    core.motion(480, 500);  // no distance: not counted
    const float expect = (20.0f + 468.0f) / 468.0f - 1.0f;
    EXPECT_NEAR(core.ui_size(), expect, 1e-6);
    char set[32];
    std::snprintf(set, sizeof set, "ui size %.4f", expect);
    EXPECT_EQ(take(), (Calls{set, "size 468x532"}));
    // Up or left shrinks, and never below 0.
    for (int i = 1; i <= 8; ++i)
        core.motion(480, 500 - 40 * i);
    EXPECT_FLOAT_EQ(core.ui_size(), 0.0f);
    take();
    core.button_release(480, 200, 0);
    EXPECT_EQ(take(), (Calls{"size 468x510", "end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 6"}));
}

TEST(EditorCoreWindows, ResizeDividesByHeight)
{
    EchoHost host;
    RecordingView view;
    CEditorCore core{kWindowsVst2Build, host, view};
    host.core = &core;
    core.apply_size_rule(1.0f);
    core.set_widgets_ready();
    core.init_editor();
    EXPECT_EQ(view.banner.back(), "VLT650  V2.3.2");
    core.button_press(460, 500, 0);
    core.motion(470, 500);
    core.motion(480, 500);
    EXPECT_NEAR(core.ui_size(), (20.0f + 510.0f) / 510.0f - 1.0f, 1e-6);
}

// An open editor of the given build at UI size 0, display scale 1.
struct BuildEditor {
    explicit BuildEditor(const EditorBuild& build) : host(*build.host), core(build, host, view)
    {
        host.core = &core;
        core.apply_size_rule(1.0f);
        core.set_widgets_ready();
        core.init_editor();
        core.set_open(true);
    }
    Calls take()
    {
        Calls calls;
        calls.swap(host.calls);
        return calls;
    }

    EchoHost host;
    RecordingView view;
    CEditorCore core;
};

const EditorBuild* const kEveryBuild[] = {&kLinuxVst2Build,  &kWindowsVst2Build, &kWindowsVst3Build,
                                          &kWindowsAaxBuild, &kCocoaAuBuild,     &kCocoaVst2Build,
                                          &kCocoaVst3Build,  &kCocoaAaxBuild};

// Every edit the user makes shows its own text at once, whether or not the
// host echoes the value back: a drag, a wheel notch, a double-click reset,
// a switch press, a preset step. A host value that comes later still moves
// the knob.
TEST(EditorCoreTexts, EditsShowTheirOwnTextWithOrWithoutAnEcho)
{
    for (const EditorBuild* b : kEveryBuild) {
        for (bool echo : {true, false}) {
            SCOPED_TRACE(std::string(b->log_name) + " " + b->host->format + (echo ? " echo" : " no echo"));
            BuildEditor e(*b);
            e.host.echo = echo;
            CEditorCore& core = e.core;
            auto shown = [&] { return e.view.banner.empty() ? std::string() : e.view.banner.back(); };
            auto knob_text = [&](Widget w) {
                char text[kValueTextMax];
                knob_value_text(*b, w, core.value(w), text, sizeof text);
                return std::string(text);
            };
            auto centre = [&](Widget w) {
                const Rect r = panel_to_window(core.size(), panel_rect(*b->layout, w));
                return Point{r.x + r.w / 2, r.y + r.h / 2};
            };

            const Point t = centre(kThresholdKnob);
            core.button_press(t.x, t.y, 0);
            core.motion(t.x, t.y - 12);
            EXPECT_GT(core.value(kThresholdKnob), 0.0f);
            EXPECT_EQ(shown(), knob_text(kThresholdKnob)) << "drag";
            core.button_release(t.x, t.y - 12, 0);

            const Point a = centre(kAttackKnob);
            core.wheel(a.x, a.y, 1);
            EXPECT_GT(core.value(kAttackKnob), 0.0f);
            EXPECT_EQ(shown(), knob_text(kAttackKnob)) << "wheel";
            core.button_release(a.x, a.y, 0);

            // The Cocoa views read the double click from the second
            // release, after its press.
            if (b->double_click == DoubleClick::kFocusedKnobs)
                core.button_press(t.x, t.y, 0);
            core.double_click(t.x, t.y, 0);
            EXPECT_FLOAT_EQ(core.value(kThresholdKnob), 0.0f);
            EXPECT_EQ(shown(), knob_text(kThresholdKnob)) << "double click";
            core.button_release(t.x, t.y, 0);

            const Point s = centre(kEffectSwitch);
            for (const char* want : {b->effect_out_text, b->effect_in_text}) {
                if (!on_panel(*b->layout, kEffectSwitch))
                    break;
                core.button_press(s.x, s.y, 0);
                EXPECT_EQ(shown(), want) << "switch";
                core.button_release(s.x, s.y, 0);
            }

            const Point r = centre(kRightButton);
            for (int press = 0; press < 2 && on_panel(*b->layout, kRightButton); ++press) {
                core.button_press(r.x, r.y, 0);
                core.button_release(r.x, r.y, 0);
                char name[64];
                e.host.program_name(name);
                EXPECT_EQ(shown(), name) << "preset " << press;
            }

            // The host's own change, later: the knob follows.
            core.set_control(Control::kAttack, 1.0f);
            core.gui_update_tick();
            EXPECT_FLOAT_EQ(core.value(kAttackKnob), 99.0f);
        }
    }
}

// The same gestures through each format's host map: the ids the host hears,
// the end-of-gesture sweep at the release (never the meter), the UI size
// through its own call, and host values coming back by the format's ids.
TEST(EditorCoreHostMaps, GesturesSpeakEachFormatsIds)
{
    struct Case {
        const EditorBuild* build;
        const char* ratio;
        const char* effect;
        Calls drag_release;   // what a release after a Ratio drag ends
        bool wheel_releases;  // the backend follows a notch with a release
    } const cases[] = {
        {&kLinuxVst2Build, "4", "6", {"end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 6"}, true},
        {&kWindowsVst3Build, "4", "7", {"end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 7"}, true},
        {&kWindowsAaxBuild, "Ratio", "In", {"end Ratio"}, true},
        {&kCocoaAuBuild,
         "2",
         "6",
         {"end 0", "end 1", "end 3", "end 4", "end 2", "end 5", "end 6", "end 7"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.build->host->format);
        BuildEditor e(*c.build);
        CEditorCore& core = e.core;
        auto take = [&] { return e.take(); };
        const std::string ratio = c.ratio, effect = c.effect;

        const Rect k = panel_rect(kRatioKnob);
        const int x = WX(k.x + 24), y = k.y + 24;
        core.button_press(x, y, 0);
        core.motion(x, y - 8);
        core.button_release(x, y - 8, 0);
        EXPECT_EQ(take(), after(Calls{"begin " + ratio, "set " + ratio + " 0.0202"}, c.drag_release));
        EXPECT_FLOAT_EQ(core.value(kRatioKnob), 2.0f);

        core.wheel(x, y, -1);
        const Calls notch = {"begin " + ratio, "set " + ratio + " 0.0000", "end " + ratio};
        // A build that ends only touched gestures ends the notch's once.
        const Calls swept = c.build->buttons.release == ReleaseSweep::kTouched ? Calls{} : c.drag_release;
        EXPECT_EQ(take(), c.wheel_releases ? after(notch, swept) : notch);

        const Rect s = panel_rect(kEffectSwitch);
        core.button_press(WX(s.x + 5), s.y + 5, 0);
        const Calls toggle = take();
        ASSERT_EQ(toggle.size(), 2u);
        EXPECT_EQ(toggle[0], "begin " + effect);
        EXPECT_EQ(toggle[1].rfind("set " + effect + " ", 0), 0u) << toggle[1];
        core.button_release(0, 0, 0);
        take();

        // Empty panel: the UI size, by its own call, unless the panel has a fixed size.
        // (The Cocoa views reset it from the release that completes the
        // double click, after its sweep.)
        core.double_click(100, 300, 0);
        Calls reset = c.build->resize_corner ? Calls{"ui size 0.0000", "size 468x510"} : Calls{};
        if (c.build->double_click == DoubleClick::kFocusedKnobs) {
            core.button_release(100, 300, 0);
            reset = after(c.drag_release, reset);
        }
        EXPECT_EQ(take(), reset);

        // Host values arrive by the format's ids; a meter id is never ended.
        const HostParam& meter = host_param(*c.build->host, Control::kMeter);
        if (meter.index >= 0) {
            core.set_host_parameter(meter.index, 1.0f);
            EXPECT_FLOAT_EQ(core.value(kMeter), 99.0f);
            for (const std::string& call : c.drag_release)
                EXPECT_NE(call, "end " + std::to_string(meter.index));
        }
        const HostParam& in_gain = host_param(*c.build->host, Control::kInGain);
        if (in_gain.id)
            core.set_host_parameter(in_gain.id, 0.0f);
        else
            core.set_host_parameter(in_gain.index, 0.0f);
        EXPECT_FLOAT_EQ(core.value(kInGainKnob), 0.0f);
    }
}

// The meter waits for the tick, except in the Cocoa view, which shares the
// host's thread and redraws it as the value arrives (and not again on the tick).
TEST(EditorCoreMeter, RedrawnOnTheTickOrOnArrival)
{
    for (const EditorBuild* b : {&kLinuxVst2Build, &kCocoaAuBuild}) {
        BuildEditor e(*b);
        CEditorCore& core = e.core;
        const RecordingView& view = e.view;
        const bool on_arrival = b->meter_redraw == MeterRedraw::kOnArrival;
        core.set_control(Control::kMeter, 0.5f);
        EXPECT_FLOAT_EQ(core.value(kMeter), 49.5f);
        EXPECT_EQ(view.redrawn, on_arrival ? std::vector<Widget>{kMeter} : std::vector<Widget>{});
        core.gui_update_tick();
        EXPECT_EQ(view.redrawn, std::vector<Widget>{kMeter}) << b->host->format;
    }
}

// A press on a knob or the switch is offered to the host first; the host
// may take it. The right button is only offered.
TEST(EditorCoreHostMaps, PressesAreOfferedToTheHostFirst)
{
    const Rect k = panel_rect(kAttackKnob), s = panel_rect(kEffectSwitch);
    const struct Case {
        const char* name;
        int x, y, button;
        bool takes;
        Calls calls;
    } cases[] = {
        {"knob, host takes it", WX(k.x + 24), k.y + 24, 0, true, {"offer Attack"}},
        {"knob, host leaves it",
         WX(k.x + 24),
         k.y + 24,
         0,
         false,
         {"offer Attack", "begin Attack", "end Attack"}},
        {"knob, right button", WX(k.x + 24), k.y + 24, 2, false, {"offer Attack right"}},
        {"switch, host takes it", WX(s.x + 5), s.y + 5, 0, true, {"offer In"}},
        {"switch, right button", WX(s.x + 5), s.y + 5, 2, false, {"offer In right"}},
        {"panel, right button", 170, 300, 2, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildEditor e(kWindowsAaxBuild);
        e.host.offers = true;
        e.host.takes = c.takes;
        e.core.button_press(c.x, c.y, c.button);
        e.core.button_release(c.x, c.y, c.button);
        EXPECT_EQ(e.take(), c.calls);
    }
    // Builds whose hosts take no offers act on the left button alone.
    BuildEditor vst2(kLinuxVst2Build);
    vst2.core.button_press(WX(k.x + 24), k.y + 24, 2);
    EXPECT_EQ(vst2.take(), Calls{});
}

// The AAX editor's presets: "Manual" (0) is only the start; the buttons
// step through 1..5 and apply a record only once armed.
TEST(EditorCoreHostMaps, AaxPresetsStepThroughOneToFive)
{
    BuildEditor e(kWindowsAaxBuild);
    const Rect l = panel_rect(kLeftButton), r = panel_rect(kRightButton);
    auto step = [&](const Rect& b) {
        e.core.button_press(WX(b.x + 3), b.y + 3, 0);
        e.core.button_release(WX(b.x + 3), b.y + 3, 0);
        return e.take();
    };
    EXPECT_EQ(step(r), Calls{});  // shows the name, arms
    EXPECT_EQ(step(r), Calls{"program 1"});
    EXPECT_EQ(step(l), Calls{"program 5"});
    EXPECT_EQ(step(r), Calls{"program 1"});
    BuildEditor first_left(kWindowsAaxBuild);
    first_left.core.set_program(0, "Manual");  // armed at 0
    first_left.take();
    const Rect b = l;
    first_left.core.button_press(WX(b.x + 3), b.y + 3, 0);
    EXPECT_EQ(first_left.take(), Calls{"program 5"});
}

// The AAX panel's banner takes no input: the wheel over it scrolls nothing.
TEST(EditorCoreHostMaps, BannerInputIsTheBuildsChoice)
{
    for (const EditorBuild* build : {&kLinuxVst2Build, &kWindowsAaxBuild}) {
        BuildEditor e(*build);
        const Rect b = panel_rect(kBanner);
        e.core.wheel(WX(b.x + b.w / 2), b.y + b.h / 2, 1);
        EXPECT_EQ(e.view.scroll, build->banner_input ? 1 : 0) << build->host->format;
    }
}

TEST_F(EditorCoreTest, StatusButtonShowsVersionBrieflyThenTurnsOff)
{
    open();
    const Rect s = panel_rect(kStatusButton);
    core.button_press(WX(s.x + 5), 5, 0);
    EXPECT_EQ(view.banner.back(), "VLT650 V2.3.1");
    EXPECT_FLOAT_EQ(core.value(kStatusButton), 99.0f);
    core.button_release(WX(s.x + 5), 5, 0);
    ticks(49);
    EXPECT_FLOAT_EQ(core.value(kStatusButton), 99.0f);
    ticks(1);
    EXPECT_EQ(view.banner.back(), "                ");
    EXPECT_FLOAT_EQ(core.value(kStatusButton), 0.0f);
    // Pressed while on: blanks at once.
    core.button_press(WX(s.x + 5), 5, 0);
    core.button_press(WX(s.x + 5), 5, 0);
    EXPECT_EQ(view.banner.back(), "                ");
}

TEST_F(EditorCoreTest, BannerTimingAndHold)
{
    open();
    const Rect k = panel_rect(kRatioKnob);
    core.button_press(WX(k.x + 24), k.y + 24, 0);
    core.button_release(0, 0, 0);
    ticks(49);
    EXPECT_EQ(view.banner.back(), "Ratio 1.0 : 1");
    ticks(1);
    EXPECT_EQ(view.banner.back(), "VLT650 V2.3.1");
    // Held: nothing counts until the release.
    const Rect b = panel_rect(kBanner);
    core.button_press(WX(b.x + 10), b.y + 5, 0);
    ticks(2000);
    EXPECT_EQ(view.banner.back(), "VLT650 V2.3.1");
    core.motion(WX(b.x + 4), b.y + 5);
    EXPECT_EQ(view.scroll, -6);
    core.button_release(0, 0, 0);
    ticks(400);
    EXPECT_EQ(view.banner.back(), "                ");
}

TEST_F(EditorCoreTest, HostProgramTextIsRenderedOnTheTick)
{
    open();
    core.set_program(2, "Heavy Vocal");
    EXPECT_TRUE(view.banner.empty());
    EXPECT_TRUE(core.preset_armed());
    EXPECT_EQ(core.banner_ticks(), 500);
    ticks(1);
    EXPECT_EQ(view.banner, std::vector<std::string>{"Heavy Vocal"});
    EXPECT_EQ(view.redrawn, std::vector<Widget>{kBanner});
}

TEST_F(EditorCoreTest, BypassGreysAndRepaintsOnce)
{
    open();
    core.set_host_eff_enable(0.5f);
    EXPECT_TRUE(core.mono());
    ticks(3);
    EXPECT_EQ(view.repaints, 1);
    core.set_host_eff_enable(0.51f);
    EXPECT_FALSE(core.mono());
    ticks(1);
    EXPECT_EQ(view.repaints, 2);
}

TEST_F(EditorCoreTest, ClosedEditorDrawsNothing)
{
    open();
    core.set_open(false);
    core.set_host_parameter(1, 0.5f);
    ticks(1);
    EXPECT_TRUE(view.redrawn.empty());
    EXPECT_FALSE(core.dirty(kThresholdKnob));
}

// Host and audio threads write while the GUI thread ticks and drags.
TEST_F(EditorCoreTest, ConcurrentWritersAndTicks)
{
    open();
    std::thread audio([&] {
        for (int i = 0; i < 20000; ++i)
            core.set_host_parameter(8, (i % 100) / 100.0f);
    });
    std::thread ui([&] {
        for (int i = 0; i < 2000; ++i) {
            core.set_host_parameter(i % 6, (i % 99) / 99.0f);
            core.set_program(i % 9, "Light Vocal");
        }
    });
    for (int i = 0; i < 2000; ++i)
        core.gui_update_tick();
    audio.join();
    ui.join();
    EXPECT_LE(core.value(kMeter), 99.0f);
}

// The VST3 view is sized by its host: the core maps clicks at the size it
// is handed, has no resize corner and steps six programs.
TEST(EditorCoreHostMaps, TheVst3ViewIsSizedByItsHost)
{
    BuildEditor e(kWindowsVst3Build);
    CEditorCore& core = e.core;
    EditorSize size{};
    size.width = 936, size.height = 1020, size.x_offset = 324, size.content_scale = 2.0f;
    core.set_size(size, 1.0f);
    const Rect k = panel_rect(kThresholdKnob);
    core.button_press(324 + 2 * (k.x + k.w / 2), 2 * (k.y + k.h / 2), 0);
    core.button_release(0, 0, 0);
    EXPECT_EQ(e.take(),
              after(Calls{"begin 1"}, {"end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 7"}));

    core.button_press(930, 1015, 0);  // where the resize corner would be
    core.motion(940, 1040);
    core.motion(950, 1060);
    core.motion(960, 1080);
    core.button_release(960, 1080, 0);
    for (const std::string& call : e.take())
        EXPECT_EQ(call.rfind("end ", 0), 0u) << call;
    EXPECT_EQ(core.size().width, 936);

    core.set_program_index(5);
    const Rect r = panel_rect(kRightButton);
    const int rx = 324 + 2 * (r.x + r.w / 2), ry = 2 * (r.y + r.h / 2);
    for (int press = 0; press < 2; ++press) {
        core.button_press(rx, ry, 0);
        core.button_release(rx, ry, 0);
    }
    EXPECT_EQ(core.program(), 0);  // named 5 first, then wrapped at six
}

// --- every build row: the gestures, host values and banner timing each row
// --- gives (what a window glue only forwards)

struct RowEditor : BuildEditor {
    explicit RowEditor(const EditorBuild& b) : BuildEditor(b), build(b) { host.echo = false; }
    Point centre(Widget w) const
    {
        const Rect r = panel_to_window(core.size(), panel_rect(*build.layout, w));
        return {r.x + r.w / 2, r.y + r.h / 2};
    }
    void click(Widget w)
    {
        const Point p = centre(w);
        core.button_press(p.x, p.y, 0);
        core.button_release(p.x, p.y, 0);
    }
    std::string shown() const { return view.banner.empty() ? std::string() : view.banner.back(); }
    std::string id(Control c) const { return host.id(c); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            core.gui_update_tick();
    }
    const EditorBuild& build;
};

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// A still pointer (the screen's edge) drags by the device's own delta, and
// a host value for the knob being dragged is dropped until the release.
TEST(EditorCoreRows, DragsFollowTheDeviceAndWinOverTheHost)
{
    for (const EditorBuild* b : kEveryBuild) {
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        RowEditor e(*b);
        const Point t = e.centre(kThresholdKnob);
        e.core.button_press(t.x, t.y, 0);
        e.core.drag(t.x, t.y, 0.0, -6.0);  // the device moved up; the pointer did not
        const float dragged = e.core.value(kThresholdKnob);
        EXPECT_GT(dragged, 0.0f);
        e.core.host_value(Control::kThreshold, 1.0f);
        EXPECT_EQ(e.core.value(kThresholdKnob), dragged);
        e.core.button_release(t.x, t.y, 0);
        e.core.host_value(Control::kThreshold, 1.0f);
        EXPECT_EQ(e.core.value(kThresholdKnob), 99.0f);
    }
}

// A double click sets the knob to its reset value as a gesture of its own
// (In Gain: 33, 0.0 dB); on empty panel space it resets the UI size where
// the panel has a resize corner. The Cocoa views read it from the second
// release, after that click's press.
TEST(EditorCoreRows, DoubleClicksResetTheKnobOrTheUiSize)
{
    for (const EditorBuild* b : kEveryBuild) {
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        RowEditor e(*b);
        const bool on_release = b->double_click == DoubleClick::kFocusedKnobs;
        e.core.host_value(Control::kInGain, 1.0f);
        const Point g = e.centre(kInGainKnob);
        if (on_release)
            e.core.button_press(g.x, g.y, 0);
        e.take();
        e.core.double_click(g.x, g.y, 0);
        EXPECT_EQ(e.core.value(kInGainKnob), 33.0f);
        const std::string in = e.id(Control::kInGain);
        EXPECT_EQ(e.take(), (Calls{"begin " + in, "set " + in + " 0.3333", "end " + in}));
        EXPECT_EQ(e.shown(), "In Gain 0.0 dB");
        e.core.button_release(g.x, g.y, 0);

        e.core.host_value(Control::kUiSize, 1.0f);
        const int x = e.core.size().x_offset + 10, y = 480;  // beside the knobs
        if (on_release)
            e.core.button_press(x, y, 0);
        e.core.double_click(x, y, 0);
        if (on_release)
            e.core.button_release(x, y, 0);
        EXPECT_EQ(e.core.ui_size(), b->resize_corner ? 0.0f : 1.0f);
        const Calls calls = e.take();
        EXPECT_EQ(!calls.empty() && calls.back().rfind("size ", 0) == 0, b->resize_corner);
    }
}

// A wheel notch over a knob is a complete gesture, leaves no focus behind
// and shows the knob's text; a notch of 0 does nothing.
TEST(EditorCoreRows, AWheelNotchIsACompleteGesture)
{
    for (const EditorBuild* b : kEveryBuild) {
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        RowEditor e(*b);
        const Point a = e.centre(kAttackKnob);
        e.take();
        e.core.wheel(a.x, a.y, 0);
        EXPECT_TRUE(e.take().empty());
        e.core.wheel(a.x, a.y, 1);
        const float v = e.core.value(kAttackKnob);
        EXPECT_GT(v, 0.0f);
        const Calls calls = e.take();
        const std::string at = e.id(Control::kAttack);
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls[0], "begin " + at);
        EXPECT_EQ(calls[1].rfind("set " + at + " ", 0), 0u) << calls[1];
        EXPECT_EQ(calls[2], "end " + at);
        EXPECT_FALSE(e.core.focused(kAttackKnob));
        e.core.wheel(a.x, a.y, -1);
        EXPECT_EQ(e.core.value(kAttackKnob), 0.0f);
    }
}

// The Cocoa views' resize drag: 1.25 UI-size units per view height of the
// device's travel, nothing for a step under a point, within 0..1, and a host
// UI size is ignored while it lasts.
TEST(EditorCoreRows, AResizeDragByTheDevicesTravel)
{
    for (const EditorBuild* b : kEveryBuild) {
        if (b->resize_law != ResizeLaw::kDeviceTravel || !b->resize_corner)
            continue;
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        RowEditor e(*b);
        e.core.button_press(460, 505, 0);
        ASSERT_TRUE(e.core.resize_active());
        e.core.drag(461, 505, 0.0, 0.5);
        EXPECT_EQ(e.core.ui_size(), 0.0f);
        e.core.drag(461, 505, 0.0, 102.0);  // a fifth of the view's height: a quarter of the range
        EXPECT_NEAR(e.core.ui_size(), 0.25f, 1e-6);
        EXPECT_EQ(e.core.size().height, 638);
        e.core.drag(461, 505, 0.0, -2000.0);
        EXPECT_EQ(e.core.ui_size(), 0.0f);
        e.core.host_value(Control::kUiSize, 1.0f);
        EXPECT_EQ(e.core.ui_size(), 0.0f);
        e.core.button_release(461, 505, 0);
        EXPECT_FALSE(e.core.resize_active());
    }
}

// The power button (the Audio Unit view's): off greys the whole panel, shows
// its own text and silences the value texts until it is on again; a host's
// power value does the same.
TEST(EditorCoreRows, PowerOffGreysThePanelAndSilencesValueTexts)
{
    for (const EditorBuild* b : kEveryBuild) {
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        RowEditor e(*b);
        EXPECT_TRUE(e.core.power_on());
        if (!on_panel(*b->layout, kPowerButton))
            continue;
        const int repaints = e.view.repaints;
        e.click(kPowerButton);
        EXPECT_FALSE(e.core.power_on());
        EXPECT_TRUE(e.core.mono());
        EXPECT_EQ(e.shown(), " Power Off ");
        const std::string power = e.id(Control::kPower);
        EXPECT_EQ(e.take()[1], "set " + power + " 0.0000");
        e.core.gui_update_tick();
        EXPECT_EQ(e.view.repaints, repaints + 1);
        const Point t = e.centre(kThresholdKnob);
        e.core.wheel(t.x, t.y, 1);
        EXPECT_EQ(e.shown(), " Power Off ");  // the text stays
        e.core.host_value(Control::kPower, 1.0f);
        EXPECT_FALSE(e.core.mono());
        e.core.gui_update_tick();
        EXPECT_EQ(e.view.repaints, repaints + 2);
    }
}

// A value text shows for the row's count, then the version line, then the
// row's blank line; a banner held by a press waits, unless the row's
// countdown goes on under it; STATUS shows the version and goes off when
// the banner blanks.
TEST(EditorCoreRows, TheBannerCountdownOfEachRow)
{
    for (const EditorBuild* b : kEveryBuild) {
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        const BannerTiming& t = b->banner;
        char version[kValueTextMax];
        version_text(*b, version, sizeof version);
        {
            RowEditor e(*b);
            const Point k = e.centre(kThresholdKnob);
            e.core.wheel(k.x, k.y, 1);
            const std::string value_text = e.shown();
            EXPECT_EQ(value_text.rfind(b->threshold_format[0] == 'T' ? "Thresh" : "", 0), 0u);
            e.ticks(t.show_ticks - t.version_at - 1);
            EXPECT_EQ(e.shown(), value_text);
            e.ticks(1);
            EXPECT_EQ(e.shown(), version);
            e.ticks(t.version_at - t.blank_at);
            EXPECT_EQ(e.shown(), blank_line(*b));
            EXPECT_TRUE(blank(e.shown()));
        }
        if (b->banner_input) {
            RowEditor e(*b);
            const Point p = e.centre(kBanner);
            e.core.button_press(p.x, p.y, 0);
            const int before = e.core.banner_ticks();
            e.core.gui_update_tick();
            EXPECT_EQ(e.core.banner_ticks(), b->banner_counts_held ? before - 1 : before);
            e.core.button_release(p.x, p.y, 0);
            e.core.gui_update_tick();
            EXPECT_EQ(e.core.banner_ticks(), b->banner_counts_held ? before - 2 : before - 1);
        }
        if (on_panel(*b->layout, kStatusButton)) {
            RowEditor e(*b);
            e.click(kStatusButton);
            EXPECT_EQ(e.core.value(kStatusButton), 99.0f);
            EXPECT_EQ(e.shown(), version);
            EXPECT_EQ(e.core.banner_ticks(), t.status_ticks);
            e.ticks(t.status_ticks - t.blank_at);
            EXPECT_EQ(e.core.value(kStatusButton), 0.0f);
        }
    }
}

// A program the host selects shows its name at the next tick, from the
// banner's start where the row puts it on through the parameter display
// (the VST3 views), with the scroll as it stands where the name is only a
// new text (the VST2 editors). The Audio Unit and AAX rows get no program
// from the host; theirs follow how their views show every other name.
TEST(EditorCoreRows, AHostProgramNameScrollsTheBannerAsTheRowSays)
{
    const struct Row {
        const EditorBuild* build;
        bool home;
    } rows[] = {{&kLinuxVst2Build, false}, {&kWindowsVst2Build, false}, {&kWindowsVst3Build, true},
                {&kWindowsAaxBuild, true}, {&kCocoaAuBuild, true},      {&kCocoaVst2Build, false},
                {&kCocoaVst3Build, true},  {&kCocoaAaxBuild, false}};
    ASSERT_EQ(std::size(rows), std::size(kEveryBuild));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        ASSERT_EQ(row.build, kEveryBuild[i]);
        SCOPED_TRACE(row.build->log_name + std::string(" ") + row.build->host->format);
        RowEditor e(*row.build);
        e.view.scroll = 40;  // the banner scrolled 40 points
        e.core.set_program(3, "03 - Snare Hit Long");
        EXPECT_EQ(e.view.scroll, 40);  // host threads never render
        e.core.gui_update_tick();
        EXPECT_EQ(e.shown(), "03 - Snare Hit Long");
        EXPECT_EQ(e.view.scroll, row.home ? 0 : 40);
    }
}

// Host values that are not numbers or lie beyond 0..1, by both ways a host
// value enters the editor (set_control from a host thread: VST2, the
// Windows VST3 view, the AAX Windows editor and its meter poll; host_value
// on the GUI thread: the Cocoa views, their meters and the Audio Unit
// listener), over every row: the widgets get values of 0..99, so every
// frame is defined. NaN and -0 go to the minimum, the infinities and
// anything beyond to the nearer end; the switch is In above one half.
TEST(EditorCoreRows, HostValuesBeyondTheRangeGiveDefinedWidgetValues)
{
    using limits = std::numeric_limits<float>;
    const float nan = limits::quiet_NaN(), inf = limits::infinity(), tiny = limits::denorm_min();
    const struct Case {
        float in;
        float knob;  // also the meter
        float effect;
    } cases[] = {{nan, 0, 0},
                 {-nan, 0, 0},
                 {inf, 99, 99},
                 {-inf, 0, 0},
                 {-0.0f, 0, 0},
                 {tiny, tiny * 99.0f, 0},
                 {-tiny, 0, 0},
                 {std::nextafter(1.0f, 2.0f), 99, 99},
                 {limits::max(), 99, 99},
                 {-limits::max(), 0, 0}};
    for (const EditorBuild* b : kEveryBuild) {
        for (bool gui_thread : {false, true}) {
            SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format +
                         (gui_thread ? " host_value" : " set_control"));
            RowEditor e(*b);
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message() << "value " << c.in);
                for (Control control : {Control::kThreshold, Control::kMeter, Control::kEffect})
                    gui_thread ? e.core.host_value(control, c.in) : e.core.set_control(control, c.in);
                e.core.gui_update_tick();
                for (Widget w : {kThresholdKnob, kMeter}) {
                    EXPECT_EQ(e.core.value(w), c.knob) << w;
                    EXPECT_FALSE(std::signbit(e.core.value(w))) << w;
                }
                EXPECT_EQ(e.core.value(kEffectSwitch), c.effect);
                EXPECT_EQ(knob_frame(e.core.value(kThresholdKnob), 39), c.knob > 50 ? 38 : 0);
            }
        }
    }
}

// Host values on the GUI thread: the meter, the switch and the knobs show
// them at once; a press the host takes is left alone.
TEST(EditorCoreRows, HostValuesShowAtOnceAndATakenPressIsLeftAlone)
{
    for (const EditorBuild* b : kEveryBuild) {
        SCOPED_TRACE(b->log_name + std::string(" ") + b->host->format);
        RowEditor e(*b);
        e.view.redrawn.clear();
        e.core.host_value(Control::kMeter, 1.0f);
        EXPECT_EQ(e.core.value(kMeter), 99.0f);
        e.core.host_value(Control::kEffect, 0.0f);
        EXPECT_EQ(e.core.value(kEffectSwitch), 0.0f);
        e.core.host_value(Control::kRatio, 0.5f);
        EXPECT_FLOAT_EQ(e.core.value(kRatioKnob), 49.5f);
        EXPECT_EQ(e.view.redrawn, (std::vector<Widget>{kMeter, kEffectSwitch, kRatioKnob}));

        e.host.takes = true;
        e.take();
        e.click(kEffectSwitch);
        EXPECT_EQ(e.core.value(kEffectSwitch), 0.0f);
        for (const std::string& call : e.take())
            EXPECT_EQ(call.rfind("end ", 0), 0u) << call;  // only a release's sweep
    }
}

}  // namespace
}  // namespace vlt::editor
