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
#include "follower_chain.h"
#include "simd_lanes_avx2.h"
#include "steady_stages.h"

namespace vlt::steady {

void stages_avx2(Frames& f, const Settings& s, const Block& b) { run_stages<simd::Avx2Lanes>(f, s, b); }
// With VEX encoding the loop needs no register copies.
int follow_quiet_avx2(QuietFollow& q) { return chain::follow_quiet_any(q); }

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

void stages_avx2(Frames& f, const Settings& s, const Block& b) { stages_sse2(f, s, b); }
int follow_quiet_avx2(QuietFollow& q) { return follow_quiet_sse2(q); }
bool avx2_usable() { return false; }
void allow_avx2(bool) {}

}  // namespace vlt::steady

#endif
