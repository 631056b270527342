#include <gtest/gtest.h>

#include <cstdint>
#include <cmath>
#include <cstring>
#include <ostream>
#include <limits>
#include <random>
#include <vector>

#include "CNFq.h"
#include "frame_compare.h"
#include "steady_frames.h"

namespace {

using vlt::test::bits;
using vlt::test::expect_same_state;
using vlt::test::same;

// Material that visits every branch of the frame: bursts at random levels,
// digital silence, denormals, huge values, NaN and infinities.
class Material {
public:
    explicit Material(uint32_t seed) : rng_(seed) {}

    void fill(std::vector<float>& l, std::vector<float>& r)
    {
        for (size_t i = 0; i < l.size(); ++i) {
            if (left_ <= 0)
                new_segment();
            --left_;
            l[i] = sample();
            r[i] = sample();
        }
    }

private:
    float sample()
    {
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        switch (kind_) {
        case 0: return 0.0f;
        case 1: return u(rng_) * level_;
        case 2: return u(rng_) * 1e-39f;  // denormal
        case 3: return u(rng_) * 3e38f;   // huge, products overflow
        default: {
            const float odd[] = {std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity(),
                                 -0.0f,
                                 1.0f,
                                 -2.0f};
            return (rng_() % 8 == 0) ? odd[rng_() % 6] : u(rng_) * level_;
        }
        }
    }

    void new_segment()
    {
        const int kinds[] = {0, 1, 1, 1, 1, 2, 3, 4};
        kind_ = kinds[rng_() % 8];
        level_ = std::uniform_real_distribution<float>(0.0f, 4.0f)(rng_);
        left_ = static_cast<int>(rng_() % 3000) + 1;
    }

