#pragma once
// What each build starts from. The builds start in different switch
// states: a new VST2 instance has the effect in, a new VST3 or AAX instance
// has it out. Host values are in the model's order (param_index.h).
#include "param_index.h"

namespace vlt::params {

// The compressor as it is built, before any owner sets it, in its own
// units. The AAX build places it in host memory and starts it switched out.
struct CompressorSettings {
    int rate;  // Hz
    float in_gain_db;
    float threshold_db;
    float attack_ms;
    float release_ms;
    float ratio;  // 0: no ratio yet; the owners set 1..20
    float makeup_db;
    float max_gr_db;
    bool comp_in;
};
inline constexpr float kMaxReductionDb = 40.0f;  // every build
inline constexpr CompressorSettings kBuiltCompressor = {44100, 0, 0, 0.1f, 100, 0, 0, kMaxReductionDb, true};
inline constexpr CompressorSettings kPlacedCompressor = {44100,           0,    0, 0.1f, 100, 0, 0,
                                                         kMaxReductionDb, false};

// Host values of a new VST3 processor: In Gain at 0 dB, the rest 0, so
// the effect is out (the VST2 start is the model's kDefaults).
inline constexpr float kVst3StartValues[kProgramValues] = {1.0f / 3.0f, 0, 0, 0, 0, 0, 0};
inline constexpr float kVst3StartHostBypass = 0.0f;
inline constexpr int kVst3StartRate = 48000;  // until the host's set-up

// The AAX parameters' defaults: "In" off. The master bypass starts off.
inline constexpr float kAaxDefaults[kProgramValues] = {1.0f / 3.0f, 0, 0, 0, 0, 0, 0};
inline constexpr bool kAaxMasterBypassDefault = false;

}  // namespace vlt::params
