// Opening and closing the editor through the GUI object (the host's
// SetViewContainer with an NSView, then without), and the view's meter poll
// through the host's controller. The GUI bundle is the recording stand-in,
// so the open cost is the GUI object's own: bundle lookup, factory, values.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

#include "aax_view_host.h"
#include "module_fixture.h"
#include "nsview_container.h"

namespace fake {
namespace {

// The fixture's registration and checks, outside a GoogleTest run.
class Session : public Registered {
public:
    Session() { SetUp(); }
    ~Session() override { TearDown(); }
    void TestBody() override {}
    EffectDescriptor& effect() { return mono(); }
    Host& fakeHost() { return host; }
};

void BM_OpenAndCloseEditor(benchmark::State& state)
{
    Session session;
    Instance params(session.effect(), session.fakeHost());
    session.fakeHost().effectParameters = params.params;
    auto create = reinterpret_cast<AAX_CCreateObjectProc>(session.effect().procPtrs.at(kAAX_ProcPtrID_Create_EffectGUI));
    void* got = nullptr;
    create()->QueryInterface(IID_IAAXEffectGUIV1, &got);
    auto* gui = static_cast<AAX_IACFEffectGUI*>(got);
    gui->Initialize(&session.fakeHost());
    NSViewContainer container;
    for (auto _ : state) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        gui->SetViewContainer(&container.host);
        gui->SetViewContainer(nullptr);
        [pool release];
    }
    gui->Uninitialize();
    gui->Release();
    session.fakeHost().effectParameters = nullptr;
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

int main(int argc, char** argv)
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    [pool release];
    return 0;
}
