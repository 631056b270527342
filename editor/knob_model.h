#pragma once
// The knob's value arithmetic: which frame a value shows, one-frame steps
// (the wheel) and the drag law with its inertia and sticky detent.
#include "editor_build.h"

namespace vlt::editor {

constexpr float kKnobMax = 99.0f;

float clamp_knob(float v);  // 0..99, NaN as 0
int knob_frame(float value, int frames);

struct KnobMotion {
    float value;
    float velocity;  // the change applied at the last drag step
};

// One drag step of dy pixels (upwards positive).
void drag_knob(KnobMotion& k, float dy, float detent, int frames, const KnobLaw& law);
// One frame up (+1) or down (-1); any other step changes nothing.
float step_knob(float value, int step, int frames);
bool on_detent(float value, float detent, int frames);

}  // namespace vlt::editor
