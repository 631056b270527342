#pragma once
// The editor's own names for what it shows and edits. Every plug-in format
// numbers these differently; HostMap (host_map.h) translates, the editor
// logic never sees a host's index or identifier.

namespace vlt::editor {

enum class Control : int {
    kInGain = 0,
    kThreshold,
    kAttack,
    kRelease,
    kRatio,
    kMakeup,
    kEffect,  // effect in/out switch, 1 = in
    kMeter,   // read only: gain reduction 0..1
    kUiSize,
    kPower,  // the Cocoa view's neon power button
    kCount
};
constexpr int kControlCount = static_cast<int>(Control::kCount);

// Knob k (0..5, the panel's order) edits control k.
constexpr Control knob_control(int knob) { return static_cast<Control>(knob); }
constexpr int control_number(Control c) { return static_cast<int>(c); }
constexpr bool is_knob(Control c) { return control_number(c) < 6; }

// The controls a mouse gesture edits, in the order a release ends them.
constexpr Control kGestureControls[] = {Control::kInGain,  Control::kThreshold, Control::kAttack,
                                        Control::kRelease, Control::kRatio,     Control::kMakeup,
                                        Control::kEffect,  Control::kPower};

}  // namespace vlt::editor
