// The module's factory and entry points as a host calls them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CPlug.h"
#include "CPlugController.h"
#include "module_entry.h"
#include "plug_ids.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

TEST(Vst3Factory, IsOneObjectWhileReferencedAndNewAfterTheLastRelease)
{
    IPluginFactory* a = GetPluginFactory();
    IPluginFactory* b = GetPluginFactory();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_EQ(b->release(), 1u);  // the second call raised the count
    EXPECT_EQ(a->release(), 0u);
    // The freed factory must not be handed out again (AddressSanitizer
    // reports the use if it were).
    IPluginFactory* c = GetPluginFactory();
    PFactoryInfo info{};
    EXPECT_EQ(c->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Brindle DSP");
    EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
    EXPECT_EQ(std::strncmp(info.email, "mailto:", 7), 0);
    c->release();
}

TEST(Vst3Factory, ListsProcessorThenController)
{
    struct Expected {
        FUID cid;
        const char* category;
        const char* name;
        uint32 flags;
        const char* sub;
    };
    const Expected expected[] = {
        {FUID(0xE477F0F0, 0x31324EF4, 0xA25DF3B5, 0xE3370377), "Audio Module Class", "Brindle VLT650 VST3", 1,
         "Fx|Dynamics"},
        {FUID(0xCA027F16, 0x05254119, 0xAFF8FB3C, 0x96DFF810), "Component Controller Class",
         "Brindle VLT650 VST3Controller", 0, ""},
    };
    IPtr<IPluginFactory> factory(GetPluginFactory(), false);
    IPtr<IPluginFactory2> f2 = query<IPluginFactory2>(factory.get());
    ASSERT_TRUE(f2);
    ASSERT_EQ(factory->countClasses(), 2);
    for (int32 i = 0; i < 2; ++i) {
        PClassInfo2 c{};
        PClassInfo c1{};
        ASSERT_EQ(f2->getClassInfo2(i, &c), kResultOk);
        ASSERT_EQ(factory->getClassInfo(i, &c1), kResultOk);
        EXPECT_TRUE(expected[i].cid == c.cid) << i;
        EXPECT_TRUE(expected[i].cid == c1.cid) << i;
        EXPECT_EQ(c.cardinality, 0x7FFFFFFF);
        EXPECT_STREQ(c.category, expected[i].category);
        EXPECT_STREQ(c1.name, expected[i].name);
        EXPECT_EQ(c.classFlags, expected[i].flags);
        EXPECT_STREQ(c.subCategories, expected[i].sub);
        EXPECT_STREQ(c.vendor, "");
        EXPECT_STREQ(c.version, "2.3.3.0");
        EXPECT_STREQ(c.sdkVersion, "VST 3.5.2");
    }
    PClassInfo2 none{};
    EXPECT_NE(f2->getClassInfo2(2, &none), kResultOk);
    EXPECT_NE(f2->getClassInfo2(-1, &none), kResultOk);
}

TEST(Vst3Factory, CreatesEachClassThroughItsInterfaceAndPairsThem)
{
    IPtr<IPluginFactory> factory(GetPluginFactory(), false);
    void* obj = nullptr;
    ASSERT_EQ(factory->createInstance(vlt650::kProcessorUID.toTUID(), IComponent::iid, &obj), kResultOk);
    IPtr<IComponent> component(static_cast<IComponent*>(obj), false);
    TUID controllerCid{};
    ASSERT_EQ(component->getControllerClassId(controllerCid), kResultOk);
    EXPECT_TRUE(vlt650::kControllerUID == controllerCid);
    EXPECT_TRUE(query<IAudioProcessor>(component.get()));
    EXPECT_TRUE(query<IConnectionPoint>(component.get()));

    ASSERT_EQ(factory->createInstance(controllerCid, IEditController::iid, &obj), kResultOk);
    IPtr<IEditController> controller(static_cast<IEditController*>(obj), false);
    EXPECT_TRUE(query<IUnitInfo>(controller.get()));
    EXPECT_TRUE(query<IMidiMapping>(controller.get()));
    EXPECT_TRUE(query<Presonus::IGainReductionInfo>(controller.get()));
    EXPECT_TRUE(query<IConnectionPoint>(controller.get()));
    EXPECT_FALSE(query<IAudioProcessor>(controller.get()));

    // Unknown class, or a known class asked for an interface it lacks.
    EXPECT_EQ(factory->createInstance(IComponent::iid, IComponent::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(factory->createInstance(controllerCid, IAudioProcessor::iid, &obj), kNoInterface);
    EXPECT_EQ(obj, nullptr);
}

// The platform's entry pair: the count behind it is the same everywhere.
#if defined(_WIN32)
bool enterEntry() { return InitDll(); }
bool exitEntry() { return ExitDll(); }
#else
bool enterEntry() { return ModuleEntry(nullptr); }
bool exitEntry() { return ModuleExit(); }
#endif

TEST(Vst3Factory, ModuleEntryCountsItsCalls)
{
    EXPECT_FALSE(exitEntry());  // never entered
    EXPECT_TRUE(enterEntry());
    EXPECT_TRUE(enterEntry());
    EXPECT_TRUE(exitEntry());
    EXPECT_TRUE(exitEntry());
    EXPECT_FALSE(exitEntry());
}

}  // namespace
