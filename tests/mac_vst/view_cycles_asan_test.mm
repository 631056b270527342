// The two bundles built under AddressSanitizer, loaded through their
// bundles into a host window: hosts open and close their views 50 times
// with the run loop turning between. A tick that reached a view after
// close (VST2) or removed (VST3), or a host thread's value handed to a
// freed view, stops the program with the sanitizer's report.
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "bundle_loader.h"
#include "host_objects.h"
#include "host_window.h"
#include "ipluginbase.h"
#include "iplugview.h"
#include "ivsteditcontroller.h"
#include "vst2_interface.h"

namespace {

constexpr int kCycles = 50;
constexpr double kOpenSeconds = 0.03;  // a tick or so while open
constexpr double kAfterSeconds = 0.1;  // ticks left over would land here

const std::string kAsanVst2 = VLT_ASAN_VST2_BUNDLE;  // the bundle's folder is its module's
const std::string kAsanVst3 = VLT_ASAN_VST3_BUNDLE;

intptr_t quiet_host(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

// Each cycle in a pool of its own, as a host's event loop has.
template <typename Open, typename Close>
void cycles(mac_host::HostWindow& window, Open open, Close close)
{
    for (int i = 0; i < kCycles; ++i) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        open();
        window.run(kOpenSeconds, [] {});
        close();
        [pool release];
    }
    window.run(kAfterSeconds, [] {});
}

// A host thread automates a knob all the while: its values reach the open
// view's setters and never a closed one.
TEST(Vst2ViewsUnderAsan, OpenCloseCyclesWithAHostThreadAutomating)
{
    mac_host::LoadedBundle bundle = mac_host::load_bundle(kAsanVst2);
    ASSERT_TRUE(bundle) << bundle.error();
    auto entry = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(bundle.symbol("VSTPluginMain"));
    ASSERT_NE(entry, nullptr);
    AEffect* effect = entry(quiet_host);
    ASSERT_NE(effect, nullptr);
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0);
    mac_host::HostWindow window(470, 512);
    std::atomic<bool> done{false};
    std::thread automation([&] {
        for (int n = 0; !done; ++n)
            effect->setParameter(effect, 2, static_cast<float>(n % 100) / 99.0f);
    });
    cycles(
        window, [&] { EXPECT_EQ(effect->dispatcher(effect, effEditOpen, 0, 0, window.parent(), 0), 1); },
        [&] { effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0); });
    done = true;
    automation.join();
    // Closing the plug-in with its editor open ends the view too.
    effect->dispatcher(effect, effEditOpen, 0, 0, window.parent(), 0);
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
    window.run(kAfterSeconds, [] {});
}

TEST(Vst3ViewsUnderAsan, AttachRemoveCycles)
{
    using namespace Steinberg;
    using namespace Steinberg::Vst;
    mac_host::LoadedBundle bundle = mac_host::load_bundle(kAsanVst3);
    ASSERT_TRUE(bundle) << bundle.error();
    auto enter = reinterpret_cast<bool (*)(CFBundleRef)>(bundle.symbol("bundleEntry"));
    auto exit_ = reinterpret_cast<bool (*)()>(bundle.symbol("bundleExit"));
    auto factory_of = reinterpret_cast<IPluginFactory* (*)()>(bundle.symbol("GetPluginFactory"));
    ASSERT_TRUE(enter && exit_ && factory_of);
    ASSERT_TRUE(enter(bundle.ref()));
    IPluginFactory* factory = factory_of();
    PClassInfo info{};
    ASSERT_EQ(factory->getClassInfo(1, &info), kResultOk);
    void* obj = nullptr;
    ASSERT_EQ(factory->createInstance(info.cid, IEditController::iid, &obj), kResultOk);
    auto* controller = static_cast<IEditController*>(obj);
    auto* host = new vst3host::HostApplication;
    ASSERT_EQ(controller->initialize(host), kResultOk);
    mac_host::HostWindow window(468, 510);
    IPlugView* view = nullptr;
    int n = 0;
    cycles(
        window,
        [&] {
            view = controller->createView("editor");
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(view->attached(window.parent(), "NSView"), kResultOk);
            controller->setParamNormalized(2, static_cast<double>(++n % 100) / 99.0);
        },
        [&] {
            view->removed();
            view->release();
        });
    // Released while still attached: the view goes with it.
    view = controller->createView("editor");
    view->attached(window.parent(), "NSView");
    view->release();
    window.run(kAfterSeconds, [] {});
    controller->terminate();
    controller->release();
    factory->release();
    host->release();
    EXPECT_TRUE(exit_());
}

}  // namespace
