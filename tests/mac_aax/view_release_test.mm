// The plug-in and its GUI bundle under AddressSanitizer: however the view
// goes while its timer runs, the run loop afterwards reaches neither the
// freed view nor the host objects it borrowed, and the host's references
// come back balanced (the fixture's tear-down).
#import <AppKit/AppKit.h>

#include "gui_fixture.h"
#include "nsview_container.h"
#import "VLT650_AAXViewMessages.h"

namespace fake {
namespace {

class ViewRelease : public WithParams {
protected:
    // One turn of the host's event loop, with its own pool.
    template <class F>
    static void turn(F f)
    {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        f();
        [pool release];
    }

    NSViewContainer container;
};

// The host's calls that end an editor, each in a turn of its own with the
// run loop (and the view's timer) running after it: c closes the view
// (no container), u uninitialises, r releases the GUI object.
TEST_F(ViewRelease, NoTickReachesAViewOrHostObjectLetGo)
{
    for (const char* order : {"cur", "ucr", "ur"}) {
        SCOPED_TRACE(order);
        host.controller.meter = 0.5f;  // the tick polls the controller
        AAX_IACFEffectGUI* gui = make_gui(mono(), host);
        ASSERT_NE(gui, nullptr);
        ASSERT_EQ(set_container(gui, &container), 0);
        ASSERT_EQ(container.subviewCount(), 1);
        NSView<VLT650_AAXEditorView>* view =
            static_cast<NSView<VLT650_AAXEditorView>*>(container.lastSubview());
        EXPECT_TRUE(container.run_until([&] { return [view tickCount] > 0; }));
        for (const char* step = order; *step; ++step) {
            turn([&] {
                if (*step == 'c')
                    gui->SetViewContainer(nullptr);
                else if (*step == 'u')
                    gui->Uninitialize();
                else
                    gui->Release();
            });
            container.run(0.1);
        }
        EXPECT_EQ(container.subviewCount(), 0);
    }
}

// A view the host lets go of without stopping it stops its timer itself.
TEST_F(ViewRelease, AViewReleasedWhileTickingIsNotTickedAgain)
{
    NSObject<VLT650_AAXViewFactory>* factory =
        [[NSClassFromString(@"BrindleVLT650_AAX_ViewFactory") alloc] init];
    ASSERT_NE(factory, nil);
    NSView<VLT650_AAXEditorView>* view = nil;
    turn([&] { view = static_cast<NSView<VLT650_AAXEditorView>*>([[factory uiViewForAAX] retain]); });
    [view startEditorMain];
    EXPECT_TRUE(container.run_until([&] { return [view tickCount] > 0; }));
    [view release];
    container.run(0.1);
    [factory release];
}

}  // namespace
}  // namespace fake
