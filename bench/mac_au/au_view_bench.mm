// The Audio Unit view from its bundle on a display: drawRect: of the whole
// view at the unit's largest UI size, 2 (468 x 1020, Catmull-Rom from the
// panel pixmap), and one GUI tick with the meter moving (the listener's
// meter value, redrawn on arrival, then the tick). Run under tests/support/gnustep_display_run.sh.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "au_view_host.h"
#include "cocoa/cocoa_editor_window.h"

namespace {

FakeAudioUnit& unit_at_largest_size()
{
    static FakeAudioUnit unit;
    unit.values[9] = 2.0f;
    return unit;
}

void BM_DrawWholeViewAtUiSize2(benchmark::State& state)
{
    AuViewHost host(unit_at_largest_size());
    NSView* view = host.view();
    const NSRect bounds = [view bounds];
    for (auto _ : state) {
        [view lockFocus];
        [view drawRect:bounds];
        [view unlockFocus];
    }
    state.SetLabel("468 x 1020");
}
BENCHMARK(BM_DrawWholeViewAtUiSize2)->Unit(benchmark::kMicrosecond);

void BM_TickWithTheMeterMoving(benchmark::State& state)
{
    AuViewHost host(unit_at_largest_size());
    NSView* view = host.view();
    float meter = 0.0f;
    for (auto _ : state) {
        meter = meter > 0.9f ? 0.0f : meter + 0.1f;
        host.editor_window().host_value(vlt::editor::Control::kMeter, meter);
        [view performSelector:@selector(guiUpdateCallback)];
    }
}
BENCHMARK(BM_TickWithTheMeterMoving)->Unit(benchmark::kMicrosecond);

}  // namespace
