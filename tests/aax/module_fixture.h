#pragma once
// Loads the test module with dlopen and drives it the way an AAX host
// does: registration, instances of the effect parameters and the GUI
// object, and an algorithm runner with its own context and buffers.
#include <dlfcn.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_host.h"

namespace fake {

// The plug-in's binary, opened the way this platform's host opens it (a
// failure is reported to the running test); null when it cannot be opened.
void* open_plugin_module();

struct Module {
    void* handle = nullptr;
    ACFRegisterPluginProc registerPlugin = nullptr;
    ACFRegisterComponentProc registerComponent = nullptr;
    ACFGetClassFactoryProc getClassFactory = nullptr;
    ACFCanUnloadNowProc canUnloadNow = nullptr;
    ACFStartupProc startup = nullptr;
    ACFShutdownProc shutdown = nullptr;
    ACFGetSDKVersionProc getSDKVersion = nullptr;

    static Module& get();
};

typedef AAX_IACFEffectParameters_V2 Params;

// One effect-parameters object as the host holds it (one reference).
class Instance {
public:
    Instance(EffectDescriptor& effect, Host& host, bool initialize = true);
    ~Instance();
    Params* operator->() const { return params; }
    double value(const char* id) const;
    std::string text(const char* id, int32_t max = 32) const;
    // Answers every pending set request the way the host does.
    void answerRequests(Host& host);

    Params* params = nullptr;
};

// The host side of one algorithm instance.
class Runner {
public:
    Runner(ComponentDescriptor& component, Params& params, Controller& controller, int channels,
           float sampleRate = 48000.0f);
    ~Runner();
    void process(int32_t frames);
    void setPort(int32_t field, float v) { std::memcpy(port(field), &v, sizeof v); }
    void setBypass(int32_t on) { std::memcpy(port(0), &on, sizeof on); }
    void* port(int32_t field) { return ports[field].data(); }

    std::vector<std::vector<float>> in, out;
    float meter = 0.0f;
    AAX_CProcessProc processProc = nullptr;

private:
    ComponentDescriptor& component;
    Controller& controller;
    AAX_CInstanceInitProc init = nullptr;
    std::map<int32_t, std::vector<uint64_t>> ports;
    std::unique_ptr<std::max_align_t[]> privateBlock;
    float rate;
    int32_t length = 0;
    std::vector<float*> inPtrs, outPtrs;
    float* meterPtrs[1];
    void* context[14] = {};
};

class Registered : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    EffectDescriptor& mono() { return *collection->effects.at(0).second; }
    EffectDescriptor& stereo() { return *collection->effects.at(1).second; }

    Module& module = Module::get();
    Host host;
    Collection* collection = nullptr;
    IACFPluginDefinition* definition = nullptr;
};

}  // namespace fake
