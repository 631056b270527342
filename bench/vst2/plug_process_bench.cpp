// Cost per stereo frame of the plug-in's processReplacing at common host
// block sizes, next to the compressor driven directly in 64-frame
// sub-blocks: the difference is what the wrapper adds.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "CNFq.h"
#include "CPlugFactory.h"
#include "bench_material.h"
#include "vst2_interface.h"

namespace {

struct Signal {
    explicit Signal(int frames) : left(frames), right(frames), out_l(frames), out_r(frames)
    {
        std::mt19937 rng(7);
        std::uniform_real_distribution<float> noise(-0.25f, 0.25f);
        for (int i = 0; i < frames; ++i) {
            left[i] = noise(rng);
            right[i] = noise(rng);
        }
    }
    std::vector<float> left, right, out_l, out_r;
};

void per_frame(benchmark::State& state, int frames)
{
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * frames,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_PluginProcessReplacing(benchmark::State& state)
{
    const int frames = static_cast<int>(state.range(0));
    AEffect* e = create_plug_effect(nullptr, nullptr);
    e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    e->dispatcher(e, effSetProgram, 0, 5, nullptr, 0.0f);  // a compressing preset
    e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);
    Signal s(frames);
    float* in[2] = {s.left.data(), s.right.data()};
    float* out[2] = {s.out_l.data(), s.out_r.data()};
    for (auto _ : state) {
        e->processReplacing(e, in, out, frames);
        benchmark::DoNotOptimize(s.out_l.data());
        benchmark::ClobberMemory();
    }
    per_frame(state, frames);
    e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
}

// The compressor as the plug-in sets it up, driven directly.
struct Compressor {
    Compressor() { vlt::bench::prepare_compressing(dsp); }
    CNFq dsp;
};

// One sub-block after its nq_recalc: the frame loop the plug-in ran before
// it used the block entry, and the block entry.
struct FrameLoop {
    static float run(CNFq& dsp, Signal& s, int pos, int n)
    {
        float g = 0.0f;
        for (int i = pos; i < pos + n; ++i)
            dsp.nq_prc(s.left[i], s.right[i], &s.out_l[i], &s.out_r[i], &g);
        return g;
    }
};

struct BlockEntry {
    static float run(CNFq& dsp, Signal& s, int pos, int n)
    {
        return dsp.nq_prc_block(&s.left[pos], &s.right[pos], &s.out_l[pos], &s.out_r[pos], nullptr, n);
    }
};

template <typename Path>
void BM_CompressorDirect(benchmark::State& state)
{
    const int frames = static_cast<int>(state.range(0));
    Compressor c;
    Signal s(frames);
    float g = 0.0f;
    for (auto _ : state) {
        for (int pos = 0; pos < frames; pos += 64) {
            const int n = frames - pos < 64 ? frames - pos : 64;
            c.dsp.nq_recalc(n);
            g = Path::run(c.dsp, s, pos, n);
        }
        benchmark::DoNotOptimize(g);
        benchmark::ClobberMemory();
    }
    per_frame(state, frames);
}

BENCHMARK(BM_PluginProcessReplacing)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(BM_CompressorDirect<FrameLoop>)->Name("BM_CompressorAlone")->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(BM_CompressorDirect<BlockEntry>)->Name("BM_CompressorBlockEntry")->Arg(64)->Arg(512)->Arg(4096);

}  // namespace
