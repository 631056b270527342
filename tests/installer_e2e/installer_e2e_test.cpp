// The installer from end to end under a private X server, driven with
// xdotool as a real user would: as a throw-away non-root user with a
// password, installing the real plug-in library as root through the real
// sudo, or through a stand-in su bound over the system's one in a private
// mount namespace. Needs root (to make the user); skipped otherwise.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "clipboard_owner.h"
#include "e2e_support.h"
#include "xvfb_server.h"

namespace {

namespace fs = std::filesystem;
using e2e::InstallerRun;

const std::string kMainTitle = "^VLT650-VST V2.3.1 Installer$";
const std::string kSelectorTitle = "^Select your VST plugins folder$";
const std::string kLock = "/tmp/qelm-installer-lock";
// A folder name that breaks anything that splits or expands it.
const std::string kFolderName = "VST dir $(touch PWNED) 'q' \"; x";

// Window positions at scale 1 (the server runs at 96 dpi).
constexpr int kMainOkX = 300, kMainOkY = 366;
constexpr int kSelectorOkX = 48, kSelectorOkY = 376;
constexpr int kSelectorCancelX = 128;
constexpr int kListX = 18, kListY = 82;  // where the selector's list starts

constexpr int kFast = 10;  // percent of the fixed pauses in the test build

bool tool_present(const char* path) { return access(path, X_OK) == 0; }

// The private folders the payload is unpacked into, with whether one holds it.
std::vector<std::string> payload_folders(bool* holds_payload = nullptr) {
  std::vector<std::string> out;
  for (const std::string& n : e2e::installer_leftovers_in_tmp()) {
    if ("/tmp/" + n == kLock) continue;
    out.push_back(n);
    std::error_code ec;
    if (holds_payload && fs::exists("/tmp/" + n + "/qelm-installer-data.tar.gz", ec)) *holds_payload = true;
  }
  return out;
}

class InstallerEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "needs root: it makes a test user and checks files installed as root";
    for (const char* t : {"/usr/bin/xdotool", "/usr/sbin/useradd", "/usr/bin/sudo", "/usr/bin/unshare"})
      if (!tool_present(t)) GTEST_SKIP() << "needs " << t;
    ASSERT_TRUE(e2e::installer_leftovers_in_tmp().empty()) << "an installer's files are already in /tmp";
    xvfb = std::make_unique<XvfbServer>(XvfbServer::options{24, 1024, 768, 96});
    ASSERT_TRUE(xvfb->running());
    xdo = std::make_unique<e2e::Xdo>(xvfb->display_name());
    user = std::make_unique<e2e::TestUser>();
    ASSERT_TRUE(user->ok());

