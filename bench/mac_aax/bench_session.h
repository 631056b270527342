#pragma once
// What both macOS AAX benchmarks share: the fake host's registration
// outside a GoogleTest run, and a main that starts AppKit first.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "gui_host.h"
#include "module_fixture.h"

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
        gui->Uninitialize();
        gui->Release();
        host.effectParameters = nullptr;
    }
};

}  // namespace fake
