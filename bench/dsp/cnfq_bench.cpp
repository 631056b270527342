// Cost of the compressor per stereo frame on a signal that keeps it busy:
// noise bursts at changing levels, parameters moving every few blocks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "CNFq.h"
#include "bench_material.h"
#include "denormal_guard.h"

namespace {

using vlt::bench::burst_signal;

// Runs one 64-frame sub-block after its nq_recalc.
struct FrameLoop {
    static void run(CNFq& dsp, const float* l, const float* r, float* outL, float* outR, float& gain)
    {
        for (int i = 0; i < 64; ++i)
            dsp.nq_prc(l[i], r[i], &outL[i], &outR[i], &gain);
    }
};

struct BlockEntry {
    static void run(CNFq& dsp, const float* l, const float* r, float* outL, float* outR, float& gain)
    {
        gain = dsp.nq_prc_block(l, r, outL, outR, nullptr, 64);
    }
};

// Both benchmarks start from the same compressor settings.
void prepare(CNFq& dsp)
{
    dsp.nq_srate(48000);
    dsp.nq_init();
    dsp.nqs_max_gr(40);
    dsp.nqs_ratio(8);
}

template <typename Path>
void BM_Compressor(benchmark::State& state)
{
    constexpr int kFrames = 48000;
    const auto left = burst_signal(kFrames, 1);
    const auto right = burst_signal(kFrames, 2);
    std::vector<float> outL(kFrames), outR(kFrames);

    CNFq dsp;
    prepare(dsp);
    float gain = 0;
    int block = 0;
    for (auto _ : state) {
        for (int pos = 0; pos < kFrames; pos += 64, ++block) {
            if (block % 8 == 0) {
                dsp.nqs_threshold(-5.0f - static_cast<float>(block % 16));
                dsp.nqs_makeup(static_cast<float>(block % 5));
                dsp.nqs_ratio(2.0f + static_cast<float>(block % 7));
            }
            dsp.nq_recalc(64);
            Path::run(dsp, &left[pos], &right[pos], &outL[pos], &outR[pos], gain);
        }
        benchmark::DoNotOptimize(outL.data());
        benchmark::DoNotOptimize(gain);
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
    // Seconds per stereo frame, printed with its SI prefix ("3.2n" = 3.2 ns).
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kFrames),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Compressor<FrameLoop>)->Name("BM_CompressorPerFrame")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compressor<BlockEntry>)->Name("BM_CompressorBlock")->Unit(benchmark::kMicrosecond);

// A decaying tail that has sunk below the smallest normal float: every
// sample denormal, which the FPU handles in microcode unless the plug-ins'
// guard flushes it.
std::vector<float> denormal_signal(int frames, uint32_t seed)
{
    std::vector<float> s = burst_signal(frames, seed);
    for (float& x : s)
        x *= 1e-39f;
    return s;
}

struct HostMode {
    struct Unguarded {};
    using Guarded = vlt::DenormalGuard;
};

// Host blocks of 512 frames through the block entry, the guard held per
// host block as the adapters hold it per process call.
template <typename Guard, bool Denormal>
void BM_HostBlocks(benchmark::State& state)
{
    constexpr int kFrames = 48000;
    constexpr int kHostBlock = 512;
    const auto left = Denormal ? denormal_signal(kFrames, 1) : burst_signal(kFrames, 1);
    const auto right = Denormal ? denormal_signal(kFrames, 2) : burst_signal(kFrames, 2);
    std::vector<float> outL(kFrames), outR(kFrames);

    CNFq dsp;
    prepare(dsp);
    dsp.nqs_threshold(-12);
    float gain = 0;
    for (auto _ : state) {
        for (int host = 0; host < kFrames; host += kHostBlock) {
            [[maybe_unused]] const Guard guard{};
            const int end = std::min(host + kHostBlock, kFrames);
            for (int pos = host; pos < end; pos += 64) {
                dsp.nq_recalc(64);
                BlockEntry::run(dsp, &left[pos], &right[pos], &outL[pos], &outR[pos], gain);
            }
        }
        benchmark::DoNotOptimize(outL.data());
        benchmark::DoNotOptimize(gain);
    }
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kFrames),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HostBlocks<HostMode::Unguarded, false>)
    ->Name("BM_MusicUnguarded")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostBlocks<HostMode::Guarded, false>)->Name("BM_MusicGuarded")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostBlocks<HostMode::Unguarded, true>)
    ->Name("BM_DenormalUnguarded")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostBlocks<HostMode::Guarded, true>)->Name("BM_DenormalGuarded")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
