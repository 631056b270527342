// su and sudo roads against our stand-in programs: every exchange ends in
// its deadline, is decided by exit status, and never shows the password.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "installer_log.h"
#include "priv_commands.h"
#include "test_support.h"

namespace {

using test_support::TempDir;
namespace fs = std::filesystem;

const char* kPassword = "Pw 4711 $(x)'\"";

enum class road { su, sudo };

class PrivCommandsTest : public ::testing::TestWithParam<road> {
 protected:
  void SetUp() override {
    setenv("FAKE_AUTH_PASSWORD", kPassword, 1);
    setenv("FAKE_AUTH_RECORD", record_path().c_str(), 1);
    setenv("FAKE_AUTH_MODE", "normal", 1);
    cmds.set_su_path(FAKE_SU_PATH);
    cmds.set_sudo_path(FAKE_SUDO_PATH);
    ASSERT_TRUE(cmds.find_tar());
    cmds.timings = {1500, 500, 1500, 5000, 800, 200, 0};
  }

  std::string record_path() const { return dir / "record"; }
  static void mode(const char* m) { setenv("FAKE_AUTH_MODE", m, 1); }
  bool sudo() const { return GetParam() == road::sudo; }

  bool check(const char* typed) { return sudo() ? cmds.sudo_check_password(typed) : cmds.su_check_password(typed); }
  int install(const std::string& folder, const char* typed) {
    return sudo() ? cmds.sudo_install(folder.c_str(), FIXTURE_ARCHIVE, typed)
                  : cmds.su_install(folder.c_str(), FIXTURE_ARCHIVE, typed);
  }

  // The password reached the program through the terminal only.
  void expect_password_kept_out(const std::string& log) {
    EXPECT_EQ(test_support::read_file(record_path()).find(kPassword), std::string::npos);
    EXPECT_EQ(log.find(kPassword), std::string::npos);
  }

