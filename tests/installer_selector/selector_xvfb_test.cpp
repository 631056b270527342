// The folder selector on a private Xvfb: opened by this thread like the
// installer's flow does, driven by synthetic pointer input through XTest
// while the engine loop runs on its own thread.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "afx/x11/afx_engine_x11.h"
#include "afx/core/afx_font_engine.h"
#include "load_folder_selector.h"
#include "test_support.h"
#include "xvfb_server.h"

namespace {

namespace fs = std::filesystem;

bool wait_until(const std::function<bool()>& pred, int timeout_ms = 3000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Filled on the GUI thread by the callbacks, read by the test.
struct result_box {
    std::mutex mx;
    int ok_calls = 0, cancel_calls = 0;
    bool null_path = false;
    std::string path;

    static void on_ok(char* p, void* user)
    {
        auto* r = static_cast<result_box*>(user);
        std::lock_guard<std::mutex> g(r->mx);
        ++r->ok_calls;
        r->null_path = p == nullptr;
        r->path = p ? p : "";
    }
    static void on_cancel(char* p, void* user)
    {
        auto* r = static_cast<result_box*>(user);
        std::lock_guard<std::mutex> g(r->mx);
        ++r->cancel_calls;
        r->null_path = p == nullptr;
    }
    int calls()
    {
        std::lock_guard<std::mutex> g(mx);
        return ok_calls + cancel_calls;
    }
};

class FolderSelectorOnX : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new XvfbServer(XvfbServer::options{}); }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(server->running());
        display = std::make_unique<ScopedDisplay>(server->display_name());
        ASSERT_TRUE(x11_ext(engine).open_display_connection());
        peer = XOpenDisplay(nullptr);
        ASSERT_NE(peer, nullptr);
        loop = std::thread([this] { x11_ext(engine).run_engine(); });
        fs::current_path(root);
        sel.set_title("Select your VST plugins folder");
        sel.register_ok_callback(result_box::on_ok, &result);
        sel.register_cancel_callback(result_box::on_cancel, &result);
    }
    void TearDown() override
    {
        fs::current_path(home);
        if (loop.joinable()) {
            x11_ext(engine).stop_engine();
            loop.join();
        }
        if (peer)
            XCloseDisplay(peer);
    }

    Window xid() { return window_ext(engine).get_SYS_window_idx_for_afx_window(sel.window_index()); }

    // Waits until the window is mapped and its list frame is on screen.
    bool shown_on_screen()
    {
        return wait_until([&] {
            XWindowAttributes a{};
            if (!XGetWindowAttributes(peer, xid(), &a) || a.map_state != IsViewable)
                return false;
            XImage* im = XGetImage(peer, xid(), 16, 200, 1, 1, AllPlanes, ZPixmap);
            if (!im)
                return false;
            const unsigned long px = XGetPixel(im, 0, 0);
            XDestroyImage(im);
            // The frame's grey (128 drawn at alpha 255) as the window shows it.
            return px == 0x7f7f7f;
        });
    }

    void move_to(int x, int y)
    {
        int rx = 0, ry = 0;
        Window child;
        XTranslateCoordinates(peer, xid(), DefaultRootWindow(peer), x, y, &rx, &ry, &child);
        XTestFakeMotionEvent(peer, -1, rx, ry, CurrentTime);
        XSync(peer, False);
    }
    // Far enough apart that no two presses make a double click.
    void click(int x, int y, unsigned button = 1)
    {
        move_to(x, y);
        std::this_thread::sleep_for(std::chrono::milliseconds(button == 1 ? 350 : 20));
        XTestFakeButtonEvent(peer, button, True, CurrentTime);
        XSync(peer, False);
        XTestFakeButtonEvent(peer, button, False, CurrentTime);
        XSync(peer, False);
    }
    // Left of the name, over the directory marker, which hits its row.
    void click_row(int k) { click(24, 82 + 16 * k + 8); }
    bool now_in(const fs::path& p)
    {
        return wait_until([&] { return fs::current_path() == p; });
    }

    static XvfbServer* server;
    std::unique_ptr<ScopedDisplay> display;
    test_support::TempDir tmp;
    fs::path home = fs::current_path(), root = fs::canonical(tmp.path());
    AFX_engine engine;
    AFX_font_engine font{&engine};
    CLoadFolderSelector sel{&engine, &font};
    Display* peer = nullptr;
    std::thread loop;
    result_box result;
};

