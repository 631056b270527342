// The test module as a host sees it: exports, registration, the effect
// parameters' slots, saved state, packets, the algorithm and the GUI object.
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>

#include "module_fixture.h"

#include "alloc_counter.h"
#include "host_fp_mode.h"

namespace fake {
namespace {

constexpr uint32_t kChunk = 0x656C636B;
const char* const kIDs[] = {"MasterBypassID", "In",      "InGain", "Thresh",
                            "Attack",         "Release", "Ratio",  "Makeup"};

TEST(AaxExports, AnswerWithoutRegistration)
{
    Module& m = Module::get();
    ASSERT_NE(m.handle, nullptr);
    uint64_t version = 0;
    EXPECT_EQ(m.getSDKVersion(&version), 0);
    EXPECT_EQ(version, 0x00000201007756BFull);

    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*>(&version);
    EXPECT_EQ(m.registerComponent(nullptr, 0, &component), 0);
    EXPECT_EQ(component, nullptr);
    void* factory = &version;
    EXPECT_EQ(m.getClassFactory(nullptr, IID_IACFUnknown, IID_IACFUnknown, &factory), -20009);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(m.canUnloadNow(nullptr), 0);
}

TEST(AaxExports, RegistrationFailsCleanlyWhenTheHostRefuses)
{
    Offer throwing;
    throwing.throwOnCreate = true;
    const struct {
        const char* what;
        Offer offer;
        uint32_t result;
    } cases[] = {
        {"factory refuses to create", Offer{true, true, true, true}, uint32_t(-20004)},
        {"no component factory", Offer{false, false, true, true}, uint32_t(-20004)},
        {"no plug-in definition", Offer{true, false, true, true, false}, uint32_t(-20004)},
        {"host throws from its factory", throwing, 0x8000FFFFu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Host host(c.offer);
        IACFPluginDefinition* out = reinterpret_cast<IACFPluginDefinition*>(&host);
        EXPECT_EQ(uint32_t(Module::get().registerPlugin(&host, &out)), c.result);
        EXPECT_EQ(out, nullptr);
        EXPECT_TRUE(host.balanced());
    }
}

TEST_F(Registered, DescribesMonoAndStereoEffects)
{
    struct Expect {
        const char* id;
        int32_t stem;
        uint32_t native, audioSuite;
    } expect[] = {
        {"com.brindledsp.aax.vlt650.mono", 1, aax_fourcc("7b40"), aax_fourcc("5151")},
        {"com.brindledsp.aax.vlt650.stereo", 0x10002, aax_fourcc("a999"), aax_fourcc("c6b3")},
    };
    const std::vector<std::string> names = {"Brindle VLT650", "Brindle VLT650", "VLT650", "VLT650",
                                            "VLT650",         "VLT650",         "VLT650"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(expect[i].id);
        auto& [id, effect] = collection->effects[size_t(i)];
        EXPECT_EQ(id, expect[i].id);
        EXPECT_EQ(effect->names, names);
        EXPECT_EQ(effect->categories, std::vector<uint32_t>{2});
        EXPECT_EQ(effect->procPtrs.size(), 2u);
        ASSERT_EQ(effect->components.size(), 1u);
        ComponentDescriptor& c = *effect->components[0];
        const std::map<int32_t, std::string> fields = {
            {0, "data in"},   {1, "data in"},    {2, "data in"},        {3, "data in"},     {4, "data in"},
            {5, "data in"},   {6, "data in"},    {7, "data in"},        {8, "sample rate"}, {9, "private"},
            {10, "audio in"}, {11, "audio out"}, {12, "buffer length"}, {13, "meters"}};
        EXPECT_EQ(c.fields, fields);
        for (auto [port, size] : c.portSizes) {
            EXPECT_EQ(size, 4u) << port;
            EXPECT_EQ(c.portTypes[port], 1) << port;
        }
        EXPECT_GT(c.privateSize, 0);
        EXPECT_EQ(c.privateOptions, 2u);
        EXPECT_EQ(c.meterIDs, std::vector<uint32_t>{0x4d747231});
        ASSERT_EQ(c.procs.size(), 1u);
        ASSERT_NE(c.procs[0].properties, nullptr);
        const std::map<int32_t, int32_t> props = {{11, int32_t(aax_fourcc("BRDL"))},
                                                  {12, int32_t(aax_fourcc("bc7d"))},
                                                  {13, int32_t(expect[i].native)},
                                                  {14, int32_t(expect[i].audioSuite)},
                                                  {51, expect[i].stem},
                                                  {52, expect[i].stem},
                                                  {60, 1}};
        EXPECT_EQ(c.procs[0].properties->values, props);
        ASSERT_EQ(effect->meters.size(), 1u);
        EXPECT_EQ(effect->meters[0].id, 0x4d747231u);
        EXPECT_EQ(effect->meters[0].name, "GR Meter");
        EXPECT_EQ(effect->meters[0].properties->values, (std::map<int32_t, int32_t>{{200, 2}, {201, 0}}));
    }
    EXPECT_NE(mono().components[0]->procs[0].process, stereo().components[0]->procs[0].process);
    EXPECT_EQ(collection->manufacturer, "Brindle DSP");
    EXPECT_EQ(collection->packageNames, (std::vector<std::string>{"VLT650 Plug-In", "VLT650", "VLT650"}));
    EXPECT_EQ(collection->packageVersion, 1u);
}

TEST_F(Registered, LiveObjectCountFollowsInstances)
{
    EXPECT_EQ(module.canUnloadNow(&host), 0);
    {
        Instance params(mono(), host);
        EXPECT_EQ(module.canUnloadNow(&host), 1);
        auto createGUI = reinterpret_cast<AAX_CCreateObjectProc>(mono().procPtrs.at(1));
        IACFUnknown* gui = createGUI();
        gui->AddRef();
        EXPECT_EQ(module.canUnloadNow(&host), 2);
        gui->Release();
        EXPECT_EQ(module.canUnloadNow(&host), 1);
    }
    EXPECT_EQ(module.canUnloadNow(&host), 0);
}

TEST_F(Registered, QueryInterfaceOnAPluginObject)
{
    Instance p(mono(), host);
    void* unknown = nullptr;
    ASSERT_EQ(p->QueryInterface(IID_IACFUnknown, &unknown), 0);
    ASSERT_NE(unknown, nullptr);
    EXPECT_NE(unknown, static_cast<void*>(p.params));  // the private unknown
    EXPECT_EQ(p->AddRef(), 3u);                        // host's, the query's, this one
    p->Release();
    static_cast<IACFUnknown*>(unknown)->Release();
    void* none = &unknown;
    EXPECT_EQ(uint32_t(p->QueryInterface(IID_IAAXEffectGUIV1, &none)), 0x80000004u);
    EXPECT_EQ(none, nullptr);
}

TEST_F(Registered, ParameterSetAsTheHostSeesIt)
{
    Instance p(mono(), host);
    int32_t count = 0;
    ASSERT_EQ(p->GetNumberOfParameters(&count), 0);
    ASSERT_EQ(count, 8);
    struct Row {
        const char* name;
        int32_t steps, type;
        double def;
        const char* text;
    } rows[] = {
        {"Master Bypass", 2, 0, 0.0, "bypass"},
        {"In", 2, 0, 0.0, "Off"},
        {"In Gain", 128, 1, 0.33333334f, "0.00 dB"},
        {"Threshold", 128, 1, 0.0, "0.00 dB"},
        {"Attack", 128, 1, 0.0, "0.10 ms"},
        {"Release", 128, 1, 0.0, "0.10 s"},
        {"Ratio", 128, 1, 0.0, "1.00:1"},
        {"Out Trim", 128, 1, 0.0, "0.00 dB"},
    };
    for (int32_t i = 0; i < count; ++i) {
        SCOPED_TRACE(kIDs[i]);
        FakeString id, name;
        ASSERT_EQ(p->GetParameterIDFromIndex(i, &id), 0);
        EXPECT_EQ(id.text, kIDs[i]);
        EXPECT_EQ(p->GetParameterName(kIDs[i], &name), 0);
        EXPECT_EQ(name.text, rows[i].name);
        int32_t steps = 0, index = -1;
        AAX_EParameterType type = -1;
        AAX_CBoolean automatable = 0;
        double def = -1;
        EXPECT_EQ(p->GetParameterNumberOfSteps(kIDs[i], &steps), 0);
        EXPECT_EQ(steps, rows[i].steps);
        EXPECT_EQ(p->GetParameterType(kIDs[i], &type), 0);
        EXPECT_EQ(type, rows[i].type);
        EXPECT_EQ(p->GetParameterIsAutomatable(kIDs[i], &automatable), 0);
        EXPECT_EQ(automatable, 1);
        EXPECT_EQ(p->GetParameterDefaultNormalizedValue(kIDs[i], &def), 0);
        EXPECT_DOUBLE_EQ(def, rows[i].def);
        EXPECT_EQ(p.value(kIDs[i]), def);
        EXPECT_EQ(p->GetParameterIndex(kIDs[i], &index), 0);
        EXPECT_EQ(index, i);
        EXPECT_EQ(p.text(kIDs[i]), rows[i].text);
    }
    FakeString bypass;
    EXPECT_EQ(p->GetMasterBypassParameter(&bypass), 0);
    EXPECT_EQ(bypass.text, "MasterBypassID");
    FakeString none("unchanged");
    EXPECT_EQ(p->GetParameterIDFromIndex(8, &none), -20001);
    EXPECT_EQ(none.text, "");
    double v;
    EXPECT_EQ(p->GetParameterNormalizedValue("Nope", &v), -20001);
    EXPECT_EQ(p->SetParameterNormalizedValue(nullptr, 0.5), -20001);
    EXPECT_EQ(p->GetParameterName("Nope", &none), 0);
    int32_t selector = 5;
    EXPECT_EQ(p->GetParameterValueInfo("InGain", 0, &selector), -20009);
    EXPECT_EQ(selector, 0);
}

TEST_F(Registered, DisplayTextsAndRefusedTextEntry)
{
    Instance p(mono(), host);
    struct Case {
        const char* id;
        double n;
        const char* text;
    } cases[] = {
        {"InGain", 0.33333334f, "0.00 dB"},
        {"InGain", 1.0, "12.00 dB"},
        {"Thresh", 0.5, "-10.00 dB"},
        {"Attack", 1.0, "10.00 ms"},
        {"Release", 1.0, "1.00 s"},
        {"Ratio", 0.5, "5.75:1"},
        {"Makeup", 0.25, "5.00 dB"},
        {"In", 1.0, "On"},
        {"MasterBypassID", 1.0, "on"},
        // Single precision throughout, where VST3 computes the attack in double (2.71 ms).
        {"Attack", 0.26313132f, "2.70 ms"},
        {"Attack", 0.25, "2.57 ms"},
    };
    for (const Case& c : cases) {
        FakeString s;
        EXPECT_EQ(p->GetParameterStringFromValue(c.id, c.n, &s, 32), 0) << c.id;
        EXPECT_EQ(s.text, c.text) << c.id;
    }
    double n = -1;
    EXPECT_EQ(p->GetParameterValueFromString("Thresh", &n, FakeString("-10.00 dB")), -20002);
    EXPECT_EQ(p->GetParameterValueFromString("In", &n, FakeString("On")), 0);
    EXPECT_EQ(n, 1.0);
}

TEST_F(Registered, EditsGoThroughTheHostAndApplyOnItsAnswer)
{
    Instance p(mono(), host);
    host.automation.take();
    EXPECT_EQ(p->TouchParameter("Thresh"), 0);
    EXPECT_EQ(p->SetParameterNormalizedValue("Thresh", 0.5), 0);
    EXPECT_EQ(p->ReleaseParameter("Thresh"), 0);
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch Thresh", "touch Thresh", "request Thresh 0.5",
                                        "release Thresh", "release Thresh"}));
    EXPECT_EQ(p.value("Thresh"), 0.0);  // not until the host answers

