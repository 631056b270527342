#pragma once
// What both macOS AAX benchmarks share: the fake host's registration
// outside a GoogleTest run, the GUI object they open, and a main that
// starts AppKit first.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "gui_host.h"
#include "module_fixture.h"
#include "nsview_container.h"

namespace fake {

// The fixture's registration and checks, outside a GoogleTest run.
class Session : public Registered {
public:
    Session() { SetUp(); }
    ~Session() override { TearDown(); }
    void TestBody() override {}
    EffectDescriptor& effect() { return mono(); }
    Host& fakeHost() { return host; }

    // The plug-in's GUI object, initialised with the host and params.
    AAX_IACFEffectGUI* makeGui(Instance& params)
    {
        host.effectParameters = params.params;
        return make_gui(mono(), host);
    }
    void dropGui(AAX_IACFEffectGUI* gui)
    {
        if (gui) {
            gui->Uninitialize();
            gui->Release();
        }
        host.effectParameters = nullptr;
    }
};

// What each editor benchmark opens: the GUI object over a mono instance's
// parameters and an NSView container to put its view in, the GUI object
// dropped at the end.
struct GuiSession {
    GuiSession() = default;
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;
    ~GuiSession() { session.dropGui(gui); }

    // The editor opened and closed again in one pool, as a host's turn;
    // between runs while the view is in the container.
    template <class Between>
    void openAndClose(Between between)
    {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        gui->SetViewContainer(&container.host);
        between();
        gui->SetViewContainer(nullptr);
        [pool release];
    }

    Session session;
    Instance params{session.effect(), session.fakeHost()};
    AAX_IACFEffectGUI* gui = session.makeGui(params);
    NSViewContainer container;
};

}  // namespace fake
