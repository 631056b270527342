#pragma once
// Per-frame steps of the compressor shared by the frame and block paths, so
// both evaluate exactly the same operations in the same order.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "CNFq.h"
#include "fast_math.h"

namespace vlt::frame {

constexpr float kLn10 = 2.3025851f;
constexpr float kLog10of2 = 0.30103001f;
// Envelopes below this are flushed so they never turn denormal.
constexpr float kEnvFloor = 1e-32f;

// Picks a or b without a branch: the detector's direction flips with every
// zero crossing of noisy material, which a branch predictor cannot follow.
inline float select(bool pick_a, float a, float b)
{
    const uint32_t mask = 0u - static_cast<uint32_t>(pick_a);
    return bits_float((float_bits(a) & mask) | (float_bits(b) & ~mask));
}

// One step of a one-pole follower. A non-finite result (NaN or Inf input)
// restarts the follower from silence instead of poisoning it for good.
inline float follow(float envelope, float p, float attack, float release)
{
    const float d = p - envelope;
    envelope += select(d > 0.0f, attack, release) * d;
    const float mag = std::fabs(envelope);
    if (!(mag >= kEnvFloor && mag <= FLT_MAX)) [[unlikely]]
        envelope = 0.0f;
    return envelope;
}

// A frame uses the value from before the advance.
inline float read_out(GainRamp& r)
{
    const float v = r.current;
    if (r.count > 0) {
        r.current += r.step;
        if (--r.count == 0)
            r.current = r.target;
    }
    return v;
}

inline float soft_clip(float y)
{
    float u = y / 2.0f;
    if (u >= -1.0f && u <= 1.0f)
        u = u - u * u * u / 3.0f;
    else if (u >= 1.0f)
        u = 2.0f / 3.0f;
    else if (u <= -1.0f)
        u = -2.0f / 3.0f;
    return 2.0f * u;
}

inline float crossfade_step(Crossfader& x)
{
    if (x.done)
        return x.mix;
    if (x.target > 0.5f)
        x.mix += x.up * (1.0f - x.mix);
    else
        x.mix -= x.down * x.mix;
    if (std::fabs(x.mix - x.target) < 0.05f) {
        x.mix = x.target;
        x.done = true;
    }
    return x.mix;
}

// Threshold and ratio advance after the frame that used them.
inline void advance(float& value, float step, int32_t& count)
{
    if (count > 0) {
        value += step;
        --count;
    }
}

// True when all n values (n >= 1) have the same bits as the first.
inline bool all_same_bits(const float* v, int n)
{
    const uint32_t first = float_bits(v[0]);
    uint32_t diff = 0;
    for (int i = 1; i < n; ++i)
        diff |= float_bits(v[i]) ^ first;
    return diff == 0;
}

}  // namespace vlt::frame
