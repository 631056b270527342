// The macOS VST2 view in a host window: effEditOpen until the view's first
// drawRect: has run, and one tick of the view with the meter polled.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "plugin/vst2/CPlug.h"
#include "CPlugFactory.h"
#include "view_fixture.h"
#include "vst2_interface.h"

namespace {

intptr_t quiet_host(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

struct Plugin {
    Plugin() : effect(create_plug_effect(quiet_host, make_plug_editor))
    {
        dispatch(effOpen);
        plug = static_cast<CPlug*>(static_cast<AudioEffect*>(effect->object));
    }
    ~Plugin() { dispatch(effClose); }
    intptr_t dispatch(int32_t op, void* ptr = nullptr)
    {
        return effect->dispatcher(effect, op, 0, 0, ptr, 0);
    }

    AEffect* effect;
    CPlug* plug = nullptr;
};

void BM_EditorOpenToFirstDraw(benchmark::State& state)
{
    Plugin plugin;
    mac_host::HostWindow window(470, 512);
    NSWindow* host = [static_cast<NSView*>(window.parent()) window];
    for (auto _ : state) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        plugin.dispatch(effEditOpen, window.parent());
        [host display];  // drawRect: of the new view
        state.PauseTiming();
        plugin.dispatch(effEditClose);
        [pool release];
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorOpenToFirstDraw)->Unit(benchmark::kMillisecond);

void BM_TickWithMeterPolled(benchmark::State& state)
{
    Plugin plugin;
    mac_host::HostWindow window(470, 512);
    plugin.dispatch(effEditOpen, window.parent());
    NSView* view = mac_view_test::plugin_view(window);
    float meter = 0.0f;
    for (auto _ : state) {
        meter = meter > 0.95f ? 0.0f : meter + 0.05f;  // a new value every tick
        plugin.plug->control_update_meter(meter);
        mac_view_test::tick(view);
    }
    plugin.dispatch(effEditClose);
}
BENCHMARK(BM_TickWithMeterPolled)->Unit(benchmark::kMicrosecond);

}  // namespace
