#pragma once
// The knob's value arithmetic in the editor's terms: the toolkit's knob law
// (afx_knob_law.h) over the editor's own knob values.
#include "afx_knob_law.h"

namespace vlt::editor {

using KnobLaw = afx_knob_law;
constexpr float kKnobMax = afx_knob_max;

inline float clamp_knob(float v) { return afx_knob_clamp(v); }
inline int knob_frame(float value, int frames) { return afx_frame_of(value, frames); }

struct KnobMotion {
    float value;
    float velocity;  // the change applied at the last drag step
};

// One drag step of dy pixels (upwards positive).
inline void drag_knob(KnobMotion& k, float dy, float detent, int frames, const KnobLaw& law)
{
    afx_knob_drag(k.value, k.velocity, dy, detent, frames, law);
}
// One frame up (+1) or down (-1); any other step changes nothing.
inline float step_knob(float value, int step, int frames) { return afx_knob_step(value, step, frames); }
inline bool on_detent(float value, float detent, int frames)
{
    return afx_knob_on_detent(value, detent, frames);
}

}  // namespace vlt::editor
