// The string type and the reference-counted base.
#include <atomic>
#include <barrier>
#include <memory>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "AAX_CString.h"
#include "CACFUnknown.h"

namespace {

TEST(AaxString, AppendNumberUsesFixedNotation)
{
    struct Case {
        double value;
        int32_t precision;
        const char* text;
    } cases[] = {
        {1.5, 2, "1.50"}, {-0.004, 2, "-0.00"}, {12.345, 0, "12"}, {-20.0, 2, "-20.00"}, {5.75, 2, "5.75"}};
    for (const Case& c : cases) {
        AAX_CString s("x=");
        s.AppendNumber(c.value, c.precision);
        EXPECT_EQ(s.StdString(), std::string("x=") + c.text);
    }
}

TEST(AaxString, SubStringComparisonAndNull)
{
    AAX_CString threshold("Threshold"), out;
    threshold.SubString(0, 3, &out);
    EXPECT_STREQ(out.Get(), "Thr");
    threshold.SubString(0, 20, &out);
    EXPECT_STREQ(out.Get(), "Threshold");
    threshold.SubString(50, 2, &out);
    EXPECT_STREQ(out.Get(), "");
    EXPECT_TRUE(AAX_CString("On") == AAX_CString("On"));
    EXPECT_TRUE(AAX_CString("On") != AAX_CString("on"));
    AAX_CString empty(static_cast<const char*>(nullptr));
    EXPECT_EQ(empty.Length(), 0u);
    EXPECT_STREQ(empty.Get(), "");
    EXPECT_EQ(empty.MaxLength(), 0xFFFFFFFEu);
    AAX_IString& asInterface = out;
    asInterface = static_cast<const char*>(nullptr);
    EXPECT_STREQ(out.Get(), "");
}

class Counted final : public CACFUnknown {
public:
    explicit Counted(std::atomic<int>& deletions) : m_deletions(deletions) {}
    ~Counted() override { ++m_deletions; }

private:
    std::atomic<int>& m_deletions;
};

TEST(AaxUnknown, QueryInterfaceAndLiveCount)
{
    std::atomic<int> deleted{0};
    const uint32_t before = CACFUnknown::GetActiveObjectCount();
    auto* object = new Counted(deleted);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), before + 1);
    void* out = nullptr;
    ASSERT_EQ(object->InternalQueryInterface(IID_IACFUnknown, &out), 0);
    EXPECT_EQ(out, object->GetPrivateUnknown());
    void* none = &out;
    EXPECT_EQ(uint32_t(object->InternalQueryInterface(IID_IAAXEffectGUIV1, &none)), 0x80000004u);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(object->GetPrivateUnknown()->AddRef(), 2u);
    EXPECT_EQ(object->GetPrivateUnknown()->Release(), 1u);
    EXPECT_EQ(static_cast<IACFUnknown*>(out)->Release(), 0u);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), before);
}

// Counts how often the object would have been deleted instead of deleting it.
class Reclaimed final : public CACFUnknown {
public:
    void ReclaimMemory() override { ++reclaims; }
    std::atomic<int> reclaims{0};
};

TEST(AaxUnknown, ConcurrentReleasesReclaimOnce)
{
    // Every round, eight threads drop the last eight references at once;
    // exactly one of them may reclaim the object.
    constexpr int kThreads = 8, kRounds = 100000;
    std::unique_ptr<Reclaimed> object;
    int wrong = 0;
    auto nextRound = [&]() noexcept {
        if (object && object->reclaims != 1)
            ++wrong;
        object = std::make_unique<Reclaimed>();
        for (int i = 0; i < kThreads; ++i)
            object->InternalAddRef();
    };
    nextRound();
    std::barrier sync(kThreads, nextRound);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round) {
                object->InternalRelease();
                sync.arrive_and_wait();
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(wrong, 0) << "rounds in which the object was reclaimed more or less than once";
}

TEST(AaxUnknown, EmptyHostPointerThrowsAndSlotsCatchIt)
{
    ACFPtr<AAX_IACFController> empty;
    EXPECT_THROW(empty->SetSignalLatency(0), int32_t);
    EXPECT_EQ(uint32_t(aax_guarded([&] { return empty->SetSignalLatency(0); })), 0x8000FFFFu);
}

}  // namespace
