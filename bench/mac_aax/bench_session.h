#pragma once
// What both macOS AAX benchmarks share: the fake host's registration
// outside a GoogleTest run, and a main that starts AppKit first.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

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
        auto create = reinterpret_cast<AAX_CCreateObjectProc>(mono().procPtrs.at(kAAX_ProcPtrID_Create_EffectGUI));
        void* got = nullptr;
        create()->QueryInterface(IID_IAAXEffectGUIV1, &got);
        auto* gui = static_cast<AAX_IACFEffectGUI*>(got);
        gui->Initialize(&host);
        return gui;
    }
    void dropGui(AAX_IACFEffectGUI* gui)
    {
        gui->Uninitialize();
        gui->Release();
        host.effectParameters = nullptr;
    }
};

}  // namespace fake

#define VLT_MAC_AAX_BENCH_MAIN                               \
    int main(int argc, char** argv)                          \
    {                                                        \
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init]; \
        [NSApplication sharedApplication];                   \
        benchmark::Initialize(&argc, argv);                  \
        benchmark::RunSpecifiedBenchmarks();                 \
        [pool release];                                      \
        return 0;                                            \
    }
