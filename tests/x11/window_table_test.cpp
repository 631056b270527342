// Window table, active list, sizes, reparenting and the no-display paths.
#include "x11_test_env.h"

#include <vector>

namespace {

using WindowTable = EngineTest;

// The window's parent as the server holds it.
Window parent_of(Display* d, Window w)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    XQueryTree(d, w, &root, &parent, &children, &n);
    if (children)
        XFree(children);
    return parent;
}

TEST_F(WindowTable, HoldsExactly255WindowsAndRefusesTheNextWithoutAnXWindow)
{
    const int before = root_children();
    for (int i = 0; i < AFX_MAX_WINDOWS; ++i)
        ASSERT_EQ(x11_ext(engine).create_new_afx_window(0, 0, 10, 10, 1.0f, nullptr), i);
    sync_engine();
    EXPECT_EQ(root_children(), before + 255);

    EXPECT_EQ(x11_ext(engine).create_new_afx_window(0, 0, 10, 10, 1.0f, nullptr), -1);
    EXPECT_EQ(x11_ext(engine).create_new_simple_afx_window(0, 0, 10, 10, 1.0f, nullptr), -1);
    sync_engine();
    EXPECT_EQ(root_children(), before + 255);

    window_ext(engine).destroy_all_windows();
    EXPECT_TRUE(window_ext(engine).check_all_windows_closed());
    EXPECT_EQ(x11_ext(engine).afx_active_window(0), -1);
    EXPECT_EQ(root_children(), before);
}

TEST_F(WindowTable, ActiveListStaysCompactInCreationOrder)
{
    for (int i = 0; i < 5; ++i)
        x11_ext(engine).create_new_afx_window(0, 0, 10, 10, 1.0f, nullptr);
    EXPECT_EQ(window_ext(engine).destroy_afx_window(3), 0);
    const std::vector<int> want{0, 1, 2, 4, -1, -1};
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(x11_ext(engine).afx_active_window(static_cast<int>(i)), want[i]) << "entry " << i;

    // The freed slot is the first free one and goes to the end of the list.
    EXPECT_EQ(x11_ext(engine).create_new_afx_window(0, 0, 10, 10, 1.0f, nullptr), 3);
    EXPECT_EQ(x11_ext(engine).afx_active_window(4), 3);
    EXPECT_EQ(x11_ext(engine).get_AFX_window_idx_for_X_window(xid(3)), 3);
}

struct size_case {
    float scale;
    int width, height;
};

class WindowSize : public EngineTest, public ::testing::WithParamInterface<size_case> {};

TEST_P(WindowSize, PanelSizeIsScaledAndRoundedHalfUp)
{
    const size_case c = GetParam();
    const int i = x11_ext(engine).create_new_afx_window(0, 0, 144, 510, c.scale, nullptr);
    ASSERT_GE(i, 0);
    EXPECT_EQ(window_ext(engine).afx_get_afx_window_width(i), c.width);
    EXPECT_EQ(window_ext(engine).afx_get_afx_window_height(i), c.height);
    EXPECT_FLOAT_EQ(window_ext(engine).afx_get_scale_factor(i), c.scale);
    int w = 0, h = 0;
    x11_ext(engine).afx_get_SYS_window_size(xid(i), &w, &h);
    EXPECT_EQ(w, c.width);
    EXPECT_EQ(h, c.height);
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowSize,
                         ::testing::Values(size_case{1.0f, 144, 510}, size_case{1.25f, 180, 638},
                                           size_case{1.5f, 216, 765}, size_case{2.0f, 288, 1020}));

TEST_F(WindowTable, ReparentsIntoAHostWindowAndTrapsABogusOne)
{
    const Window host = XCreateSimpleWindow(peer, DefaultRootWindow(peer), 0, 0, 300, 600, 0, 0, 0);
    XSync(peer, False);
    const int i = x11_ext(engine).create_new_afx_window(0, 0, 144, 510, 1.0f, nullptr);
    EXPECT_EQ(x11_ext(engine).SYS_window_valid(host), 0);
    EXPECT_EQ(x11_ext(engine).reparent_afx_window_to_SYS_window(i, host), 0);
    EXPECT_EQ(parent_of(peer, xid(i)), host);

    const Window bogus = host + 0x1234;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(x11_ext(engine).reparent_afx_window_to_SYS_window(i, bogus), BadWindow);
    EXPECT_EQ(x11_ext(engine).SYS_window_valid(bogus), BadWindow);
    int w = -1, h = -1;
    x11_ext(engine).afx_get_SYS_window_size(bogus, &w, &h);
    x11_ext(engine).afx_SYS_window_resize(bogus, 10, 10);
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string line = "QELM-UI Engine: XErrorHandler trapped non-fatal X11 problem :(\n";
    EXPECT_EQ(out, line + line + line + line);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    // The engine's connection still works.
    EXPECT_EQ(window_ext(engine).destroy_afx_window(i), 0);
    XDestroyWindow(peer, host);
}

