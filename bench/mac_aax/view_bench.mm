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
    GuiSession s;
    for (auto _ : state) {
        s.openAndClose([&] {
            [static_cast<NSView*>(s.container.lastSubview()) display];  // drawRect: at once
            state.PauseTiming();                                        // the close is not the open's cost
        });
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToFirstDraw)->Unit(benchmark::kMillisecond);

void BM_TickWithMeterPoll(benchmark::State& state)
{
    GuiSession s;
    s.gui->SetViewContainer(&s.container.host);
    NSView* view = static_cast<NSView*>(s.container.lastSubview());
    for (auto _ : state) {
        s.session.fakeHost().controller.meter += 0.001f;
        [view guiUpdateCallback];
    }
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    s.gui->SetViewContainer(nullptr);
    [pool release];
}
BENCHMARK(BM_TickWithMeterPoll);

}  // namespace
}  // namespace fake
