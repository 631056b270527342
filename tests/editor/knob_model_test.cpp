#include "knob_model.h"

#include "editor_build.h"

#include <gtest/gtest.h>

namespace vlt::editor {
namespace {

const KnobLaw kLaw = kLinuxVst2Build.knob;

TEST(KnobDrag, InertiaOnSpeedingUpAndDirectFollowOnSlowing)
{
    KnobMotion k{50.0f, 0.0f};
    struct Step {
        float dy, moved, velocity;
    } const steps[] = {
        {8, 2.0f, 2.0f},     // from rest: a quarter of the motion
        {8, 3.5f, 3.5f},     // 2 + (8 - 2) * 0.25
        {1, 1.0f, 1.0f},     // slowing: follows at once
        {-4, -1.0f, -1.0f},  // direction turned: starts from rest again
        {0, 0.0f, -1.0f},    // no motion, nothing changes
    };
    for (const Step& s : steps) {
        const float before = k.value;
        drag_knob(k, s.dy, 0.0f, 39, kLaw);
        EXPECT_FLOAT_EQ(k.value - before, s.moved) << "dy " << s.dy;
        EXPECT_FLOAT_EQ(k.velocity, s.velocity) << "dy " << s.dy;
    }
}

TEST(KnobDrag, ValueStaysWithinRange)
{
    KnobMotion up{98.0f, 5.0f};
    drag_knob(up, 5.0f, 0.0f, 39, kLaw);
    EXPECT_FLOAT_EQ(up.value, 99.0f);
    KnobMotion down{1.0f, -5.0f};
    drag_knob(down, -5.0f, 0.0f, 39, kLaw);
    EXPECT_FLOAT_EQ(down.value, 0.0f);
}

TEST(KnobDrag, DetentFrameDampsTheCarriedVelocity)
{
    // In Gain's detent 33 is frame 12 of 39, which covers about 30.77..33.33.
    for (float v : {30.8f, 33.0f, 33.3f}) {
        KnobMotion k{v, 4.0f};
        drag_knob(k, 0.0f, 33.0f, 39, kLaw);
        EXPECT_FLOAT_EQ(k.velocity, 0.04f) << v;
    }
    KnobMotion off{34.0f, 4.0f};
    drag_knob(off, 0.0f, 33.0f, 39, kLaw);
    EXPECT_FLOAT_EQ(off.velocity, 4.0f);
    // Without a detent nothing is damped.
    KnobMotion none{0.0f, 4.0f};
    drag_knob(none, 0.0f, 0.0f, 39, kLaw);
    EXPECT_FLOAT_EQ(none.velocity, 4.0f);
}

TEST(KnobDrag, AlwaysInertiaLaw)
{
    const KnobLaw law{0.25f, 0.5f, true};
    KnobMotion k{50.0f, 3.5f};
    drag_knob(k, 1.0f, 0.0f, 39, law);  // slowing, yet eased: 3.5 + (1 - 3.5) * 0.25
    EXPECT_FLOAT_EQ(k.velocity, 2.875f);
}

TEST(KnobStep, OneFramePerStepWithinRange)
{
    struct Case {
        float value;
        int step;
        float expect;
    } const cases[] = {
        {99.0f, 1, 99.0f},
        {0.0f, -1, 0.0f},
        {50.0f, 2, 50.0f},
        {0.0f, 1, 99.0f / 38.0f},
        {33.0f, 1, 13.0f * 99.0f / 38.0f},
        {33.0f, -1, 11.0f * 99.0f / 38.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(step_knob(c.value, c.step, 39), c.expect) << c.value << " " << c.step;
}

}  // namespace
}  // namespace vlt::editor
