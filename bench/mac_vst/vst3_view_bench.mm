// The macOS VST3 view in a host window: attached until the view's first
// drawRect: has run.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "CPlugController.h"
#include "host_objects.h"
#include "host_window.h"
#include "iplugview.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

void BM_AttachedToFirstDraw(benchmark::State& state)
{
    auto* host = new vst3host::HostApplication;
    auto* controller = new CPlugController;
    controller->initialize(host);
    mac_host::HostWindow window(468, 510);
    NSWindow* host_window = [static_cast<NSView*>(window.parent()) window];
    for (auto _ : state) {
        state.PauseTiming();
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        IPlugView* view = controller->createView("editor");
        state.ResumeTiming();
        view->attached(window.parent(), "NSView");
        [host_window display];  // drawRect: of the new view
        state.PauseTiming();
        view->removed();
        view->release();
        [pool release];
        state.ResumeTiming();
    }
    controller->terminate();
    controller->release();
    host->release();
}
BENCHMARK(BM_AttachedToFirstDraw)->Unit(benchmark::kMillisecond);

}  // namespace
