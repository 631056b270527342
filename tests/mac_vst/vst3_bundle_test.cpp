// The macOS VST3 bundle as a host sees it: entry counting and the editor
// view's platform type, size and limits.
#include <gtest/gtest.h>

#include "bundle_loader.h"
#include "bundle_paths.h"
#include "host_objects.h"
#include "ipluginbase.h"
#include "iplugview.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;

using BundleEntry = bool (*)(CFBundleRef);
using BundleExit = bool (*)();
using GetFactory = IPluginFactory* (*)();

const mac_host::LoadedBundle& vst3_bundle()
{
    static mac_host::LoadedBundle bundle = mac_host::load_bundle(kVst3Bundle);
    return bundle;
}

template <typename Fn>
Fn entry(const char* name)
{
    return reinterpret_cast<Fn>(vst3_bundle().symbol(name));
}

// Each entry holds the host's bundle until its exit; the module's own
// set-up runs once however often it is entered.
TEST(Vst3BundleEntry, CountsEntriesAndHoldsTheBundleUntilTheLastExit)
{
    ASSERT_TRUE(vst3_bundle()) << vst3_bundle().error();
    auto enter = entry<BundleEntry>("bundleEntry");
    auto exit_ = entry<BundleExit>("bundleExit");
    ASSERT_TRUE(enter && exit_);
    CFBundleRef ref = vst3_bundle().ref();
    auto count = [ref] { return CFGetRetainCount(ref); };
    const long before = count();
    EXPECT_TRUE(enter(ref));
    EXPECT_TRUE(enter(ref));
    EXPECT_EQ(count(), before + 2);
    EXPECT_TRUE(exit_());
    EXPECT_EQ(count(), before + 2) << "released before the last exit";
    EXPECT_TRUE(exit_());
    EXPECT_EQ(count(), before);
    EXPECT_FALSE(exit_()) << "an exit without an entry";
}

class Vst3View : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vst3_bundle()) << vst3_bundle().error();
        auto enter = entry<BundleEntry>("bundleEntry");
        ASSERT_TRUE(enter && enter(vst3_bundle().ref()));
        factory = entry<GetFactory>("GetPluginFactory")();
        ASSERT_NE(factory, nullptr);
        PClassInfo info{};
        ASSERT_EQ(factory->getClassInfo(1, &info), kResultOk);
        void* obj = nullptr;
        ASSERT_EQ(factory->createInstance(info.cid, IEditController::iid, &obj), kResultOk);
        controller = static_cast<IEditController*>(obj);
        ASSERT_EQ(controller->initialize(host), kResultOk);
    }
    void TearDown() override
    {
        if (controller) {
            controller->terminate();
            controller->release();
        }
        if (factory)
            factory->release();
        host->release();
        entry<BundleExit>("bundleExit")();
    }
    IPlugView* view()
    {
        IPlugView* v = controller->createView("editor");
        EXPECT_NE(v, nullptr);
        return v;
    }
    static ViewRect size_of(IPlugView* v)
    {
        ViewRect r{-1, -1, -1, -1};
        EXPECT_EQ(v->getSize(&r), kResultOk);
        return r;
    }

    vst3host::HostApplication* host = new vst3host::HostApplication;
    IPluginFactory* factory = nullptr;
    IEditController* controller = nullptr;
};

TEST_F(Vst3View, OffersNSViewOnly)
{
    IPlugView* v = view();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->isPlatformTypeSupported("NSView"), kResultOk);
    EXPECT_EQ(v->isPlatformTypeSupported("HWND"), kInvalidArgument);
    EXPECT_EQ(v->isPlatformTypeSupported("X11EmbedWindowID"), kInvalidArgument);
    EXPECT_EQ(v->canResize(), kResultTrue);
    v->release();
}

TEST_F(Vst3View, StartsAtThePanelSize)
{
    IPlugView* v = view();
    ASSERT_NE(v, nullptr);
    const ViewRect r = size_of(v);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 468);
    EXPECT_EQ(r.bottom, 510);
    v->release();
}

TEST_F(Vst3View, ClampsHostProposals)
{
    struct Case {
        ViewRect in;
        int32 width, height;
    } const cases[] = {
        {{0, 0, 300, 2000}, 468, 1020},
        {{0, 0, 1000, 600}, 936, 600},
        {{10, 20, 10 + 700, 20 + 800}, 700, 800},
        {{0, 0, 0, 0}, 468, 510},
    };
    IPlugView* v = view();
    ASSERT_NE(v, nullptr);
    for (const Case& c : cases) {
        ViewRect r = c.in;
        EXPECT_EQ(v->checkSizeConstraint(&r), kResultOk);
        EXPECT_EQ(r.left, c.in.left);
        EXPECT_EQ(r.top, c.in.top);
        EXPECT_EQ(r.getWidth(), c.width) << c.in.right << " x " << c.in.bottom;
        EXPECT_EQ(r.getHeight(), c.height) << c.in.right << " x " << c.in.bottom;
    }
    v->release();
}

// onSize raises a small size to the panel's and hands it to the controller
// (ids 98, 99), which gives the next view that size.
TEST_F(Vst3View, OnSizeKeepsAtLeastThePanelAndTellsTheController)
{
    struct Case {
        ViewRect in;
        int32 width, height;
    } const cases[] = {
        {{0, 0, 400, 400}, 468, 510},
        {{0, 0, 700, 900}, 700, 900},
    };
    for (const Case& c : cases) {
        IPlugView* v = view();
        ASSERT_NE(v, nullptr);
        ViewRect r = c.in;
        EXPECT_EQ(v->onSize(&r), kResultOk);
        ViewRect got = size_of(v);
        EXPECT_EQ(got.getWidth(), c.width);
        EXPECT_EQ(got.getHeight(), c.height);
        v->release();
        IPlugView* next = view();
        ASSERT_NE(next, nullptr);
        got = size_of(next);
        EXPECT_EQ(got.getWidth(), c.width) << "the controller was not told";
        EXPECT_EQ(got.getHeight(), c.height);
        next->release();
    }
}

TEST_F(Vst3View, AttachesToNoOtherParentType)
{
    IPlugView* v = view();
    ASSERT_NE(v, nullptr);
    int fakeWindow = 0;
    EXPECT_EQ(v->attached(&fakeWindow, "HWND"), kResultOk);
    EXPECT_EQ(v->removed(), kResultOk);
    v->release();
}

}  // namespace
