// The engines' gamma table, the same for every backend.
#pragma once

#include <cstdint>

// table[i] = min(255, (int)(255 x (i / 255)^0.8)).
void afx_fill_gamma_table(int32_t table[256]);
