#include "x11_test_env.h"
#include "xvfb_server.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <string>

namespace {
int g_depth = 24;
}

int test_depth() { return g_depth; }

bool wait_until(const std::function<bool()>& pred, int timeout_ms)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void EngineTest::SetUp()
{
    ASSERT_TRUE(x11_ext(engine).open_display_connection());
    peer = XOpenDisplay(nullptr);
    ASSERT_NE(peer, nullptr);
}

void EngineTest::TearDown()
{
    stop_loop();
    x11_ext(engine).close_display_connection();
    if (peer != nullptr)
        XCloseDisplay(peer);
}

void EngineTest::start_loop()
{
    loop = std::thread([this] { x11_ext(engine).run_engine(); });
    // A repaint that comes back proves the loop holds its run mutex, so a
    // later stop cannot be missed.
    static std::atomic<bool> turned;
    turned = false;
    const int probe = x11_ext(engine).create_new_afx_window(0, 0, 1, 1, 1.0f, nullptr);
    x11_ext(engine).select_afx_input_events(probe);
    window_ext(engine).register_expose_callback(probe, [](int, int, int, int, int, void*) { turned = true; });
    window_ext(engine).afx_queue_afx_draw_area_fixed(probe, 0, 0, 1, 1);
    EXPECT_TRUE(wait_until([] { return turned.load(); }));
    window_ext(engine).destroy_afx_window(probe);
}

void EngineTest::stop_loop()
{
    if (!loop.joinable())
        return;
    x11_ext(engine).stop_engine();
    loop.join();
}

int EngineTest::open_window(int width, int height, float scale, void* user,
                            const std::function<void(int)>& before_map)
{
    const int index = x11_ext(engine).create_new_afx_window(0, 0, width, height, scale, user);
    if (index < 0)
        return index;
    if (before_map)
        before_map(index);
    x11_ext(engine).select_afx_input_events(index);
    window_ext(engine).show_afx_window(index);
    sync_engine();
    XWindowAttributes a{};
    wait_until([&] {
        XGetWindowAttributes(peer, xid(index), &a);
        return a.map_state == IsViewable;
    });
    return index;
}

void EngineTest::sync_engine()
{
    // The engine's requests reach the server before the peer's next ones.
    x11_ext(engine).afx_lock_display();
    XSync(x11_ext(engine).get_xdisplay(), False);
    x11_ext(engine).afx_unlock_display();
}

int EngineTest::root_children()
{
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    XQueryTree(peer, DefaultRootWindow(peer), &root, &parent, &children, &n);
    if (children != nullptr)
        XFree(children);
    return static_cast<int>(n);
}

unsigned long EngineTest::screen_pixel(int index, int x, int y)
{
    XImage* im = XGetImage(peer, xid(index), x, y, 1, 1, AllPlanes, ZPixmap);
    if (im == nullptr)
        return ~0UL;
    const unsigned long p = XGetPixel(im, 0, 0);
    XDestroyImage(im);
    return p;
}

// Runs every test against a private server: --xvfb-depth=N picks its depth.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--xvfb-depth=", 13) == 0)
            g_depth = std::atoi(argv[i] + 13);
    unsetenv("QELM_UI_DPI");
    XvfbServer::options o;
    o.depth = g_depth;
    XvfbServer server(o);
    if (!server.running()) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    ScopedDisplay display(server.display_name());
    return RUN_ALL_TESTS();
}
