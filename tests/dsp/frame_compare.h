#pragma once
// Comparing the block path with the frame path: outputs and everything an
// owner or a later frame can observe, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "CNFq.h"

namespace vlt::test {

inline uint32_t bits(float x)
{
    uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// Bit for bit. With wild parameters two different NaNs can meet in one
// multiplication or addition; x86 then returns the first operand's NaN, and
// which operand comes first is the register allocator's choice in either
// path, so there any NaN matches any NaN. Every other value must match bits.
inline bool same(const float* a, const float* b, int n, bool any_nan)
{
    for (int i = 0; i < n; ++i) {
        if (any_nan && std::isnan(a[i]) && std::isnan(b[i]))
            continue;
        if (bits(a[i]) != bits(b[i]))
            return false;
    }
    return true;
}

// Everything an owner or a later frame can observe, compared bit for bit.
inline void expect_same_state(const CNFq& a, const CNFq& b, int block, bool any_nan)
{
    const float fa[] = {a.envelope(),         a.shadow_envelope(),    a.current_gain(),
                        a.threshold_now(),    a.ratio_now_value(),    a.smoothed_makeup(),
                        a.smoothed_in_gain(), a.smoothed_threshold(), a.smoothed_ratio()};
    const float fb[] = {b.envelope(),         b.shadow_envelope(),    b.current_gain(),
                        b.threshold_now(),    b.ratio_now_value(),    b.smoothed_makeup(),
                        b.smoothed_in_gain(), b.smoothed_threshold(), b.smoothed_ratio()};
    ASSERT_TRUE(same(fa, fb, 9, any_nan)) << "block " << block;
    ASSERT_EQ(a.is_comp_in(), b.is_comp_in()) << "block " << block;
    for (int ch = 0; ch < 2; ++ch) {
        const GainRamp* ra[] = {&a.input_ramp(ch), &a.makeup_gain_ramp(ch)};
        const GainRamp* rb[] = {&b.input_ramp(ch), &b.makeup_gain_ramp(ch)};
        for (int k = 0; k < 2; ++k) {
            ASSERT_TRUE(same(&ra[k]->current, &rb[k]->current, 1, any_nan)) << "block " << block;
            ASSERT_EQ(ra[k]->count, rb[k]->count) << "block " << block;
        }
        const Crossfader& xa = a.crossfader(ch);
        const Crossfader& xb = b.crossfader(ch);
        ASSERT_TRUE(same(&xa.mix, &xb.mix, 1, any_nan)) << "block " << block;
        ASSERT_EQ(xa.done, xb.done) << "block " << block;
    }
}

}  // namespace vlt::test
