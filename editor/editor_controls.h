#pragma once
// The editor's own names for what it shows and edits. Every plug-in format
// numbers these differently; HostMap (host_map.h) translates, the editor
// logic never sees a host's index or identifier.
#include "param_index.h"

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

// The parameter model's quantity a control shows; kIndexCount for none.
constexpr params::Index model_index(Control c)
{
    switch (c) {
    case Control::kInGain: return params::kInGain;
    case Control::kThreshold: return params::kThreshold;
    case Control::kAttack: return params::kAttack;
    case Control::kRelease: return params::kRelease;
    case Control::kRatio: return params::kRatio;
    case Control::kMakeup: return params::kMakeup;
    case Control::kEffect: return params::kEffect;
    case Control::kMeter: return params::kMeter;
    case Control::kUiSize: return params::kUiSize;
    case Control::kPower: return params::kPower;
    case Control::kCount: break;
    }
    return params::kIndexCount;
}

// The control that shows quantity q; Control::kCount for none.
constexpr Control control_of(params::Index q)
{
    for (int i = 0; i < static_cast<int>(Control::kCount); ++i)
        if (model_index(static_cast<Control>(i)) == q)
            return static_cast<Control>(i);
    return Control::kCount;
}

// Knob k (0..5, the panel's order) edits control k.
constexpr Control knob_control(int knob) { return static_cast<Control>(knob); }
constexpr int control_number(Control c) { return static_cast<int>(c); }
constexpr bool is_knob(Control c) { return control_number(c) < 6; }

// The controls a mouse gesture edits, in the order a release ends them.
constexpr Control kGestureControls[] = {Control::kInGain,  Control::kThreshold, Control::kAttack,
                                        Control::kRelease, Control::kRatio,     Control::kMakeup,
                                        Control::kEffect,  Control::kPower};

}  // namespace vlt::editor