    int32_t changes = -1;
    EXPECT_EQ(p->UpdateParameterNormalizedValue("Thresh", 0.5, 0), 0);
    EXPECT_EQ(p.value("Thresh"), 0.5);
    EXPECT_EQ(host.automation.take(), std::vector<std::string>{"current Thresh 0.5"});
    EXPECT_EQ(p->GetNumberOfChanges(&changes), 0);
    EXPECT_EQ(changes, 1);

    // Relative changes clamp to 0..1.
    EXPECT_EQ(p->UpdateParameterNormalizedRelative("Thresh", 0.7), 0);
    EXPECT_EQ(p.value("Thresh"), 1.0);
    EXPECT_EQ(p->UpdateParameterNormalizedRelative("Thresh", -1.5), 0);
    EXPECT_EQ(p.value("Thresh"), 0.0);
    EXPECT_EQ(p->UpdateParameterNormalizedValue("Nope", 0.5, 0), -20001);
}

TEST_F(Registered, WithoutHostAutomationSetsApplyDirectly)
{
    Host bare(Offer{true, false, false, true});
    Instance p(mono(), bare);
    EXPECT_EQ(p->SetParameterNormalizedValue("Attack", 0.25), 0);
    EXPECT_EQ(p.value("Attack"), 0.25);
    EXPECT_TRUE(bare.automation.events.empty());
    p->Uninitialize();
    EXPECT_EQ(bare.refs, 0);
}

