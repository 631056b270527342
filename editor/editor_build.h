#pragma once
// What differs between the builds that share the editor core, one row per
// build: texts and the banner's blank line, the host's parameter map, tick
// and banner timing, the banner's scroll under a host's program change, mouse buttons, the double click, the resize corner and
// its law, the knob's drag law, the preset buttons' range and sleep, the
// switch's gesture and whether the view follows the backing scale.
// Everything else about the editor is common code.
#include "editor_layout.h"
#include "host_map.h"
#include "knob_model.h"

namespace vlt::editor {

enum class ResizeAxis { kWidth, kHeight };

// The banner's countdown, in GUI ticks of tick_ms.
struct BannerTiming {
    int tick_ms;
    int show_ticks;    // a fresh text starts the countdown here
    int version_at;    // the version line replaces it here
    int blank_at;      // and a blank line replaces that here
    int status_ticks;  // a status-button press starts here instead
};

// Whether the meter is redrawn with the other widgets on the tick, or by
// the view as its value arrives (the Cocoa view, where both share a thread).
enum class MeterRedraw { kOnTick, kOnArrival };

// At a release: end the gesture of every mapped control, or only of those
// the press touched.
enum class ReleaseSweep { kAllMapped, kTouched };

// Buttons as the window backends deliver them, numbered from 0.
constexpr unsigned kLeftMouse = 1u << 0;
constexpr unsigned kRightMouse = 1u << 2;

struct ButtonRules {
    unsigned main_buttons;    // a set of (1 << button)
    bool wheel_then_release;  // a notch also ends every gesture, as a release
    ReleaseSweep release;
};

// What a double click does. The Linux and Windows backends deliver it as an
// event of its own at the pointer (a second press there); the Cocoa views
// read it from the release of the second click, whose press has already
// focused what it hit: the knobs it holds go back to their reset values, and
// nothing held at all resets the UI size.
enum class DoubleClick { kAtPointer, kFocusedKnobs };

// How a drag from the resize corner changes the UI size: from the pointer's
// travel summed over two events against the window's edge (the backends
// that own their windows), or by 1.25 UI-size units per view height of the
// device's own travel at each event (the Cocoa views, whose pointer may sit
// still at the screen's edge).
enum class ResizeLaw { kEdgeRatio, kDeviceTravel };

// When a preset name a step button showed stops arming the next step: when
// the banner turns to the version line, or only when it blanks.
enum class PresetSleep { kAtVersion, kAtBlank };

// How the name of a program the host selected goes on the banner: through
// the parameter display, which scrolls the banner back to its start, or as
// a plain text change, which leaves the banner's scroll where it was.
enum class ProgramScroll { kHome, kKeep };

struct EditorBuild {
    const char* version_format;  // banner version text, "%s" takes version
    const char* version;
    const char* threshold_format;
    const char* makeup_format;
    const char* effect_in_text;
    const char* effect_out_text;
    const HostMap* host;
    ButtonRules buttons;
    ResizeAxis resize_axis;  // which window edge divides a resize drag
    int program_count;       // preset buttons wrap within 0..program_count-1
    bool version_on_open;    // every open starts with the version text
    BannerTiming banner;
    MeterRedraw meter_redraw;
    KnobLaw knob;
    ProgramScroll program_scroll;
    const PanelLayout* layout = &kStandardLayout;  // where the widgets sit
    const char* log_name = "VLT650";               // in the view's log lines
    // Preset buttons step within first_program..program_count-1; a lower
    // program (a start entry such as "Manual") is left for either end.
    int first_program = 0;
    bool banner_input = true;  // the banner scrolls with drags and the wheel
    // A resize corner, and a double click off the controls resets the size;
    // a fixed-size panel takes that double click as a press instead.
    bool resize_corner = true;
    // Without a resize corner a double click off the controls is a press
    // (AAX); otherwise it does nothing (a host-sized view).
    bool double_click_presses = false;
    // The line the banner blanks with; null for the usual 16 blanks.
    const char* blank_text = nullptr;
    // The banner's countdown goes on while the banner holds the press
    // focus; otherwise it waits for the release.
    bool banner_counts_held = false;
    // The Cocoa view draws at the screen's backing scale and follows its
    // changes; otherwise its pixmap is its size in points (scale 1).
    bool follows_backing_scale = true;
    DoubleClick double_click = DoubleClick::kAtPointer;
    ResizeLaw resize_law = ResizeLaw::kEdgeRatio;
    PresetSleep preset_sleep = PresetSleep::kAtVersion;
    // A press on the effect switch is a whole gesture (begin, set and end at
    // once); otherwise the release ends it.
    bool switch_press_ends = false;
    // A knob's redraw asks for its area to be repainted even when its frame
    // stayed (the Cocoa views invalidate every widget they redraw);
    // otherwise only a changed frame is repainted.
    bool repaint_same_frame = false;

    // The program a preset button selects from `from`: one step within
    // first_program..program_count-1, wrapping; from a program below that
    // range, left goes to the last and right to the first.
    int step_program(int from, int direction) const;

    bool is_main_button(int button) const
    {
        return button >= 0 && button < 32 && (buttons.main_buttons >> button & 1u) != 0;
    }
};

// The 50 ms tick of the Linux and Windows editors: a shown value stays
// 2.5 s, then the version line 20 s, then a blank line; the status press
// blanks after 2.5 s.
inline constexpr BannerTiming kTimerTicks50ms = {50, 500, 450, 50, 100};
// The Cocoa view's 20 ms tick: 2.5 s of value, then the version line
// 22.5 s; the status press blanks after 2.5 s.
inline constexpr BannerTiming kTimerTicks20ms = {20, 1250, 1125, 125, 250};

extern const EditorBuild kLinuxVst2Build;
extern const EditorBuild kWindowsVst2Build;
extern const EditorBuild kWindowsVst3Build;
extern const EditorBuild kWindowsAaxBuild;
extern const EditorBuild kCocoaAuBuild;
extern const EditorBuild kCocoaAaxBuild;
extern const EditorBuild kCocoaVst2Build;
extern const EditorBuild kCocoaVst3Build;

}  // namespace vlt::editor
