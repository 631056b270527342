#include "simd_available.h"
#if VLT_DSP_SSE2

#include "follower_chain.h"
#include "simd_lanes.h"
#include "steady_stages.h"

namespace vlt::steady {

void stages_sse2(Frames& f, const Settings& s, const Block& b) { run_stages<simd::Sse2Lanes>(f, s, b); }
int follow_quiet_sse2(QuietFollow& q) { return chain::follow_quiet_any(q); }

}  // namespace vlt::steady

#endif  // VLT_DSP_SSE2
