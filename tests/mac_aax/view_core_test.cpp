// The AAX view's core and edit sink without a display: its tick, and its
// edits as the plug-in's parameters post them to the host.
#include <memory>
#include <string>
#include <vector>

#include "aax_edit_sink.h"
#include "core_fixture.h"
#include "module_fixture.h"

namespace fake {
namespace {

using vlt::editor::Widget;
using vlt::mac::CocoaViewCore;
using vlt::mac::PointerEvent;

PointerEvent at_centre(const CocoaViewCore& core, Widget w, int clicks = 1)
{
    const vlt::editor::Rect r = vlt::editor::panel_rect(*core.build().layout, w);
    PointerEvent e;
    e.x = core.x_pos() + r.x + r.w / 2;
    e.y = core.y_pos() + r.y + r.h / 2;
    e.click_count = clicks;
    return e;
}

bool blank(const char* text) { return std::string(text).find_first_not_of(' ') == std::string::npos; }

// A press on the banner holds it; the AAX view's countdown goes on under
// it (to the blank line), the other views' waits for the release.
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
        vlt::mac::test::RecordingSink sink;
        vlt::mac::test::RecordingSurface surface;
        CocoaViewCore core(*c.build, sink, surface, 468, 510, 1.0);
        core.set_scale(1.0f);
        core.start();
        core.press(at_centre(core, vlt::editor::kBanner));
        ASSERT_TRUE(core.focused(vlt::editor::kBanner));
        const int before = core.banner_ticks();
        ASSERT_GT(before, 10);
        for (int i = 0; i < before; ++i)
            core.tick();
        EXPECT_EQ(core.banner_ticks(), c.counts ? 0 : before);
        EXPECT_EQ(blank(core.banner_text()), c.counts);
        core.release(at_centre(core, vlt::editor::kBanner));
        core.tick();
        EXPECT_EQ(core.banner_ticks(), c.counts ? 0 : before - 1);
    }
}

class AaxViewEdits : public Registered {
protected:
    void SetUp() override
    {
        Registered::SetUp();
        params = std::make_unique<Instance>(mono(), host);
        view_host.set_parameters(params->params);
        core = std::make_unique<CocoaViewCore>(vlt::editor::kCocoaAaxBuild, sink, surface, 468, 510, 1.0);
        sink.attach(core.get());
        core->set_scale(1.0f);
        core->start();
        host.automation.take();
    }
    void TearDown() override
    {
        core.reset();
        params.reset();
        Registered::TearDown();
    }
    void click(Widget w, int clicks)
    {
        core->press(at_centre(*core, w, clicks));
        core->release(at_centre(*core, w, clicks));
    }

    std::unique_ptr<Instance> params;
    vlt::aax_view::AaxViewHost view_host;
    vlt::aax_view::AaxEditSink sink{view_host};
    vlt::mac::test::RecordingSurface surface;
    std::unique_ptr<CocoaViewCore> core;
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
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch InGain", "touch InGain", "touch InGain", "request InGain 0.333333",
                                        "release InGain", "release InGain", "release InGain"}));
    EXPECT_FLOAT_EQ(core->value(vlt::editor::kInGainKnob), 33);
}

}  // namespace
}  // namespace fake
