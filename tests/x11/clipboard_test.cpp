// Clipboard text through convert_AFX_clipboard_data and the selection
// callback, with the clipboard owned by another client.
#include "x11_test_env.h"  // gtest before Xlib
#include "clipboard_owner.h"

#include <mutex>
#include <optional>
#include <vector>

namespace {

// What the selection callbacks of a window received, null as nullopt.
struct Pastes {
    std::mutex m;
    std::vector<std::optional<std::string>> got;
    std::atomic<int> markers{0};

    size_t size()
    {
        std::lock_guard<std::mutex> g(m);
        return got.size();
    }
    std::optional<std::string> last()
    {
        std::lock_guard<std::mutex> g(m);
        return got.back();
    }
};

class Clipboard : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        start_loop();
    }

    int paste_window(bool mapped = true)
    {
        auto attach = [this](int i) {
            x11_ext(engine).register_selection_callback(i, [](unsigned char* data, int, void* u) {
                auto& p = *static_cast<Pastes*>(u);
                {
                    std::lock_guard<std::mutex> g(p.m);
                    p.got.push_back(data ? std::optional<std::string>(reinterpret_cast<char*>(data))
                                         : std::nullopt);
                }
                AFX_engine_x11::free_clipboard_data(data);
            });
            x11_ext(engine).register_client_message_callback(
                i, [](unsigned long, void* u) { ++static_cast<Pastes*>(u)->markers; });
        };
        if (mapped)
            return open_window(40, 20, 1.0f, &pastes, attach);
        const int i = x11_ext(engine).create_new_afx_window(0, 0, 40, 20, 1.0f, &pastes);
        attach(i);
        return i;
    }

    // Everything the server had for the window before this has been
    // dispatched once the marker comes back.
    void pass_marker(int i)
    {
        sync_engine();
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = xid(i);
        ev.xclient.format = 32;
        ev.xclient.message_type = XInternAtom(peer, "AFX_TEST_MARKER", False);
        const int before = pastes.markers;
        XSendEvent(peer, xid(i), False, NoEventMask, &ev);
        XSync(peer, False);
        ASSERT_TRUE(wait_until([&] { return pastes.markers > before; }));
    }

    std::optional<std::string> paste(int i)
    {
        const size_t before = pastes.size();
        x11_ext(engine).convert_AFX_clipboard_data(i);
        EXPECT_TRUE(wait_until([&] { return pastes.size() > before; }));
        return pastes.size() > before ? pastes.last() : std::optional<std::string>("(none)");
    }

    Pastes pastes;
};

TEST_F(Clipboard, EmptyClipboardGivesNoCallback)
{
    const int i = paste_window();
    ASSERT_EQ(XGetSelectionOwner(peer, XInternAtom(peer, "CLIPBOARD", False)), 0u);
    x11_ext(engine).convert_AFX_clipboard_data(i);
    pass_marker(i);
    EXPECT_EQ(pastes.size(), 0u);
}

struct owner_case {
    const char* name;
    const char* target;
    ClipboardOwner::answer how;
    std::optional<std::string> expected;
    friend void PrintTo(const owner_case& c, std::ostream* os) { *os << c.name; }
};

class ClipboardOwners : public Clipboard, public ::testing::WithParamInterface<owner_case> {};

TEST_P(ClipboardOwners, PasteDeliversStringTextOnly)
{
    const owner_case& c = GetParam();
    const int i = paste_window();
    ClipboardOwner owner(c.target, "peer text \xe9", c.how);
    ASSERT_TRUE(owner.owns());
    EXPECT_EQ(paste(i), c.expected);
    EXPECT_EQ(owner.requests(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ClipboardOwners,
    ::testing::Values(
        owner_case{"String", "STRING", ClipboardOwner::answer::offered_target_only,
                   std::string("peer text \xe9")},
        owner_case{"Utf8Only", "UTF8_STRING", ClipboardOwner::answer::offered_target_only, std::nullopt},
        owner_case{"Utf8Anyway", "UTF8_STRING", ClipboardOwner::answer::always_offered_type, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Clipboard, RefusedConversionDoesNotRepeatTheLastPaste)
{
    const int i = paste_window();
    {
        ClipboardOwner owner("STRING", "secret");
        ASSERT_EQ(paste(i), std::optional<std::string>("secret"));
    }
    ClipboardOwner refuser("UTF8_STRING", "other");
    ASSERT_TRUE(refuser.owns());
    EXPECT_EQ(paste(i), std::nullopt);
}

TEST_F(Clipboard, PasteIntoAnUnmappedWindowSurvivesTheFocusError)
{
    const int i = paste_window(false);
    ClipboardOwner owner("STRING", "text");
    ::testing::internal::CaptureStdout();
    const auto got = paste(i);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(got, std::optional<std::string>("text"));
}

}  // namespace
