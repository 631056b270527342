// Description and host-interface wrappers over hosts that offer more or less.
#include <string>

#include <gtest/gtest.h>

#include "AAX_Descriptions.h"
#include "AAX_HostWrappers.h"
#include "fake_host.h"

namespace {

TEST(AaxWrappers, WithoutAFactoryNothingReachesTheHost)
{
    fake::Host host(fake::Offer{false, false, true, true});
    {
        AAX_VCollection collection(&host);
        EXPECT_EQ(collection.GetIUnknown(), nullptr);
        EXPECT_EQ(collection.SetManufacturerName("x"), -20004);
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        EXPECT_EQ(effect->AddName("x"), -20004);
        EXPECT_EQ(effect->AddControlMIDINode(0, 0, "x", 0), -20009);
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        EXPECT_EQ(component->AddAudioIn(0), -20004);
        EXPECT_EQ(component->AddTemporaryData(0, 4), -20009);
        AAX_IPropertyMap* map = component->NewPropertyMap();
        int32_t v = 0;
        EXPECT_FALSE(map->GetProperty(11, &v));
        EXPECT_EQ(map->AddProperty(11, 1), -20004);
        EXPECT_EQ(collection.AddEffect("id", nullptr), -20004);
        EXPECT_EQ(collection.AddEffect("id", effect), -20004);
        EXPECT_GT(host.refs, 0);
    }
    EXPECT_TRUE(host.balanced());
}

TEST(AaxWrappers, AddEffectWithoutDescriptorIsRefusedByAWorkingCollection)
{
    fake::Host host;
    {
        AAX_VCollection collection(&host);
        ASSERT_NE(collection.GetIUnknown(), nullptr);
        EXPECT_EQ(collection.AddEffect("id", nullptr), -20004);
        EXPECT_TRUE(host.collections[0]->effects.empty());
    }
    EXPECT_TRUE(host.balanced());
}

TEST(AaxWrappers, DuplicatePropertyMapCopiesTheDocumentedRange)
{
    fake::Host host;
    {
        AAX_VComponentDescriptor component(&host);
        AAX_IPropertyMap* source = component.NewPropertyMap();
        for (int32_t p : {9, 10, 200, 351, 352})
            source->AddProperty(p, p * 2);
        AAX_IPropertyMap* copy = component.DuplicatePropertyMap(source);
        const auto& values = host.maps.back()->values;
        EXPECT_EQ(values, (std::map<int32_t, int32_t>{{10, 20}, {200, 400}, {351, 702}}));
        int32_t v = 0;
        EXPECT_TRUE(copy->GetProperty(351, &v));
        EXPECT_EQ(v, 702);
    }
    EXPECT_TRUE(host.balanced());
}

TEST(AaxWrappers, ControllerOfAVersionOneHost)
{
    fake::Host host(fake::Offer{true, false, true, false});
    {
        AAX_VController controller(&host);
        fake::FakeString name;
        int32_t latency = 0;
        int64_t stamp = 5;
        EXPECT_EQ(controller.SendNotification(0, nullptr, 0), -20009);
        EXPECT_EQ(controller.GetHybridSignalLatency(&latency), -20009);
        EXPECT_EQ(controller.GetHostName(&name), -20009);
        EXPECT_EQ(controller.GetCurrentAutomationTimestamp(&stamp), -20009);
        EXPECT_EQ(stamp, 0);
        const int32_t value = 7;
        EXPECT_EQ(controller.PostPacket(3, &value, 4), 0);
        ASSERT_EQ(host.controller.packets.size(), 1u);
        EXPECT_EQ(host.controller.packets[0].port, 3);
    }
    EXPECT_TRUE(host.balanced());
}

TEST(AaxWrappers, MeterReadingStartsFromZeroWhenTheHostCannotAnswer)
{
    fake::Host host;
    {
        AAX_VController controller(&host);
        const float tap = 0.4f;
        host.controller.meterTap = &tap;
        EXPECT_EQ(AAX_CurrentMeterValue(&controller, aax_fourcc("Mtr1")), 0.4f);
        EXPECT_EQ(AAX_CurrentMeterValue(&controller, aax_fourcc("Mtr9")), 0.0f) << "no such meter";
        host.controller.meterFails = true;
        EXPECT_EQ(AAX_CurrentMeterValue(&controller, aax_fourcc("Mtr1")), 0.0f);
        host.controller.meterTap = nullptr;
    }
    EXPECT_EQ(AAX_CurrentMeterValue(nullptr, aax_fourcc("Mtr1")), 0.0f);
    AAX_VController unconnected(nullptr);
    EXPECT_EQ(AAX_CurrentMeterValue(&unconnected, aax_fourcc("Mtr1")), 0.0f);
    EXPECT_TRUE(host.balanced());
}

TEST(AaxWrappers, ViewContainerWithoutHost)
{
    AAX_VViewContainer none(nullptr);
    AAX_Point size{1, 2};
    uint32_t modifiers = 0;
    EXPECT_EQ(none.GetType(), 0);
    EXPECT_EQ(none.GetPtr(), nullptr);
    EXPECT_EQ(none.GetModifiers(&modifiers), -20009);
    EXPECT_EQ(none.SetViewSize(size), 0);
    EXPECT_EQ(none.HandleParameterMouseDown("In", 0), -20009);
    EXPECT_EQ(none.HandleParameterMouseUp("In", 0), -20009);
}

TEST(AaxWrappers, TraceLinesReachTheHostCutTo511Characters)
{
    fake::Host first, second;
    AAX_CHostServices::Trace(1, "%s", "before startup");
    AAX_CHostServices::Set(&first);
    AAX_CHostServices::Set(&second);  // the first wrapper stays
    AAX_CHostServices::Trace(1, "%s", std::string(600, 'a').c_str());
    AAX_CHostServices::Set(nullptr);
    AAX_CHostServices::Trace(1, "after shutdown");
    ASSERT_EQ(first.services.traces.size(), 1u);
    EXPECT_EQ(first.services.traces[0].second, std::string(511, 'a'));
    EXPECT_TRUE(second.services.traces.empty());
    EXPECT_TRUE(first.balanced());
    EXPECT_TRUE(second.balanced());
}

}  // namespace
