// The AAX view's window glue and editor host without a display: its tick,
// and its edits as the plug-in's parameters post them to the host.
#include <memory>
#include <string>
#include <vector>

#include "VLT650_EditorHost.h"
#include "aax_view_host.h"
#include "aax_view_programs.h"
#include "window_fixture.h"
#include "module_fixture.h"

namespace fake {
namespace {

using vlt::editor::CocoaEditorWindow;
using vlt::editor::PointerEvent;
using vlt::editor::Widget;

PointerEvent at_centre(const CocoaEditorWindow& window, Widget w, int clicks = 1)
{
    const vlt::editor::Rect r = vlt::editor::panel_rect(*window.build().layout, w);
    PointerEvent e;
    e.x = window.x_pos() + r.x + r.w / 2;
    e.y = window.y_pos() + r.y + r.h / 2;
    e.click_count = clicks;
    return e;
}

bool blank(const char* text) { return std::string(text).find_first_not_of(' ') == std::string::npos; }

// A press on the banner holds it, but not in the AAX view, whose banner
// takes no input; the AAX view's countdown goes on whatever the press (to
// the blank line), the other views' waits for the release.
TEST(AaxViewTick, TheBannerCountdownUnderThePressIsTheBuildsChoice)
{
    struct Case {
        const vlt::editor::EditorBuild* build;
        bool counts;
    } const cases[] = {
        {&vlt::editor::kCocoaAaxBuild, true},
        {&vlt::editor::kCocoaAuBuild, false},
        {&vlt::editor::kCocoaVst2Build, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.build->log_name);
        vlt::editor::test::RecordingHost recorder;
        vlt::editor::test::RecordingSurface surface;
        CocoaEditorWindow window(*c.build, recorder, surface, 468, 510, 1.0);
        window.set_scale(1.0f);
        window.open(0);
        window.press(at_centre(window, vlt::editor::kBanner));
        ASSERT_EQ(window.focused(vlt::editor::kBanner), c.build->banner_input);
        const int before = window.banner_ticks();
        ASSERT_GT(before, 10);
        for (int i = 0; i < before; ++i)
            window.tick();
        EXPECT_EQ(window.banner_ticks(), c.counts ? 0 : before);
        EXPECT_EQ(blank(window.banner_text()), c.counts);
        window.release(at_centre(window, vlt::editor::kBanner));
        window.tick();
        EXPECT_EQ(window.banner_ticks(), c.counts ? 0 : before - 1);
    }
}

// The AAX view's pixmap is its size in points: a backing scale, at
// creation or changed later, leaves it at 468 x 510 (the others follow it).
TEST(AaxViewSize, TheBackingScaleIsTheBuildsChoice)
{
    struct Case {
        const vlt::editor::EditorBuild* build;
        double scale;
    } const cases[] = {
        {&vlt::editor::kCocoaAaxBuild, 1.0},
        {&vlt::editor::kCocoaAuBuild, 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.build->log_name);
        for (bool at_creation : {true, false}) {
            vlt::editor::test::RecordingHost recorder;
            vlt::editor::test::RecordingSurface surface;
            CocoaEditorWindow window(*c.build, recorder, surface, 468, 510, at_creation ? 2.0 : 1.0);
            window.set_scale(1.0f);
            window.open(0);
            if (!at_creation)
                window.backing_scale_changed(2.0);
            EXPECT_EQ(window.backing_scale(), c.scale) << at_creation;
            EXPECT_EQ(window.width(), 468);
            EXPECT_EQ(window.height(), 510);
            EXPECT_EQ(window.view_pixmap()->width, 468 * c.scale) << at_creation;
            EXPECT_EQ(window.view_pixmap()->height, 510 * c.scale) << at_creation;
        }
    }
}

class AaxViewEdits : public Registered {
protected:
    void SetUp() override
    {
        Registered::SetUp();
        params = std::make_unique<Instance>(mono(), host);
        view_host.set_parameters(params->params);
        vlt::aax_view::init_factory_presets(programs);
        window = std::make_unique<CocoaEditorWindow>(vlt::editor::kCocoaAaxBuild, editor_host, surface, 468,
                                                     510, 1.0);
        editor_host.attach(&window->core());
        window->set_scale(1.0f);
        window->open(0);
        host.automation.take();
    }
    void TearDown() override
    {
        window.reset();
        params.reset();
        Registered::TearDown();
    }
    void click(Widget w, int clicks)
    {
        window->press(at_centre(*window, w, clicks));
        window->release(at_centre(*window, w, clicks));
    }

    std::unique_ptr<Instance> params;
    vlt::aax_view::AaxViewHost view_host;
    vlt::aax_view::ProgramTable programs;
    VLT650_EditorHost editor_host{view_host, programs};
    vlt::editor::test::RecordingSurface surface;
    std::unique_ptr<CocoaEditorWindow> window;
};

// The second click's press touches the knob, the reset is a touch / set /
// release of its own, and the release ends the press's gesture: the host
// hears every touch released. (The plug-in wraps each set in a touch and a
// release of its own.)
TEST_F(AaxViewEdits, ADoubleClickResetIsReleasedTwice)
{
    click(vlt::editor::kThresholdKnob, 1);
    EXPECT_EQ(host.automation.take(), (std::vector<std::string>{"touch Thresh", "release Thresh"}));
    click(vlt::editor::kThresholdKnob, 2);
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch Thresh", "touch Thresh", "touch Thresh", "request Thresh 0",
                                        "release Thresh", "release Thresh", "release Thresh"}));
    click(vlt::editor::kInGainKnob, 2);
    EXPECT_EQ(
        host.automation.take(),
        (std::vector<std::string>{"touch InGain", "touch InGain", "touch InGain", "request InGain 0.333333",
                                  "release InGain", "release InGain", "release InGain"}));
    EXPECT_FLOAT_EQ(window->value(vlt::editor::kInGainKnob), 33);
}

// The first press shows "Manual"; a second press steps while that name
// has not been replaced or blanked: the version line that follows after
// 2.5 s does not end it, another text (a knob's) or the blank line does.
TEST_F(AaxViewEdits, AStepPressStepsUntilTheNameIsReplacedOrBlanked)
{
    struct Case {
        int ticks;
        bool knob_between;
        int to;
        const char* banner;  // before the second press; null: not checked
    } const cases[] = {
        {0, false, 1, "Manual"},   {130, false, 1, "VLT650  V2.3.2"},
        {1124, false, 1, nullptr}, {1125, false, 0, nullptr},  // blank
        {0, true, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticks);
        VLT650_EditorHost stepping_host{view_host, programs};
        CocoaEditorWindow view(vlt::editor::kCocoaAaxBuild, stepping_host, surface, 468, 510, 1.0);
        stepping_host.attach(&view.core());
        view.set_scale(1.0f);
        view.open(0);
        const auto press = [&](Widget w) {
            view.press(at_centre(view, w));
            view.release(at_centre(view, w));
        };
        press(vlt::editor::kRightButton);
        ASSERT_STREQ(view.banner_text(), "Manual");
        for (int i = 0; i < c.ticks; ++i)
            view.tick();
        if (c.knob_between)
            press(vlt::editor::kRatioKnob);
        if (c.banner) {
            EXPECT_STREQ(view.banner_text(), c.banner);
        }
        press(vlt::editor::kRightButton);
        EXPECT_EQ(stepping_host.current_program(), c.to);
        EXPECT_STREQ(view.banner_text(), programs[c.to].name);
    }
}

}  // namespace
}  // namespace fake
