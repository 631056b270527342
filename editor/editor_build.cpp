#include "editor_build.h"

#include "value_text.h"

namespace vlt::editor {

namespace {

constexpr KnobLaw kKnobLaw = {0.25f, 0.01f, false};

// The Linux and Windows backends follow every wheel notch with a release.
constexpr ButtonRules kLeftOnly = {kLeftMouse, true, ReleaseSweep::kAllMapped};

}  // namespace

const EditorBuild kLinuxVst2Build = {
    "VLT650 V%s", "2.3.1",
    "Thresh %.1f dB", "Makeup %.1f dB",
    " Effect In ", " Effect Out",
    &kVst2Map,
    kLeftOnly,
    ResizeAxis::kWidth,
    9,
    false,
    kTimerTicks50ms,
    MeterRedraw::kOnTick,
    kKnobLaw,
};

const EditorBuild kWindowsVst2Build = {
    "VLT650  V2.3.2", "",
    "Thresh %.1f dB", "Out Trim %.1f dB",
    " Effect In ", " Effect Out",
    &kVst2Map,
    kLeftOnly,
    ResizeAxis::kHeight,
    9,
    true,
    kTimerTicks50ms,
    MeterRedraw::kOnTick,
    kKnobLaw,
};

// The VST3 view is sized by its host: no resize corner; six programs.
const EditorBuild kWindowsVst3Build = {
    "VLT650 2.3.3 VST3", "",
    "Thresh %.1f dB", "Out Trim %.1f dB",
    " Effect  In ", " Effect  Out",
    &kVst3Map,
    kLeftOnly,
    ResizeAxis::kHeight,
    6,
    true,
    kTimerTicks50ms,
    MeterRedraw::kOnTick,
    kKnobLaw,
    &kStandardLayout,
    "VLT650",
    0,
    true,
    false,
};

// The AAX Windows editor: the right button only offers the press to the
// host, a release ends only the parameters the press touched, the presets
// step through 1..5 of the editor's table ("Manual" is only the start), and
// the fixed-size panel has no resize corner and no banner input.
const EditorBuild kWindowsAaxBuild = {
    "VLT650  V2.3.1", "",
    "Threshold %.1f dB", "Out Trim %.1f dB",
    " Effect  In ", " Effect  Out",
    &kAaxMap,
    {kLeftMouse, true, ReleaseSweep::kTouched},
    ResizeAxis::kHeight,
    6,
    true,
    kTimerTicks50ms,
    MeterRedraw::kOnTick,
    {0.25f, 0.5f, true},
    &kStandardLayout,
    "VLT650",
    1,
    false,
    false,
    true,
};

// The Cocoa view scrolls without a release and redraws the meter as its
// value arrives.
const EditorBuild kCocoaAuBuild = {
    "VLT650  V2.3.1", "",
    "Thresh %.1f dB", "Out Trim %.1f dB",
    " Effect In ", " Effect Out",
    &kAuMap,
    {kLeftMouse, false, ReleaseSweep::kAllMapped},
    ResizeAxis::kHeight,
    9,
    true,
    kTimerTicks20ms,
    MeterRedraw::kOnArrival,
    kKnobLaw,
    &kCocoaLayout,
    "VLT650-AU",
};

// The macOS VST2 and VST3 views: the Cocoa view's timing with the preset
// step buttons and the latching switch of the standard panel.
const EditorBuild kCocoaVst2Build = {
    "VLT650  V2.3.2", "",
    "Thresh %.1f dB", "Out Trim %.1f dB",
    " Effect In ", " Effect Out",
    &kVst2Map,
    {kLeftMouse, false, ReleaseSweep::kAllMapped},
    ResizeAxis::kHeight,
    9,
    true,
    kTimerTicks20ms,
    MeterRedraw::kOnArrival,
    kKnobLaw,
    &kCocoaPresetLayout,
    "VLT650-VST",
};

const EditorBuild kCocoaVst3Build = {
    "VLT650 2.3.3 VST3", "",
    "Thresh %.1f dB", "Out Trim %.1f dB",
    "Effect In ", "Effect Out",
    &kVst3Map,
    {kLeftMouse, false, ReleaseSweep::kAllMapped},
    ResizeAxis::kHeight,
    6,
    true,
    kTimerTicks20ms,
    MeterRedraw::kOnArrival,
    kKnobLaw,
    &kCocoaPresetLayout,
    "VLT650-VST3",
    0,
    true,
    true,
    false,
    kBlankBannerText,  // 16 blanks
};

// The AAX view on macOS: the same panel, a fixed size; presets step
// through 1..5 of the view's table, the banner takes no drag or wheel and
// its countdown does not wait for a press on it to end.
const EditorBuild kCocoaAaxBuild = {
    "VLT650  V2.3.2", "",
    "Threshold %.1f dB", "Out Trim %.1f dB",
    " Effect In ", " Effect Out",
    &kAaxMap,
    {kLeftMouse, false, ReleaseSweep::kAllMapped},
    ResizeAxis::kHeight,
    6,
    true,
    kTimerTicks20ms,
    MeterRedraw::kOnArrival,
    kKnobLaw,
    &kCocoaPresetLayout,
    "VLT650-AAX",
    1,
    false,
    false,
    true,
    nullptr,  // 32 blanks
    true,
    false,  // its pixmap is its size in points
};

int EditorBuild::step_program(int from, int direction) const
{
    const int n = program_count - first_program;
    if (from < first_program)
        return direction > 0 ? first_program : program_count - 1;
    return first_program + ((from - first_program + direction) % n + n) % n;
}

}  // namespace vlt::editor
