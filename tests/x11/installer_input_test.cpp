// The installer build of the engine: locale from the environment, an X input
// method, multibyte key text, and the lines it prints. This executable runs in
// a UTF-8 locale with a compose table of its own.
#include "x11_test_env.h"  // gtest before Xlib
#include "key_input.h"

#include "afx/core/afx_font_engine.h"

#include <X11/keysym.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// One compose sequence whose result has no keysym of its own.
constexpr const char* kComposeTable = "<Multi_key> <x> <y> : \"ok\"\n";

class InstallerSession : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("LC_ALL", "C.UTF-8", 1);
        unsetenv("XMODIFIERS");
        char path[] = "/tmp/afx-compose-XXXXXX";
        const int fd = mkstemp(path);
        ASSERT_GE(fd, 0);
        const ssize_t n = write(fd, kComposeTable, strlen(kComposeTable));
        close(fd);
        ASSERT_EQ(n, static_cast<ssize_t>(strlen(kComposeTable)));
        compose_ = path;
        setenv("XCOMPOSEFILE", path, 1);
        map_keysyms({XK_a, XK_x, XK_y, XK_Shift_L, XK_eacute, XK_Multi_key});
    }
    void TearDown() override { unlink(compose_.c_str()); }

private:
    std::string compose_;
};

[[maybe_unused]] ::testing::Environment* const g_session =
    ::testing::AddGlobalTestEnvironment(new InstallerSession);

class InstallerKeys : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        start_loop();
        window = open_window(40, 20, 1.0f, &log, [this](int w) { log.attach(engine, w); });
    }
    void type(const std::vector<KeySym>& syms, size_t presses)
    {
        type_keys(peer, xid(window), syms);
        ASSERT_TRUE(wait_until([&] { return log.presses().size() >= presses; }));
    }
    KeyLog log;
    int window = -1;
};

TEST_F(InstallerKeys, TwoByteCharacterThenOneByteCharacter)
{
    type({XK_eacute, XK_a}, 2);
    EXPECT_EQ(log.presses(), (std::vector<key_event>{pressed("\xc3\xa9", XK_eacute), pressed("a", XK_a)}));
}

TEST_F(InstallerKeys, ShiftGivesEmptyTextAndReleaseGivesNullText)
{
    type({XK_Shift_L}, 1);
    ASSERT_TRUE(wait_until([&] { return log.size() >= 2; }));
    EXPECT_EQ(log.events(), (std::vector<key_event>{pressed("", XK_Shift_L), released(XK_Shift_L)}));
}

// The input method swallows the sequence's keys and hands over its text
// without a keysym; that text must still reach the window.
TEST_F(InstallerKeys, ComposedTextWithoutKeysymArrives)
{
    type({XK_Shift_L}, 1);  // the first press gives the window's context the focus
    type({XK_Multi_key, XK_x, XK_y, XK_a}, 3);
    EXPECT_EQ(log.presses(),
              (std::vector<key_event>{pressed("", XK_Shift_L), pressed("ok", NoSymbol), pressed("a", XK_a)}));
}

TEST_F(InstallerKeys, WindowsKeepTheirOwnContexts)
{
    KeyLog second;
    const int other = open_window(40, 20, 1.0f, &second, [&](int w) { second.attach(engine, w); });
    type({XK_eacute}, 1);
    type_keys(peer, xid(other), {XK_a});
    ASSERT_TRUE(wait_until([&] { return !second.presses().empty(); }));
    window_ext(engine).destroy_afx_window(other);
    type({XK_a}, 2);
    EXPECT_EQ(log.presses(), (std::vector<key_event>{pressed("\xc3\xa9", XK_eacute), pressed("a", XK_a)}));
    EXPECT_EQ(second.presses(), (std::vector<key_event>{pressed("a", XK_a)}));
}

// Without an input method the installer still types, through the plain
// lookup, and closing has no input method to announce.
TEST_F(InstallerKeys, NoInputMethodFallsBackToThePlainLookup)
{
    setenv("XMODIFIERS", "@im=afx-test-none", 1);
    AFX_engine lone;  // reads the modifiers when it is made
    unsetenv("XMODIFIERS");
    ::testing::internal::CaptureStdout();
    const bool opened = x11_ext(lone).open_display_connection();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "** QELM-UI Engine: Could not open Input Method (XIM)\n");
    ASSERT_TRUE(opened);
    std::thread run([&] { x11_ext(lone).run_engine(); });
    KeyLog lone_log;
    const int i = x11_ext(lone).create_new_afx_window(0, 0, 40, 20, 1.0f, &lone_log);
    lone_log.attach(lone, i);
    x11_ext(lone).select_afx_input_events(i);
    window_ext(lone).show_afx_window(i);
    const Window w = window_ext(lone).get_SYS_window_idx_for_afx_window(i);
    ASSERT_TRUE(wait_until([&] {
        XWindowAttributes a{};
        XGetWindowAttributes(peer, w, &a);
        return a.map_state == IsViewable;
    }));
    type_keys(peer, w, {XK_eacute});
    EXPECT_TRUE(wait_until([&] { return !lone_log.presses().empty(); }));
    ::testing::internal::CaptureStdout();
    x11_ext(lone).close_display_connection();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "QELM-UI Engine: XClose\n");
    run.join();
    EXPECT_EQ(lone_log.presses(), (std::vector<key_event>{pressed("\xc3\xa9", XK_eacute)}));
}

