#include "afx_gamma.h"

#include <algorithm>
#include <cmath>

void afx_fill_gamma_table(int32_t table[256])
{
    for (int i = 0; i < 256; ++i)
        table[i] = std::min(255, static_cast<int>(255.0 * std::pow(i / 255.0, 0.8)));
}
