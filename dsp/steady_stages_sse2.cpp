#include "simd_available.h"
#if VLT_DSP_SSE2

#include "simd_lanes.h"
#include "steady_stages.h"

namespace vlt::steady {

void stages_sse2(Frames& f, const Settings& s, const Block& b) { run_stages<simd::Sse2Lanes>(f, s, b); }

}  // namespace vlt::steady

#endif  // VLT_DSP_SSE2
