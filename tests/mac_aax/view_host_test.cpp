// The view's calls into the host objects, against the plug-in's own
// effect parameters and the fake host's container and controller.
#include <memory>

#include "aax_view_host.h"
#include "module_fixture.h"

namespace fake {
namespace {

using vlt::aax_view::AaxViewHost;

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
    view.edit(0, 0.5);  // nothing to call yet
    EXPECT_TRUE(host.automation.take().empty());

    view.set_parameters(params->params);
    view.edit(6, 1.0);
    view.touch(1);
    view.set(1, 0.25);
    view.release(1);
    // The plug-in's parameters post each touch and release twice (see the
    // module tests); the order is what matters here.
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch In", "touch In", "request In 1", "release In", "release In",
                                        "touch Thresh", "touch Thresh", "request Thresh 0.25", "release Thresh",
                                        "release Thresh"}));
}

TEST_F(ViewHost, TheContainerAnswersTheOfferedClick)
{
    AaxViewHost view;
    EXPECT_TRUE(view.offer_click(1, 16));  // no container: the view handles every click
    AAX_VViewContainer wrapped(&container);
    view.set_container(&wrapped);
    container.mouseDownAnswers["Thresh"] = 0;
    EXPECT_FALSE(view.offer_click(1, 16));
    EXPECT_TRUE(view.offer_click(6, 0));
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
