// The steady stages in eight AVX2 lanes, for CPUs that have them. Everything
// from outside this file is included before AVX2 code generation is turned
// on, so no shared inline function is ever compiled for AVX2 here; the lane
// set, the stages and the follower's loop have internal linkage. No FMA:
// results stay those of the SSE2 build.
#include "simd_available.h"
#include "steady_frames.h"

// GCC only: the target pragma below is its own; other compilers keep SSE2.
#if VLT_DSP_SSE2 && defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)

#include <immintrin.h>

#include <atomic>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "fast_math.h"
#include "frame_steps.h"
#include "relaxed.h"

#pragma GCC push_options
#pragma GCC target("avx2")
#include "simd_lanes_avx2.h"
#include "steady_pipeline.h"

namespace vlt::steady {

void stages_avx2(Frames& f, const Settings& s, const Block& b, const Pipelined& from)
{
    Stages<simd::Avx2Lanes>(f, s, b).finish(from.law, from.gain, from.out);
}

// With VEX encoding the chain needs no register copies either.
Pipelined follow_with_stages_avx2(QuietFollow& q, Frames& f, const Settings& s, const Block& b)
{
    return follow_with_stages<simd::Avx2Lanes>(q, f, s, b);
}

}  // namespace vlt::steady
#pragma GCC pop_options

namespace vlt::steady {

namespace {

// At load time, so the audio thread never waits on a first-use guard.
bool detect_avx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

const bool kAvx2 = detect_avx2();
std::atomic<bool> allowed{true};

}  // namespace

bool avx2_usable() { return kAvx2 && allowed.load(std::memory_order_relaxed); }
void allow_avx2(bool on) { allowed.store(on, std::memory_order_relaxed); }

}  // namespace vlt::steady

#elif VLT_DSP_SSE2

namespace vlt::steady {

void stages_avx2(Frames& f, const Settings& s, const Block& b, const Pipelined& from)
{
    stages_sse2(f, s, b, from);
}
Pipelined follow_with_stages_avx2(QuietFollow& q, Frames& f, const Settings& s, const Block& b)
{
    return follow_with_stages_sse2(q, f, s, b);
}
bool avx2_usable() { return false; }
void allow_avx2(bool) {}

}  // namespace vlt::steady

#endif
