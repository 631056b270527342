// The knob's value arithmetic, shared by the rotary widget and the editors
// that keep knob values of their own: the frame a value shows, one-frame
// steps, and the drag law (a little inertia, a sticky detent frame).
#pragma once

#include <algorithm>
#include <cmath>

struct afx_knob_law {
    float inertia;         // share of the way from the last change to the new motion
    float detent_damping;  // velocity factor while the knob shows its detent frame
    bool always_inertia;   // apply the inertia even when the drag slows down
};

inline constexpr float afx_knob_max = 99.0f;

inline int afx_frame_of(float value, int nframes) { return static_cast<int>(value / 100.0f * nframes); }

// The one rule for every value a widget is given, whoever sends it: 0..99,
// anything beyond clamped to its end (+Inf to 99, -Inf to 0), and NaN (and
// -0) as 0, the control's minimum, as the plug-ins hand a NaN host value to
// their compressor (params::clamp_unit). So the frame of any value is defined.
inline float afx_knob_clamp(float v) { return v > 0.0f ? std::min(v, afx_knob_max) : 0.0f; }
inline double afx_knob_clamp(double v) { return v > 0.0 ? std::min(v, double{afx_knob_max}) : 0.0; }

inline bool afx_knob_on_detent(float value, float detent, int frames)
{
    return afx_frame_of(detent, frames) == afx_frame_of(value, frames);
}

// One drag step of dy pixels (upwards positive); velocity is the change the
// last step applied.
inline void afx_knob_drag(float& value, float& velocity, float dy, float detent, int frames,
                          const afx_knob_law& law)
{
    if (detent != 0.0f && afx_knob_on_detent(value, detent, frames))
        velocity *= law.detent_damping;
    if (dy == 0.0f)
        return;
    if ((dy < 0.0f && velocity > 0.0f) || (dy > 0.0f && velocity < 0.0f))
        velocity = 0.0f;
    const bool speeding = std::fabs(dy) > std::fabs(velocity);
    const float change = (speeding || law.always_inertia) ? velocity + (dy - velocity) * law.inertia : dy;
    velocity = change;
    value = afx_knob_clamp(value + change);
}

// One frame up (+1) or down (-1); any other step changes nothing.
inline float afx_knob_step(float value, int step, int frames)
{
    if (step < -1 || step > 1 || frames < 2)
        return value;
    const int frame = std::clamp(afx_frame_of(value, frames) + step, 0, frames - 1);
    return static_cast<float>(frame) / static_cast<float>(frames - 1) * afx_knob_max;
}
