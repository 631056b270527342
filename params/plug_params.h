#pragma once
// The parameter model every plug-in format shares: what a host value in
// 0..1 means for the compressor, how it is named and shown, and the
// factory presets. The formulas are evaluated as written, in single
// precision except where a build's precision policy says otherwise
// (plug_precision.h), so the display always matches what the DSP received.
#include <cstddef>

#include "plug_precision.h"

namespace vlt::params {

enum Index : int {
    kInGain = 0,
    kThreshold = 1,
    kAttack = 2,
    kRelease = 3,
    kRatio = 4,
    kMakeup = 5,
    kEffect = 6,
    kUiSize = 7,
    kMeter = 8,
};

constexpr int kProgramValues = 7;  // parameters 0..6 are stored in programs
constexpr int kHostParams = 8;     // 0..7 are visible to a host; 8 is internal

inline float in_gain_db(float v) { return 18.0f * v - 6.0f; }
inline float threshold_db(float v) { return -20.0f * v + 0.0f; }
template <class Precision = SinglePrecision>
float attack_ms(float v)
{
    using Real = typename Precision::Attack;
    return static_cast<float>(Real(9.9) * static_cast<Real>(v) + Real(0.1));
}
inline float release_ms(float v) { return 900.0f * v + 100.0f; }
inline float bend_ratio(float v) { return v * v; }
inline float ratio(float v) { return 19.0f * bend_ratio(v) + 1.0f; }
inline float makeup_db(float v) { return 20.0f * v + 0.0f; }
float ui_scale(float v);  // 1..2, the shown UI size

// Host values outside 0..1 (or NaN) would reach the DSP unchecked.
float clamp_unit(float v);

// Parameter names ("In Gain", "Thresh", ...) for 0..7; null otherwise.
const char* name(int index);

// Writes the display text of parameter index (0..7) with value v into
// text, at most size bytes including the terminator. Returns false and
// writes an empty string for other indices. Instantiated for the
// precision policies of plug_precision.h.
template <class Precision = SinglePrecision>
bool display(int index, float v, char* text, std::size_t size);

// The DSP value that parameter index 0..5 of value v stands for.
template <class Precision = SinglePrecision>
float dsp_value(int index, float v);

// Default host values of parameters 0..6.
extern const float kDefaults[kProgramValues];

struct FactoryPreset {
    const char* name;  // without the program-number prefix
    float value[kProgramValues];
};
constexpr int kNamedPresets = 5;
extern const FactoryPreset kNamedPresetTable[kNamedPresets];

}  // namespace vlt::params
