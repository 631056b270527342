// The effect-parameters and GUI base classes over a small parameter set.
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CParameter.h"
#include "fake_host.h"

namespace {

using Linear = AAX_CLinearTaperDelegate<float, 0>;

class ThreeParameters final : public AAX_CEffectParameters {
public:
    AAX_Result EffectInit() override
    {
        add("Thresh", "Threshold\nThresh\nThr");
        add("InGain", "In Gain\nInGn\nGain");
        add("Other", "Other");
        for (const char* id : {"Thresh", "InGain", "Other"})
            mPacketDispatcher.RegisterPacket(id, int32_t(mParameterManager.ControlIndexFromID(id)),
                                             &mPacketDispatcher,
                                             &AAX_CPacketDispatcher::GenerateSingleValuePacket);
        return 0;
    }
    void add(const char* id, const char* name)
    {
        mParameterManager.AddParameter(new AAX_CParameter<float>(
            id, AAX_CString(name), 0.0f, Linear(0, 1), AAX_CBinaryDisplayDelegate<float>("0", "1"), true));
    }
    AAX_IParameter* parameter(const char* id) { return mParameterManager.GetParameterByID(id); }
};

class EffectBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        effect->GetPrivateUnknown()->AddRef();  // the host's reference
        ASSERT_EQ(effect->Initialize(&host), 0);
    }
    void TearDown() override
    {
        effect->Uninitialize();
        effect->GetPrivateUnknown()->Release();
        EXPECT_TRUE(host.balanced());
    }
    fake::Host host;
    ThreeParameters* effect = new ThreeParameters();
};

TEST_F(EffectBase, NamesOfLengthPickTheLongestFittingLine)
{
    struct Case {
        const char* id;
        int32_t length;
        const char* name;
    } cases[] = {{"Thresh", 6, "Thresh"}, {"Thresh", 3, "Thr"},     {"Thresh", 2, "Th"}, {"Thresh", 0, ""},
                 {"InGain", 4, "InGn"},   {"InGain", 7, "In Gain"}, {"Unknown", 4, ""}};
    for (const Case& c : cases) {
        fake::FakeString s("unchanged");
        EXPECT_EQ(effect->GetParameterNameOfLength(c.id, &s, c.length), 0);
        EXPECT_EQ(s.text, c.name) << c.id << " " << c.length;
    }
}

TEST_F(EffectBase, RelativeSetsClampBeforeTheRequest)
{
    struct Case {
        double start, delta, requested;
    } cases[] = {{0.9, 0.3, 1.0}, {0.1, -0.5, 0.0}, {0.5, 0.25, 0.75}};
    for (const Case& c : cases) {
        effect->UpdateParameterNormalizedValue("Other", c.start, 0);
        host.automation.take();
        EXPECT_EQ(effect->SetParameterNormalizedRelative("Other", c.delta), 0);
        auto events = host.automation.take();
        ASSERT_EQ(events.size(), 3u);
        char expected[64];
        std::snprintf(expected, sizeof expected, "request Other %g", c.requested);
        EXPECT_EQ(events[1], expected);
    }
    EXPECT_EQ(effect->SetParameterNormalizedRelative("Unknown", 0.1), -20001);
}

// A NaN sum is clamped as every host value is: to the minimum, so the host
// is never told a value that is not one.
TEST_F(EffectBase, RelativeChangeByNaNGoesToTheMinimum)
{
    const double nan = std::nan("");
    effect->UpdateParameterNormalizedValue("Other", 0.5, 0);
    host.automation.take();
    EXPECT_EQ(effect->UpdateParameterNormalizedRelative("Other", nan), 0);
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"current Other 0"});
    effect->UpdateParameterNormalizedValue("Other", 0.5, 0);
    host.automation.take();
    EXPECT_EQ(effect->SetParameterNormalizedRelative("Other", nan), 0);
    const auto events = host.automation.take();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1], "request Other 0");
}

