// The macOS VST3 editor view over a recording Cocoa view: what it builds at
// attach, what it forwards, and that removal and release end the view.
#include <gtest/gtest.h>

#include "CPlugController.h"
#include "CPlugEditorViewMac.h"
#include "host_objects.h"
#include "recording_panels.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using mac_test::panel_log;

class MacVst3View : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel_log().clear();
        ASSERT_EQ(controller->initialize(host), kResultOk);
    }
    void TearDown() override
    {
        controller->terminate();
        controller->release();
        host->release();
    }
    CPlugEditorViewMac* view() { return static_cast<CPlugEditorViewMac*>(controller->createView("editor")); }

    vst3host::HostApplication* host = new vst3host::HostApplication;
    CPlugController* controller = new CPlugController;
    int parent = 0;
};

// The new view gets the controller's values, then the program index by the
// controller's own rule (k / 5 is program k), then it is shown.
TEST_F(MacVst3View, AttachFillsAndShowsANewView)
{
    controller->setParamNormalized(8, 3.0 / 5.0);  // first: a program sets the knobs
    controller->setParamNormalized(2, 0.25);
    controller->setParamNormalized(97, 1.0);
    panel_log().clear();
    CPlugEditorViewMac* v = view();
    EXPECT_EQ(v->attached(&parent, "NSView"), kResultOk);
    EXPECT_TRUE(v->isOpen());
    const auto& calls = panel_log().calls;
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls.front(), "make 468 x 510");
    EXPECT_EQ(calls[3], "param 2 0.25");
    EXPECT_EQ(calls[9], "param 97 1");
    EXPECT_EQ(calls[10], "program 3 -");
    EXPECT_EQ(calls[11], "show");
    v->removed();
    v->release();
}

TEST_F(MacVst3View, OtherParentTypesGetNoView)
{
    CPlugEditorViewMac* v = view();
    EXPECT_EQ(v->isPlatformTypeSupported("HWND"), kInvalidArgument);
    EXPECT_EQ(v->attached(&parent, "HWND"), kResultOk);
    EXPECT_FALSE(v->isOpen());
    EXPECT_EQ(panel_log().made, 0);
    v->removed();
    v->release();
}

TEST_F(MacVst3View, AttachAfterRemovedBuildsANewView)
{
    CPlugEditorViewMac* v = view();
    v->attached(&parent, "NSView");
    v->attached(&parent, "NSView");  // already open: kept
    EXPECT_EQ(panel_log().made, 1);
    v->removed();
    EXPECT_EQ(panel_log().live(), 0);
    EXPECT_FALSE(v->isOpen());
    v->attached(&parent, "NSView");
    EXPECT_EQ(panel_log().made, 2);
    EXPECT_EQ(panel_log().live(), 1);
    v->release();  // released while open: the view goes with it
    EXPECT_EQ(panel_log().live(), 0);
}

TEST_F(MacVst3View, ForwardsControllerValuesAndHostSizes)
{
    CPlugEditorViewMac* v = view();
    v->attached(&parent, "NSView");
    panel_log().clear();
    controller->setParamNormalized(1, 0.5);
    ViewRect small{0, 0, 400, 400};
    EXPECT_EQ(v->onSize(&small), kResultOk);
    EXPECT_TRUE(panel_log().has("param 1 0.5"));
    EXPECT_TRUE(panel_log().has("frame 468 x 510"));
    EXPECT_EQ(controller->editorWidth(), 468);
    EXPECT_EQ(controller->editorHeight(), 510);
    v->removed();
    panel_log().clear();
    controller->setParamNormalized(1, 0.75);
    EXPECT_TRUE(panel_log().calls.empty()) << "a removed view still hears the controller";
    v->release();
}

}  // namespace
