// The block path against the frame path wherever the plug-ins can run:
// every sample rate from 1 kHz to 768 kHz, attack and release at the ends
// of their ranges, input up to +-FLT_MAX. With a coefficient of 1 (the
// fastest attack at 10 kHz or below) one step of the follower can round up
// past FLT_MAX; the frame path restarts the follower from silence there,
// so the block path must too.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "CNFq.h"
#include "frame_compare.h"
#include "steady_frames.h"

namespace {

constexpr float kMax = std::numeric_limits<float>::max();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kDenormal = std::numeric_limits<float>::denorm_min();
// With the peak at FLT_MAX, e + (p - e) rounds up twice from here: to +Inf.
constexpr float kOverflowsToInf = 0x1.8p+104f;

constexpr int kRates[] = {1000, 4000, 8000, 10000, 22050, 44100, 48000, 96000, 192000, 384000, 768000};

struct Times {
    const char* name;
    float attack_ms, release_ms;
};

const Times kTimes[] = {
    {"FastAttackFastRelease", 0.1f, 100.0f},
    {"FastAttackSlowRelease", 0.1f, 1000.0f},
    {"SlowAttackFastRelease", 10.0f, 100.0f},
    {"SlowAttackSlowRelease", 10.0f, 1000.0f},
    // The compressor's own floor: both coefficients 1 at every rate.
    {"CoefficientsOne", 0.001f, 0.001f},
};

using RateAndTimes = std::tuple<int, Times>;

int first_difference(const std::vector<float>& a, const std::vector<float>& b, int n)
{
    for (int i = 0; i < n; ++i)
        if (vlt::test::bits(a[i]) != vlt::test::bits(b[i]))
            return i;
    return -1;
}

// Two compressors set up alike, the plug-ins' strongest compression; every
// block goes through the frame loop of one and the block entry of the other.
class Pair {
public:
    Pair(int rate, const Times& t)
    {
        both([&](CNFq& d) {
            d.nq_srate(rate);
            d.nq_init();
            d.nqs_max_gr(40.0f);
            d.nqs_threshold(-20.0f);
            d.nqs_ratio(20.0f);
            d.nqs_attack(t.attack_ms);
            d.nqs_decay(t.release_ms);
        });
    }

    template <class Action>
    void both(Action action)
    {
        action(ref_);
        action(blk_);
    }

    const CNFq& block_side() const { return blk_; }
    const std::vector<float>& right_out() const { return blkR_; }

    // One sub-block through both; outputs, gains and state must match.
    void run(const std::vector<float>& l, const std::vector<float>& r)
    {
        const int n = static_cast<int>(l.size());
        for (auto* v : {&refL_, &refR_, &refG_, &blkL_, &blkR_, &blkG_})
            v->resize(l.size());
        ref_.nq_recalc(n);
        for (int i = 0; i < n; ++i)
            ref_.nq_prc(l[i], r[i], &refL_[i], &refR_[i], &refG_[i]);
        blk_.nq_recalc(n);
        const float last = blk_.nq_prc_block(l.data(), r.data(), blkL_.data(), blkR_.data(), blkG_.data(), n);
        ASSERT_EQ(first_difference(refL_, blkL_, n), -1) << "left, block " << block_;
        ASSERT_EQ(first_difference(refR_, blkR_, n), -1) << "right, block " << block_;
        ASSERT_EQ(first_difference(refG_, blkG_, n), -1) << "gain, block " << block_;
        ASSERT_EQ(vlt::test::bits(last), vlt::test::bits(refG_[n - 1])) << "block " << block_;
        vlt::test::expect_same_state(ref_, blk_, block_, false);
        ++block_;
    }

    // Frames of one constant stereo value in sub-blocks of 64.
    void run_constant(int frames, float l, float r)
    {
        for (; frames > 0 && !::testing::Test::HasFatalFailure(); frames -= 64) {
            const size_t n = static_cast<size_t>(frames < 64 ? frames : 64);
            run(std::vector<float>(n, l), std::vector<float>(n, r));
        }
    }

private:
    CNFq ref_, blk_;
    std::vector<float> refL_, refR_, refG_, blkL_, blkR_, blkG_;
    int block_ = 0;
};

// Input for the block path's every state: silence, denormals, music, the
// finite extremes mixed at random, the overflowing step in a block of its
// own, NaN and infinities (which also restart the follower).
class ExtremeMaterial {
public:
    explicit ExtremeMaterial(uint32_t seed) : rng_(seed) {}

    void fill(std::vector<float>& l, std::vector<float>& r, int kind)
    {
        const size_t n = l.size();
        switch (kind) {
        case 0:
            for (size_t i = 0; i < n; ++i)
                l[i] = r[i] = coin() ? 0.0f : -0.0f;
            break;
        case 1:
            for (size_t i = 0; i < n; ++i) {
                l[i] = signed_(kDenormal * static_cast<float>(rng_() % 1000));
                r[i] = signed_(kDenormal);
            }
            break;
        case 2:
            for (size_t i = 0; i < n; ++i) {
                l[i] = uniform(-1.5f, 1.5f);
                r[i] = uniform(-1.5f, 1.5f);
            }
            break;
        case 3:
            for (size_t i = 0; i < n; ++i) {
                l[i] = extreme();
                r[i] = extreme();
            }
            break;
        case 4: spike(l, r); break;
        case 5:
            for (size_t i = 0; i < n; ++i) {
                l[i] = coin() ? kMax : -kMax;
                r[i] = coin() ? -kMax : kMax;
            }
            break;
        default:
            for (size_t i = 0; i < n; ++i) {
                const float odd[] = {kNaN, -kNaN, kInf, -kInf};
                l[i] = rng_() % 4 == 0 ? odd[rng_() % 4] : uniform(-1.0f, 1.0f);
                r[i] = uniform(-1.0f, 1.0f);
            }
            break;
        }
    }

private:
    bool coin() { return rng_() % 2 == 0; }
    float signed_(float x) { return coin() ? x : -x; }
    float uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }

