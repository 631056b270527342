#include <gtest/gtest.h>

#include "nat_string_compare.h"

namespace {

struct nat_case {
    const char* a;
    const char* b;
    int plain;   // strnatcmp
    int folded;  // strnatcasecmp
};

const nat_case kCases[] = {
    {"file9", "file10", -1, -1},
    {"file10", "file9", +1, +1},
    {"file010", "file9", -1, -1},  // a leading zero compares as a fraction
    {"x.05", "x.5", -1, -1},
    {"x.5", "x.05", +1, +1},
    {" abc", "abc", 0, 0},
    {"a b", "ab", 0, 0},
    {"a\t\nb ", "ab", 0, 0},
    {"abc", "abd", -1, -1},
    {"Abc", "abc", -1, 0},
    {"123", "123", 0, 0},
    {"", "", 0, 0},
    {"", "a", -1, -1},
    {"a", "", +1, +1},
    {"\x80zz", "azz", -1, -1},  // bytes from 0x80 count as negative
    {"b\xc3\xa9", "ba", -1, -1},
    {"v2.10", "v2.9", +1, +1},
    {"track007", "track7", -1, -1},
    {"img12b", "img12a", +1, +1},
    {"00", "0", +1, +1},
    {"a1b2c3", "a1b2c3", 0, 0},
    {"99999999999999999999", "100000000000000000000", -1, -1},  // no overflow
};

TEST(NatStringCompare, CasesInBothDirections)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string("'") + c.a + "' vs '" + c.b + "'");
        EXPECT_EQ(strnatcmp(c.a, c.b), c.plain);
        EXPECT_EQ(strnatcmp(c.b, c.a), -c.plain);
        EXPECT_EQ(strnatcasecmp(c.a, c.b), c.folded);
        EXPECT_EQ(strnatcmp0(c.a, c.b, 1), c.folded);
    }
}

}  // namespace