  TempDir dir;
  std::atomic<int> abort_flag{0};
  CPrivCommands cmds{&abort_flag};
};

struct exchange_case {
  const char* mode;
  bool right_password;
  bool accepted;
  double max_seconds;
  bool sudo_only;
};

// Deadlines above are 1.5 s (prompt, answer) plus 0.2 s per ending step;
// the bounds leave room for a loaded machine, an endless wait fails them.
const exchange_case kExchanges[] = {
    {"normal", true, true, 3.0, false},
    {"normal", false, false, 3.0, false},
    {"translated", true, true, 3.0, false},
    {"translated", false, false, 3.0, false},
    {"slow", true, true, 4.0, false},       // prompt after 0.8 s
    {"echo_late", true, true, 3.0, false},  // typed-ahead input would be flushed
    {"echo_on", true, true, 3.0, false},
    {"signal", true, false, 3.0, false},  // killed after the password: no exit 0
    {"silent", true, false, 5.0, false},  // never asks
    {"hang", true, false, 5.0, false},    // never ends
    {"no_prompt", true, true, 3.0, true}, // sudo that does not ask
};

TEST_P(PrivCommandsTest, PasswordCheckIsDecidedInTimeWithoutLeaking) {
  for (const auto& c : kExchanges) {
    if (c.sudo_only && !sudo()) continue;
    SCOPED_TRACE(std::string(c.mode) + (c.right_password ? " right" : " wrong"));
    mode(c.mode);
    testing::internal::CaptureStdout();
    const auto t0 = test_support::now();
    const bool ok = check(c.right_password ? kPassword : "not it");
    const double took = test_support::seconds_since(t0);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(ok, c.accepted);
    EXPECT_LT(took, c.max_seconds);
    expect_password_kept_out(log);
  }
}

TEST_P(PrivCommandsTest, InstallKeepsAFolderWithBlanksAndShellCharactersWhole) {
  const std::string folder = dir / "VST plug-ins $(touch PWNED) `touch PWNED2` 'q' \"d\";e&f|g";
  ASSERT_TRUE(fs::create_directory(folder));
  testing::internal::CaptureStdout();
  EXPECT_EQ(install(folder, kPassword), 0);
  expect_password_kept_out(testing::internal::GetCapturedStdout());

  EXPECT_TRUE(test_support::read_file(folder + "/VLT650.so") == test_support::read_file(FIXTURE_LIBRARY));
  EXPECT_EQ(fs::status(folder + "/VLT650.so").permissions(), fs::perms(0644));
  for (const auto& d : {dir.path(), folder, fs::current_path().string()})
    for (const char* n : {"PWNED", "PWNED2"}) EXPECT_FALSE(fs::exists(d + "/" + n)) << d << "/" << n;
}

struct install_failure {
  const char* what;
  const char* mode;
  const char* folder;  // relative to the test folder; "\n" marks a control character
  bool right_password;
  bool spawns;
};

const install_failure kInstallFailures[] = {
    {"wrong password", "normal", "target", false, true},
    {"signal death", "signal", "target", true, true},
    {"tar cannot write", "normal", "missing/target", true, true},
    {"control character", "normal", "tar\nget", true, false},
    {"escape character", "normal", "tar\x1b[2Jget", true, false},
};

TEST_P(PrivCommandsTest, InstallFailuresReadAsFailures) {
  ASSERT_TRUE(fs::create_directory(dir / "target"));
  for (const auto& f : kInstallFailures) {
    SCOPED_TRACE(f.what);
    fs::remove(record_path());
    mode(f.mode);
    testing::internal::CaptureStdout();
    EXPECT_EQ(install(dir / f.folder, f.right_password ? kPassword : "nope"), 1);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(fs::exists(record_path()), f.spawns);
    EXPECT_FALSE(fs::exists(dir / "target/VLT650.so"));
  }
  EXPECT_EQ(install("relative/folder", kPassword), 1);
}

TEST_P(PrivCommandsTest, AbortDuringTheSettleWaitEndsItAtOnce) {
  ASSERT_TRUE(fs::create_directory(dir / "target"));
  cmds.timings.settle_ms = 5000;
  std::thread aborter([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    abort_flag = 1;
  });
  const auto t0 = test_support::now();
  testing::internal::CaptureStdout();
  const int r = install(dir / "target", kPassword);
  testing::internal::GetCapturedStdout();
  aborter.join();
  EXPECT_EQ(r, 1);
  EXPECT_LT(test_support::seconds_since(t0), 2.0);
}

INSTANTIATE_TEST_SUITE_P(Roads, PrivCommandsTest, ::testing::Values(road::su, road::sudo),
                         [](const auto& info) { return info.param == road::su ? "su" : "sudo"; });

class SudoProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("FAKE_AUTH_RECORD", (dir / "record").c_str(), 1);
    cmds.timings.probe_ms = 800;
    cmds.timings.kill_grace_ms = 200;
  }
  TempDir dir;
  CPrivCommands cmds;
};

TEST_F(SudoProbeTest, ProbeNeverWaitsForInput) {
  const struct {
    const char* mode;
    bool usable;
  } cases[] = {{"normal", true}, {"probe_deny", false}, {"probe_hang", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    setenv("FAKE_AUTH_MODE", c.mode, 1);
    testing::internal::CaptureStdout();
    const auto t0 = test_support::now();
    EXPECT_EQ(cmds.find_sudo({dir / "no-sudo-here", FAKE_SUDO_PATH}), c.usable);
    EXPECT_LT(test_support::seconds_since(t0), 2.0);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(log.find("Using 'sudo'") != std::string::npos, c.usable);
    EXPECT_EQ(cmds.sudo_path(), FAKE_SUDO_PATH);
  }
  EXPECT_NE(test_support::read_file(dir / "record").find("argv -n\n"), std::string::npos);
}

TEST_F(SudoProbeTest, FindTakesTheFirstProgramThatExists) {
  testing::internal::CaptureStdout();
  EXPECT_FALSE(cmds.find_su({dir / "a", dir / "b"}));
  EXPECT_TRUE(cmds.find_su({dir / "a", FAKE_SU_PATH, FAKE_SUDO_PATH}));
  EXPECT_FALSE(cmds.find_sudo({dir / "a"}));
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(cmds.su_path(), FAKE_SU_PATH);
  EXPECT_NE(log.find("Using 'su' for authentication"), std::string::npos);
}

}  // namespace
