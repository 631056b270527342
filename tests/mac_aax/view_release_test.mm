// The plug-in and its GUI bundle under AddressSanitizer: however the view
// goes while its timer runs, the run loop afterwards reaches neither the
// freed view nor the host objects it borrowed, and the host's references
// come back balanced (the fixture's tear-down).
#import <AppKit/AppKit.h>

#include <memory>

#include "module_fixture.h"
#include "nsview_container.h"
#import "VLT650_AAXViewMessages.h"

namespace fake {
namespace {

class ViewRelease : public Registered {
protected:
    void SetUp() override
    {
        Registered::SetUp();
        params = std::make_unique<Instance>(mono(), host);
        host.effectParameters = params->params;
    }
    void TearDown() override
    {
        host.effectParameters = nullptr;
        params.reset();
        Registered::TearDown();
    }
    AAX_IACFEffectGUI* make_gui()
    {
        auto create = reinterpret_cast<AAX_CCreateObjectProc>(mono().procPtrs.at(kAAX_ProcPtrID_Create_EffectGUI));
        void* got = nullptr;
        EXPECT_EQ(create()->QueryInterface(IID_IAAXEffectGUIV1, &got), 0);
        auto* gui = static_cast<AAX_IACFEffectGUI*>(got);
        EXPECT_EQ(gui->Initialize(&host), 0);
        return gui;
    }
    // One turn of the host's event loop, with its own pool.
    template <class F>
    static void turn(F f)
    {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        f();
        [pool release];
    }

    std::unique_ptr<Instance> params;
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
        AAX_IACFEffectGUI* gui = make_gui();
        turn([&] { ASSERT_EQ(gui->SetViewContainer(&container.host), 0); });
        ASSERT_EQ(container.subviewCount(), 1);
        container.run(0.1);
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
    NSObject<VLT650_AAXViewFactory>* factory = [[NSClassFromString(@"BrindleVLT650_AAX_ViewFactory") alloc] init];
    ASSERT_NE(factory, nil);
    NSView<VLT650_AAXEditorView>* view = nil;
    turn([&] { view = static_cast<NSView<VLT650_AAXEditorView>*>([[factory uiViewForAAX] retain]); });
    [view startEditorMain];
    container.run(0.1);
    EXPECT_GT([view tickCount], 0u);
    [view release];
    container.run(0.1);
    [factory release];
}

}  // namespace
}  // namespace fake
