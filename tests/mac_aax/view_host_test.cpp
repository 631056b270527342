// The AAX editor host over the macOS view's host objects, against the
// plug-in's own effect parameters and the fake host's container and
// controller.
#include <memory>

#include "aax_view_host.h"
#include "aax_view_programs.h"
#include "module_fixture.h"

namespace fake {
namespace {

using vlt::aax_view::AaxViewHost;
using vlt::editor::Control;

class ViewHost : public Registered {
protected:
    void SetUp() override
    {
        Registered::SetUp();
        params = std::make_unique<Instance>(mono(), host);
        host.automation.take();
    }
    void TearDown() override
    {
        params.reset();
        Registered::TearDown();
    }
    std::unique_ptr<Instance> params;
    ViewContainer container{AAX_eViewContainer_Type_NSView};
};

TEST_F(ViewHost, EditsGoAsTouchSetReleaseByTheAaxIdentifiers)
{
    AaxViewHost view;
    vlt::aax_view::ProgramTable programs;
    vlt::aax_view::init_factory_presets(programs);
    VLT650_EditorHost editor(view, programs);
    editor.begin_edit(Control::kEffect);  // nothing to call yet
    EXPECT_TRUE(host.automation.take().empty());

    view.set_parameters(params->params);
    editor.begin_edit(Control::kEffect);
    editor.set_value(Control::kEffect, 1.0f);
    editor.end_edit(Control::kEffect);
    editor.begin_edit(Control::kThreshold);
    editor.set_value(Control::kThreshold, 0.25f);
    editor.end_edit(Control::kThreshold);
    editor.begin_edit(Control::kUiSize);  // not a parameter of the effect
    // The plug-in's parameters post each touch and release twice (see the
    // module tests); the order is what matters here.
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch In", "touch In", "request In 1", "release In", "release In",
                                        "touch Thresh", "touch Thresh", "request Thresh 0.25",
                                        "release Thresh", "release Thresh"}));
}

TEST_F(ViewHost, TheContainerAnswersTheOfferedClickWithThePressModifiers)
{
    AaxViewHost view;
    vlt::aax_view::ProgramTable programs;
    VLT650_EditorHost editor(view, programs);
    view.set_press_modifiers(16);
    EXPECT_FALSE(editor.host_takes_press(Control::kThreshold, false));  // no container: the view handles it
    AAX_VViewContainer wrapped(&container);
    view.set_container(&wrapped);
    container.mouseDownAnswers["Thresh"] = 0;
    EXPECT_TRUE(editor.host_takes_press(Control::kThreshold, false));
    view.set_press_modifiers(0);
    EXPECT_FALSE(editor.host_takes_press(Control::kEffect, false));
    EXPECT_EQ(container.mouseDowns, (std::vector<std::string>{"Thresh 16", "In 0"}));
}

TEST_F(ViewHost, TheMeterStartsFromZeroAndKeepsTheLastGoodValue)
{
    AaxViewHost view;
    EXPECT_EQ(view.poll_meter(), 0.0f);
    AAX_VController controller(&host);
    view.set_controller(&controller);
    host.controller.meterFails = true;
    EXPECT_EQ(view.poll_meter(), 0.0f);
    host.controller.meterFails = false;
    host.controller.meter = 0.4f;
    EXPECT_EQ(view.poll_meter(), 0.4f);
    host.controller.meterFails = true;
    EXPECT_EQ(view.poll_meter(), 0.4f);
}

}  // namespace
}  // namespace fake