    std::mt19937 rng_;
    int kind_ = 1, left_ = 0;
    float level_ = 0.5f;
};

// Applies one random owner action to both compressors alike.
void change_something(std::mt19937& rng, CNFq& a, CNFq& b, bool wild)
{
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    const float v = u(rng);
    const bool on = rng() % 2 == 0;
    const int rates[] = {8000, 44100, 48000, 96000, 192000};
    const int rate = rates[rng() % 5];
    // Values no host sends; both paths must still agree on them.
    const float odd[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         0.0f,
                         -0.0f,
                         1e30f,
                         -1e30f,
                         1.0f};
    const float o = odd[rng() % 8];
    auto both = [&](auto action) {
        action(a);
        action(b);
    };
    switch (rng() % (wild ? 16 : 11)) {
    case 0: both([&](CNFq& d) { d.nqs_input_gain(-20.0f + 40.0f * v); }); break;
    case 1: both([&](CNFq& d) { d.nqs_threshold(-60.0f * v); }); break;
    case 2: both([&](CNFq& d) { d.nqs_attack(v * v * 200.0f); }); break;
    case 3: both([&](CNFq& d) { d.nqs_decay(v * 2000.0f); }); break;
    case 4: both([&](CNFq& d) { d.nqs_ratio(v * 21.0f); }); break;
    case 5: both([&](CNFq& d) { d.nqs_makeup(-10.0f + 40.0f * v); }); break;
    case 6: both([&](CNFq& d) { d.nqs_max_gr(v < 0.8f ? 40.0f : 100.0f * v); }); break;
    case 7:
    case 8: both([&](CNFq& d) { d.nqs_comp_in(on); }); break;  // often, so toggles land mid-fade
    case 9: both([&](CNFq& d) { d.nq_clear(); }); break;
    case 10:
        both([&](CNFq& d) {
            d.nq_srate(rate);
            d.nq_init();
        });
        break;
    case 11: both([&](CNFq& d) { d.nqs_threshold(o); }); break;
    case 12: both([&](CNFq& d) { d.nqs_ratio(o); }); break;
    case 13: both([&](CNFq& d) { d.nqs_max_gr(o); }); break;
    case 14: both([&](CNFq& d) { d.nqs_attack(o); }); break;
    default: both([&](CNFq& d) { d.nqs_makeup(o); }); break;
    }
}

struct BlockCase {
    uint32_t seed;
    bool in_place;
    bool wild_parameters;    // NaN, infinities, zeros and huge values as parameters
    bool sse2_only = false;  // the SSE2 stages also where AVX2 is there
};

void PrintTo(const BlockCase& c, std::ostream* os)
{
    *os << "seed " << c.seed << (c.in_place ? ", in place" : "")
        << (c.wild_parameters ? ", wild parameters" : "") << (c.sse2_only ? ", SSE2 only" : "");
}

class BlockPath : public ::testing::TestWithParam<BlockCase> {
protected:
    void SetUp() override { vlt::steady::allow_avx2(!GetParam().sse2_only); }
    void TearDown() override { vlt::steady::allow_avx2(true); }
};

// The block entry is a faster form of the frame loop, nothing else: after
// every sub-block the outputs, the gains and the whole state must match.
TEST_P(BlockPath, MatchesTheFrameLoopBitForBit)
{
    const BlockCase tc = GetParam();
    std::mt19937 rng(tc.seed);
    CNFq ref, blk;
    for (CNFq* d : {&ref, &blk}) {
        d->nq_srate(48000);
        d->nq_init();
        d->nqs_max_gr(40.0f);
        d->nqs_threshold(-20.0f);
        d->nqs_ratio(4.0f);
    }
    Material material(tc.seed * 7919u + 1u);
    std::vector<float> inL(64), inR(64), refL(64), refR(64), refG(64);
    std::vector<float> outL(64), outR(64), outG(64);

    for (int block = 0; block < 20000; ++block) {
        while (rng() % 4 == 0)
            change_something(rng, ref, blk, tc.wild_parameters);
        const int ramp = static_cast<int>(rng() % 64) + 1;
        // Now and then more or fewer frames than the ramps were set for, so
        // ramps also end inside a block or run on past it.
        const int n = rng() % 8 == 0 ? static_cast<int>(rng() % 64) + 1 : ramp;
        inL.resize(n);
        inR.resize(n);
        material.fill(inL, inR);

        ref.nq_recalc(ramp);
        for (int i = 0; i < n; ++i)
            ref.nq_prc(inL[i], inR[i], &refL[i], &refR[i], &refG[i]);

        blk.nq_recalc(ramp);
        // Owners may hand one sub-block over in pieces.
        const int first = rng() % 3 == 0 ? static_cast<int>(rng() % n) + 1 : n;
        float last = 0.0f;
        for (int pos = 0; pos < n;) {
            const int len = pos == 0 ? first : n - pos;
            if (tc.in_place) {
                std::memcpy(&outL[pos], &inL[pos], sizeof(float) * len);
                std::memcpy(&outR[pos], &inR[pos], sizeof(float) * len);
                last = blk.nq_prc_block(&outL[pos], &outR[pos], &outL[pos], &outR[pos], &outG[pos], len);
            } else {
                last = blk.nq_prc_block(&inL[pos], &inR[pos], &outL[pos], &outR[pos], &outG[pos], len);
            }
            pos += len;
        }

        const bool any_nan = tc.wild_parameters;
        ASSERT_TRUE(same(refL.data(), outL.data(), n, any_nan)) << "block " << block;
        ASSERT_TRUE(same(refR.data(), outR.data(), n, any_nan)) << "block " << block;
        ASSERT_TRUE(same(refG.data(), outG.data(), n, any_nan)) << "block " << block;
        ASSERT_TRUE(same(&last, &refG[n - 1], 1, any_nan)) << "block " << block;
        expect_same_state(ref, blk, block, any_nan);
    }
}

INSTANTIATE_TEST_SUITE_P(RandomMaterial, BlockPath,
                         ::testing::Values(BlockCase{1, false, false}, BlockCase{2, true, false},
                                           BlockCase{3, false, false}, BlockCase{4, true, false},
                                           BlockCase{5, false, true}, BlockCase{6, true, true},
                                           BlockCase{7, false, true}, BlockCase{8, false, false, true},
                                           BlockCase{9, true, true, true}));

TEST(BlockPathEdges, EmptyBlockTouchesNothing)
{
    CNFq d;
    d.nq_srate(48000);
    d.nq_init();
    float out = 7.0f, g = 7.0f;
    const float in = 1.0f;
    EXPECT_EQ(d.nq_prc_block(&in, &in, &out, &out, &g, 0), 0.0f);
    EXPECT_EQ(out, 7.0f);
    EXPECT_EQ(g, 7.0f);
    EXPECT_EQ(d.envelope(), 0.0f);
}

TEST(BlockPathEdges, NullGainArrayStillReportsTheLastGain)
{
    CNFq a, b;
    std::vector<float> in(64, 0.8f), oa(64), ob(64), ga(64);
    for (CNFq* d : {&a, &b}) {
        d->nq_srate(44100);
        d->nq_init();
        d->nqs_threshold(-30.0f);
        d->nqs_ratio(10.0f);
        d->nq_recalc(64);
    }
    a.nq_prc_block(in.data(), in.data(), oa.data(), oa.data(), ga.data(), 64);
    const float last = b.nq_prc_block(in.data(), in.data(), ob.data(), ob.data(), nullptr, 64);
    EXPECT_EQ(bits(last), bits(ga[63]));
    EXPECT_LT(last, 1.0f);
    EXPECT_EQ(std::memcmp(oa.data(), ob.data(), sizeof(float) * 64), 0);
}

}  // namespace

