#pragma once
// What the compressor benchmarks feed it and how they set it up, shared so
// their figures stay comparable.
#include <cstdint>
#include <vector>

#include "CNFq.h"

namespace vlt::bench {

// Noise bursts at changing levels (a new level every 2000 frames),
// silence among them: the detector attacks and releases all the time.
inline std::vector<float> burst_signal(int frames, uint32_t seed)
{
    std::vector<float> s(static_cast<size_t>(frames));
    const float levels[] = {0.9f, 0.05f, 0.4f, 0.0f, 0.7f, 0.01f};
    for (int i = 0; i < frames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const float noise = static_cast<float>(static_cast<int32_t>(seed)) / 2147483648.0f;
        s[static_cast<size_t>(i)] = noise * levels[(i / 2000) % 6];
    }
    return s;
}

// The compressor as the plug-in's compressing preset sets it up.
inline void prepare_compressing(CNFq& dsp)
{
    dsp.nq_srate(48000);
    dsp.nq_init();
    dsp.nqs_max_gr(40.0f);
    dsp.nqs_threshold(-14.7f);
    dsp.nqs_attack(3.48f);
    dsp.nqs_decay(407.89f);
    dsp.nqs_ratio(10.6f);
    dsp.nqs_makeup(3.68f);
}

}  // namespace vlt::bench
