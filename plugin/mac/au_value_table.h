#pragma once
// The Audio Unit's plain parameter values and the view's control fractions,
// by the editor's controls: what the view sends with AUParameterSet and
// how a value the listener reports lands on a widget. The conversions are
// the parameter model's (au_params.h). Platform-free, so the native tests
// run it.
#include "editor_controls.h"

namespace vlt::mac {

// The plain value of a control fraction (knob value / 99, effect switch
// 1 = in, UI size 0..1). The meter is never sent: 0.
float au_plain_value(editor::Control control, float fraction);
// The control fraction of a plain value: knobs unclamped (the knob clamps),
// the meter as a share of its 20 dB, the UI size 0..1 before clamping.
float au_fraction(editor::Control control, float plain);

}  // namespace vlt::mac