TEST_F(EffectBase, ChunkMustBeSizedFirstAndStayThatSize)
{
    std::vector<unsigned char> record(kAAXChunkHeaderSize + 256);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*>(record.data());
    EXPECT_EQ(effect->GetChunk(kControlsChunkID, chunk), -20008);
    uint32_t size = 0;
    ASSERT_EQ(effect->GetChunkSize(kControlsChunkID, &size), 0);
    EXPECT_EQ(effect->GetChunk(kControlsChunkID, chunk), 0);
    effect->add("Later", "Later");
    EXPECT_EQ(effect->GetChunk(kControlsChunkID, chunk), -20008);
    ASSERT_EQ(effect->GetChunkSize(kControlsChunkID, &size), 0);
    EXPECT_EQ(effect->GetChunk(kControlsChunkID, chunk), 0);
    EXPECT_EQ(effect->GetChunk(aax_fourcc("nope"), chunk), -20007);
    EXPECT_EQ(effect->GetChunk(kControlsChunkID, nullptr), -20004);
}

TEST_F(EffectBase, NegativeStepCountIsReported)
{
    effect->parameter("Other")->SetNumberOfSteps(0x80000000u);
    int32_t steps = 0;
    EXPECT_EQ(effect->GetParameterNumberOfSteps("Other", &steps), -20033);
    EXPECT_EQ(effect->GetParameterNumberOfSteps("Unknown", &steps), -20001);
}

TEST_F(EffectBase, SecondInitializeStartsOver)
{
    ASSERT_EQ(effect->Initialize(&host), 0);
    int32_t count = 0;
    effect->GetNumberOfParameters(&count);
    EXPECT_EQ(count, 3);
    host.controller.packets.clear();
    effect->GenerateCoefficients();
    EXPECT_EQ(host.controller.packets.size(), 3u) << "each port once";
}

TEST(EffectBaseLifetime, DestructionWithoutUninitializeGivesEverythingBack)
{
    fake::Host host;
    auto* effect = new ThreeParameters();
    ASSERT_EQ(effect->Initialize(&host), 0);
    EXPECT_GT(host.controller.refs, 0);
    effect->GetPrivateUnknown()->AddRef();
    effect->GetPrivateUnknown()->Release();
    EXPECT_TRUE(host.balanced());
    EXPECT_EQ(host.automation.events.back(), "unregister Other");
}

TEST(EffectBaseLifetime, UninitializedObjectAnswersSafely)
{
    ThreeParameters effect;
    EXPECT_EQ(effect.GenerateCoefficients(), 0);
    int32_t count = -1;
    EXPECT_EQ(effect.GetNumberOfParameters(&count), 0);
    EXPECT_EQ(count, 0);
    AAX_CBoolean active = 0;
    std::vector<unsigned char> record(kAAXChunkHeaderSize + 8);
    reinterpret_cast<AAX_SPlugInChunk*>(record.data())->fChunkID = kControlsChunkID;
    EXPECT_EQ(effect.CompareActiveChunk(reinterpret_cast<AAX_SPlugInChunk*>(record.data()), &active), 0);
    EXPECT_EQ(active, 1) << "nothing to differ";
}

// ----------------------------------------------------------------- GUI base
class RecordingGUI final : public AAX_CEffectGUI {
public:
    AAX_Result ParameterUpdated(AAX_CParamID id) override
    {
        log.push_back(std::string("updated ") + id);
        return 0;
    }
    std::vector<std::string> log;

private:
    void CreateViewContents() override { log.push_back("contents"); }
    void CreateViewContainer() override { log.push_back("attach"); }
    void DeleteViewContainer() override { log.push_back("detach"); }
};

