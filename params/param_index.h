#pragma once
// The quantities of the parameter model. Every format numbers them its own
// way (vst2_param_ids.h, vst3_param_ids.h, aax_param_ids.h,
// au_params.h); code converts through those tables, never by assuming
// two numberings agree.

namespace vlt::params {

enum Index : int {
    kInGain = 0,  // the six knobs come first, in the panel's order
    kThreshold = 1,
    kAttack = 2,
    kRelease = 3,
    kRatio = 4,
    kMakeup = 5,
    kEffect = 6,  // the effect switch, 1 = in
    kUiSize = 7,
    kMeter = 8,  // gain reduction 0..1, the plug-in's own output
    // Published by some formats only.
    kPower,       // the Audio Unit's power switch
    kHostBypass,  // the host's own bypass (VST3), 1 = bypassed
    kProgram,     // a program change as a parameter (VST3)
    kIndexCount
};

constexpr int kKnobCount = 6;      // kInGain .. kMakeup
constexpr int kProgramValues = 7;  // a program holds kInGain .. kEffect, in this order
constexpr int kHostParams = 8;     // kInGain .. kUiSize have a name and a display text

constexpr bool is_knob(Index q) { return q >= kInGain && q < kKnobCount; }
constexpr bool in_program(Index q) { return q >= kInGain && q < kProgramValues; }

}  // namespace vlt::params
