// The GUI object of the macOS plug-in, driven by the fake host with a real
// NSView container; its GUI bundle is the recording stand-in, so each test
// reads the messages the view received, in order.
#import <AppKit/AppKit.h>

#include <string>
#include <vector>

#include "gui_fixture.h"
#include "nsview_container.h"
#import "recording_gui.h"

namespace fake {
namespace {

std::vector<std::string> take_events()
{
    NSMutableArray* events = [NSClassFromString(@"RecordingViewFactory") events];
    std::vector<std::string> out;
    for (NSUInteger i = 0; i < [events count]; ++i)
        out.push_back([[events objectAtIndex:i] UTF8String]);
    [events removeAllObjects];
    return out;
}

const std::vector<std::string> kOpened = {"make view",    "parameters set", "container set", "controller set",
                                          "set 0 0.5000", "set 1 0.2500",   "set 2 0.0000",  "set 3 0.0000",
                                          "set 4 0.0000", "set 5 0.0000",   "set 6 1.0000",  "set 7 0.7500",
                                          "start"};
const std::vector<std::string> kClosed = {"stop", "remove", "view gone", "factory gone"};

class GuiObject : public WithGui {
protected:
    void opened() override { EXPECT_EQ(take_events(), std::vector<std::string>{"factory"}); }
    // The GUI object's last messages are no test's.
    void closing() override
    {
        drop_gui();
        take_events();
    }
    AAX_Point size() const
    {
        AAX_Point s{-1, -1};
        EXPECT_EQ(gui->GetViewSize(&s), 0);
        return s;
    }
};

TEST_F(GuiObject, AContainerOfAnotherTypeGetsNoView)
{
    NSViewContainer container(AAX_eViewContainer_Type_HWND);
    EXPECT_EQ(attach(&container), 0);
    EXPECT_EQ(container.subviewCount(), 0);
    EXPECT_EQ(size().vert, -1);
    EXPECT_EQ(size().horz, -1);
    EXPECT_EQ(gui->ParameterUpdated("InGain"), 0);
    EXPECT_EQ(take_events(), std::vector<std::string>{});
    EXPECT_EQ(attach(nullptr), 0);
    EXPECT_EQ(container.host.refs, 0);
}

TEST_F(GuiObject, AnNSViewContainerGetsTheViewWithTheValuesAndTheMeter)
{
    NSViewContainer container;
    EXPECT_EQ(attach(&container), 0);
    std::vector<std::string> events = take_events();
    // The host asks for every parameter after attaching; the view follows.
    ASSERT_GE(events.size(), kOpened.size());
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + long(kOpened.size())), kOpened);
    ASSERT_EQ(container.subviewCount(), 1);
    EXPECT_EQ(size().vert, 510);
    EXPECT_EQ(size().horz, 468);

    (*params)->SetParameterNormalizedValue("Ratio", 0.5);
    params->answerRequests(host);
    take_events();
    EXPECT_EQ(gui->ParameterUpdated("Ratio"), 0);
    EXPECT_EQ(gui->ParameterUpdated("MasterBypassID"), -20001);
    EXPECT_EQ(gui->ParameterUpdated("Bogus"), -20001);
    EXPECT_EQ(take_events(), std::vector<std::string>{"set 4 0.5000"});

    EXPECT_EQ(attach(nullptr), 0);
    EXPECT_EQ(take_events(), kClosed);
    EXPECT_EQ(container.subviewCount(), 0);
    EXPECT_EQ(container.host.refs, 0);
}

TEST_F(GuiObject, AFailingMeterStartsTheViewFromZero)
{
    host.controller.meterFails = true;
    NSViewContainer container;
    attach(&container);
    const std::vector<std::string> events = take_events();
    ASSERT_GT(events.size(), 11u);
    EXPECT_EQ(events[11], "set 7 0.0000");
    attach(nullptr);
}

TEST_F(GuiObject, CloseAndReopenBuildANewFactoryAndView)
{
    NSViewContainer container;
    attach(&container);
    take_events();
    attach(nullptr);
    EXPECT_EQ(take_events(), kClosed);

    attach(&container);
    std::vector<std::string> events = take_events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0], "factory");
    EXPECT_EQ(events[1], "make view");
    ASSERT_EQ(container.subviewCount(), 1);
    EXPECT_NE(container.lastSubview(), nullptr);
    attach(nullptr);
    EXPECT_EQ(take_events(), kClosed);
}

TEST_F(GuiObject, ANewContainerWithoutACloseTakesTheViewOver)
{
    NSViewContainer first, second;
    attach(&first);
    take_events();
    attach(&second);
    std::vector<std::string> events = take_events();
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 4),
              (std::vector<std::string>{"stop", "remove", "view gone", "make view"}));
    EXPECT_EQ(first.subviewCount(), 0);
    EXPECT_EQ(second.subviewCount(), 1);
    attach(nullptr);
    EXPECT_EQ(take_events(), kClosed);
}

TEST_F(GuiObject, AFactoryWithoutAViewIsReleasedToo)
{
    EXPECT_EQ(attach(nullptr), 0);
    EXPECT_EQ(take_events(), std::vector<std::string>{"factory gone"});
}

TEST_F(GuiObject, UninitializeStopsTheViewAndTakesItsHostObjects)
{
    NSViewContainer container;
    attach(&container);
    take_events();
    EXPECT_EQ(gui->Uninitialize(), 0);
    EXPECT_EQ(take_events(),
              (std::vector<std::string>{"stop", "parameters null", "container null", "controller null"}));
    // The host may still close the view afterwards.
    EXPECT_EQ(attach(nullptr), 0);
    EXPECT_EQ(take_events(), kClosed);
}

TEST_F(GuiObject, DestroyingAnOpenEditorClosesItFirst)
{
    NSViewContainer container;
    attach(&container);
    take_events();
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    gui->Release();
    gui = nullptr;
    [pool release];
    EXPECT_EQ(take_events(), kClosed);
    EXPECT_EQ(container.subviewCount(), 0);
    // TearDown's calls need an object.
    gui = make_gui(mono(), host);
    ASSERT_NE(gui, nullptr);
}

}  // namespace
}  // namespace fake
