#pragma once
// The parameter model every plug-in format shares: what a host value in
// 0..1 means for the compressor (knob_ranges.h), how it is named and shown,
// and the factory presets. The formulas are evaluated in single precision
// except where a build's precision policy says otherwise
// (plug_precision.h), so the display always matches what the DSP received.
#include <cstddef>

#include "host_value.h"
#include "knob_ranges.h"
#include "param_index.h"
#include "plug_precision.h"

namespace vlt::params {

// Parameter names ("In Gain", "Thresh", ...) for kInGain .. kUiSize; null
// otherwise.
const char* name(int index);

// Writes the display text of parameter index (kInGain .. kUiSize) with
// value v into text, at most size bytes including the terminator. Returns
// false and writes an empty string for other indices. Instantiated for the
// precision policies of plug_precision.h.
template <class Precision = SinglePrecision>
bool display(int index, float v, char* text, std::size_t size);

// The DSP value that knob index (kInGain .. kMakeup) of value v stands
// for; 0 for any other index.
template <class Precision = SinglePrecision>
float dsp_value(int index, float v);

// The model's default program: In Gain at 0 dB, the rest at their low
// ends, the effect in. What a format starts from is start_values.h.
extern const float kDefaults[kProgramValues];

struct FactoryPreset {
    const char* name;  // without the program-number prefix
    float value[kProgramValues];
};
constexpr int kNamedPresets = 5;
extern const FactoryPreset kNamedPresetTable[kNamedPresets];

}  // namespace vlt::params
