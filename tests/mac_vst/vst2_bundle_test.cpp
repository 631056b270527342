// The macOS VST2 bundle as a host sees it: its entry, identity and answers,
// and the module initializer's pin.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include "bundle_loader.h"
#include "bundle_paths.h"
#include "host_window.h"
#include "vst2_interface.h"

namespace {

using PluginMain = AEffect* (*)(audioMasterCallback);

intptr_t silent_host(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

const mac_host::LoadedBundle& vst2_bundle()
{
    static mac_host::LoadedBundle bundle = mac_host::load_bundle(kVst2Bundle);
    return bundle;
}

struct Vst2Bundle : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(vst2_bundle()) << vst2_bundle().error();
        auto entry = reinterpret_cast<PluginMain>(vst2_bundle().symbol("VSTPluginMain"));
        ASSERT_NE(entry, nullptr);
        effect = entry(silent_host);
        ASSERT_NE(effect, nullptr);
        effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0);
    }
    void TearDown() override
    {
        if (effect)
            effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
    }
    intptr_t canDo(const char* what)
    {
        return effect->dispatcher(effect, effCanDo, 0, 0, const_cast<char*>(what), 0);
    }

    AEffect* effect = nullptr;
};

TEST_F(Vst2Bundle, AnswersWithTheMacIdentity)
{
    EXPECT_EQ(effect->magic, vst2::kEffectMagic);
    EXPECT_EQ(effect->uniqueID, vst2::fourcc("VL65"));
    EXPECT_EQ(canDo("supportsGainReductionInfo"), 1);
    EXPECT_EQ(canDo("bypass"), 1);
    EXPECT_EQ(vst2_bundle().symbol("main"), nullptr);
}

TEST_F(Vst2Bundle, GainReductionQueryWritesDecibels)
{
    float db = 99.0f;
    EXPECT_EQ(effect->dispatcher(effect, effVendorSpecific, 0, vst2::fourcc("GRdB"), &db, 0), 0);
    EXPECT_EQ(db, 0.0f);  // nothing processed yet
    float untouched = 99.0f;
    EXPECT_EQ(effect->dispatcher(effect, effVendorSpecific, 0, vst2::fourcc("GRdb"), &untouched, 0), 0);
    EXPECT_EQ(untouched, 99.0f);
}

// Loaded through its bundle, the initializer finds itself by identifier and
// holds its own reference: dropping the loader's leaves it mapped.
TEST(Vst2BundlePin, KeepsTheExecutableLoadedThroughTheBundle)
{
    ASSERT_TRUE(vst2_bundle()) << vst2_bundle().error();
    const std::string path = vst2_bundle().executablePath();
    ASSERT_FALSE(path.empty());
    void* handle = dlopen(path.c_str(), RTLD_NOLOAD | RTLD_LAZY);
    ASSERT_NE(handle, nullptr);
    dlclose(handle);  // ours
    dlclose(handle);  // the bundle loader's
    void* still = dlopen(path.c_str(), RTLD_NOLOAD | RTLD_LAZY);
    EXPECT_NE(still, nullptr) << "the bundle was not pinned";
    // Put the loader's reference back so the process ends as it began.
    dlopen(path.c_str(), RTLD_NOLOAD | RTLD_LAZY);
}

// A plain dlopen makes no bundle: the initializer finds nothing, pins
// nothing, and the plug-in still works and unloads.
TEST(PlainDlopen, WorksWithoutPinning)
{
    const std::string exe = kVst2Bundle + "/VLT650-VST";
    void* image = dlopen(exe.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(image, nullptr) << dlerror();
    auto entry = reinterpret_cast<PluginMain>(dlsym(image, "VSTPluginMain"));
    ASSERT_NE(entry, nullptr);
    AEffect* effect = entry(silent_host);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->uniqueID, vst2::fourcc("VL65"));
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
    dlclose(image);
    EXPECT_EQ(dlopen(exe.c_str(), RTLD_NOLOAD | RTLD_LAZY), nullptr) << "a plain dlopen pinned the bundle";
}

}  // namespace

namespace {

struct Vst2Editor : Vst2Bundle {
    ERect rect()
    {
        ERect* r = nullptr;
        EXPECT_EQ(effect->dispatcher(effect, effEditGetRect, 0, 0, &r, 0), 1);
        return r ? *r : ERect{-1, -1, -1, -1};
    }
    intptr_t dispatch(int32_t opcode, void* ptr = nullptr)
    {
        return effect->dispatcher(effect, opcode, 0, 0, ptr, 0);
    }
};

// Two points larger than the view each way; the width never below the
// panel at 3.25 times.
TEST_F(Vst2Editor, RectFollowsTheUiSize)
{
    struct Case {
        float ui_size;
        int bottom, right;
    } const cases[] = {{0.0f, 512, 470}, {1.0f, 1022, 470}, {0.5f, 767, 470}};
    for (const Case& c : cases) {
        effect->setParameter(effect, 7, c.ui_size);
        const ERect r = rect();
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.bottom, c.bottom) << "UI size " << c.ui_size;
        EXPECT_EQ(r.right, c.right) << "UI size " << c.ui_size;
    }
}

// The host hears the editor opened; a second open keeps it; a close ends it.
TEST_F(Vst2Editor, OpenReportsOpenUntilClosed)
{
    mac_host::HostWindow window(470, 512);
    void* parent = window.parent();
    EXPECT_EQ(dispatch(effEditOpen, parent), 1);
    EXPECT_EQ(dispatch(effEditOpen, parent), 1);
    EXPECT_EQ(dispatch(effEditClose), 1);
    EXPECT_EQ(dispatch(effEditOpen, parent), 1);
    EXPECT_EQ(dispatch(effEditClose), 1);
}

}  // namespace
