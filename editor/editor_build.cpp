#include "editor_build.h"

namespace vlt::editor {

namespace {

constexpr KnobLaw kKnobLaw = {0.25f, 0.01f, false};

// The Linux and Windows backends follow every wheel notch with a release.
constexpr ButtonRules kLeftOnly = {kLeftMouse, true, ReleaseSweep::kAllMapped};
constexpr ButtonRules kCocoaButtons = {kLeftMouse, false, ReleaseSweep::kAllMapped};

constexpr char kBlank32[] = "                                ";

}  // namespace

const EditorBuild kLinuxVst2Build = {
    .version_format = "VLT650 V%s",
    .version = "2.3.1",
    .threshold_format = "Thresh %.1f dB",
    .makeup_format = "Makeup %.1f dB",
    .effect_in_text = " Effect In ",
    .effect_out_text = " Effect Out",
    .host = &kVst2Map,
    .buttons = kLeftOnly,
    .resize_axis = ResizeAxis::kWidth,
    .program_count = 9,
    .version_on_open = false,
    .banner = kTimerTicks50ms,
    .meter_redraw = MeterRedraw::kOnTick,
    .knob = kKnobLaw,
    .program_scroll = ProgramScroll::kKeep,
};

const EditorBuild kWindowsVst2Build = {
    .version_format = "VLT650  V2.3.2",
    .version = "",
    .threshold_format = "Thresh %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = " Effect In ",
    .effect_out_text = " Effect Out",
    .host = &kVst2Map,
    .buttons = kLeftOnly,
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 9,
    .version_on_open = true,
    .banner = kTimerTicks50ms,
    .meter_redraw = MeterRedraw::kOnTick,
    .knob = kKnobLaw,
    .program_scroll = ProgramScroll::kKeep,
};

// The VST3 view is sized by its host: no resize corner; six programs.
const EditorBuild kWindowsVst3Build = {
    .version_format = "VLT650 2.3.3 VST3",
    .version = "",
    .threshold_format = "Thresh %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = " Effect  In ",
    .effect_out_text = " Effect  Out",
    .host = &kVst3Map,
    .buttons = kLeftOnly,
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 6,
    .version_on_open = true,
    .banner = kTimerTicks50ms,
    .meter_redraw = MeterRedraw::kOnTick,
    .knob = kKnobLaw,
    .program_scroll = ProgramScroll::kHome,
    .resize_corner = false,
};

// The AAX Windows editor: the right button only offers the press to the
// host, a release ends only the parameters the press touched, the presets
// step through 1..5 of the editor's table ("Manual" is only the start), and
// the fixed-size panel has no resize corner and no banner input.
const EditorBuild kWindowsAaxBuild = {
    .version_format = "VLT650  V2.3.1",
    .version = "",
    .threshold_format = "Threshold %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = " Effect  In ",
    .effect_out_text = " Effect  Out",
    .host = &kAaxMap,
    .buttons = {kLeftMouse, true, ReleaseSweep::kTouched},
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 6,
    .version_on_open = true,
    .banner = kTimerTicks50ms,
    .meter_redraw = MeterRedraw::kOnTick,
    .knob = {0.25f, 0.5f, true},
    // The host selects no program; the step buttons show names from the start.
    .program_scroll = ProgramScroll::kHome,
    .first_program = 1,
    .banner_input = false,
    .resize_corner = false,
    .double_click_presses = true,
};

// The Cocoa views: a 20 ms tick, the meter redrawn as its value arrives
// (both on the main thread), no release after a wheel notch, 32 blanks, the
// double click read from the second release and the resize drag by the
// device's travel.
const EditorBuild kCocoaAuBuild = {
    .version_format = "VLT650  V2.3.1",
    .version = "",
    .threshold_format = "Thresh %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = " Effect In ",
    .effect_out_text = " Effect Out",
    .host = &kAuMap,
    .buttons = kCocoaButtons,
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 9,
    .version_on_open = true,
    .banner = kTimerTicks20ms,
    .meter_redraw = MeterRedraw::kOnArrival,
    .knob = kKnobLaw,
    .program_scroll = ProgramScroll::kHome,  // no programs; every text it shows scrolls home
    .layout = &kCocoaLayout,
    .log_name = "VLT650-AU",
    .blank_text = kBlank32,
    .double_click = DoubleClick::kFocusedKnobs,
    .resize_law = ResizeLaw::kDeviceTravel,
    .repaint_same_frame = true,
};

// The macOS VST2 and VST3 views: the Cocoa view's timing with the preset
// step buttons and the latching switch of the standard panel.
const EditorBuild kCocoaVst2Build = {
    .version_format = "VLT650  V2.3.2",
    .version = "",
    .threshold_format = "Thresh %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = " Effect In ",
    .effect_out_text = " Effect Out",
    .host = &kVst2Map,
    .buttons = kCocoaButtons,
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 9,
    .version_on_open = true,
    .banner = kTimerTicks20ms,
    .meter_redraw = MeterRedraw::kOnArrival,
    .knob = kKnobLaw,
    .program_scroll = ProgramScroll::kKeep,  // setProgram: sets the text alone
    .layout = &kCocoaPresetLayout,
    .log_name = "VLT650-VST",
    .blank_text = kBlank32,
    .double_click = DoubleClick::kFocusedKnobs,
    .resize_law = ResizeLaw::kDeviceTravel,
    .preset_sleep = PresetSleep::kAtBlank,
    .switch_press_ends = true,
    .repaint_same_frame = true,
};

// The macOS VST3 view blanks its banner with 16 blanks.
const EditorBuild kCocoaVst3Build = {
    .version_format = "VLT650 2.3.3 VST3",
    .version = "",
    .threshold_format = "Thresh %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = "Effect In ",
    .effect_out_text = "Effect Out",
    .host = &kVst3Map,
    .buttons = kCocoaButtons,
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 6,
    .version_on_open = true,
    .banner = kTimerTicks20ms,
    .meter_redraw = MeterRedraw::kOnArrival,
    .knob = kKnobLaw,
    .program_scroll = ProgramScroll::kHome,
    .layout = &kCocoaPresetLayout,
    .log_name = "VLT650-VST3",
    .double_click = DoubleClick::kFocusedKnobs,
    .resize_law = ResizeLaw::kDeviceTravel,
    .repaint_same_frame = true,
};

// The AAX view on macOS: the same panel, a fixed size; a release ends the
// gestures the press began (each touch is released once), presets step
// through 1..5 of the view's table, the banner takes no drag or wheel and
// its countdown does not wait for a press on it to end.
const EditorBuild kCocoaAaxBuild = {
    .version_format = "VLT650  V2.3.2",
    .version = "",
    .threshold_format = "Threshold %.1f dB",
    .makeup_format = "Out Trim %.1f dB",
    .effect_in_text = " Effect In ",
    .effect_out_text = " Effect Out",
    .host = &kAaxMap,
    .buttons = {kLeftMouse, false, ReleaseSweep::kTouched},
    .resize_axis = ResizeAxis::kHeight,
    .program_count = 6,
    .version_on_open = true,
    .banner = kTimerTicks20ms,
    .meter_redraw = MeterRedraw::kOnArrival,
    .knob = kKnobLaw,
    // The host selects no program, and the banner takes no drag to scroll it.
    .program_scroll = ProgramScroll::kKeep,
    .layout = &kCocoaPresetLayout,
    .log_name = "VLT650-AAX",
    .first_program = 1,
    .banner_input = false,
    .resize_corner = false,
    .double_click_presses = true,
    .blank_text = kBlank32,
    .banner_counts_held = true,
    .follows_backing_scale = false,  // its pixmap is its size in points
    .double_click = DoubleClick::kFocusedKnobs,
    .resize_law = ResizeLaw::kDeviceTravel,
    .preset_sleep = PresetSleep::kAtBlank,
    .switch_press_ends = true,
    .repaint_same_frame = true,
};

int EditorBuild::step_program(int from, int direction) const
{
    const int n = program_count - first_program;
    if (from < first_program)
        return direction > 0 ? first_program : program_count - 1;
    return first_program + ((from - first_program + direction) % n + n) % n;
}

}  // namespace vlt::editor