TEST_F(Registered, EditorSlotsSitAtTheirTablePositions)
{
    Instance p(mono(), host);
    using GetValue = AAX_Result (*)(void*, AAX_CParamID, double*);
    using SetValue = AAX_Result (*)(void*, AAX_CParamID, double);
    using Gesture = AAX_Result (*)(void*, AAX_CParamID);
    void** table = *reinterpret_cast<void***>(p.params);
    host.automation.take();
    reinterpret_cast<Gesture>(table[26])(p.params, "Ratio");
    reinterpret_cast<SetValue>(table[24])(p.params, "Ratio", 0.75);
    reinterpret_cast<Gesture>(table[27])(p.params, "Ratio");
    EXPECT_EQ(host.automation.take(),
              (std::vector<std::string>{"touch Ratio", "touch Ratio", "request Ratio 0.75", "release Ratio",
                                        "release Ratio"}));
    p->UpdateParameterNormalizedValue("Ratio", 0.75, 0);
    double v = 0;
    EXPECT_EQ(reinterpret_cast<GetValue>(table[23])(p.params, "Ratio", &v), 0);
    EXPECT_EQ(v, 0.75);
}

TEST_F(Registered, NamesByLength)
{
    Instance p(mono(), host);
    struct Case {
        const char* id;
        int32_t length;
        const char* name;
    } cases[] = {
        {"Makeup", 3, "Out"}, {"Makeup", 8, "Out Trim"}, {"Makeup", 0, ""}, {"InGain", 40, "In Gain"}};
    for (const Case& c : cases) {
        FakeString s("x");
        EXPECT_EQ(p->GetParameterNameOfLength(c.id, &s, c.length), 0);
        EXPECT_EQ(s.text, c.name) << c.id << " " << c.length;
    }
    EXPECT_EQ(p->GetParameterNameOfLength("Makeup", nullptr, 3), -20002);
}

