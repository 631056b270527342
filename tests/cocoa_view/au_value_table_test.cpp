// The Audio Unit value table: ranges at both ends, the ratio law's round
// trip, the bypass sense and the meter's full scale.
#include <gtest/gtest.h>

#include "au_value_table.h"

namespace vlt::mac {
namespace {

using C = editor::Control;

TEST(AuValueTable, EndsOfEachRange)
{
    struct Case {
        C control;
        float at0, at1;
    } cases[] = {{C::kInGain, -6, 12},   {C::kThreshold, 0, -20},  {C::kRatio, 1, 20},
                 {C::kAttack, 0.1f, 10}, {C::kRelease, 100, 1000}, {C::kMakeup, 0, 20},
                 {C::kUiSize, 1, 2},     {C::kPower, 0, 1}};
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(au_plain_value(c.control, 0.0f), c.at0);
        EXPECT_FLOAT_EQ(au_plain_value(c.control, 1.0f), c.at1);
        EXPECT_NEAR(au_fraction(c.control, c.at0), 0.0f, 1e-6);
        EXPECT_NEAR(au_fraction(c.control, c.at1), 1.0f, 1e-6);
    }
}

TEST(AuValueTable, RatioComesBackToItsKnob)
{
    for (int k = 0; k <= 99; ++k) {
        const float f = k / 99.0f;
        EXPECT_NEAR(au_fraction(C::kRatio, au_plain_value(C::kRatio, f)) * 99.0f, k, 1e-3) << k;
    }
    EXPECT_EQ(au_fraction(C::kRatio, 0.5f), 0.0f);  // below range: clamped before the root
}

TEST(AuValueTable, BypassIsTheEffectSwitchInverted)
{
    EXPECT_EQ(au_plain_value(C::kEffect, 1.0f), 0.0f);  // effect in: not bypassed
    EXPECT_EQ(au_plain_value(C::kEffect, 0.0f), 1.0f);
    EXPECT_EQ(au_fraction(C::kEffect, 1.0f), 0.0f);
    EXPECT_EQ(au_fraction(C::kEffect, 0.0f), 1.0f);
}

TEST(AuValueTable, MeterReaches99At20dB)
{
    EXPECT_FLOAT_EQ(au_fraction(C::kMeter, 20.0f) * 99.0f, 99.0f);
    EXPECT_FLOAT_EQ(au_fraction(C::kMeter, 0.0f), 0.0f);
    EXPECT_EQ(au_plain_value(C::kMeter, 1.0f), 0.0f);  // never sent
}

}  // namespace
}  // namespace vlt::mac
