#include "value_text.h"

#include <algorithm>
#include <cstdio>

#include "editor_layout.h"
#include "knob_model.h"
#include "plug_params.h"

namespace vlt::editor {

const char kBlankBannerText[] = "                ";

const char* blank_line(const EditorBuild& b) { return b.blank_text ? b.blank_text : kBlankBannerText; }

namespace {

// The build's formats come from a fixed table, never from input.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
void format_number(char* text, std::size_t size, const char* format, float number)
{
    std::snprintf(text, std::min(size, kValueTextMax), format, static_cast<double>(number));
}

void format_text(char* text, std::size_t size, const char* format, const char* arg)
{
    std::snprintf(text, size, format, arg);
}
#pragma GCC diagnostic pop

}  // namespace

void knob_value_text(const EditorBuild& b, int knob, float k, char* text, std::size_t size)
{
    if (!text || size == 0)
        return;
    text[0] = '\0';
    const float v = k / kKnobMax;
    switch (knob) {
    case kInGainKnob:
        if (on_detent(k, place(kInGainKnob).detent, place(kInGainKnob).frames))
            format_text(text, std::min(size, kValueTextMax), "%s", "In Gain 0.0 dB");
        else
            format_number(text, size, "In Gain %.1f dB", params::in_gain_db(v));
        break;
    case kThresholdKnob: format_number(text, size, b.threshold_format, params::threshold_db(v)); break;
    case kAttackKnob: format_number(text, size, "Attack %.1f ms", params::attack_ms(v)); break;
    case kReleaseKnob: format_number(text, size, "Release %.2f sec", params::release_ms(v) / 1000.0f); break;
    case kRatioKnob: format_number(text, size, "Ratio %.1f : 1", params::ratio(params::clamp_unit(v))); break;
    case kMakeupKnob: format_number(text, size, b.makeup_format, params::makeup_db(v)); break;
    default: break;
    }
}

const char* switch_text(const EditorBuild& b, float switch_value)
{
    return switch_value / kKnobMax > 0.5f ? b.effect_in_text : b.effect_out_text;
}

void version_text(const EditorBuild& b, char* text, std::size_t size)
{
    if (text && size > 0)
        format_text(text, size, b.version_format, b.version);
}

}  // namespace vlt::editor
