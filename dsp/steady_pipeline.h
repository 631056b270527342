#pragma once
// The follower's quiet loop with the vector stages running behind it: after
// each group of W envelopes, the gain law of the group before, the gain of
// the one before that and the outputs of the one before that. Each pass
// then finds its inputs long done, so the core runs it beside the chain
// instead of after it; lagging one pass per group keeps the work in flight
// short enough for the reorder window. Included where the stages are built.
#include "follower_chain.h"
#include "steady_frames.h"
#include "steady_stages.h"

namespace vlt::steady {
namespace {

template <class V, bool kAttackFaster>
Pipelined follow_with_stages(QuietFollow& q, Stages<V>& stages)
{
    constexpr int W = V::kWidth;
    const chain::QuietReads reads(q);
    const float* p = q.peak;
    const float* const end = q.peak + q.n;
    float* out = q.envelopes;
    __m128 v = _mm_set_ss(q.envelope);
    const int groups = q.n / W;
    int g = 0;
    for (; g < groups; ++g) {
        for (int k = 0; k < W; ++k, ++p, ++out) {
            if (!reads.hold()) [[unlikely]]
                goto stopped;
            v = chain::quiet_step<kAttackFaster>(reads, v, p);
            _mm_store_ss(out, v);
        }
        if (g >= 1)
            stages.law((g - 1) * W);
        if (g >= 2)
            stages.gain((g - 2) * W);
        if (g >= 3)
            stages.out((g - 3) * W);
    }
    for (; p != end && reads.hold(); ++p, ++out) {
        v = chain::quiet_step<kAttackFaster>(reads, v, p);
        _mm_store_ss(out, v);
    }
stopped:
    q.envelope = _mm_cvtss_f32(v);
    auto behind = [g](int lag) { return g > lag ? (g - lag) * W : 0; };
    return {static_cast<int>(p - q.peak), behind(1), behind(2), behind(3)};
}

template <class V>
Pipelined follow_with_stages(QuietFollow& q, Frames& f, const Settings& s, const Block& b)
{
    Stages<V> stages(f, s, b);
    return q.af >= q.rf ? follow_with_stages<V, true>(q, stages) : follow_with_stages<V, false>(q, stages);
}

}  // namespace
}  // namespace vlt::steady
