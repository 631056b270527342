// The digest the installer hands to root: the standard's own examples, and
// sha256sum's answer for every tail length around the block edges.
#include <gtest/gtest.h>

#include <string>

#include "payload_data.h"
#include "sha256.h"
#include "test_support.h"

namespace {

TEST(Sha256, StandardExamples)
{
    const struct {
        std::string text;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sha256_hex(c.text.data(), c.text.size()), c.digest) << c.text;
}

TEST(Sha256, AgreesWithSha256sumAcrossBlockEdges)
{
    test_support::TempDir dir;
    std::string text;
    for (size_t len = 0; len <= 130; ++len) {
        SCOPED_TRACE(len);
        std::ofstream(dir / "t", std::ios::binary) << text;
        const std::string want = test_support::run_output("sha256sum '" + dir / "t" + "'").substr(0, 64);
        EXPECT_EQ(sha256_hex(text.data(), text.size()), want);
        text += static_cast<char>('a' + len % 26 + (len % 7 == 0 ? 128 : 0));
    }
    const std::string archive = test_support::run_output("sha256sum '" FIXTURE_ARCHIVE "'").substr(0, 64);
    EXPECT_EQ(sha256_hex(qelm_payload_data, qelm_payload_size), archive);
}

}  // namespace
