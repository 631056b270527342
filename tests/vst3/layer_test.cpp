// The VST3 layer: identifier table and byte order, text conversion, and
// the base classes' reference counting and connections.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>

#include "host_objects.h"
#include "ivstcomponent.h"
#include "ivsteditcontroller.h"
#include "ivstmessage.h"
#include "vst3_strings.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

struct Entry {
    const char* name;
    UidWords words;
};
#define VST3_IID_ENTRY(n, a, b, c, d) {#n, {a, b, c, d}},
const Entry kTable[] = {VST3_INTERFACE_TABLE(VST3_IID_ENTRY)};
#undef VST3_IID_ENTRY

TEST(Vst3Identifiers, AreDistinctAndReadBackAsTheirWords)
{
    std::set<std::string> seen;
    for (const Entry& e : kTable) {
        const UidBytes b = inline_uid(e.words);
        EXPECT_TRUE(seen.insert(std::string(b.data, 16)).second) << e.name;
        const UidWords back = uid_words(b);
        EXPECT_EQ(back.l1, e.words.l1) << e.name;
        EXPECT_EQ(back.l2, e.words.l2) << e.name;
        EXPECT_EQ(back.l3, e.words.l3) << e.name;
        EXPECT_EQ(back.l4, e.words.l4) << e.name;
    }
}

// The IComponent identifier as this build's hosts write it out: Linux and
// macOS keep the four words big-endian, Windows uses COM order (the first
// word and the two halves of the second little-endian).
#if defined(_WIN32)
const unsigned char kComponentIidBytes[16] = {0x31, 0xFF, 0x31, 0xE8, 0xD5, 0xF2, 0x01, 0x43,
                                              0x92, 0x8E, 0xBB, 0xEE, 0x25, 0x69, 0x78, 0x02};
#else
const unsigned char kComponentIidBytes[16] = {0xE8, 0x31, 0xFF, 0x31, 0xF2, 0xD5, 0x43, 0x01,
                                              0x92, 0x8E, 0xBB, 0xEE, 0x25, 0x69, 0x78, 0x02};
#endif

TEST(Vst3Identifiers, ByteOrderIsThePlatformHostsOrder)
{
    EXPECT_EQ(std::memcmp(IComponent::iid.data, kComponentIidBytes, 16), 0);
    // FUnknown reads the same in both orders.
    const unsigned char funknown[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    EXPECT_EQ(std::memcmp(FUnknown::iid.data, funknown, 16), 0);
}

TEST(Vst3ResultCodes, AreThePlatformHostsValues)
{
    // Windows hosts read COM HRESULTs; the others read small numbers.
    struct Case {
        tresult code;
        long long windows, others;
    };
    const Case cases[] = {
        {kNoInterface, 0x80004002LL, -1},
        {kResultOk, 0, 0},
        {kResultFalse, 1, 1},
        {kInvalidArgument, 0x80070057LL, 2},
        {kNotImplemented, 0x80004001LL, 3},
        {kInternalError, 0x80004005LL, 4},
        {kNotInitialized, 0x8000FFFFLL, 5},
    };
    for (const Case& c : cases) {
#if defined(_WIN32)
        EXPECT_EQ(static_cast<uint32_t>(c.code), static_cast<uint32_t>(c.windows));
#else
        EXPECT_EQ(c.code, c.others);
#endif
    }
}

TEST(Vst3Identifiers, FuidComparesBytes)
{
    const FUID a(0xE477F0F0, 0x31324EF4, 0xA25DF3B5, 0xE3370377);
    EXPECT_TRUE(a == FUID::fromTUID(a.toTUID()));
    EXPECT_FALSE(a == FUID(0xE477F0F0, 0x31324EF4, 0xA25DF3B5, 0xE3370378));
    EXPECT_TRUE(a.isValid());
    EXPECT_FALSE(FUID().isValid());
}

TEST(Vst3Strings, RoundTripAndCutWithoutSplittingACharacter)
{
    struct Case {
        const char* in;
        std::size_t utf16Capacity;
        std::size_t utf8Capacity;
        const char* out;
    };
    const Case cases[] = {
        {"In Gain", 128, 64, "In Gain"},
        {"caf\xC3\xA9 \xF0\x9F\x8E\x9B", 128, 64,
         "caf\xC3\xA9 \xF0\x9F\x8E\x9B"},                 // BMP and a surrogate pair
        {"abcdef", 4, 64, "abc"},                         // UTF-16 side full
        {"\xC3\xA9\xC3\xA9", 128, 4, "\xC3\xA9"},         // UTF-8 side full
        {"bad \xFF byte", 128, 64, "bad \xC3\xBF byte"},  // malformed kept as Latin-1
    };
    for (const Case& c : cases) {
        TChar wide[128];
        char narrow[64];
        utf8_to_utf16(c.in, wide, c.utf16Capacity);
        utf16_to_utf8(wide, narrow, c.utf8Capacity);
        EXPECT_STREQ(narrow, c.out) << c.in;
    }
}

TEST(Vst3Strings, CopyFieldCutsAndPads)
{
    char field[8];
    std::memset(field, 'x', sizeof(field));
    copy_field(field, "Fx|Dynamics", sizeof(field));
    EXPECT_EQ(std::string(field, 8), std::string("Fx|Dyna\0", 8));
    copy_field(field, "ab", sizeof(field));
    EXPECT_EQ(std::string(field, 8), std::string("ab\0\0\0\0\0\0", 8));
}

TEST(Vst3HostObjects, StreamReportsShortReadsUnlessItLies)
{
    auto* s = new vst3host::MemoryStream({1, 2});
    char buf[4];
    int32 got = -1;
    EXPECT_EQ(s->read(buf, 4, &got), kResultOk);
    EXPECT_EQ(got, 2);
    EXPECT_EQ(s->read(buf, 4, &got), kResultFalse);
    s->lieOnShortRead = true;
    EXPECT_EQ(s->read(buf, 4, &got), kResultOk);
    EXPECT_EQ(got, 0);
    s->release();
}

}  // namespace
