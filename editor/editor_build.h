#pragma once
// What differs between the builds that share the editor logic: texts,
// mouse button numbers, the resize divisor and the knob's drag law.
// Everything else about the editor is common code.

namespace vlt::editor {

enum class ResizeAxis { kWidth, kHeight };

struct KnobLaw {
    float inertia;          // share of the way from the last change to the new motion
    float detent_damping;   // velocity factor while the knob shows its detent frame
    bool always_inertia;    // apply the inertia even when the drag slows down
};

struct EditorBuild {
    const char* version_format;  // banner version text, "%s" takes version
    const char* version;
    const char* threshold_format;
    const char* makeup_format;
    const char* effect_in_text;
    const char* effect_out_text;
    int main_button;
    int wheel_up_button;
    int wheel_down_button;
    ResizeAxis resize_axis;      // which window edge divides a resize drag
    int program_count;           // preset buttons wrap within 0..program_count-1
    bool version_on_open;        // every open starts with the version text
    KnobLaw knob;
};

extern const EditorBuild kLinuxVst2Build;
extern const EditorBuild kWindowsVst2Build;

}  // namespace vlt::editor
