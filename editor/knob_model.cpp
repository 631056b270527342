#include "knob_model.h"

#include <algorithm>
#include <cmath>

namespace vlt::editor {

float clamp_knob(float v)
{
    if (!(v >= 0.0f))
        return 0.0f;
    return std::min(v, kKnobMax);
}

int knob_frame(float value, int frames) { return static_cast<int>(value / 100.0f * frames); }

bool on_detent(float value, float detent, int frames)
{
    return knob_frame(detent, frames) == knob_frame(value, frames);
}

void drag_knob(KnobMotion& k, float dy, float detent, int frames, const KnobLaw& law)
{
    if (detent != 0.0f && on_detent(k.value, detent, frames))
        k.velocity *= law.detent_damping;
    if (dy == 0.0f)
        return;
    if ((dy < 0.0f && k.velocity > 0.0f) || (dy > 0.0f && k.velocity < 0.0f))
        k.velocity = 0.0f;
    const bool speeding = std::fabs(dy) > std::fabs(k.velocity);
    const float change =
        (speeding || law.always_inertia) ? k.velocity + (dy - k.velocity) * law.inertia : dy;
    k.velocity = change;
    k.value = clamp_knob(k.value + change);
}

float step_knob(float value, int step, int frames)
{
    if (step < -1 || step > 1 || frames < 2)
        return value;
    const int frame = std::clamp(knob_frame(value, frames) + step, 0, frames - 1);
    return static_cast<float>(frame) / static_cast<float>(frames - 1) * kKnobMax;
}

}  // namespace vlt::editor