TEST_F(EffectBase, GuiBasePushesEveryParameterOnAttach)
{
    host.effectParameters = effect->GetPrivateUnknown();
    auto* gui = new RecordingGUI();
    gui->GetPrivateUnknown()->AddRef();
    EXPECT_EQ(gui->Initialize(&host), 0);
    fake::ViewContainer container(AAX_eViewContainer_Type_HWND);
    EXPECT_EQ(gui->SetViewContainer(&container), 0);
    EXPECT_EQ(gui->GetViewContainerType(), AAX_eViewContainer_Type_HWND);
    EXPECT_EQ(gui->SetViewContainer(nullptr), 0);
    EXPECT_EQ(gui->GetViewContainerType(), 0);
    EXPECT_EQ(gui->log, (std::vector<std::string>{"contents", "attach", "updated Thresh", "updated InGain",
                                                  "updated Other", "detach"}));
    gui->GetPrivateUnknown()->Release();
    host.effectParameters = nullptr;
    EXPECT_EQ(container.refs, 0);
}

TEST(AaxEffectGUI, InitializeWithoutHost)
{
    RecordingGUI gui;
    EXPECT_EQ(gui.Initialize(nullptr), -20011);
    EXPECT_TRUE(gui.log.empty()) << "no view contents without a host";
    fake::Host host;  // a host without effect parameters to hand out
    EXPECT_EQ(gui.Initialize(&host), 0);
    fake::ViewContainer container(AAX_eViewContainer_Type_NSView);
    gui.SetViewContainer(&container);
    EXPECT_EQ(gui.log, (std::vector<std::string>{"contents", "attach"}));
    gui.SetViewContainer(nullptr);
    gui.Uninitialize();
    EXPECT_TRUE(host.balanced());
}

// The host's AudioSuite preview state arrives as a notification.
class WithPreview final : public AAX_CEffectParameters {
public:
    AAX_Result EffectInit() override
    {
        mParameterManager.AddParameter(new AAX_CParameter<bool>(
            cPreviewID, AAX_CString("Preview"), false, AAX_CBinaryTaperDelegate<bool>(),
            AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
        return 0;
    }
};

TEST(AaxEffectNotifications, PreviewStateSetsThePreviewParameter)
{
    fake::Host host(fake::Offer{true, false, false, true});  // no automation: values apply at once
    WithPreview effect;
    ASSERT_EQ(effect.Initialize(&host), 0);
    const uint32_t preview = aax_fourcc("ASPv");
    double v = -1;
    const struct {
        uint32_t type;
        int32_t state;
        uint32_t size;
        double value;
    } steps[] = {
        {preview, 7, 4, 1.0}, {aax_fourcc("xxxx"), 0, 4, 1.0}, {preview, 0, 2, 1.0}, {preview, 0, 4, 0.0}};
    for (const auto& s : steps) {
        EXPECT_EQ(effect.NotificationReceived(s.type, &s.state, s.size), 0);
        EXPECT_EQ(effect.GetParameterNormalizedValue(cPreviewID, &v), 0);
        EXPECT_EQ(v, s.value) << s.type << " " << s.state;
    }
    EXPECT_EQ(effect.NotificationReceived(preview, nullptr, 4), 0);
    effect.Uninitialize();
}

// Slots the host calls directly answer the ACF failure code instead of
// letting an exception from the plug-in's own code reach the host.
class ThrowingEffect final : public AAX_CEffectParameters {
public:
    AAX_Result EffectInit() override { throw std::runtime_error("broken parameter set"); }
};

class ThrowingGUI final : public AAX_CEffectGUI {
    void CreateViewContents() override {}
    void CreateViewContainer() override { throw std::bad_alloc(); }
    void DeleteViewContainer() override {}
};

TEST(AaxSlots, ExceptionsBecomeTheUnexpectedFailureCode)
{
    fake::Host host;
    {
        ThrowingEffect effect;
        EXPECT_EQ(uint32_t(effect.Initialize(&host)), 0x8000FFFFu);
        EXPECT_EQ(effect.Uninitialize(), 0);
        ThrowingGUI gui;
        EXPECT_EQ(gui.Initialize(&host), 0);
        fake::ViewContainer container(AAX_eViewContainer_Type_HWND);
        EXPECT_EQ(uint32_t(gui.SetViewContainer(&container)), 0x8000FFFFu);
        EXPECT_EQ(gui.SetViewContainer(nullptr), 0);
        gui.Uninitialize();
    }
    EXPECT_TRUE(host.balanced());
}

}  // namespace