    // (m + 1/2) x 2^104: followed by FLT_MAX with a coefficient of 1, the
    // step overflows for odd m and stays finite for even m.
    float near_top() { return static_cast<float>(rng_() % 8192) * 0x1p+104f + 0x1.8p+104f; }

    float extreme()
    {
        switch (rng_() % 8) {
        case 0: return signed_(kMax);
        case 1: return signed_(std::nextafter(kMax, 0.0f));
        case 2: return signed_(near_top());
        case 3: return signed_(uniform(1e30f, kMax));
        case 4: return signed_(kDenormal);
        case 5: return 0.0f;
        default: return signed_(0.5f);
        }
    }

    // A run of one value near the top, then FLT_MAX on one channel, then
    // ordinary levels: the follower's step to FLT_MAX overflows whenever
    // the run's value sits just so.
    void spike(std::vector<float>& l, std::vector<float>& r)
    {
        const size_t n = l.size();
        const size_t at = rng_() % n;
        const float top = rng_() % 4 == 0 ? kOverflowsToInf : near_top();
        const bool left = coin();
        for (size_t i = 0; i < n; ++i) {
            const float v = i < at ? signed_(top) : (i == at ? signed_(kMax) : 0.5f);
            l[i] = left || i != at ? v : 0.5f;
            r[i] = !left || i != at ? v : 0.5f;
        }
    }

    std::mt19937 rng_;
};

class BlockPathAtEveryRate : public ::testing::TestWithParam<RateAndTimes> {
protected:
    void TearDown() override { vlt::steady::allow_avx2(true); }
};

// One second at half scale, then ten frames just so and FLT_MAX on the left
// alone. With a coefficient of 1 the frame path's follower overflows at the
// spike and restarts from silence: the right channel there is the clipper's
// half scale, unreduced.
TEST_P(BlockPathAtEveryRate, AnOverflowingSpikeRestartsTheFollowerAsTheFramePathDoes)
{
    const auto& [rate, times] = GetParam();
    for (bool sse2_only : {false, true}) {
        SCOPED_TRACE(sse2_only ? "SSE2 stages" : "widest stages");
        vlt::steady::allow_avx2(!sse2_only);
        Pair pair(rate, times);
        pair.run_constant(rate, 0.5f, 0.5f);
        std::vector<float> l(64, 0.5f), r(64, 0.5f);
        for (int i = 0; i < 10; ++i)
            l[i] = r[i] = kOverflowsToInf;
        l[10] = kMax;
        ASSERT_NO_FATAL_FAILURE(pair.run(l, r));
        if (pair.block_side().attack_coefficient() == 1.0f) {
            EXPECT_EQ(pair.right_out()[10], 0.489583343f);
        }
        ASSERT_NO_FATAL_FAILURE(pair.run_constant(640, 0.5f, 0.5f));
    }
}

TEST_P(BlockPathAtEveryRate, ExtremeInputMatchesTheFramePath)
{
    const auto& [rate, times] = GetParam();
    for (bool sse2_only : {false, true}) {
        SCOPED_TRACE(sse2_only ? "SSE2 stages" : "widest stages");
        vlt::steady::allow_avx2(!sse2_only);
        const uint32_t seed = static_cast<uint32_t>(rate) ^ static_cast<uint32_t>(times.release_ms * 7.0f) ^
                              static_cast<uint32_t>(times.attack_ms * 1e4f) << 20;
        std::mt19937 rng(seed);
        ExtremeMaterial material(seed + 1u);
        Pair pair(rate, times);
        std::vector<float> l, r;
        for (int block = 0; block < 1500; ++block) {
            // Now and then what hosts may send: input gain (0 dB keeps the
            // extremes as they are), makeup, threshold, ratio, the switch.
            if (rng() % 16 == 0) {
                const float in_gains[] = {0.0f, 0.0f, 0.0f, -6.0f, 12.0f};
                const float g = in_gains[rng() % 5], mk = rng() % 2 ? 0.0f : 20.0f;
                const float thr = rng() % 2 ? -20.0f : 0.0f, ratio = rng() % 2 ? 20.0f : 1.0f;
                const bool on = rng() % 4 != 0;
                pair.both([&](CNFq& d) {
                    d.nqs_input_gain(g);
                    d.nqs_makeup(mk);
                    d.nqs_threshold(thr);
                    d.nqs_ratio(ratio);
                    d.nqs_comp_in(on);
                });
            }
            const size_t n = static_cast<size_t>(rng() % 64) + 1;
            l.resize(n);
            r.resize(n);
            const int kind = static_cast<int>(rng() % 8);
            material.fill(l, r, kind);
            ASSERT_NO_FATAL_FAILURE(pair.run(l, r)) << "kind " << kind;
            if (kind == 6 || kind == 7) {
                // The follower restarted at a NaN or an infinity: what
                // comes next starts from a low envelope.
                l.assign(n, 0.5f);
                r.assign(n, 0.5f);
                material.fill(l, r, 4);
                ASSERT_NO_FATAL_FAILURE(pair.run(l, r)) << "spike after a restart";
            }
        }
    }
}

std::string name(const ::testing::TestParamInfo<RateAndTimes>& info)
{
    return std::to_string(std::get<0>(info.param)) + "Hz" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(RatesAndTimes, BlockPathAtEveryRate,
                         ::testing::Combine(::testing::ValuesIn(kRates), ::testing::ValuesIn(kTimes)), name);

}  // namespace
