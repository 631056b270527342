// The audio path every adapter runs (the shared sub-block loop with its
// input guard, the floating-point guard held per host call), beside the
// frame path it stands for (nq_recalc per sub-block, nq_prc per frame), on
// the states a plug-in spends its time in: effect in on music, music with
// one NaN in a block, denormal input, effect out while fading and once
// settled. Host blocks of 32, 64, 512 and 4096 frames; the counter
// per_frame is seconds per stereo frame ("5.2n" = 5.2 ns).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "CNFq.h"
#include "audio_path.h"
#include "bench_material.h"
#include "denormal_guard.h"
#include "finite_input.h"

namespace {

constexpr int kFrames = 48000;

enum class Input { kMusic, kOneNaN, kDenormal };
enum class State { kIn, kFading, kSettledOut };

struct Case {
    const char* name;
    Input input;
    State state;
};

const Case kCases[] = {
    {"In", Input::kMusic, State::kIn},
    {"InOneNaN", Input::kOneNaN, State::kIn},
    {"InDenormal", Input::kDenormal, State::kIn},
    {"OutFading", Input::kMusic, State::kFading},
    {"OutSettled", Input::kMusic, State::kSettledOut},
};

std::vector<float> signal(Input input, uint32_t seed)
{
    std::vector<float> s = vlt::bench::burst_signal(kFrames, seed);
    if (input == Input::kDenormal)
        for (float& x : s)
            x *= 1e-39f;
    // One bad sample in every host block of up to 512 frames.
    if (input == Input::kOneNaN)
        for (int i = 300; i < kFrames; i += 512)
            s[i] = std::numeric_limits<float>::quiet_NaN();
    return s;
}

struct FramePath {
    static float run(CNFq& dsp, const float* l, const float* r, float* ol, float* orr, int32_t n)
    {
        float g = 0.0f;
        for (int32_t pos = 0; pos < n; pos += vlt::kSubBlock) {
            const int m = std::min<int32_t>(vlt::kSubBlock, n - pos);
            dsp.nq_recalc(m);
            for (int i = pos; i < pos + m; ++i)
                dsp.nq_prc(vlt::finite_or_zero(l[i]), vlt::finite_or_zero(r[i]), &ol[i], &orr[i], &g);
        }
        return g;
    }
};

struct SharedPath {
    static float run(CNFq& dsp, const float* l, const float* r, float* ol, float* orr, int32_t n)
    {
        return vlt::run_sub_blocks(dsp, {l, r, ol, orr}, n);
    }
};

template <typename Path>
void BM_AudioPath(benchmark::State& st, Case c)
{
    const int32_t block = static_cast<int32_t>(st.range(0));
    const auto left = signal(c.input, 1), right = signal(c.input, 2);
    std::vector<float> outL(kFrames), outR(kFrames);
    CNFq dsp;
    vlt::bench::prepare_compressing(dsp);
    dsp.nqs_comp_in(c.state == State::kIn);
    auto pass = [&] {
        float g = 0.0f;
        for (int32_t pos = 0; pos + block <= kFrames; pos += block) {
            // A fade takes about 960 frames at 48 kHz: switching every 960
            // keeps one running all the time, out and back in.
            if (c.state == State::kFading && pos % 960 < block)
                dsp.nqs_comp_in((pos / 960) % 2 == 1);
            const vlt::DenormalGuard guard;
            g = Path::run(dsp, &left[pos], &right[pos], &outL[pos], &outR[pos], block);
        }
        return g;
    };
    pass();  // switched out, the first pass fades and settles
    for (auto _ : st) {
        benchmark::DoNotOptimize(pass());
        benchmark::ClobberMemory();
    }
    st.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(st.iterations()) * (kFrames - kFrames % block),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

const int kRegistered = [] {
    for (const Case& c : kCases) {
        for (int frame_path = 0; frame_path < 2; ++frame_path) {
            const std::string name =
                std::string("BM_AudioPath/") + c.name + (frame_path ? "/FramePath" : "/Shared");
            auto* b = frame_path ? benchmark::RegisterBenchmark(name.c_str(), BM_AudioPath<FramePath>, c)
                                 : benchmark::RegisterBenchmark(name.c_str(), BM_AudioPath<SharedPath>, c);
            b->Arg(32)->Arg(64)->Arg(512)->Arg(4096)->Unit(benchmark::kMicrosecond);
        }
    }
    return 0;
}();

}  // namespace