// ------------------------------------------------------------- saved state
struct SavedChunk {
    std::vector<unsigned char> bytes;
    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
};

SavedChunk save(Instance& p)
{
    uint32_t size = 0;
    EXPECT_EQ(p->GetChunkSize(kChunk, &size), 0);
    SavedChunk c;
    c.bytes.assign(kAAXChunkHeaderSize + size + 4, 0xEE);  // 4 guard bytes
    EXPECT_EQ(p->GetChunk(kChunk, c.get()), 0);
    return c;
}

TEST_F(Registered, ChunkLayout)
{
    Instance p(mono(), host);
    uint32_t id = 0;
    int32_t chunks = 0;
    EXPECT_EQ(p->GetNumberOfChunks(&chunks), 0);
    EXPECT_EQ(chunks, 1);
    EXPECT_EQ(p->GetChunkIDFromIndex(0, &id), 0);
    EXPECT_EQ(id, 0x656C636Bu);
    EXPECT_EQ(p->GetChunkIDFromIndex(1, &id), -20006);
    EXPECT_EQ(id, 0u);

    std::vector<unsigned char> early(kAAXChunkHeaderSize + 200);
    EXPECT_EQ(p->GetChunk(id = 0x656C636B, reinterpret_cast<AAX_SPlugInChunk*>(early.data())), -20008);

    SavedChunk c = save(p);
    EXPECT_EQ(c.get()->fSize, 136);
    EXPECT_EQ(c.get()->fVersion, -1);
    EXPECT_EQ(c.get()->fChunkID, kChunk);
    EXPECT_STREQ(reinterpret_cast<const char*>(c.get()->fName), "Complete Controls State");
    const unsigned char* d = reinterpret_cast<const unsigned char*>(c.get()->fData);
    EXPECT_EQ(std::memcmp(d, "\1\1\1\1", 4), 0);
    // Entry starts, names and the In Gain value (1/3 widened to double, big-endian).
    struct Entry {
        size_t at;
        const char* tag;
    } entries[] = {{4, "d_In"},       {20, "d_InGain"}, {40, "d_Thresh"}, {60, "d_Attack"},
                   {80, "d_Release"}, {100, "d_Ratio"}, {116, "d_Makeup"}};
    for (const Entry& e : entries)
        EXPECT_STREQ(reinterpret_cast<const char*>(d + e.at), e.tag);
    const double third = double(0.33333334f);
    uint64_t bits;
    std::memcpy(&bits, &third, 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(d[32 + i], uint8_t(bits >> (56 - 8 * i))) << i;
    EXPECT_EQ(d[136], 0xEE) << "wrote past the size it reported";

    uint32_t size = 0;
    EXPECT_EQ(p->GetChunkSize(0x12345678, &size), -20007);
    EXPECT_EQ(size, 0u);
}

TEST_F(Registered, SaveRestoreRoundTripAndComparison)
{
    Instance a(mono(), host);
    const std::pair<const char*, double> edits[] = {
        {"In", 1.0},       {"InGain", 0.5}, {"Thresh", 0.71}, {"Attack", 0.26},
        {"Release", 0.29}, {"Ratio", 0.24}, {"Makeup", 0.13}, {"MasterBypassID", 1.0}};
    for (auto [id, v] : edits)
        a->UpdateParameterNormalizedValue(id, v, 0);
    SavedChunk saved = save(a);

    Instance b(mono(), host);
    AAX_CBoolean active = 9;
    EXPECT_EQ(b->CompareActiveChunk(saved.get(), &active), 0);
    EXPECT_EQ(active, 0);
    host.automation.take();
    EXPECT_EQ(b->SetChunk(0x656C636B, saved.get()), 0);
    b.answerRequests(host);
    for (auto [id, v] : edits) {
        if (std::strcmp(id, "MasterBypassID") == 0)
            EXPECT_EQ(b.value(id), 0.0) << "the bypass is not part of the state";
        else
            EXPECT_FLOAT_EQ(float(b.value(id)), float(v)) << id;
    }
    EXPECT_EQ(b->CompareActiveChunk(saved.get(), &active), 0);
    EXPECT_EQ(active, 1);
    b->UpdateParameterNormalizedValue("MasterBypassID", 0.0, 0);
    EXPECT_EQ(b->CompareActiveChunk(saved.get(), &active), 0);
    EXPECT_EQ(active, 1) << "the bypass is not compared";
    b->UpdateParameterNormalizedValue("Ratio", 0.9, 0);
    EXPECT_EQ(b->CompareActiveChunk(saved.get(), &active), 0);
    EXPECT_EQ(active, 0);
}

TEST_F(Registered, DamagedOrForeignStateChangesNothing)
{
    Instance a(mono(), host);
    a->UpdateParameterNormalizedValue("Thresh", 0.5, 0);
    SavedChunk saved = save(a);
    Instance b(mono(), host);

    SavedChunk badHeader = saved;
    badHeader.get()->fData[3] = 2;
    SavedChunk foreign = saved;
    foreign.get()->fChunkID = aax_fourcc("xxxx");
    // Thresh's saved double, replaced by values no knob can hold.
    auto withThresh = [&](double v) {
        SavedChunk c = saved;
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        for (int i = 0; i < 8; ++i)
            reinterpret_cast<unsigned char*>(c.get()->fData)[52 + i] = uint8_t(bits >> (56 - 8 * i));
        return c;
    };

    host.automation.take();
    EXPECT_EQ(b->SetChunk(0x656C636B, badHeader.get()), 0);
    EXPECT_EQ(b->SetChunk(aax_fourcc("xxxx"), foreign.get()), -20007);
    EXPECT_EQ(b->SetChunk(0x656C636B, nullptr), -20004);
    EXPECT_TRUE(host.automation.take().empty());
    AAX_CBoolean active = 0;
    EXPECT_EQ(b->CompareActiveChunk(foreign.get(), &active), 0);
    EXPECT_EQ(active, 1);

    for (double v : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300}) {
        EXPECT_EQ(b->SetChunk(0x656C636B, withThresh(v).get()), 0);
        for (const std::string& e : host.automation.take())
            EXPECT_EQ(e.find("Thresh"), std::string::npos) << v << ": " << e;
        EXPECT_EQ(b.value("Thresh"), 0.0) << v;
    }
}

