#pragma once
// What the steady block path's serial pass leaves for its vector stages,
// and the stages in the two instruction sets they are built for.
#include "relaxed.h"

namespace vlt::steady {

constexpr int kMaxFrames = 64;
constexpr int kPadded = kMaxFrames + 8;  // whole eight-lane groups
constexpr int kLanes = 4;                // makeup, threshold, ratio, unused

struct Frames {
    alignas(32) float dryL[kPadded];  // the input, whole groups
    alignas(32) float dryR[kPadded];
    alignas(32) float peak[kPadded];
    alignas(32) float env[kPadded];
    alignas(32) float maxGr[kPadded];
    alignas(32) float ramps[kPadded][kLanes];
    alignas(32) float makeup[kPadded];
    alignas(32) float thr[kPadded];
    alignas(32) float ratio[kPadded];
    alignas(32) float gainDb[kPadded];
    alignas(32) float gain[kPadded];
};

// Where the block's frames come from and go to. Outputs are written only
// after both inputs of their frames are read, so any buffer may be shared.
struct Block {
    const float* inL;
    const float* inR;
    float* outL;
    float* outR;
    float* gains;  // may be null
    int n;
};

// Constant over the block.
struct Settings {
    int frames;  // n rounded up to whole eight-frame groups
    float inGainL, inGainR;
    float mixL, mixR;
    bool fixedSlope;  // ratio and limit constant: the slope terms once
    float ratio, limit;
};

// The follower's quiet loop (follower_chain.h): envelopes of peak[0, n)
// from envelope while attack, release and limit read af, rf and limit0.
struct QuietFollow {
    float envelope;  // in: before the first frame; out: after the last done
    const float* peak;
    float* envelopes;
    int n;
    const Relaxed<float>* attack;
    const Relaxed<float>* release;
    const Relaxed<float>* limit;
    float af, rf, limit0;
};

// How far the follower and each stage got, in frames from the block start.
struct Pipelined {
    int followed;  // all n, or up to the first frame whose reads changed
    int law, gain, out;
};

// Gain, outputs: from env, thr, ratio, makeup, maxGr and the dry input,
// each stage from where it stands.
void stages_sse2(Frames& f, const Settings& s, const Block& b, const Pipelined& from);
void stages_avx2(Frames& f, const Settings& s, const Block& b, const Pipelined& from);
// The follower's quiet loop with the stages behind it (steady_pipeline.h);
// s holds for the frames it does.
Pipelined follow_with_stages_sse2(QuietFollow& q, Frames& f, const Settings& s, const Block& b);
Pipelined follow_with_stages_avx2(QuietFollow& q, Frames& f, const Settings& s, const Block& b);
bool avx2_usable();
// Lets a test run the SSE2 stages on a machine that has AVX2.
void allow_avx2(bool allowed);

}  // namespace vlt::steady
