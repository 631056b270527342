#include "afx_gamma.h"

#include <gtest/gtest.h>

TEST(Gamma, TableOfTheEngines)
{
    int32_t g[256];
    afx_fill_gamma_table(g);
    EXPECT_EQ(g[0], 0);
    EXPECT_EQ(g[255], 255);
    EXPECT_EQ(g[128], 146);  // 255 x (128 / 255)^0.8 = 146.9
    for (int i = 1; i < 256; ++i)
        ASSERT_GE(g[i], g[i - 1]);
}