// ---------------------------------------------------------------- packets
TEST_F(Registered, PacketsGoOnlyToDirtyPortsAtTheirOwnSize)
{
    Instance p(mono(), host);
    EXPECT_EQ(p->GenerateCoefficients(), 0);
    std::map<int32_t, size_t> first;
    for (auto& packet : host.controller.packets)
        first[packet.port] = packet.bytes.size();
    EXPECT_EQ(first,
              (std::map<int32_t, size_t>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}, {7, 4}}));
    host.controller.packets.clear();
    EXPECT_EQ(p->GenerateCoefficients(), 0);
    EXPECT_TRUE(host.controller.packets.empty());

    p->UpdateParameterNormalizedValue("Thresh", 0.25, 0);
    p->UpdateParameterNormalizedValue("MasterBypassID", 1.0, 0);
    EXPECT_EQ(p->GenerateCoefficients(), 0);
    ASSERT_EQ(host.controller.packets.size(), 2u);
    // Dispatch walks identifiers in byte order: "MasterBypassID" before "Thresh".
    EXPECT_EQ(host.controller.packets[0].port, 0);
    EXPECT_EQ(host.controller.packets[0].bytes, (std::vector<unsigned char>{1, 0, 0, 0}));
    EXPECT_EQ(host.controller.packets[1].port, 2);
    float f;
    std::memcpy(&f, host.controller.packets[1].bytes.data(), 4);
    EXPECT_EQ(f, 0.25f);
}

