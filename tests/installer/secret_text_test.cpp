#include <gtest/gtest.h>

#include <string>

#include "secret_text.h"

namespace {

TEST(SecretText, SnapshotKeepsPrintableBytesOnly)
{
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"hunter2", "hunter2"},
        {"a\rb\nc\td\x1b"
         "e\x7f"
         "f",
         "abcdef"},
        {"caf\xc3\xa9 ok", "caf\xc3\xa9 ok"},
        {"\x01\x02", ""},
        {"", ""},
    };
    CSecretText s;
    for (const auto& c : cases) {
        s.assign_filtered(c.typed);
        EXPECT_STREQ(s.c_str(), c.kept);
    }
}

TEST(SecretText, StaysTerminatedWhenTheTextDoesNotFit)
{
    const std::string big(5000, 'x');
    CSecretText s;
    s.assign_filtered(big.c_str());
    EXPECT_EQ(std::string(s.c_str()).size(), CSecretText::kCapacity - 1);

    char buf[8] = "abc";
    EXPECT_EQ(append_printable(buf, sizeof buf, "de\nfghij"), 7u);
    EXPECT_STREQ(buf, "abcdefg");
}

TEST(SecretText, WipeLeavesNoByteOfIt)
{
    CSecretText s;
    s.assign_filtered("topsecret");
    s.wipe();
    EXPECT_TRUE(s.empty());
    const char* p = s.c_str();
    for (size_t i = 0; i < CSecretText::kCapacity; ++i)
        ASSERT_EQ(p[i], 0) << i;
}

}  // namespace