    std::string t = "/var/tmp/vlt-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(t.data()), nullptr);
    work = t;
    fs::permissions(work, fs::perms(0755));
    target = work + "/" + kFolderName;
    ASSERT_TRUE(fs::create_directory(target));
    fs::permissions(target, fs::perms(0755));
  }

  void TearDown() override {
    // A failed run may leave its lock behind; never one that is not the test user's.
    struct stat st {};
    if (user && lstat(kLock.c_str(), &st) == 0 && st.st_uid == user->uid()) unlink(kLock.c_str());
    std::error_code ec;
    if (!work.empty()) fs::remove_all(work, ec);
  }

  InstallerRun::options run_options(const std::string& program, int pause_percent) const {
    InstallerRun::options o;
    o.program = program;
    o.cwd = target;
    o.display = xvfb->display_name();
    o.user = user.get();
    o.pause_percent = pause_percent;
    return o;
  }

  std::string log_path(const char* name) const { return work + "/" + name + ".log"; }

  void type_password(const std::string& password, int timeout_ms) {
    const unsigned long w = xdo->wait_window(kMainTitle, timeout_ms);
    ASSERT_NE(w, 0u) << "no main window";
    ASSERT_TRUE(xdo->type(w, password));
    ASSERT_TRUE(xdo->key(w, "Return"));
  }

  // A quick run on the sudo road up to the open folder selector.
  void reach_selector_by_sudo(InstallerRun& run, const char* name, unsigned long* selector) {
    ASSERT_TRUE(user->grant_sudo());
    ASSERT_TRUE(run.start(run_options(INSTALLER_TEST_PROGRAM, kFast), log_path(name)));
    ASSERT_NO_FATAL_FAILURE(type_password(user->password(), 20000));
    *selector = xdo->wait_window(kSelectorTitle, 30000);
    ASSERT_NE(*selector, 0u) << run.log();
  }

  void choose_current_folder() {
    const unsigned long s = xdo->wait_window(kSelectorTitle, 30000);
    ASSERT_NE(s, 0u) << "no folder selector";
    ASSERT_TRUE(xdo->click(s, kSelectorOkX, kSelectorOkY));
  }

  // OK on the last screen ends the run with status 0; the button appears
  // just after the log line, so the click is repeated until it lands.
  void acknowledge_and_exit(InstallerRun& run, int timeout_ms) {
    const unsigned long w = xdo->wait_window(kMainTitle, 5000);
    ASSERT_NE(w, 0u);
    // The last screen waits for OK with the payload already gone.
    for (int i = 0; i < 20 && !payload_folders().empty(); ++i) usleep(100 * 1000);
    EXPECT_TRUE(payload_folders().empty()) << "the payload outlived the run's last screen";
    int status = -1;
    for (int i = 0; i < timeout_ms / 1000 && status == -1; ++i) {
      xdo->click(w, kMainOkX, kMainOkY);
      status = run.wait_exit(1000);
    }
    EXPECT_EQ(status, 0) << run.log();
  }

  void expect_installed_as_root() {
    const std::string lib = target + "/VLT650.so";
    struct stat st {};
    ASSERT_EQ(stat(lib.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_gid, 0u);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    // The library as the installer carries it, whatever dist/ holds by now.
    std::string carried;
    ASSERT_EQ(e2e::run({"tar", "-xOzf", PAYLOAD_ARCHIVE, "VLT650.so"}, "", &carried), 0);
    ASSERT_GT(carried.size(), 100000u);
    EXPECT_TRUE(e2e::read_file(lib) == carried) << "installed library differs";
    expect_no_injection();
  }

  void expect_no_injection() const {
    for (const std::string& d : {work, target, std::string("/"), std::string("/root")})
      EXPECT_FALSE(fs::exists(d + "/PWNED")) << "a shell ran part of the folder name in " << d;
  }

  void expect_nothing_left_in_tmp() const {
    EXPECT_TRUE(e2e::installer_leftovers_in_tmp().empty());
    std::error_code ec;
    for (const auto& e : fs::directory_iterator("/tmp", ec)) {
      struct stat st {};
      if (lstat(e.path().c_str(), &st) == 0) {
        EXPECT_NE(st.st_uid, user->uid()) << e.path() << " was left behind by the run";
      }
    }
  }

  std::unique_ptr<XvfbServer> xvfb;
  std::unique_ptr<e2e::Xdo> xdo;
  std::unique_ptr<e2e::TestUser> user;
  std::string work, target;
};

TEST(InstallerAsRoot, RefusesBeforeDoingAnything) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  const bool lock_before = fs::exists(kLock);
  std::string t = "/var/tmp/vlt-e2e-XXXXXX";
  ASSERT_NE(mkdtemp(t.data()), nullptr);
  InstallerRun run;
  InstallerRun::options o;
  o.program = INSTALLER_PROGRAM;
  ASSERT_TRUE(run.start(o, t + "/root.log"));
  EXPECT_EQ(run.wait_exit(10000), 255);
  const std::string log = run.log();
  EXPECT_NE(log.find("You appear to be running the installer as root.\n"
                     "Restart the installer as a normal user and you\n"
                     "will be prompted for your password when required.\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("QELM-UI"), std::string::npos) << "the engine was started";
  EXPECT_EQ(fs::exists(kLock), lock_before);
  fs::remove_all(t);
}

// The shipped program, at its real pace, through the machine's sudo.
TEST_F(InstallerEndToEnd, SudoRoadInstallsTheLibraryAsRoot) {
  ASSERT_TRUE(user->grant_sudo());
  InstallerRun run;
  ASSERT_TRUE(run.start(run_options(INSTALLER_PROGRAM, 100), log_path("sudo")));
  ASSERT_NO_FATAL_FAILURE(type_password(user->password(), 30000));
  ASSERT_TRUE(run.wait_for_log("Password OK", 60000)) << run.log();
  ASSERT_NO_FATAL_FAILURE(choose_current_folder());
  ASSERT_TRUE(run.wait_for_log("Installation Complete", 90000)) << run.log();
  ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));

  const std::string log = run.log();
  EXPECT_NE(log.find("Using 'sudo' for authentication"), std::string::npos);
  EXPECT_NE(log.find("Installing to - " + target + "\n"), std::string::npos) << log;
  EXPECT_EQ(log.find(user->password()), std::string::npos) << "the password reached the log";
  expect_installed_as_root();
  expect_nothing_left_in_tmp();
}

