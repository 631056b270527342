#pragma once
// The banner texts: a knob's value in its unit, the switch state, the
// version line and the blank line.
#include <cstddef>

#include "editor_build.h"

namespace vlt::editor {

constexpr std::size_t kValueTextMax = 64;  // 63 characters and the NUL
constexpr std::size_t kBannerTextSize = 128;

// Text for knob (0..5) at knob value k (0..99); empty for other knobs.
void knob_value_text(const EditorBuild& b, int knob, float k, char* text, std::size_t size);
const char* switch_text(const EditorBuild& b, float switch_value);  // value 0..99
void version_text(const EditorBuild& b, char* text, std::size_t size);
extern const char kBlankBannerText[];
// The line the build blanks its banner with.
const char* blank_line(const EditorBuild& b);

}  // namespace vlt::editor
