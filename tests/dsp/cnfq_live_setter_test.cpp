// A setter called from another thread while a long block runs: wherever it
// lands, mid sub-block included, the block's output must be the frame
// path's with the new value in force from one frame on, so a block path
// that notices the change part way through must hand over from there
// without losing or redoing any frame. The block is stopped where it
// writes a chosen frame's gain and the setter runs while it waits, so the
// change lands inside the block every time, at a place the test chooses.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "CNFq.h"
#include "steady_frames.h"
#include "write_trap.h"

namespace {

constexpr int kFrames = 1 << 17;

struct LiveCase {
    const char* name;
    float attack_ms, release_ms;
    std::function<void(CNFq&)> change;
    bool sse2_only;
};

void prepare(CNFq& d, const LiveCase& c)
{
    d.nq_srate(48000);
    d.nqs_max_gr(40.0f);
    d.nqs_threshold(-20.0f);
    d.nqs_ratio(4.0f);
    d.nqs_attack(1.0f);
    d.nqs_decay(1000.0f);
    d.nq_init();  // the smoothing starts at the targets
    d.nq_recalc(64);
    // A loud start, so that the constant level after it keeps the envelope
    // falling, above the threshold: every frame then reads the release time
    // and the limit, and a change shows in the gain of the frame it acts on.
    std::vector<float> loud(4096, 1.0f), out(4096);
    d.nq_prc_block(loud.data(), loud.data(), out.data(), out.data(), nullptr, 4096);
    d.nqs_attack(c.attack_ms);
    d.nqs_decay(c.release_ms);
}

void PrintTo(const LiveCase& c, std::ostream* os) { *os << c.name; }

class LiveSetter : public ::testing::TestWithParam<LiveCase> {
protected:
    void SetUp() override { vlt::steady::allow_avx2(!GetParam().sse2_only); }
    void TearDown() override { vlt::steady::allow_avx2(true); }
};

TEST_P(LiveSetter, ActsFromOneFrameOnAsInTheFramePath)
{
    const LiveCase& c = GetParam();
    const std::vector<float> in(kFrames, 0.5f);
    std::vector<float> base(kFrames), out(kFrames), scratch(kFrames);
    {
        CNFq d;
        prepare(d, c);
        d.nq_prc_block(in.data(), in.data(), scratch.data(), scratch.data(), base.data(), kFrames);
    }
    std::mt19937 rng(7);
    for (int attempt = 0; attempt < 6; ++attempt) {
        const int at = kFrames / 8 + static_cast<int>(rng() % (kFrames * 3 / 4));
        vlt::test::WriteTrap trap(kFrames, static_cast<size_t>(at));
        ASSERT_TRUE(trap.ready());
        float* const gains = trap.data();
        CNFq blk;
        prepare(blk, c);
        std::thread writer([&] {
            if (trap.wait_for_hit())
                c.change(blk);
            trap.release();
        });
        blk.nq_prc_block(in.data(), in.data(), out.data(), out.data(), gains, kFrames);
        trap.finished();
        writer.join();
        ASSERT_TRUE(trap.hit()) << "the block never wrote the gain of frame " << at;

        int first = 0;
        while (first < kFrames && std::memcmp(&gains[first], &base[first], sizeof(float)) == 0)
            ++first;
        ASSERT_LT(first, kFrames) << "the change made while the block stood at frame " << at
                                  << " did not show in the block";
        CNFq ref;
        prepare(ref, c);
        std::vector<float> refL(kFrames), refG(kFrames);
        for (int i = 0; i < kFrames; ++i) {
            if (i == first)
                c.change(ref);
            float r = 0.0f;
            ref.nq_prc(in[i], in[i], &refL[i], &r, &refG[i]);
        }
        ASSERT_EQ(std::memcmp(refG.data(), gains, sizeof(float) * kFrames), 0) << "change at " << first;
        ASSERT_EQ(std::memcmp(refL.data(), out.data(), sizeof(float) * kFrames), 0) << "change at " << first;
        EXPECT_EQ(ref.envelope(), blk.envelope()) << "change at " << first;
    }
}

void faster_release(CNFq& d) { d.nqs_decay(10.0f); }
void lower_limit(CNFq& d) { d.nqs_max_gr(5.0f); }

INSTANTIATE_TEST_SUITE_P(
    Changes, LiveSetter,
    ::testing::Values(LiveCase{"Release", 1.0f, 1000.0f, faster_release, false},
                      LiveCase{"ReleaseAboveAttack", 2000.0f, 1000.0f, faster_release, false},
                      LiveCase{"Limit", 1.0f, 1000.0f, lower_limit, false},
                      LiveCase{"ReleaseSse2", 1.0f, 1000.0f, faster_release, true},
                      LiveCase{"LimitSse2", 2000.0f, 1000.0f, lower_limit, true}),
    [](const ::testing::TestParamInfo<LiveCase>& info) { return std::string(info.param.name); });

}  // namespace
