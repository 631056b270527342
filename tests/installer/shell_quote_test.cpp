#include <gtest/gtest.h>

#include "installer_log.h"
#include "shell_quote.h"
#include "test_support.h"

namespace {

TEST(ShellQuote, ShellReadsBackExactlyTheText)
{
    const char* texts[] = {"",     "plain", "with blanks  two", "a$(touch X)b", "`id`",
                           "it's", "''",    "\"q\" \\ ;&|*?~",  "-n",           "trailing\\"};
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        const std::string out = test_support::run_output("printf '%s' " + shell_single_quote(t));
        EXPECT_EQ(out, t);
    }
}

TEST(ShellQuote, InstallFolderRules)
{
    const struct {
        const char* folder;
        bool ok;
    } cases[] = {
        {"/usr/lib/vst", true},  {"/home/a b/$(x);`y`'z'", true},
        {"/caf\xc3\xa9", true},  {"", false},
        {"relative/vst", false}, {"/a\nb", false},
        {"/a\tb", false},        {"/a\x1b[31m", false},
        {"/a\x7f", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(install_folder_is_acceptable(c.folder), c.ok) << c.folder;
}

// A name from outside stays one line of plain text in the log, and what
// was escaped can be told from what was typed.
TEST(LogSafe, ControlBytesAndBackslashesAreWrittenOut)
{
    const struct {
        const char* text;
        const char* logged;
    } cases[] = {
        {"/usr/lib/vst", "/usr/lib/vst"},
        {"/caf\xc3\xa9 $(x) 'q'", "/caf\xc3\xa9 $(x) 'q'"},
        {"/a\n** INFO ** forged", "/a\\x0A** INFO ** forged"},
        {"/a\r\x1b[2J\x07\x7f", "/a\\x0D\\x1B[2J\\x07\\x7F"},
        {"/a\\x0A", "/a\\\\x0A"},
        // C1 controls (CSI), separators and bidirectional controls, byte by byte.
        {"/a\xc2\x9b"
         "2Jb",
         "/a\\xC2\\x9B"
         "2Jb"},
        {"/a\xc2\x80\xc2\x9f\xc2\xa0", "/a\\xC2\\x80\\xC2\\x9F\xc2\xa0"},
        {"/x\xe2\x80\xaeos.so", "/x\\xE2\\x80\\xAEos.so"},
        {"/\xe2\x80\xa8\xe2\x80\xaa\xe2\x81\xa6\xe2\x81\xa9\xe2\x80\xa7\xe2\x81\xaa",
         "/\\xE2\\x80\\xA8\\xE2\\x80\\xAA\\xE2\\x81\\xA6\\xE2\\x81\\xA9\xe2\x80\xa7\xe2\x81\xaa"},
        // No UTF-8 at all: a lone C1 byte, a Latin-1 name, overlong and surrogate forms, a cut sequence.
        {"/\x9b"
         "31m",
         "/\\x9B"
         "31m"},
        {"/caf\xe9", "/caf\\xE9"},
        {"/\xc0\xaf\xed\xa0\x80", "/\\xC0\\xAF\\xED\\xA0\\x80"},
        {"/\xe2\x80", "/\\xE2\\x80"},
        {"/\xf0\x9f\x8e\xb9 ok", "/\xf0\x9f\x8e\xb9 ok"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(log_safe(c.text), c.logged) << c.text;
}

}  // namespace