// -------------------------------------------------------------- algorithm
class Algorithm : public Registered {
protected:
    void fill(Runner& r, float amplitude, unsigned seed = 1)
    {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<float> dist(-amplitude, amplitude);
        for (auto& ch : r.in)
            for (float& s : ch)
                s = dist(rng);
    }
};

TEST_F(Algorithm, RejectsAPrivateBlockOfTheWrongSize)
{
    Instance p(mono(), host);
    const int32_t size = mono().components[0]->privateSize;
    std::vector<std::max_align_t> block(size_t(size) / sizeof(std::max_align_t) + 2);
    EXPECT_EQ(p->ResetFieldData(9, block.data(), uint32_t(size - 1)), -9998);
    EXPECT_EQ(p->ResetFieldData(9, nullptr, uint32_t(size)), -9998);
    unsigned char zeroed[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(p->ResetFieldData(3, zeroed, 8), 0);
    EXPECT_EQ(std::memcmp(zeroed, "\0\0\0\0\0\0\0\0", 8), 0);
}

TEST_F(Algorithm, MeterFollowsGainReduction)
{
    Instance p(mono(), host);
    Runner r(*mono().components[0], *p.params, host.controller, 1);
    for (auto [id, v] : {std::pair{"In", 1.0}, {"InGain", 1.0}, {"Thresh", 1.0}, {"Ratio", 1.0}})
        p->UpdateParameterNormalizedValue(id, v, 0);
    p->GenerateCoefficients();
    r.in[0].assign(4096, 0.0f);
    r.process(4096);
    EXPECT_EQ(r.meter, 0.0f) << "silence: no reduction";
    r.in[0].assign(4096, 1.0f);  // +12 dB into a -20 dB threshold at 20:1
    for (int i = 0; i < 10; ++i)
        r.process(4096);
    EXPECT_EQ(r.meter, 1.0f);
    float shown = -1;
    EXPECT_EQ(host.controller.GetCurrentMeterValue(aax_fourcc("Mtr1"), &shown), 0);
    EXPECT_EQ(shown, 1.0f);
}

TEST_F(Algorithm, InSwitchesAtTheMidpoint)
{
    Instance p(mono(), host);
    Runner r(*mono().components[0], *p.params, host.controller, 1);
    p->GenerateCoefficients();
    r.setPort(1, 1.0f);  // +12 dB in
    r.setPort(2, 1.0f);  // -20 dB threshold
    r.setPort(5, 1.0f);  // 20:1
    for (auto [in, compressing] : {std::pair{0.5f, true}, {0.49f, false}}) {
        r.setPort(7, in);
        r.in[0].assign(4096, 1.0f);
        for (int i = 0; i < 20; ++i)
            r.process(4096);
        EXPECT_EQ(r.meter > 0.5f, compressing) << in;
    }
}

TEST_F(Algorithm, MasterBypassIsBitExactWhileTheDetectorRuns)
{
    Instance p(stereo(), host);
    Runner r(*stereo().components[0], *p.params, host.controller, 2);
    for (auto [id, v] : {std::pair{"In", 1.0}, {"InGain", 1.0}, {"Thresh", 1.0}, {"MasterBypassID", 1.0}})
        p->UpdateParameterNormalizedValue(id, v, 0);
    p->GenerateCoefficients();
    for (int32_t frames : {1, 63, 64, 65, 150, 1000}) {
        r.in[0].resize(size_t(frames));
        r.in[1].resize(size_t(frames));
        fill(r, 1.0f, unsigned(frames));
        r.process(frames);
        EXPECT_EQ(std::memcmp(r.in[0].data(), r.out[0].data(), sizeof(float) * size_t(frames)), 0) << frames;
        EXPECT_EQ(std::memcmp(r.in[1].data(), r.out[1].data(), sizeof(float) * size_t(frames)), 0) << frames;
    }
    // The detector ran on with the compressor switched out: its meter settles at 0.
    r.in[0].assign(4096, 1.0f);
    r.in[1].assign(4096, 1.0f);
    for (int i = 0; i < 10; ++i)
        r.process(4096);
    EXPECT_EQ(r.meter, 0.0f);
    EXPECT_EQ(r.out[0], r.in[0]);

    // Bypass off: processed output again.
    p->UpdateParameterNormalizedValue("MasterBypassID", 0.0, 0);
    p->GenerateCoefficients();
    fill(r, 1.0f);
    r.process(1000);
    EXPECT_NE(std::memcmp(r.in[0].data(), r.out[0].data(), sizeof(float) * 1000), 0);
}

TEST_F(Algorithm, NewInstanceProcessesDryUntilSwitchedIn)
{
    Instance p(mono(), host);
    Runner r(*mono().components[0], *p.params, host.controller, 1);
    EXPECT_EQ(p.text("In"), "Off");
    // Settings that compress hard once the compressor is in.
    for (auto [id, v] : {std::pair{"InGain", 1.0}, {"Thresh", 1.0}, {"Ratio", 1.0}, {"Makeup", 1.0}})
        p->UpdateParameterNormalizedValue(id, v, 0);
    p->GenerateCoefficients();
    r.in[0].resize(4096);
    fill(r, 1.0f);
    r.process(4096);
    EXPECT_EQ(r.out[0], r.in[0]);
    EXPECT_EQ(r.meter, 0.0f);

    p->UpdateParameterNormalizedValue("In", 1.0, 0);
    p->GenerateCoefficients();
    for (int i = 0; i < 5; ++i)
        r.process(4096);
    EXPECT_NE(r.out[0], r.in[0]);
    EXPECT_GT(r.meter, 0.5f);
}

// Inf and NaN samples reach the compressor as 0: the output stays finite
// and the host's input is left as it was; bypassed, the input passes as it
// is (the last one written was NaN).
TEST_F(Algorithm, NonFiniteInputReachesTheCompressorAsZero)
{
    for (bool stereo_instance : {true, false}) {
        Instance p(stereo_instance ? stereo() : mono(), host);
        const int channels = stereo_instance ? 2 : 1;
        Runner r(*(stereo_instance ? stereo() : mono()).components[0], *p.params, host.controller, channels);
        for (auto [id, v] : {std::pair{"In", 1.0}, {"Thresh", 1.0}, {"Ratio", 1.0}})
            p->UpdateParameterNormalizedValue(id, v, 0);
        p->GenerateCoefficients();
        for (float bad : {INFINITY, -INFINITY, NAN}) {
            for (auto& ch : r.in)
                ch.assign(200, 0.5f);
            r.in[0][3] = r.in[size_t(channels - 1)][130] = bad;
            const auto host_in = r.in;
            r.process(200);
            for (const auto& ch : r.out)
                for (float s : ch)
                    ASSERT_TRUE(std::isfinite(s)) << channels << " channels, " << bad;
            for (int c = 0; c < channels; ++c)
                EXPECT_EQ(std::memcmp(r.in[size_t(c)].data(), host_in[size_t(c)].data(), 200 * sizeof(float)),
                          0);
        }
        p->UpdateParameterNormalizedValue("MasterBypassID", 1.0, 0);
        p->GenerateCoefficients();
        r.process(200);
        EXPECT_TRUE(std::isnan(r.out[0][3]));
    }
}

#if VLT_TEST_HOST_FP_MODE
TEST_F(Algorithm, DenormalsAreFlushedAndTheHostsModeComesBack)
{
    Instance p(stereo(), host);
    Runner r(*stereo().components[0], *p.params, host.controller, 2);
    p->UpdateParameterNormalizedValue("In", 1.0, 0);
    p->GenerateCoefficients();
    r.in[0].assign(4096, 1e-39f);
    r.in[1].assign(4096, -1e-39f);
    const vlt::test::HostFpMode mode;
    r.process(4096);
    EXPECT_TRUE(mode.intact());
    EXPECT_EQ(vlt::test::subnormal_count(r.out[0]) + vlt::test::subnormal_count(r.out[1]), 0);
}
#endif

TEST_F(Algorithm, ZeroOrNegativeLengthTouchesNothing)
{
    Instance p(stereo(), host);
    Runner r(*stereo().components[0], *p.params, host.controller, 2);
    p->GenerateCoefficients();
    r.meter = 0.123f;
    for (int32_t frames : {0, -5}) {
        r.process(frames);
        EXPECT_EQ(r.meter, 0.123f);
    }
}

TEST_F(Algorithm, ProcessingAllocatesNothing)
{
    Instance p(stereo(), host);
    Runner r(*stereo().components[0], *p.params, host.controller, 2);
    p->GenerateCoefficients();
    r.in[0].assign(512, 0.5f);
    r.in[1].assign(512, -0.5f);
    r.process(512);  // sizes the host's buffers
    alloc_counter::start();
    for (int i = 0; i < 50; ++i)
        r.process(512);
    EXPECT_EQ(alloc_counter::stop(), 0);
}

// -------------------------------------------------------------- GUI object
TEST_F(Registered, GuiObjectAttachesToAViewContainer)
{
    Instance p(mono(), host);
    host.effectParameters = p.params;
    auto create = reinterpret_cast<AAX_CCreateObjectProc>(mono().procPtrs.at(1));
    void* got = nullptr;
    ASSERT_EQ(create()->QueryInterface(IID_IAAXEffectGUIV1, &got), 0);
    auto* gui = static_cast<AAX_IACFEffectGUI*>(got);
    EXPECT_EQ(gui->Initialize(&host), 0);
    EXPECT_EQ(module.canUnloadNow(&host), 2);

    host.controller.meterFails = true;  // the editor then starts from 0
    for (int32_t type : {AAX_eViewContainer_Type_HWND, AAX_eViewContainer_Type_NSView}) {
        ViewContainer container(type);
        EXPECT_EQ(gui->SetViewContainer(&container), 0);
        EXPECT_GT(container.refs, 0);
        EXPECT_EQ(gui->ParameterUpdated("InGain"), 0);
        EXPECT_EQ(gui->ParameterUpdated("MasterBypassID"), -20001);
        EXPECT_EQ(gui->SetViewContainer(nullptr), 0);
        EXPECT_EQ(container.refs, 0);
    }
    FakeString label;
    EXPECT_EQ(gui->GetCustomLabel(0, &label), -20004);
    AAX_Point size{-1, -1};
    EXPECT_EQ(gui->GetViewSize(&size), 0);
    EXPECT_EQ(size.vert, -1);
    EXPECT_EQ(gui->Uninitialize(), 0);
    gui->Release();
    host.effectParameters = nullptr;
    EXPECT_EQ(module.canUnloadNow(&host), 1);

    void* other = nullptr;
    ASSERT_EQ(create()->QueryInterface(IID_IAAXEffectGUIV1, &other), 0);
    EXPECT_EQ(static_cast<AAX_IACFEffectGUI*>(other)->Initialize(nullptr), -20011);
    static_cast<AAX_IACFEffectGUI*>(other)->Release();
}

}  // namespace
}  // namespace fake
