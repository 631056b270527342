// Packet dispatcher and the owner-aware mutex.
#if defined(__linux__)
#include <dlfcn.h>
#include <pthread.h>
#endif

#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <thread>

#include <gtest/gtest.h>

#include "AAX_CEffectParameters.h"
#include "AAX_CPacketDispatcher.h"
#include "fake_host.h"

#if defined(__linux__)
// Only the POSIX lock can be watched on its way out (the Windows lock is a
// kernel handle), so this check is the Linux build's alone.
namespace {
std::atomic<int> destroyedWhileLocked{0};
}  // namespace

// Every mutex of the process passes here on its way out; one that is still
// held (by any thread) is counted before the real destroy runs.
extern "C" int pthread_mutex_destroy(pthread_mutex_t* m)
{
    using Destroy = int (*)(pthread_mutex_t*);
    static const Destroy real = reinterpret_cast<Destroy>(dlsym(RTLD_NEXT, "pthread_mutex_destroy"));
    if (pthread_mutex_trylock(m) == 0)
        pthread_mutex_unlock(m);
    else
        ++destroyedWhileLocked;
    return real(m);
}
#endif

namespace {

// Handlers that record which parameter filled the packet.
struct Source {
    std::vector<std::string> calls;
    AAX_Result fill(AAX_CParamID id, AAX_CPacket& packet)
    {
        calls.push_back(id);
        *packet.GetPtr<float>() = 0.25f;
        packet.SetSize(4);
        return 0;
    }
};

class Dispatching : public ::testing::Test {
protected:
    fake::Host host;
    AAX_VController controller{&host};
    AAX_CPacketDispatcher dispatcher;
    Source source;
    void SetUp() override { dispatcher.Initialize(&controller, nullptr); }
    void add(const char* id, int32_t port)
    {
        ASSERT_EQ(dispatcher.RegisterPacket(id, port, &source, &Source::fill), 0);
    }
};

TEST_F(Dispatching, SharedPortPostsOnceFromTheFirstDirtyEntry)
{
    add("A", 3);
    add("B", 3);
    add("C", 4);
    EXPECT_EQ(dispatcher.Dispatch(), 0);
    ASSERT_EQ(host.controller.packets.size(), 2u);
    EXPECT_EQ(source.calls, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(host.controller.packets[0].bytes.size(), 4u) << "the packet's own size";
    float f;
    std::memcpy(&f, host.controller.packets[0].bytes.data(), 4);
    EXPECT_EQ(f, 0.25f);

    host.controller.packets.clear();
    source.calls.clear();
    EXPECT_EQ(dispatcher.Dispatch(), 0);
    EXPECT_TRUE(host.controller.packets.empty());

    dispatcher.SetDirty("B");
    dispatcher.SetDirty("unknown");
    dispatcher.Dispatch();
    EXPECT_EQ(source.calls, std::vector<std::string>{"A"});
    ASSERT_EQ(host.controller.packets.size(), 1u);
    EXPECT_EQ(host.controller.packets[0].port, 3);
}

TEST_F(Dispatching, HandlerWithoutOperationOrPortIsNotPosted)
{
    const AAX_CPacketHandler<Source> empty(&source, static_cast<AAX_CPacketHandler<Source>::TwoArg>(nullptr));
    AAX_CPacket packet(0);
    EXPECT_EQ(empty.Call("A", packet), -20004);
    EXPECT_EQ(dispatcher.RegisterPacket("A", 1, &empty), 0);
    EXPECT_EQ(dispatcher.RegisterPacket("A", -1, &empty), -20004);
    EXPECT_EQ(dispatcher.Dispatch(), 0);
    EXPECT_TRUE(host.controller.packets.empty());
}

TEST_F(Dispatching, PostsWithoutHoldingItsLock)
{
    add("A", 1);
    // A host that marks a parameter dirty from another thread while it takes
    // the post, and waits for that to finish.
    bool otherFinished = false;
    std::future<void> other;  // outlives the post, so a held lock fails the test instead of hanging it
    host.controller.onPost = [&] {
        other = std::async(std::launch::async, [&] { dispatcher.SetDirty("A"); });
        otherFinished = other.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    };
    dispatcher.Dispatch();
    host.controller.onPost = nullptr;
    other.wait();
    EXPECT_TRUE(otherFinished) << "the dispatcher held its lock while calling the host";
}

#if defined(__linux__)
TEST_F(Dispatching, DestroysItsLockOnlyAfterLettingGo)
{
    pthread_mutex_t held = PTHREAD_MUTEX_INITIALIZER;
    pthread_mutex_lock(&held);
    const int before = destroyedWhileLocked;
    pthread_mutex_destroy(&held);  // the check itself sees a held lock
    EXPECT_EQ(destroyedWhileLocked, before + 1);
    pthread_mutex_unlock(&held);
    pthread_mutex_destroy(&held);

    add("A", 1);
    {
        AAX_CPacketDispatcher other;
        other.RegisterPacket("B", 2, &source, &Source::fill);
    }
    EXPECT_EQ(destroyedWhileLocked, before + 1);
}

#endif

TEST(AaxMutex, OwnerDoesNotLockTwiceOthersWait)
{
    AAX_CMutex m;
    EXPECT_TRUE(m.Lock());
    EXPECT_FALSE(m.Lock());
    std::atomic<bool> otherHas{false};
    std::thread other([&] {
        m.Unlock();  // not the owner: nothing happens
        if (m.Lock()) {
            otherHas = true;
            m.Unlock();
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(otherHas) << "the other thread got in while we held it";
    m.Unlock();
    other.join();
    EXPECT_TRUE(otherHas);
    EXPECT_TRUE(m.Lock());
    m.Unlock();
}

}  // namespace
