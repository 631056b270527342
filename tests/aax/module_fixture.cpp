#include "module_fixture.h"

#include <cstdio>

namespace fake {

Module& Module::get()
{
    static Module m = [] {
        Module mod = Module::load(VLT_AAX_MODULE_PATH);
        if (!mod.handle)
            ADD_FAILURE() << mod.error;
        return mod;
    }();
    return m;
}

Instance::Instance(EffectDescriptor& effect, Host& host, bool initialize)
{
    auto create =
        reinterpret_cast<AAX_CCreateObjectProc>(effect.procPtrs.at(kAAX_ProcPtrID_Create_EffectParameters));
    IACFUnknown* object = create();
    void* got = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IAAXEffectParametersV2, &got), 0);
    params = static_cast<Params*>(got);
    if (initialize) {
        EXPECT_EQ(params->Initialize(&host), 0);
    }
}

Instance::~Instance()
{
    params->Uninitialize();
    params->Release();
}

double Instance::value(const char* id) const
{
    double v = -1;
    EXPECT_EQ(params->GetParameterNormalizedValue(id, &v), 0) << id;
    return v;
}

std::string Instance::text(const char* id, int32_t max) const
{
    FakeString s;
    EXPECT_EQ(params->GetParameterValueString(id, &s, max), 0) << id;
    return s.text;
}

void Instance::answerRequests(Host& host)
{
    for (const std::string& e : host.automation.take()) {
        char id[64];
        double v;
        if (std::sscanf(e.c_str(), "request %63s %lf", id, &v) == 2)
            params->UpdateParameterNormalizedValue(id, v, 0);
    }
}

Runner::Runner(ComponentDescriptor& c, Params& params, Controller& ctl, int channels, float sampleRate)
    : in(channels), out(channels), component(c), controller(ctl), rate(sampleRate)
{
    EXPECT_EQ(c.procs.size(), 1u);
    processProc = c.procs.at(0).process;
    init = c.procs.at(0).init;
    for (auto [field, size] : c.portSizes) {
        ports[field].assign((size + 7) / 8, 0);
        context[field] = ports[field].data();
        controller.portBuffers[field] = {ports[field].data(), size};
    }
    const size_t words = (size_t(c.privateSize) + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
    privateBlock.reset(new std::max_align_t[words]);
    EXPECT_EQ(params.ResetFieldData(9, privateBlock.get(), uint32_t(c.privateSize)), 0);
    context[8] = &rate;
    context[9] = privateBlock.get();
    context[12] = &length;
    meterPtrs[0] = &meter;
    context[13] = meterPtrs;
    controller.meterTap = &meter;
    EXPECT_EQ(init(context, AAX_eComponentInstanceInitAction_AddingNewInstance), 0);
}

Runner::~Runner()
{
    init(context, AAX_eComponentInstanceInitAction_RemovingInstance);
    controller.portBuffers.clear();
    controller.meterTap = nullptr;
}

void Runner::process(int32_t frames)
{
    inPtrs.clear();
    outPtrs.clear();
    for (size_t ch = 0; ch < in.size(); ++ch) {
        in[ch].resize(size_t(std::max(frames, 0)));
        out[ch].resize(in[ch].size());
        inPtrs.push_back(in[ch].data());
        outPtrs.push_back(out[ch].data());
    }
    context[10] = inPtrs.data();
    context[11] = outPtrs.data();
    length = frames;
    void* const instances[1] = {context};
    processProc(instances, instances + 1);
}

void Registered::SetUp()
{
    ASSERT_NE(module.handle, nullptr);
    ASSERT_EQ(module.startup(&host), 0);
    ASSERT_EQ(module.registerPlugin(&host, &definition), 0);
    ASSERT_NE(definition, nullptr);
    ASSERT_EQ(host.collections.size(), 1u);
    collection = host.collections[0].get();
    ASSERT_EQ(collection->effects.size(), 2u);
}

void Registered::TearDown()
{
    if (definition)
        definition->Release();
    module.shutdown(&host);
    EXPECT_EQ(module.canUnloadNow(&host), 0);
    EXPECT_TRUE(host.balanced()) << "a host object still holds references";
}

}  // namespace fake
