#pragma once
// The fixtures of the GUI object's suites: a mono instance whose
// parameters the host hands the GUI object, and the GUI object itself made
// over known values. A suite adds its own steps through the hooks; a
// failed step stops the set-up, and the tear-down undoes only what was made.
#import <Foundation/Foundation.h>

#include <memory>

#include "gui_host.h"
#include "module_fixture.h"

namespace fake {

class WithParams : public Registered {
protected:
    void SetUp() final
    {
        Registered::SetUp();
        if (HasFatalFailure())
            return;
        params = std::make_unique<Instance>(mono(), host);
        host.effectParameters = params->params;
        made();
    }
    void TearDown() final
    {
        unmaking();
        host.effectParameters = nullptr;
        params.reset();
        Registered::TearDown();
    }
    // The suite's steps once the instance is there, and before it goes.
    virtual void made() {}
    virtual void unmaking() {}

    std::unique_ptr<Instance> params;
};

// InGain 0.5, Thresh 0.25, In on, the meter at 0.75, the requests answered.
class WithGui : public WithParams {
protected:
    void made() final
    {
        (*params)->SetParameterNormalizedValue("InGain", 0.5);
        (*params)->SetParameterNormalizedValue("Thresh", 0.25);
        (*params)->SetParameterNormalizedValue("In", 1.0);
        params->answerRequests(host);
        host.controller.meter = 0.75f;
        gui = make_gui(mono(), host);
        ASSERT_NE(gui, nullptr);
        opened();
    }
    void unmaking() final
    {
        closing();
        drop_gui();
    }
    // The suite's steps once the GUI object is made, and before it goes
    // (gui is null there when it was never made).
    virtual void opened() {}
    virtual void closing() {}

    // Uninitialised and released in one turn of the host's event loop.
    void drop_gui()
    {
        if (!gui)
            return;
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        gui->Uninitialize();
        gui->Release();
        [pool release];
        gui = nullptr;
    }
    // Each call runs as one turn of the host's event loop, with its own
    // pool, so what the plug-in lets go of is gone when the call returns.
    AAX_Result attach(NSViewContainer* container) { return set_container(gui, container); }

    AAX_IACFEffectGUI* gui = nullptr;
};

}  // namespace fake