class InstallerClose : public EngineTest, public ::testing::WithParamInterface<bool> {};

TEST_P(InstallerClose, InputMethodLineComesBeforeTheCloseLine)
{
    if (GetParam())
        start_loop();
    open_window(40, 20);
    ::testing::internal::CaptureStdout();
    x11_ext(engine).close_display_connection();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "QELM-UI Engine: Closing Input Method (XIM)\nQELM-UI Engine: XClose\n");
    EXPECT_TRUE(window_ext(engine).check_all_windows_closed());
}

INSTANTIATE_TEST_SUITE_P(Loop, InstallerClose, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Running" : "Stopped"; });

struct locale_case {
    const char* name;
    const char* locale;
    const char* printed;
    friend void PrintTo(const locale_case& c, std::ostream* os) { *os << c.name; }
};

class InstallerLocale : public ::testing::TestWithParam<locale_case> {
protected:
    void TearDown() override
    {
        setenv("LC_ALL", "C.UTF-8", 1);
        std::setlocale(LC_ALL, "");
    }
};

TEST_P(InstallerLocale, EngineTakesTheLocaleFromTheEnvironment)
{
    const locale_case& c = GetParam();
    setenv("LC_ALL", c.locale, 1);
    std::setlocale(LC_ALL, "C");
    ::testing::internal::CaptureStdout();
    {
        AFX_engine e;
    }
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.printed);
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), *c.printed ? "C" : c.locale);
}

INSTANTIATE_TEST_SUITE_P(Locales, InstallerLocale,
                         ::testing::Values(locale_case{"Utf8", "C.UTF-8", ""},
                                           locale_case{"Missing", "xx_XX.NOPE",
                                                       "** QELM-UI Engine: cannot set locale\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InstallerFont, UsesUtf8TextInAUtf8LocaleAndSaysSo)
{
    AFX_engine engine;  // sets the locale the font engine reads
    ::testing::internal::CaptureStdout();
    AFX_font_engine font(&engine);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "\nQELM-UI: UI text - Using UTF-8 encoding\n");
    EXPECT_TRUE(font.get_utf8());
}

class InstallerWindows : public EngineTest {};

// Other clients cannot drive a drag in the installer by sending it motion.
TEST_F(InstallerWindows, MotionSentByAnotherClientIsIgnored)
{
    start_loop();
    static std::atomic<int> moves, markers;
    moves = 0;
    markers = 0;
    const int i = open_window(40, 20, 1.0f, nullptr, [this](int w) {
        window_ext(engine).register_motion_notify_callback(w, [](int, int, int, void*) { ++moves; });
        x11_ext(engine).register_client_message_callback(w, [](unsigned long, void*) { ++markers; });
    });
    XEvent motion{};
    motion.xmotion.type = MotionNotify;
    motion.xmotion.window = xid(i);
    motion.xmotion.x = 5;
    motion.xmotion.y = 5;
    XSendEvent(peer, xid(i), False, NoEventMask, &motion);
    XEvent marker{};
    marker.xclient.type = ClientMessage;
    marker.xclient.window = xid(i);
    marker.xclient.format = 32;
    XSendEvent(peer, xid(i), False, NoEventMask, &marker);
    XSync(peer, False);
    ASSERT_TRUE(wait_until([] { return markers > 0; }));
    EXPECT_EQ(moves, 0);
}

TEST_F(InstallerWindows, WhiteBackgroundWindowShowsWhite)
{
    const int i = x11_ext(engine).create_new_afx_window(0, 0, 30, 30, 1.0f, true, nullptr);
    x11_ext(engine).select_afx_input_events(i);
    window_ext(engine).show_afx_window(i);
    sync_engine();
    const unsigned long white = WhitePixel(peer, DefaultScreen(peer));
    EXPECT_TRUE(wait_until([&] { return screen_pixel(i, 15, 15) == white; }));
}

}  // namespace
