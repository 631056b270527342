// Shared pieces of the X11 engine tests: the process's own server, a peer
// connection that plays the host and other clients, and a running engine.
#pragma once

// gtest first: Xlib defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "afx/x11/afx_engine_x11.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <functional>
#include <thread>

// Depth of the server this test process runs against (main starts it).
int test_depth();

// Polls until pred() holds or about two seconds have passed.
bool wait_until(const std::function<bool()>& pred, int timeout_ms = 2000);

// An engine connected to the test server, plus a peer connection.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void start_loop();
    void stop_loop();

    // A mapped window at the root's origin, input selected.
    int open_window(int width, int height, float scale = 1.0f, void* user = nullptr,
                    const std::function<void(int)>& before_map = nullptr);
    void sync_engine();
    Window xid(int index) { return window_ext(engine).get_SYS_window_idx_for_afx_window(index); }
    // Children of the root window as the peer sees them.
    int root_children();
    // Pixel of the window as the server holds it.
    unsigned long screen_pixel(int index, int x, int y);

    AFX_engine engine;
    Display* peer = nullptr;
    std::thread loop;
};