TEST_F(WindowTable, ChildOfAHostWindowOrNoWindowWhenTheHostIsGone)
{
    const Window host = XCreateSimpleWindow(peer, DefaultRootWindow(peer), 0, 0, 300, 600, 0, 0, 0);
    XSync(peer, False);
    const int before = root_children();
    const int i = window_ext(engine).create_child_afx_window(host, 0, 0, 144, 510, 1.0f, nullptr);
    ASSERT_GE(i, 0);
    EXPECT_EQ(parent_of(peer, xid(i)), host);
    EXPECT_EQ(root_children(), before);
    EXPECT_EQ(window_ext(engine).destroy_afx_window(i), 0);

    // A host window that no longer exists, or none at all: no slot and no
    // stray top-level window stay behind.
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(window_ext(engine).create_child_afx_window(host + 0x1234, 0, 0, 144, 510, 1.0f, nullptr), -1);
    EXPECT_EQ(window_ext(engine).create_child_afx_window(0, 0, 0, 144, 510, 1.0f, nullptr), -1);
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(window_ext(engine).check_all_windows_closed());
    EXPECT_EQ(root_children(), before);
    XDestroyWindow(peer, host);
}

TEST_F(WindowTable, InitialPositionCentresOnThePointerAndStaysOnScreen)
{
    XWarpPointer(peer, None, DefaultRootWindow(peer), 0, 0, 0, 0, 100, 50);
    XSync(peer, False);
    int x = 0, y = 0;
    ASSERT_TRUE(x11_ext(engine).find_initial_window_position(&x, &y, 640, 400, 1.0f));
    EXPECT_EQ(x, 0);   // 100 - 320 is negative
    EXPECT_EQ(y, 34);  // 50 - 32 / 2

    XWarpPointer(peer, None, DefaultRootWindow(peer), 0, 0, 0, 0, 1900, 1070);
    XSync(peer, False);
    x = y = 0;
    x11_ext(engine).find_initial_window_position(&x, &y, 640, 400, 1.0f);
    EXPECT_EQ(x, 1920 - 640);
    EXPECT_EQ(y, 1080 - 400);

    x = 7, y = 0;  // a given position is kept
    x11_ext(engine).find_initial_window_position(&x, &y, 640, 400, 1.0f);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 0);

    int cx, cy;
    x11_ext(engine).find_screen_centre(&cx, &cy);
    EXPECT_EQ(cx, 960);
    EXPECT_EQ(cy, 540);
}

TEST_F(WindowTable, HintsReachTheServer)
{
    const int i = x11_ext(engine).create_new_afx_window(0, 0, 144, 510, 1.0f, nullptr);
    window_ext(engine).set_afx_window_title(i, "VLT650");
    x11_ext(engine).set_afx_window_class("hollowfx-ui", i);
    x11_ext(engine).set_afx_window_size_policy(144, 510, 144, 510, 144, 510, 0, 0, i);
    x11_ext(engine).set_afx_window_type_wm_utility(i);
    sync_engine();

    char* name = nullptr;
    ASSERT_TRUE(XFetchName(peer, xid(i), &name));
    EXPECT_STREQ(name, "VLT650");
    XFree(name);
    XClassHint cls{};
    ASSERT_TRUE(XGetClassHint(peer, xid(i), &cls));
    EXPECT_STREQ(cls.res_name, "hollowfx-ui");
    EXPECT_STREQ(cls.res_class, "hollowfx-ui");
    XFree(cls.res_name);
    XFree(cls.res_class);
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(peer, xid(i), &hints, &supplied));
    EXPECT_EQ(hints.flags & (PMinSize | PMaxSize | PAspect | PPosition), PMinSize | PMaxSize | PAspect);
    EXPECT_EQ(hints.max_width, 144);
    EXPECT_EQ(hints.min_aspect.y, 510);
}

TEST(NoDisplay, EveryOperationFailsQuietly)
{
    AFX_engine engine;  // never connected
    EXPECT_EQ(x11_ext(engine).create_new_afx_window(0, 0, 10, 10, 1.0f, nullptr), -1);
    EXPECT_EQ(window_ext(engine).destroy_afx_window(0), 0);
    EXPECT_EQ(x11_ext(engine).reparent_afx_window_to_SYS_window(0, 1), 0);
    EXPECT_EQ(x11_ext(engine).SYS_window_valid(1), 0);
    EXPECT_EQ(engine.afx_pixmap_create_fixed(10, 10), nullptr);
    int w = 5, h = 5, v = -1, hz = -1;
    x11_ext(engine).afx_get_SYS_window_size(1, &w, &h);
    EXPECT_EQ(w + h, 0);
    EXPECT_EQ(window_ext(engine).get_dpi(&v, &hz), 0);
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(x11_ext(engine).find_initial_window_position(&w, &h, 10, 10, 1.0f));
    EXPECT_TRUE(window_ext(engine).check_all_windows_closed());
}

}  // namespace