// A wrong password first, then the right one; the folder is reached by
// clicking it in the selector.
TEST_F(InstallerEndToEnd, SuRoadRetriesAfterAWrongPasswordAndInstallsAsRoot) {
  if (access("/usr/bin/su", F_OK) != 0) GTEST_SKIP() << "needs /usr/bin/su to bind the stand-in over";
  if (!e2e::private_mounts_allowed()) GTEST_SKIP() << "needs a private mount namespace for the su stand-in";
  const std::string stand_in = work + "/su";
  fs::copy_file(FAKE_SU_PROGRAM, stand_in);
  ASSERT_EQ(chown(stand_in.c_str(), 0, 0), 0);
  ASSERT_EQ(chmod(stand_in.c_str(), 04755), 0);
  {
    std::ofstream f(E2E_SU_PASSWORD_FILE, std::ios::trunc);
    f << user->password() << "\n";
  }
  ASSERT_EQ(chmod(E2E_SU_PASSWORD_FILE, 0600), 0);

  InstallerRun run;
  InstallerRun::options o = run_options(INSTALLER_TEST_PROGRAM, kFast);
  o.su_stand_in = stand_in;
  o.cwd = work;
  ASSERT_TRUE(run.start(o, log_path("su")));
  ASSERT_NO_FATAL_FAILURE(type_password("not the password", 20000));
  ASSERT_TRUE(run.wait_children_done(20000, 300)) << "the password was never checked\n" << run.log();
  EXPECT_EQ(run.log().find("Password OK"), std::string::npos);
  ASSERT_NO_FATAL_FAILURE(type_password(user->password(), 5000));
  ASSERT_TRUE(run.wait_for_log("Password OK", 20000)) << run.log();

  // The list holds ".", ".." and the target folder, one row of 16 pixels each.
  const unsigned long s = xdo->wait_window(kSelectorTitle, 20000);
  ASSERT_NE(s, 0u);
  ASSERT_TRUE(xdo->click(s, kListX + 60, kListY + 2 * 16 + 8));
  usleep(600 * 1000);  // two clicks in quick succession would make a double click
  ASSERT_TRUE(xdo->click(s, kSelectorOkX, kSelectorOkY));
  ASSERT_TRUE(run.wait_for_log("Installation Complete", 30000)) << run.log();
  ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));

  const std::string log = run.log();
  EXPECT_NE(log.find("Using 'su' for authentication"), std::string::npos) << log;
  EXPECT_NE(log.find("Installing to - " + target + "\n"), std::string::npos) << log;
  EXPECT_EQ(log.find(user->password()), std::string::npos) << "the password reached the log";
  expect_installed_as_root();
  expect_nothing_left_in_tmp();
  fs::remove(E2E_SU_PASSWORD_FILE);
}

// A lock that is not this run's keeps it out and stays; one this run made
// goes when it ends. A symlink planted as the lock is never followed.
TEST_F(InstallerEndToEnd, LockFileKeepsASecondRunOut) {
  const std::string planted = work + "/planted";
  { std::ofstream(planted) << "untouched"; }
  ASSERT_EQ(symlink(planted.c_str(), kLock.c_str()), 0);
  {
    InstallerRun refused;
    ASSERT_TRUE(refused.start(run_options(INSTALLER_TEST_PROGRAM, kFast), log_path("planted")));
    ASSERT_TRUE(refused.wait_for_log("could not start", 20000)) << refused.log();
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(refused, 20000));
  }
  struct stat st {};
  EXPECT_EQ(lstat(kLock.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode)) << "another's lock was removed or replaced";
  EXPECT_EQ(e2e::read_file(planted), "untouched");
  unlink(kLock.c_str());

  InstallerRun first, second;
  ASSERT_TRUE(first.start(run_options(INSTALLER_TEST_PROGRAM, kFast), log_path("first")));
  ASSERT_NE(xdo->wait_window(kMainTitle, 20000), 0u);
  ASSERT_EQ(lstat(kLock.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, user->uid());
  EXPECT_EQ(st.st_mode & 07777, 0600u);

  ASSERT_TRUE(second.start(run_options(INSTALLER_TEST_PROGRAM, kFast), log_path("second")));
  ASSERT_TRUE(second.wait_for_log("There appears to be another instance of the installer", 20000)) << second.log();
  second.send_signal(SIGTERM);
  EXPECT_EQ(second.wait_exit(10000), 0);
  EXPECT_TRUE(fs::exists(kLock)) << "the refused run removed the first run's lock";

  first.send_signal(SIGTERM);
  EXPECT_EQ(first.wait_exit(10000), 0);
  EXPECT_NE(first.log().find("Caught SIGTERM"), std::string::npos);
  EXPECT_FALSE(fs::exists(kLock));
  expect_nothing_left_in_tmp();
}

