// Key text of the plug-in build: the plain lookup, Latin-1 bytes, no input
// method.
#include "x11_test_env.h"  // gtest before Xlib
#include "key_input.h"

#include <X11/keysym.h>

namespace {

struct key_case {
    const char* name;
    KeySym sym;
    std::string text;
    friend void PrintTo(const key_case& c, std::ostream* os) { *os << c.name; }
};

class PlainKeyText : public EngineTest, public ::testing::WithParamInterface<key_case> {
protected:
    static void SetUpTestSuite() { map_keysyms({XK_a, XK_Shift_L, XK_eacute}); }
    void SetUp() override
    {
        EngineTest::SetUp();
        start_loop();
    }
    KeyLog log;
};

TEST_P(PlainKeyText, PressGivesTextAndKeysymReleaseGivesNullText)
{
    const key_case& c = GetParam();
    const int i = open_window(40, 20, 1.0f, &log, [this](int w) { log.attach(engine, w); });
    type_keys(peer, xid(i), {c.sym});
    ASSERT_TRUE(wait_until([&] { return log.size() >= 2; }));
    const auto sym = static_cast<uint32_t>(c.sym);
    EXPECT_EQ(log.events(), (std::vector<key_event>{pressed(c.text, sym), released(sym)}));
}

INSTANTIATE_TEST_SUITE_P(Keys, PlainKeyText,
                         ::testing::Values(key_case{"Letter", XK_a, "a"}, key_case{"Shift", XK_Shift_L, ""},
                                           key_case{"Latin1Byte", XK_eacute, "\xe9"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
