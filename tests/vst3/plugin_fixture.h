#pragma once
// Processor and controller as a host sets them up: initialized with a host
// application, connected both ways, with a logging component handler.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "CPlug.h"
#include "CPlugController.h"
#include "host_objects.h"
#include "process_block.h"

namespace vst3test {

using namespace Steinberg;
using namespace Steinberg::Vst;
using vst3host::MemoryStream;
using vst3host::ParameterChanges;
using vst3host::ParamValueQueue;

template <typename T>
struct Released {
    void operator()(T* p) const
    {
        if (p)
            p->release();
    }
};

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(processor->initialize(host), kResultOk);
        ASSERT_EQ(controller->initialize(host), kResultOk);
        processor->connect(controller);
        controller->connect(processor);
        controller->setComponentHandler(handler);
    }
    void TearDown() override
    {
        processor->disconnect(controller);
        controller->disconnect(processor);
        controller->terminate();
        processor->terminate();
        processor->release();
        controller->release();
        handler->release();
        host->release();
    }

    // One block through bus 0 of each side; the parameter changes are
    // optional. Returns the processor's result.
    tresult process(std::vector<std::vector<float>>& in, std::vector<std::vector<float>>& out, int32 frames,
                    IParameterChanges* changes = nullptr, IParameterChanges* outChanges = nullptr)
    {
        std::vector<float*> inPtrs, outPtrs;
        for (auto& c : in)
            inPtrs.push_back(c.data());
        for (auto& c : out)
            outPtrs.push_back(c.data());
        AudioBusBuffers inBus{}, outBus{};
        inBus.numChannels = static_cast<int32>(inPtrs.size());
        inBus.channelBuffers32 = inPtrs.data();
        outBus.numChannels = static_cast<int32>(outPtrs.size());
        outBus.channelBuffers32 = outPtrs.data();
        outBus.silenceFlags = ~0ull;
        ProcessData data = vst3host::realtime_block(inBus, outBus, frames, changes, outChanges);
        const tresult r = processor->process(data);
        lastSilenceFlags = outBus.silenceFlags;
        return r;
    }

    // Sets parameters through one block of zero frames.
    void setParams(std::initializer_list<std::pair<ParamID, double>> values)
    {
        auto* changes = new ParameterChanges;
        for (auto [id, v] : values) {
            int32 index = 0;
            changes->addParameterData(id, index)->addPoint(0, v, index);
        }
        std::vector<std::vector<float>> in(2, std::vector<float>(1)), out = in;
        process(in, out, 0, changes);
        changes->release();
    }

    std::vector<uint8> saveState()
    {
        auto* s = new MemoryStream;
        EXPECT_EQ(processor->getState(s), kResultOk);
        std::vector<uint8> bytes = s->bytes();
        s->release();
        return bytes;
    }

    static std::vector<uint8> stateBytes(std::initializer_list<float> values)
    {
        std::vector<uint8> bytes(values.size() * 4);
        std::memcpy(bytes.data(), values.begin(), bytes.size());
        return bytes;
    }

    vst3host::HostApplication* host = new vst3host::HostApplication;
    vst3host::ComponentHandler* handler = new vst3host::ComponentHandler;
    CPlug* processor = new CPlug;
    CPlugController* controller = new CPlugController;
    uint64 lastSilenceFlags = 0;
};

}  // namespace vst3test
