// The plug-in with its real GUI bundle: from the host's SetViewContainer
// to the view's first drawRect: (bundle, factory, view core, panel, the
// first draw), and one timer tick with its meter poll.
#import <AppKit/AppKit.h>

#include "nsview_container.h"
#include "bench_session.h"
#import "VLT650_AAXViewMessages.h"

@interface NSView (VLT650AaxViewTick)
- (void)guiUpdateCallback;
@end

namespace fake {
namespace {

void BM_OpenToFirstDraw(benchmark::State& state)
{
    Session session;
    Instance params(session.effect(), session.fakeHost());
    AAX_IACFEffectGUI* gui = session.makeGui(params);
    NSViewContainer container;
    for (auto _ : state) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        gui->SetViewContainer(&container.host);
        NSView* view = static_cast<NSView*>(container.lastSubview());
        [view display];  // drawRect: at once
        state.PauseTiming();
        gui->SetViewContainer(nullptr);
        [pool release];
        state.ResumeTiming();
    }
    session.dropGui(gui);
}
BENCHMARK(BM_OpenToFirstDraw)->Unit(benchmark::kMillisecond);

void BM_TickWithMeterPoll(benchmark::State& state)
{
    Session session;
    Instance params(session.effect(), session.fakeHost());
    AAX_IACFEffectGUI* gui = session.makeGui(params);
    NSViewContainer container;
    gui->SetViewContainer(&container.host);
    NSView* view = static_cast<NSView*>(container.lastSubview());
    for (auto _ : state) {
        session.fakeHost().controller.meter += 0.001f;
        [view guiUpdateCallback];
    }
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    gui->SetViewContainer(nullptr);
    [pool release];
    session.dropGui(gui);
}
BENCHMARK(BM_TickWithMeterPoll);

}  // namespace
}  // namespace fake