XvfbServer* FolderSelectorOnX::server = nullptr;

TEST_F(FolderSelectorOnX, WalksToAFolderWithShellCharactersAndHandsItBack)
{
    const fs::path plugins = root / "My Plugins $(touch X)";
    const fs::path target = plugins / "vst; rm -rf 'q' `id`";
    fs::create_directories(target);
    for (int i = 1; i <= 30; ++i)
        fs::create_directory(root / ("d" + std::to_string(i)));
    // ".", "..", "My Plugins ...", d1 .. d30.

    ASSERT_TRUE(sel.open_file_selector_window());
    ASSERT_TRUE(shown_on_screen());

    // Three wheel steps move the list three rows: row 1 is then d2.
    for (int i = 0; i < 3; ++i)
        click(300, 200, 5);
    ASSERT_TRUE(wait_until([&] { return sel.viewport().get_offset_y() == 48; }));
    click_row(1);
    ASSERT_TRUE(now_in(root / "d2"));
    click_row(1);  // ..
    ASSERT_TRUE(now_in(root));
    click_row(2);
    ASSERT_TRUE(now_in(plugins));
    click_row(2);
    ASSERT_TRUE(now_in(target));

    click(40, 376);  // OK
    ASSERT_TRUE(wait_until([&] { return result.calls() == 1; }));
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_EQ(result.path, target.string());
    EXPECT_FALSE(sel.get_file_selector_open());
    EXPECT_FALSE(fs::exists(root / "X"));
    EXPECT_FALSE(fs::exists(plugins / "X"));
}

TEST_F(FolderSelectorOnX, WindowManagerCloseCancelsAndTheSelectorOpensAgain)
{
    sel.set_magnification(2.0f);
    ASSERT_TRUE(sel.open_file_selector_window());
    ASSERT_TRUE(wait_until([&] {
        XWindowAttributes a{};
        return XGetWindowAttributes(peer, xid(), &a) && a.map_state == IsViewable;
    }));
    XWindowAttributes a{};
    XGetWindowAttributes(peer, xid(), &a);
    EXPECT_EQ(a.width, 1280);
    EXPECT_EQ(a.height, 864);

    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = xid();
    ev.xclient.message_type = XInternAtom(peer, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(peer, "WM_DELETE_WINDOW", False));
    XSendEvent(peer, xid(), False, NoEventMask, &ev);
    XSync(peer, False);
    ASSERT_TRUE(wait_until([&] { return result.calls() == 1; }));
    EXPECT_EQ(result.cancel_calls, 1);
    EXPECT_TRUE(result.null_path);
    EXPECT_FALSE(sel.get_file_selector_open());

    sel.set_magnification(1.0f);
    ASSERT_TRUE(sel.open_file_selector_window());
    ASSERT_TRUE(shown_on_screen());
    click(120, 376);  // CANCEL
    ASSERT_TRUE(wait_until([&] { return result.calls() == 2; }));
    EXPECT_EQ(result.cancel_calls, 2);
    EXPECT_EQ(result.ok_calls, 0);
}

// 2100 names make a list of 33634 rows: the drawable stops at 32767, the
// handle keeps its least length, and the last row that fits can be reached.
TEST_F(FolderSelectorOnX, AVeryLongListIsCutAtTheDrawableLimit)
{
    for (int i = 0; i < 2100; ++i)
        std::ofstream(root / ("f" + std::to_string(i))) << "";
    ASSERT_TRUE(sel.open_file_selector_window());
    ASSERT_TRUE(shown_on_screen());
    EXPECT_EQ(sel.scroller().handle_length(), 16);
    click(612, 80 + 272 - 20);  // the trough below the handle: a page down
    ASSERT_TRUE(wait_until([&] { return sel.viewport().get_offset_y() == 268; }));
    // Dragging the handle to the bottom shows the drawable's last rows.
    move_to(616, 96 + 16 + 4);
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    XTestFakeButtonEvent(peer, 1, True, CurrentTime);
    XSync(peer, False);
    for (int y = 130; y <= 420; y += 10)
        move_to(616, y);
    XTestFakeButtonEvent(peer, 1, False, CurrentTime);
    XSync(peer, False);
    EXPECT_TRUE(wait_until([&] { return sel.viewport().get_offset_y() == 32767 - 268; }))
        << sel.viewport().get_offset_y();
    click(120, 376);
    ASSERT_TRUE(wait_until([&] { return result.calls() == 1; }));
}

}  // namespace