namespace {

// The clipper and knee comparisons at their exact edges: u = y / 2 of
// exactly +-1 still takes the cubic, just past it the 2/3 limit.
TEST(BlockPathEdges, ClipperEdgesMatchTheFrameLoop)
{
    const float edges[] = {2.0f,
                           -2.0f,
                           std::nextafter(2.0f, 3.0f),
                           std::nextafter(-2.0f, -3.0f),
                           std::nextafter(2.0f, 0.0f),
                           1.0f,
                           -0.0f,
                           0.0f,
                           0.5f,
                           4.0f};
    for (bool sse2_only : {false, true}) {
        vlt::steady::allow_avx2(!sse2_only);
        CNFq ref, blk;
        for (CNFq* d : {&ref, &blk}) {
            d->nq_srate(48000);
            d->nq_init();
            d->nqs_threshold(20.0f);  // no reduction: gain exactly 1
            d->nqs_ratio(4.0f);
            d->nq_init();
        }
        std::vector<float> in(std::begin(edges), std::end(edges));
        const int n = static_cast<int>(in.size());
        std::vector<float> rl(n), rr(n), rg(n), bl(n), br(n), bg(n);
        ref.nq_recalc(n);
        for (int i = 0; i < n; ++i)
            ref.nq_prc(in[i], -in[i], &rl[i], &rr[i], &rg[i]);
        blk.nq_recalc(n);
        std::vector<float> neg(n);
        for (int i = 0; i < n; ++i)
            neg[i] = -in[i];
        blk.nq_prc_block(in.data(), neg.data(), bl.data(), br.data(), bg.data(), n);
        EXPECT_EQ(std::memcmp(rl.data(), bl.data(), sizeof(float) * n), 0) << sse2_only;
        EXPECT_EQ(std::memcmp(rr.data(), br.data(), sizeof(float) * n), 0) << sse2_only;
        EXPECT_EQ(std::memcmp(rg.data(), bg.data(), sizeof(float) * n), 0) << sse2_only;
        EXPECT_EQ(rl[0], 2.0f * (1.0f - 1.0f / 3.0f));  // the cubic, not 4/3
    }
    vlt::steady::allow_avx2(true);
}

}  // namespace

namespace {

// One call may cover more than one sub-block's worth of frames.
TEST(BlockPathEdges, LongBlockMatchesTheFrameLoop)
{
    CNFq ref, blk;
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> u(-1.5f, 1.5f);
    const int n = 333;
    std::vector<float> l(n), r(n), rl(n), rr(n), rg(n), bl(n), br(n), bg(n);
    for (int i = 0; i < n; ++i) {
        l[i] = u(rng);
        r[i] = u(rng) * 0.5f;
    }
    for (CNFq* d : {&ref, &blk}) {
        d->nq_srate(44100);
        d->nq_init();
        d->nqs_threshold(-24.0f);
        d->nqs_ratio(6.0f);
        d->nqs_makeup(12.0f);  // ramps for 64 frames, then stand
        d->nq_recalc(64);
    }
    for (int i = 0; i < n; ++i)
        ref.nq_prc(l[i], r[i], &rl[i], &rr[i], &rg[i]);
    blk.nq_prc_block(l.data(), r.data(), bl.data(), br.data(), bg.data(), n);
    EXPECT_EQ(std::memcmp(rl.data(), bl.data(), sizeof(float) * n), 0);
    EXPECT_EQ(std::memcmp(rr.data(), br.data(), sizeof(float) * n), 0);
    EXPECT_EQ(std::memcmp(rg.data(), bg.data(), sizeof(float) * n), 0);
    EXPECT_EQ(bits(ref.smoothed_makeup()), bits(blk.smoothed_makeup()));
    EXPECT_EQ(bits(ref.makeup_gain_ramp(0).current), bits(blk.makeup_gain_ramp(0).current));
}

}  // namespace
