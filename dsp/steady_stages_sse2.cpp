#include "simd_available.h"
#if VLT_DSP_SSE2

#include "simd_lanes.h"
#include "steady_pipeline.h"

namespace vlt::steady {

void stages_sse2(Frames& f, const Settings& s, const Block& b, const Pipelined& from)
{
    Stages<simd::Sse2Lanes>(f, s, b).finish(from.law, from.gain, from.out);
}

Pipelined follow_with_stages_sse2(QuietFollow& q, Frames& f, const Settings& s, const Block& b)
{
    return follow_with_stages<simd::Sse2Lanes>(q, f, s, b);
}

}  // namespace vlt::steady

#endif  // VLT_DSP_SSE2
