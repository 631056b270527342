#include "plug_params.h"

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
    const char* format;  // of the plain value; null: a switch's own text
};

constexpr Row kRows[kHostParams] = {
    {"In Gain", "%.2f dB"}, {"Thresh", "%.2f dB"}, {"Attack", "%.2f ms"}, {"Release", "%.2f ms"},
    {"Ratio", "%.2f:1"},    {"Makeup", "%.2f dB"}, {"Effect", nullptr},   {"UI Size", "X %.2f"},
};

template <class Precision>
float plain(int index, float v)
{
    return index == kUiSize ? ui_scale(v) : knob_plain<Precision>(static_cast<Index>(index), v);
}

}  // namespace

const char* name(int index) { return index >= 0 && index < kHostParams ? kRows[index].name : nullptr; }

template <class Precision>
float dsp_value(int index, float v)
{
    return is_knob(static_cast<Index>(index)) ? knob_plain<Precision>(static_cast<Index>(index), v) : 0.0f;
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
        std::snprintf(text, size, "%s", switched_on(v) ? "In " : "Out");
        return true;
    }
    // snprintf truncates, so a huge or non-finite value cannot overrun.
    std::snprintf(text, size, kRows[index].format, static_cast<double>(plain<Precision>(index, v)));
    return true;
}

template float dsp_value<SinglePrecision>(int, float);
template float dsp_value<Vst3Precision>(int, float);
template bool display<SinglePrecision>(int, float, char*, std::size_t);
template bool display<Vst3Precision>(int, float, char*, std::size_t);

}  // namespace vlt::params
