#pragma once
// The private X server the editor benchmarks share, with DISPLAY set to it.
#include "x_session.h"

XSession& bench_session();
