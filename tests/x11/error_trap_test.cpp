// The error handler is shared by the whole process: ours must keep to the
// display it traps for and leave other clients' handlers in place.
#include "x11_test_env.h"

#include <atomic>

namespace {

std::atomic<Display*> g_seen{nullptr};
std::atomic<int> g_seen_count{0};

int host_handler(Display* d, XErrorEvent*)
{
    g_seen = d;
    ++g_seen_count;
    return 0;
}

using ErrorTrap = EngineTest;

TEST_F(ErrorTrap, OtherDisplaysErrorsGoToTheHandlerThatWasThere)
{
    XErrorHandler before = XSetErrorHandler(host_handler);
    g_seen_count = 0;

    x11_ext(engine).trap_errors();
    XMapWindow(peer, 0x7fffff);  // not a window: BadWindow on the peer
    XSync(peer, False);
    EXPECT_EQ(x11_ext(engine).untrap_errors(), 0);
    EXPECT_EQ(g_seen.load(), peer);
    EXPECT_EQ(g_seen_count.load(), 1);

    // A trapped error of the engine's own display stays with the engine.
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(x11_ext(engine).SYS_window_valid(0x7fffff), BadWindow);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(g_seen_count.load(), 1);

    // And the host's handler is in force again.
    EXPECT_EQ(XSetErrorHandler(before), host_handler);
}

TEST_F(ErrorTrap, AHandlerInstalledWhileTrappingIsNotReplaced)
{
    XErrorHandler before = XSetErrorHandler(nullptr);
    x11_ext(engine).trap_errors();
    XSetErrorHandler(host_handler);  // someone else takes over meanwhile
    x11_ext(engine).untrap_errors();
    EXPECT_EQ(XSetErrorHandler(before), host_handler);
}

}  // namespace