// SIGTERM while the payload sits unpacked in /tmp and the selector is open.
TEST_F(InstallerEndToEnd, SigtermWhileChoosingTheFolderInstallsNothing) {
  InstallerRun run;
  unsigned long selector = 0;
  ASSERT_NO_FATAL_FAILURE(reach_selector_by_sudo(run, "sigterm", &selector));

  bool payload_seen = false;
  EXPECT_EQ(payload_folders(&payload_seen).size(), 1u);
  EXPECT_TRUE(payload_seen) << "the payload was not unpacked into a private folder";

  run.send_signal(SIGTERM);
  EXPECT_EQ(run.wait_exit(10000), 0);
  EXPECT_NE(run.log().find("** INFO ** VLT650-VST V2.3.1 Installer: Caught SIGTERM\n"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(target));
  expect_nothing_left_in_tmp();
}

// The password pasted with the middle button, wrapped in control bytes a
// terminal or an editor may carry along: they are dropped, and what is left
// is the password.
TEST_F(InstallerEndToEnd, PastedPasswordLosesItsControlBytes) {
  ASSERT_TRUE(user->grant_sudo());
  ClipboardOwner clipboard(xvfb->display_name(), "\t" + user->password() + "\x1b\r\n");
  ASSERT_TRUE(clipboard.owns());
  InstallerRun run;
  ASSERT_TRUE(run.start(run_options(INSTALLER_TEST_PROGRAM, kFast), log_path("paste")));
  const unsigned long w = xdo->wait_window(kMainTitle, 20000);
  ASSERT_NE(w, 0u);
  ASSERT_TRUE(xdo->type(w, "typed first"));
  ASSERT_EQ(e2e::run({"xdotool", "click", "2"}, xvfb->display_name()), 0);  // over the entry
  for (int i = 0; i < 100 && clipboard.requests_answered() == 0; ++i) usleep(20000);
  ASSERT_EQ(clipboard.requests_answered(), 1);
  usleep(200 * 1000);
  ASSERT_TRUE(xdo->key(w, "Return"));
  ASSERT_NE(xdo->wait_window(kSelectorTitle, 30000), 0u) << "the pasted password was not accepted\n" << run.log();
  EXPECT_NE(run.log().find("Password OK"), std::string::npos);
  run.send_signal(SIGTERM);
  EXPECT_EQ(run.wait_exit(10000), 0);
  expect_nothing_left_in_tmp();
}

TEST_F(InstallerEndToEnd, CancellingTheSelectorInstallsNothing) {
  InstallerRun run;
  unsigned long selector = 0;
  ASSERT_NO_FATAL_FAILURE(reach_selector_by_sudo(run, "cancel", &selector));
  ASSERT_TRUE(xdo->click(selector, kSelectorCancelX, kSelectorOkY));
  ASSERT_TRUE(run.wait_for_log("Install cancelled by user.", 10000)) << run.log();
  ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));
  EXPECT_EQ(run.log().find("Copying Files"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(target));
  expect_nothing_left_in_tmp();
}

// Neither su nor sudo: the error screen stays its time, the run ends by
// itself, and no lock was made.
TEST_F(InstallerEndToEnd, WithoutSuOrSudoTheRunEndsOnItsOwn) {
  if (!e2e::private_mounts_allowed()) GTEST_SKIP() << "needs a private mount namespace to hide su and sudo";
  InstallerRun::options o = run_options(INSTALLER_TEST_PROGRAM, kFast);
  o.hide_programs = true;
  InstallerRun run;
  ASSERT_TRUE(run.start(o, log_path("nomethod")));
  ASSERT_NE(xdo->wait_window(kMainTitle, 20000), 0u) << run.log();
  EXPECT_FALSE(fs::exists(kLock));
  EXPECT_EQ(run.wait_exit(20000), 0) << run.log();
  EXPECT_EQ(run.log().find("for authentication"), std::string::npos);
  EXPECT_FALSE(fs::exists(kLock));
  expect_nothing_left_in_tmp();
}

}  // namespace
