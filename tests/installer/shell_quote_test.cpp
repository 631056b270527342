#include <gtest/gtest.h>

#include "shell_quote.h"
#include "test_support.h"

namespace {

TEST(ShellQuote, ShellReadsBackExactlyTheText) {
  const char* texts[] = {"", "plain", "with blanks  two", "a$(touch X)b", "`id`", "it's", "''", "\"q\" \\ ;&|*?~",
                         "-n", "trailing\\"};
  for (const char* t : texts) {
    SCOPED_TRACE(t);
    const std::string out = test_support::run_output("printf '%s' " + shell_single_quote(t));
    EXPECT_EQ(out, t);
  }
}

TEST(ShellQuote, InstallFolderRules) {
  const struct {
    const char* folder;
    bool ok;
  } cases[] = {
      {"/usr/lib/vst", true},          {"/home/a b/$(x);`y`'z'", true}, {"/caf\xc3\xa9", true},
      {"", false},                     {"relative/vst", false},         {"/a\nb", false},
      {"/a\tb", false},                {"/a\x1b[31m", false},           {"/a\x7f", false},
  };
  for (const auto& c : cases) EXPECT_EQ(install_folder_is_acceptable(c.folder), c.ok) << c.folder;
}

}  // namespace
