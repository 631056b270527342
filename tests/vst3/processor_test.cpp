// The processor as a host drives it: parameter queues, the block loop and
// meter, buses, state, messages.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "host_fp_mode.h"
#include "plugin_fixture.h"

namespace vst3test {
namespace {

using Buffers = std::vector<std::vector<float>>;

Buffers buffers(int channels, int frames, float value = 0.0f)
{
    return Buffers(static_cast<std::size_t>(channels),
                   std::vector<float>(static_cast<std::size_t>(frames), value));
}

using ProcessorTest = PluginFixture;

TEST_F(ProcessorTest, BlockMatchesTheCompressorRunIn64_64_2)
{
    setParams({{7, 1.0}, {1, 0.8}, {4, 0.7}, {0, 0.6}});
    CNFq ref;
    ref.nq_srate(48000);
    ref.nq_init();
    ref.nqs_max_gr(40);
    ref.nqs_input_gain(::vlt::params::in_gain_db(0.6f));
    ref.nqs_threshold(::vlt::params::threshold_db(0.8f));
    ref.nqs_attack(0.1f);
    ref.nqs_decay(100.0f);
    ref.nqs_ratio(::vlt::params::ratio(0.7f));
    ref.nqs_makeup(0.0f);
    ref.nqs_comp_in(true);

    Buffers in = buffers(2, 130), out = buffers(2, 130);
    for (int i = 0; i < 130; ++i) {
        in[0][i] = 0.9f * std::sin(0.05f * i);
        in[1][i] = 0.5f * std::cos(0.03f * i);
    }
    ASSERT_EQ(process(in, out, 130), kResultOk);
    for (int start : {0, 64, 128}) {
        const int n = start == 128 ? 2 : 64;
        ref.nq_recalc(n);
        for (int i = start; i < start + n; ++i) {
            float l, r, g;
            ref.nq_prc(in[0][i], in[1][i], &l, &r, &g);
            ASSERT_EQ(out[0][i], l) << i;
            ASSERT_EQ(out[1][i], r) << i;
        }
    }
    EXPECT_EQ(lastSilenceFlags, 0u);
}

TEST_F(ProcessorTest, OnlyTheLastPointOfAQueueCounts)
{
    auto* changes = new ParameterChanges;
    int32 index = 0;
    IParamValueQueue* q = changes->addParameterData(1, index);
    q->addPoint(0, 0.2, index);
    q->addPoint(10, 0.9, index);
    Buffers in = buffers(2, 16), out = buffers(2, 16);
    process(in, out, 16, changes);
    changes->release();
    EXPECT_FLOAT_EQ(processor->compressor().threshold_target(), -18.0f);
}

TEST_F(ProcessorTest, SkipsMissingQueuesAndFailedPoints)
{
    auto* changes = new ParameterChanges;
    int32 index = 0;
    changes->addParameterData(5, index)->addPoint(0, 0.5, index);
    changes->queue(index)->failGetPoint = true;
    changes->holeAtEnd = true;  // the next index has no queue behind it
    changes->addParameterData(3, index)->addPoint(0, 1.0, index);
    Buffers in = buffers(2, 8), out = buffers(2, 8);
    process(in, out, 8, changes);
    changes->release();
    EXPECT_FLOAT_EQ(processor->compressor().makeup_target(), 0.0f);
    EXPECT_FLOAT_EQ(processor->compressor().release_time(), 1000.0f);
}

TEST_F(ProcessorTest, EffectSwitchAndHostBypassDecideTheCompressor)
{
    struct Case {
        double effectIn, hostBypass;
        bool in;
    };
    const Case cases[] = {{1, 0, true},  {1, 1, false}, {0.5, 0, false}, {0.51, 0, true},
                          {0, 0, false}, {2, -1, true}, {1, 0.6, false}, {NAN, 0, false}};
    for (const Case& c : cases) {
        setParams({{7, c.effectIn}, {97, c.hostBypass}});
        EXPECT_EQ(processor->compressor().comp_in_requested(), c.in) << c.effectIn << " " << c.hostBypass;
    }
}

TEST_F(ProcessorTest, NonFiniteParameterNeverReachesTheCompressor)
{
    setParams({{7, 1.0}, {1, NAN}, {0, INFINITY}});
    EXPECT_FLOAT_EQ(processor->compressor().threshold_target(), 0.0f);
    EXPECT_FLOAT_EQ(processor->compressor().input_gain_target(), 12.0f);
    Buffers in = buffers(2, 64, 0.5f), out = buffers(2, 64);
    process(in, out, 64);
    EXPECT_TRUE(std::isfinite(out[0][63]));
}

// Inf and NaN samples reach the compressor as 0, stereo and mono: the
// output stays finite and the host's input is left as it was.
TEST_F(ProcessorTest, NonFiniteInputReachesTheCompressorAsZero)
{
    setParams({{7, 1.0}, {1, 1.0}, {4, 1.0}});
    for (int channels : {2, 1}) {
        if (channels == 1) {
            SpeakerArrangement mono = SpeakerArr::kMono;
            ASSERT_EQ(processor->setBusArrangements(&mono, 1, &mono, 1), kResultOk);
        }
        for (float bad : {INFINITY, -INFINITY, NAN}) {
            Buffers in = buffers(channels, 200, 0.5f), out = buffers(channels, 200);
            in[0][3] = in[channels - 1][130] = bad;
            const Buffers host = in;
            process(in, out, 200);
            for (const auto& channel : out)
                for (float s : channel)
                    ASSERT_TRUE(std::isfinite(s)) << channels << " channels, " << bad;
            for (int c = 0; c < channels; ++c)
                EXPECT_EQ(std::memcmp(in[c].data(), host[c].data(), 200 * sizeof(float)), 0);
        }
    }
}

TEST_F(ProcessorTest, AttackIsComputedInDoubleThenRounded)
{
    // 9.9 v + 0.1 lands on a different float in single precision here.
    setParams({{2, 0.26313132f}});
    EXPECT_EQ(processor->compressor().attack_time(), static_cast<float>(9.9 * double(0.26313132f) + 0.1));
    EXPECT_NE(processor->compressor().attack_time(), 9.9f * 0.26313132f + 0.1f);
}

#if VLT_TEST_HOST_FP_MODE
TEST_F(ProcessorTest, DenormalsAreFlushedAndTheHostsModeComesBack)
{
    setParams({{7, 1.0}});
    Buffers in = buffers(2, 4096, 1e-39f), out = buffers(2, 4096);
    const vlt::test::HostFpMode mode;
    process(in, out, 4096);
    EXPECT_TRUE(mode.intact());
    EXPECT_EQ(vlt::test::subnormal_count(out[0]) + vlt::test::subnormal_count(out[1]), 0);
}
#endif

class MeterTest : public PluginFixture {
protected:
    // Runs blocks of constant input; answers the meter values sent, one
    // entry per block (NAN when nothing was sent).
    std::vector<double> run(int blocks, float level, int frames = 256)
    {
        std::vector<double> sent;
        for (int b = 0; b < blocks; ++b) {
            Buffers in = buffers(2, frames, level), out = buffers(2, frames);
            auto* outChanges = new ParameterChanges;
            process(in, out, frames, nullptr, outChanges);
            double v = NAN;
            EXPECT_LE(outChanges->getParameterCount(), 1);
            if (ParamValueQueue* q = outChanges->queue(0)) {
                int32 offset = -1;
                EXPECT_EQ(q->getParameterId(), 6u);
                EXPECT_EQ(q->getPointCount(), 1);
                q->getPoint(0, offset, v);
                EXPECT_EQ(offset, 0);
            }
            outChanges->release();
            sent.push_back(v);
        }
        return sent;
    }
    static int count(const std::vector<double>& sent)
    {
        int n = 0;
        for (double v : sent)
            n += !std::isnan(v);
        return n;
    }
};

TEST_F(MeterTest, HeavyReductionReadsFullScaleAndIsSentOnce)
{
    // +12 dB into a -20 dB threshold at 20:1: about 30 dB of reduction.
    setParams({{7, 1.0}, {0, 1.0}, {1, 1.0}, {4, 1.0}});
    const std::vector<double> sent = run(30, 1.0f);
    EXPECT_FALSE(std::isnan(sent[0]));
    EXPECT_EQ(processor->meter(), 1.0f);
    EXPECT_EQ(count({sent.end() - 20, sent.end()}), 0);
    double last = 0.0;
    for (double v : sent)
        if (!std::isnan(v)) {
            EXPECT_NE(v, last);
            last = v;
        }
    EXPECT_EQ(last, 1.0);
}

TEST_F(MeterTest, NoReductionIsSentOnlyAfterAReading)
{
    const std::vector<double> quiet = run(5, 0.0f);
    EXPECT_EQ(count(quiet), 0);  // a fresh instance reads 0 and sent 0
    setParams({{7, 1.0}, {0, 1.0}, {1, 1.0}, {4, 1.0}});
    run(10, 1.0f);
    setParams({{7, 0.0}});
    const std::vector<double> after = run(400, 0.0f);
    EXPECT_EQ(processor->meter(), 0.0f);
    EXPECT_TRUE(std::isnan(after.back()));  // settled: nothing more to send
    EXPECT_EQ(std::count(after.begin(), after.end(), 0.0), 1);
}

TEST_F(MeterTest, MissingOutputChangesOrRefusedQueueSendNothingAndKeepTrack)
{
    setParams({{7, 1.0}, {0, 1.0}, {1, 1.0}, {4, 1.0}});
    Buffers in = buffers(2, 256, 1.0f), out = buffers(2, 256);
    for (int b = 0; b < 20; ++b)
        process(in, out, 256);  // no output changes at all
    auto* refusing = new ParameterChanges;
    refusing->refuseAdd = true;
    process(in, out, 256, nullptr, refusing);
    EXPECT_EQ(refusing->getParameterCount(), 0);
    refusing->release();
    EXPECT_EQ(count(run(3, 1.0f)), 0);     // already at full scale and known to be
    EXPECT_EQ(count(run(1, 1.0f, 0)), 0);  // an empty block neither
}

TEST_F(ProcessorTest, MonoBusesFeedSilenceRightAndWriteOneChannel)
{
    SpeakerArrangement mono = SpeakerArr::kMono;
    ASSERT_EQ(processor->setBusArrangements(&mono, 1, &mono, 1), kResultOk);
    BusInfo info{};
    processor->getBusInfo(kAudio, kInput, 0, info);
    EXPECT_EQ(vst3host::to_utf8(info.name), "Mono In");
    EXPECT_EQ(info.channelCount, 1);
    processor->getBusInfo(kAudio, kOutput, 0, info);
    EXPECT_EQ(vst3host::to_utf8(info.name), "Mono Out");

    setParams({{7, 1.0}});
    CNFq ref;
    ref.nq_srate(48000);
    ref.nq_init();
    ref.nqs_max_gr(40);
    ref.nqs_attack(0.1f);
    ref.nqs_decay(100.0f);
    ref.nqs_ratio(1.0f);
    ref.nqs_comp_in(true);
    Buffers in = buffers(1, 32, 0.25f), out = buffers(1, 32, 7.0f);
    process(in, out, 32);
    ref.nq_recalc(32);
    for (int i = 0; i < 32; ++i) {
        float l, r, g;
        ref.nq_prc(0.25f, 0.0f, &l, &r, &g);
        ASSERT_EQ(out[0][i], l) << i;
    }
}

TEST_F(ProcessorTest, BusArrangementRequests)
{
    constexpr SpeakerArrangement M = SpeakerArr::kMono, S = SpeakerArr::kStereo, LC = 0x5, S51 = 0x3F;
    struct Case {
        SpeakerArrangement startIn;  // arrangement before the request
        SpeakerArrangement in, out;
        int32 numIns;
        tresult result;
        SpeakerArrangement afterIn, afterOut;
        const char* inName;
    };
    const Case cases[] = {
        {S, M, M, 1, kResultOk, M, M, "Mono In"},
        {M, M, M, 1, kResultOk, M, M, "Mono In"},
        {S, LC, S, 1, kResultOk, LC, S, "Stereo In"},  // any two speakers are stereo
        {S, M, S, 1, kResultFalse, S, S, "Stereo In"},
        {M, M, S, 1, kResultFalse, S, S, "Stereo In"},  // rebuilt as stereo
        {S, S51, S51, 1, kResultFalse, S, S, "Stereo In"},
        {M, S, S, 2, kResultFalse, M, M, "Mono In"},  // two buses: nothing changes
    };
    for (const Case& c : cases) {
        SpeakerArrangement start = c.startIn;
        processor->setBusArrangements(&start, 1, &start, 1);
        SpeakerArrangement ins[2] = {c.in, c.in}, outs[2] = {c.out, c.out};
        EXPECT_EQ(processor->setBusArrangements(ins, c.numIns, outs, c.numIns), c.result)
            << c.in << ">" << c.out;
        SpeakerArrangement in = 0, out = 0;
        processor->getBusArrangement(kInput, 0, in);
        processor->getBusArrangement(kOutput, 0, out);
        EXPECT_EQ(in, c.afterIn);
        EXPECT_EQ(out, c.afterOut);
        BusInfo info{};
        processor->getBusInfo(kAudio, kInput, 0, info);
        EXPECT_EQ(vst3host::to_utf8(info.name), c.inName);
        EXPECT_EQ(processor->getBusCount(kAudio, kInput), 1);
    }
}

TEST_F(ProcessorTest, MissingBuffersAreSkippedNotRead)
{
    ProcessData data{};
    data.symbolicSampleSize = kSample32;
    data.numSamples = 64;
    data.numInputs = data.numOutputs = 1;  // counts without arrays
    EXPECT_EQ(processor->process(data), kResultOk);

    AudioBusBuffers inBus{}, outBus{};
    inBus.numChannels = outBus.numChannels = 2;  // channel arrays left null
    data.inputs = &inBus;
    data.outputs = &outBus;
    EXPECT_EQ(processor->process(data), kResultOk);

    std::vector<float> left(64, 0.5f);
    float* outPtrs[2] = {left.data(), nullptr};  // one null channel
    outBus.channelBuffers32 = outPtrs;
    EXPECT_EQ(processor->process(data), kResultOk);
    EXPECT_EQ(left[0], 0.0f);  // input absent: the compressor saw silence
}

TEST_F(ProcessorTest, FreshStateIs36BytesOfDefaults)
{
    const std::vector<uint8> bytes = saveState();
    EXPECT_EQ(bytes, stateBytes({1.0f / 3.0f, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ProcessorTest, StateRoundTripsThroughANewInstance)
{
    setParams({{0, 0.1}, {1, 0.2}, {2, 0.3}, {3, 0.4}, {4, 0.5}, {5, 0.6}, {7, 1.0}, {97, 1.0}});
    const std::vector<uint8> saved = saveState();
    auto* other = new CPlug;
    auto* stream = new MemoryStream(saved);
    EXPECT_EQ(other->setState(stream), kResultOk);
    auto* again = new MemoryStream;
    other->getState(again);
    EXPECT_EQ(again->bytes(), saved);
    EXPECT_FLOAT_EQ(other->compressor().ratio_target(), 5.75f);
    EXPECT_FALSE(other->compressor().comp_in_requested());  // host bypass restored
    again->release();
    stream->release();
    other->release();
}

TEST_F(ProcessorTest, ShortStatesWithAStreamThatLiesAboutShortReads)
{
    setParams({{97, 1.0}, {1, 0.5}});
    struct Case {
        std::vector<uint8> bytes;
        tresult result;
        float hostBypassAfter;
        float threshAfter;
    };
    const Case cases[] = {
        {stateBytes({0.2f, 0.9f, 0, 0, 0, 0, 0.7f, 1}), kResultOk, 1.0f, 0.9f},  // 32 bytes: bypass kept
        {stateBytes({0.2f, 0.1f, 0, 0, 0, 0, 0.7f}), kResultFalse, 1.0f, 0.9f},  // 28 bytes: nothing applied
        {{1, 2, 3}, kResultFalse, 1.0f, 0.9f},
        {stateBytes({0.2f, 0.3f, 0, 0, 0, 0, 0, 1, 0}), kResultOk, 0.0f, 0.3f},
    };
    for (const Case& c : cases) {
        auto* stream = new MemoryStream(c.bytes);
        stream->lieOnShortRead = true;
        EXPECT_EQ(processor->setState(stream), c.result) << c.bytes.size();
        stream->release();
        float state[9];
        const std::vector<uint8> now = saveState();
        std::memcpy(state, now.data(), sizeof(state));
        EXPECT_EQ(state[8], c.hostBypassAfter) << c.bytes.size();
        EXPECT_EQ(state[1], c.threshAfter) << c.bytes.size();
    }
}

TEST_F(ProcessorTest, SaveReportsAFullStreamAndNullStreamsAreAccepted)
{
    auto* full = new MemoryStream;
    full->capacity = 20;
    EXPECT_EQ(processor->getState(full), kResultFalse);
    full->release();
    EXPECT_EQ(processor->getState(nullptr), kResultOk);
    EXPECT_EQ(processor->setState(nullptr), kResultOk);
}

TEST_F(ProcessorTest, SampleRateChangeReinitialisesTheCompressor)
{
    ProcessSetup setup{kRealtime, kSample32, 512, 44100.0};
    EXPECT_EQ(processor->setupProcessing(setup), kResultOk);
    EXPECT_EQ(processor->compressor().sample_rate(), 44100);
    setup.sampleRate = 0.0;  // nonsense from a host keeps the last good rate
    processor->setupProcessing(setup);
    EXPECT_EQ(processor->compressor().sample_rate(), 44100);
    EXPECT_EQ(processor->canProcessSampleSize(kSample64), kResultFalse);
}

TEST_F(ProcessorTest, SetActiveTellsTheController)
{
    testing::internal::CaptureStderr();
    processor->setActive(true);
    processor->setActive(false);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "[VLT650-VST3 Controller] received: [VLT650-VST3] setActive (true)\n"
                   "[VLT650-VST3 Controller] received: [VLT650-VST3] setActive (false)\n");
}

TEST_F(ProcessorTest, MessagesFromTheController)
{
    EXPECT_EQ(processor->notify(nullptr), kInvalidArgument);
    void* obj = nullptr;
    TUID cid, iid;
    std::memcpy(cid, IMessage::iid.data, 16);
    std::memcpy(iid, IMessage::iid.data, 16);
    ASSERT_EQ(host->createInstance(cid, iid, &obj), kResultOk);
    auto* message = static_cast<IMessage*>(obj);
    message->setMessageID("BinaryMessage");
    const char payload[3] = {1, 2, 3};
    message->getAttributes()->setBinary("MyData", payload, 3);
    EXPECT_EQ(processor->notify(message), kResultOk);

    message->setMessageID("TextMessage");
    message->getAttributes()->setString("Text", u"100% %s %n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(processor->notify(message), kResultOk);
    processor->receiveText(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[VLT650-VST3] received: 100% %s %n\n");
    message->release();
}

}  // namespace
}  // namespace vst3test
