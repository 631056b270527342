#include "plug_params.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vlt::params {

const float kDefaults[kProgramValues] = {1.0f / 3.0f, 0, 0, 0, 0, 0, 1};

const FactoryPreset kNamedPresetTable[kNamedPresets] = {
    {"Light Vocal", {0.333333343f, 0.709999979f, 0.26262629f, 0.289444447f, 0.236197948f, 0.131500006f, 1}},
    {"Heavy Vocal", {0.333333343f, 0.735000014f, 0.341414154f, 0.342100024f, 0.710818648f, 0.184f, 1}},
    {"Snare Hit Long", {0.333333343f, 0.763000011f, 0.105050504f, 0.0526333265f, 1, 0.395000011f, 1}},
    {"Snare Hit Short", {0.333333343f, 0.763000011f, 0.105252519f, 0.708533347f, 1, 0.394499987f, 1}},
    {"Light Acoustic", {0.710555553f, 0.763000011f, 0.26313132f, 0.315788865f, 0.34182176f, 0, 1}},
};

namespace {

struct Row {
    const char* name;
    const char* format;
    float (*to_dsp)(float);
};

template <class Precision>
constexpr Row kRows[kHostParams] = {
    {"In Gain", "%.2f dB", in_gain_db},
    {"Thresh", "%.2f dB", threshold_db},
    {"Attack", "%.2f ms", attack_ms<Precision>},
    {"Release", "%.2f ms", release_ms},
    {"Ratio", "%.2f:1", ratio},
    {"Makeup", "%.2f dB", makeup_db},
    {"Effect", nullptr, nullptr},
    {"UI Size", "X %.2f", ui_scale},
};

}  // namespace

float ui_scale(float v) { return std::min(std::max(v, 0.0f), 1.0f) + 1.0f; }

float clamp_unit(float v)
{
    if (!(v >= 0.0f))
        return 0.0f;  // NaN lands here too
    return v > 1.0f ? 1.0f : v;
}

const char* name(int index)
{
    // Names do not depend on the precision.
    return index >= 0 && index < kHostParams ? kRows<SinglePrecision>[index].name : nullptr;
}

template <class Precision>
float dsp_value(int index, float v)
{
    if (index < 0 || index > kMakeup)
        return 0.0f;
    return kRows<Precision>[index].to_dsp(v);
}

template <class Precision>
bool display(int index, float v, char* text, std::size_t size)
{
    if (!text || size == 0)
        return false;
    text[0] = '\0';
    if (index < 0 || index >= kHostParams)
        return false;
    if (index == kEffect) {
        std::snprintf(text, size, "%s", v > 0.5f ? "In " : "Out");
        return true;
    }
    // snprintf truncates, so a huge or non-finite value cannot overrun.
    const Row& row = kRows<Precision>[index];
    std::snprintf(text, size, row.format, static_cast<double>(row.to_dsp(v)));
    return true;
}

template float dsp_value<SinglePrecision>(int, float);
template float dsp_value<Vst3Precision>(int, float);
template bool display<SinglePrecision>(int, float, char*, std::size_t);
template bool display<Vst3Precision>(int, float, char*, std::size_t);

}  // namespace vlt::params
