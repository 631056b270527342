// Opening and closing the editor through the GUI object (the host's
// SetViewContainer with an NSView, then without), and the view's meter poll
// through the host's controller. The GUI bundle is the recording stand-in,
// so the open cost is the GUI object's own: bundle lookup, factory, values.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "aax_view_host.h"
#include "module_fixture.h"
#include "nsview_container.h"
#include "bench_session.h"

namespace fake {
namespace {

void BM_OpenAndCloseEditor(benchmark::State& state)
{
    GuiSession s;
    for (auto _ : state)
        s.openAndClose([] {});
}
BENCHMARK(BM_OpenAndCloseEditor);

void BM_MeterPoll(benchmark::State& state)
{
    Host host;
    AAX_VController controller(&host);
    vlt::aax_view::AaxViewHost view;
    view.set_controller(&controller);
    for (auto _ : state) {
        host.controller.meter += 0.001f;
        benchmark::DoNotOptimize(view.poll_meter());
    }
}
BENCHMARK(BM_MeterPoll);

}  // namespace
}  // namespace fake
