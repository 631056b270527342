// The installer from end to end under a private X server, driven with
// xdotool as a real user would: as a throw-away non-root user with a
// password, installing the real plug-in library as root through the real
// sudo, or through a stand-in su bound over the system's one in a private
// mount namespace. Needs root (to make the user); skipped otherwise.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "clipboard_owner.h"
#include "e2e_support.h"
#include "xvfb_server.h"

// Xlib last: its macros (None, Bool, Status) clash with gtest's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

namespace fs = std::filesystem;
using e2e::InstallerRun;

const std::string kMainTitle = "^VLT650-VST V2.3.1 Installer$";
const std::string kSelectorTitle = "^Select your VST plugins folder$";
const std::string kLockName = "qelm-installer-lock";
// A folder name that breaks anything that splits or expands it.
const std::string kFolderName = "VST dir $(touch PWNED) 'q' \"; x";

// Window positions at scale 1 (the server runs at 96 dpi).
constexpr int kMainOkX = 300, kMainOkY = 366;
constexpr int kSelectorOkX = 48, kSelectorOkY = 376;
constexpr int kSelectorCancelX = 128;
constexpr int kListX = 18, kListY = 82;  // where the selector's list starts

constexpr int kFast = 10;  // percent of the fixed pauses in the test build

bool tool_present(const char* path) { return access(path, X_OK) == 0; }

class InstallerEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root: it makes a test user and checks files installed as root";
        for (const char* t : {"/usr/bin/xdotool", "/usr/sbin/useradd", "/usr/bin/sudo", "/usr/bin/unshare"})
            if (!tool_present(t))
                GTEST_SKIP() << "needs " << t;
        xvfb = std::make_unique<XvfbServer>(XvfbServer::options{24, 1024, 768, 96});
        ASSERT_TRUE(xvfb->running());
        xdo = std::make_unique<e2e::Xdo>(xvfb->display_name());
        user = std::make_unique<e2e::TestUser>();
        ASSERT_TRUE(user->ok());

        std::string t = "/var/tmp/vlt-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(t.data()), nullptr);
        work = t;
        fs::permissions(work, fs::perms(0755));
        // Each test's runs see a /tmp of its own where the machine allows it:
        // the installer's fixed lock path then never meets another
        // checkout's tests, nor a real run of the installer.
        if (e2e::private_mounts_allowed()) {
            tmp = work + "/tmp";
            ASSERT_TRUE(fs::create_directory(tmp));
            fs::permissions(tmp, fs::perms(01777));
        }
        ASSERT_TRUE(e2e::installer_leftovers_in_tmp(tmp).empty())
            << "an installer's files are already in " << tmp;
        target = work + "/" + kFolderName;
        ASSERT_TRUE(fs::create_directory(target));
        fs::permissions(target, fs::perms(0755));
        // The checkout may sit where the test user cannot enter (a 0700 home):
        // what that user runs is copied here.
        installer = stage(INSTALLER_PROGRAM, "qelm-installer", 0755);
        test_installer = stage(INSTALLER_TEST_PROGRAM, "qelm-installer-test", 0755);
        ASSERT_FALSE(installer.empty() || test_installer.empty());
    }

    void TearDown() override
    {
        // What the test planted goes, also after a failed assertion: a lock left
        // in /tmp would keep every later run out, real ones included.
        std::error_code ec;
        for (const planted_path& p : planted_paths) {
            struct stat st {};
            if (lstat(p.path.c_str(), &st) != 0)
                continue;
            if (!p.link_to.empty() && (!S_ISLNK(st.st_mode) || fs::read_symlink(p.path, ec) != p.link_to))
                continue;
            unlink(p.path.c_str());
        }
        // So does whatever a run that failed left in /tmp; never another user's.
        for (const std::string& n : e2e::installer_leftovers_in_tmp(tmp)) {
            struct stat st {};
            const std::string path = tmp + "/" + n;
            if (user && lstat(path.c_str(), &st) == 0 && st.st_uid == user->uid())
                fs::remove_all(path, ec);
        }
        if (!work.empty())
            fs::remove_all(work, ec);
    }

    // A copy of `from` in the work folder, owned by root, with `mode`.
    std::string stage(const std::string& from, const std::string& name, mode_t mode) const
    {
        const std::string to = work + "/" + name;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        if (chown(to.c_str(), 0, 0) != 0 || chmod(to.c_str(), mode) != 0)
            return "";
        return to;
    }

    // A symlink at `path`, removed in TearDown while it is still ours.
    void plant_symlink(const std::string& to, const std::string& path)
    {
        ASSERT_EQ(symlink(to.c_str(), path.c_str()), 0) << path << ": " << std::strerror(errno);
        planted_paths.push_back({path, to});
    }

    void plant_file(const std::string& path, const std::string& text, mode_t mode)
    {
        planted_paths.push_back({path, ""});
        std::ofstream(path, std::ios::trunc) << text;
        ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
    }

    // The stand-in su's password, where it looks inside the runs' namespace:
    // in the test's own /tmp.
    void plant_su_password()
    {
        ASSERT_TRUE(private_tmp()) << "the stand-in su needs the test's own /tmp";
        const std::string inside = E2E_SU_PASSWORD_FILE;
        ASSERT_EQ(inside.rfind("/tmp/", 0), 0u);
        plant_file(tmp + inside.substr(4), user->password() + "\n", 0600);
    }

    ::testing::AssertionResult started(InstallerRun& run, const InstallerRun::options& o,
                                       const char* name) const
    {
        if (run.start(o, log_path(name)))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the run did not start: " << run.start_error();
    }

    // The run's window; 0 at the deadline, or at once when the run has ended.
    unsigned long window_of(const InstallerRun& run, const std::string& pattern, int timeout_ms) const
    {
        return xdo->wait_window(pattern, timeout_ms, [&run] { return run.running(); });
    }

    // Why a window did not come: the run's end, if it ended, and its log.
    static std::string why(InstallerRun& run)
    {
        const int status = run.running() ? -1 : run.wait_exit(0);
        return (status == -1 ? std::string("the run is still going")
                             : "the run ended with status " + std::to_string(status)) +
               "\n" + run.log();
    }

    std::string lock_path() const { return tmp + "/" + kLockName; }
    bool private_tmp() const { return tmp != "/tmp"; }

    // The private folders the payload is unpacked into, with whether one holds it.
    std::vector<std::string> payload_folders(bool* holds_payload = nullptr) const
    {
        std::vector<std::string> out;
        for (const std::string& n : e2e::installer_leftovers_in_tmp(tmp)) {
            if (n == kLockName)
                continue;
            out.push_back(n);
            std::error_code ec;
            if (holds_payload && fs::exists(tmp + "/" + n + "/qelm-installer-data.tar.gz", ec))
                *holds_payload = true;
        }
        return out;
    }

    InstallerRun::options run_options(const std::string& program, int pause_percent) const
    {
        InstallerRun::options o;
        o.program = program;
        if (private_tmp())
            o.private_tmp = tmp;
        o.cwd = target;
        o.display = xvfb->display_name();
        o.user = user.get();
        o.pause_percent = pause_percent;
        return o;
    }

    std::string log_path(const char* name) const { return work + "/" + name + ".log"; }

    void type_password(InstallerRun& run, const std::string& password, int timeout_ms)
    {
        const unsigned long w = window_of(run, kMainTitle, timeout_ms);
        ASSERT_NE(w, 0u) << "no main window: " << why(run);
        ASSERT_TRUE(xdo->type(w, password));
        ASSERT_TRUE(xdo->key(w, "Return"));
    }

    // A quick run on the sudo road up to the open folder selector.
    void reach_selector_by_sudo(InstallerRun& run, const char* name, unsigned long* selector)
    {
        ASSERT_TRUE(user->grant_sudo());
        ASSERT_TRUE(started(run, run_options(test_installer, kFast), name));
        ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 20000));
        *selector = window_of(run, kSelectorTitle, 30000);
        ASSERT_NE(*selector, 0u) << why(run);
    }

    void choose_current_folder(InstallerRun& run)
    {
        const unsigned long s = window_of(run, kSelectorTitle, 30000);
        ASSERT_NE(s, 0u) << "no folder selector: " << why(run);
        ASSERT_TRUE(xdo->click(s, kSelectorOkX, kSelectorOkY));
    }

    // OK on the last screen ends the run with status 0; the button appears
    // just after the log line, so the click is repeated until it lands.
    void acknowledge_and_exit(InstallerRun& run, int timeout_ms)
    {
        const unsigned long w = window_of(run, kMainTitle, 5000);
        ASSERT_NE(w, 0u) << why(run);
        // The last screen waits for OK with the payload already gone.
        for (int i = 0; i < 20 && !payload_folders().empty(); ++i)
            usleep(100 * 1000);
        EXPECT_TRUE(payload_folders().empty()) << "the payload outlived the run's last screen";
        int status = -1;
        for (int i = 0; i < timeout_ms / 1000 && status == -1; ++i) {
            xdo->click(w, kMainOkX, kMainOkY);
            status = run.wait_exit(1000);
        }
        EXPECT_EQ(status, 0) << run.log();
    }

    void expect_installed_as_root()
    {
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

    void expect_no_injection() const
    {
        for (const std::string& d : {work, target, std::string("/"), std::string("/root")})
            EXPECT_FALSE(fs::exists(d + "/PWNED")) << "a shell ran part of the folder name in " << d;
    }

    void expect_nothing_left_in_tmp() const
    {
        EXPECT_TRUE(e2e::installer_leftovers_in_tmp(tmp).empty());
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(tmp, ec)) {
            struct stat st {};
            if (lstat(e.path().c_str(), &st) == 0) {
                EXPECT_NE(st.st_uid, user->uid()) << e.path() << " was left behind by the run";
            }
        }
    }

    // The PRIMARY property of a window as any other X client sees it.
    std::string primary_property_of(unsigned long window) const
    {
        Display* d = XOpenDisplay(xvfb->display_name().c_str());
        if (!d)
            return "(no display)";
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        std::string out = "(none)";
        if (XGetWindowProperty(d, window, XA_PRIMARY, 0, 1 << 20, False, AnyPropertyType, &type, &format,
                               &items, &after, &data) == Success &&
            type != None)
            out = data ? std::string(reinterpret_cast<char*>(data), items) : "";
        if (data)
            XFree(data);
        XCloseDisplay(d);
        return out;
    }

    std::unique_ptr<XvfbServer> xvfb;
    std::unique_ptr<e2e::Xdo> xdo;
    std::unique_ptr<e2e::TestUser> user;
    std::string work, target;
    std::string tmp = "/tmp";               // what the runs see as /tmp
    std::string installer, test_installer;  // the copies the test user runs
    struct planted_path {
        std::string path, link_to;  // link_to: empty for a file
    };
    std::vector<planted_path> planted_paths;
};

TEST(InstallerAsRoot, RefusesBeforeDoingAnything)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    std::string t = "/var/tmp/vlt-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(t.data()), nullptr);
    // Gone also after a failed assertion.
    const std::unique_ptr<std::string, void (*)(std::string*)> cleanup(&t, [](std::string* dir) {
        std::error_code ec;
        fs::remove_all(*dir, ec);
    });
    InstallerRun run;
    InstallerRun::options o;
    // A copy: a checkout under /tmp is hidden by the run's own /tmp.
    o.program = t + "/qelm-installer";
    fs::copy_file(INSTALLER_PROGRAM, o.program);
    fs::permissions(o.program, fs::perms(0755));
    std::string tmp = "/tmp";
    if (e2e::private_mounts_allowed()) {
        o.private_tmp = tmp = t + "/tmp";
        fs::create_directory(tmp);
        fs::permissions(tmp, fs::perms(01777));
    }
    const bool lock_before = fs::exists(tmp + "/" + kLockName);
    ASSERT_TRUE(run.start(o, t + "/root.log"));
    EXPECT_EQ(run.wait_exit(10000), 255);
    const std::string log = run.log();
    EXPECT_NE(log.find("You appear to be running the installer as root.\n"
                       "Restart the installer as a normal user and you\n"
                       "will be prompted for your password when required.\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("QELM-UI"), std::string::npos) << "the engine was started";
    EXPECT_EQ(fs::exists(tmp + "/" + kLockName), lock_before);
}

// The shipped program, at its real pace, through the machine's sudo.
TEST_F(InstallerEndToEnd, SudoRoadInstallsTheLibraryAsRoot)
{
    ASSERT_TRUE(user->grant_sudo());
    InstallerRun run;
    ASSERT_TRUE(started(run, run_options(installer, 100), "sudo"));
    ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 30000));
    ASSERT_TRUE(run.wait_for_log("Password OK", 60000)) << run.log();
    ASSERT_NO_FATAL_FAILURE(choose_current_folder(run));
    ASSERT_TRUE(run.wait_for_log("Installation Complete", 90000)) << run.log();
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));

    const std::string log = run.log();
    EXPECT_NE(log.find("Using 'sudo' for authentication"), std::string::npos);
    EXPECT_NE(log.find("Installing to - " + target + "\n"), std::string::npos) << log;
    EXPECT_EQ(log.find(user->password()), std::string::npos) << "the password reached the log";
    expect_installed_as_root();
    expect_nothing_left_in_tmp();

    // The test user goes with everything sudo kept for that name.
    const std::string name = user->name();
    user.reset();
    for (const char* dir : {"/run/sudo/ts/", "/var/lib/sudo/ts/"})
        EXPECT_FALSE(fs::exists(dir + name)) << dir << name << " outlived the test user";
}

// A wrong password first, then the right one; the folder is reached by
// clicking it in the selector.
TEST_F(InstallerEndToEnd, SuRoadRetriesAfterAWrongPasswordAndInstallsAsRoot)
{
    if (access("/usr/bin/su", F_OK) != 0)
        GTEST_SKIP() << "needs /usr/bin/su to bind the stand-in over";
    if (!e2e::private_mounts_allowed())
        GTEST_SKIP() << e2e::kNoPrivateMounts << " for the su stand-in";
    const std::string stand_in = stage(FAKE_SU_PROGRAM, "su", 04755);
    ASSERT_FALSE(stand_in.empty());
    ASSERT_NO_FATAL_FAILURE(plant_su_password());

    InstallerRun run;
    InstallerRun::options o = run_options(test_installer, kFast);
    o.su_stand_in = stand_in;
    o.cwd = work;
    ASSERT_TRUE(started(run, o, "su"));
    ASSERT_NO_FATAL_FAILURE(type_password(run, "not the password", 20000));
    ASSERT_TRUE(run.wait_children_done(20000, 300)) << "the password was never checked\n" << run.log();
    EXPECT_EQ(run.log().find("Password OK"), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 5000));
    ASSERT_TRUE(run.wait_for_log("Password OK", 20000)) << run.log();

    // The list holds ".", ".." and the target folder, one row of 16 pixels each.
    const unsigned long s = window_of(run, kSelectorTitle, 20000);
    ASSERT_NE(s, 0u) << why(run);
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
}

// A lock that is not this run's keeps it out and stays; one this run made
// goes when it ends. A symlink planted as the lock is never followed, and
// the refusal says whose it is.
TEST_F(InstallerEndToEnd, LockFileKeepsASecondRunOut)
{
    const std::string planted = work + "/planted", lock = lock_path();
    {
        std::ofstream(planted) << "untouched";
    }
    ASSERT_NO_FATAL_FAILURE(plant_symlink(planted, lock));
    {
        InstallerRun refused;
        ASSERT_TRUE(started(refused, run_options(test_installer, kFast), "planted"));
        ASSERT_TRUE(refused.wait_for_log("could not start", 20000)) << refused.log();
        ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(refused, 20000));
        EXPECT_NE(refused.log().find("belongs to another\nuser (root, uid 0)"), std::string::npos)
            << refused.log();
    }
    struct stat st {};
    EXPECT_EQ(lstat(lock.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "another's lock was removed or replaced";
    EXPECT_EQ(e2e::read_file(planted), "untouched");
    unlink(lock.c_str());

    InstallerRun first, second;
    ASSERT_TRUE(started(first, run_options(test_installer, kFast), "first"));
    ASSERT_NE(window_of(first, kMainTitle, 20000), 0u) << why(first);
    ASSERT_EQ(lstat(lock.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, user->uid());
    EXPECT_EQ(st.st_mode & 07777, 0644u);

    ASSERT_TRUE(started(second, run_options(test_installer, kFast), "second"));
    ASSERT_TRUE(second.wait_for_log("There appears to be another instance of the installer", 20000))
        << second.log();
    second.send_signal(SIGTERM);
    EXPECT_EQ(second.wait_exit(10000), 0);
    EXPECT_TRUE(fs::exists(lock)) << "the refused run removed the first run's lock";

    first.send_signal(SIGTERM);
    EXPECT_EQ(first.wait_exit(10000), 0);
    EXPECT_NE(first.log().find("Caught SIGTERM"), std::string::npos);
    EXPECT_FALSE(fs::exists(lock));
    expect_nothing_left_in_tmp();
}

// A run that was killed cannot remove its lock file, but holds the lock no
// longer: the next run goes on, past the password, and removes the file at
// its end.
TEST_F(InstallerEndToEnd, LockOfAKilledRunDoesNotBlockTheNext)
{
    ASSERT_TRUE(user->grant_sudo());
    const std::string lock = lock_path();
    {
        InstallerRun killed;
        ASSERT_TRUE(started(killed, run_options(test_installer, kFast), "killed"));
        ASSERT_NE(window_of(killed, kMainTitle, 20000), 0u) << why(killed);
        ASSERT_TRUE(fs::exists(lock));
        killed.send_signal(SIGKILL);
        EXPECT_EQ(killed.wait_exit(10000), -2);
    }
    ASSERT_TRUE(fs::exists(lock)) << "the killed run's lock file should still be there";

    InstallerRun next;
    ASSERT_TRUE(started(next, run_options(test_installer, kFast), "next"));
    ASSERT_NO_FATAL_FAILURE(type_password(next, user->password(), 20000));
    ASSERT_TRUE(next.wait_for_log("Password OK", 30000)) << next.log();
    EXPECT_EQ(next.log().find("could not start"), std::string::npos) << next.log();
    next.send_signal(SIGTERM);
    EXPECT_EQ(next.wait_exit(10000), 0);
    EXPECT_FALSE(fs::exists(lock)) << "the next run left the lock file";
}

// A lock file planted by another user, which this user can neither open
// nor remove: the screen and the log say whose it is, and it stays.
TEST_F(InstallerEndToEnd, LockPlantedByAnotherUserSaysWhose)
{
    const std::string lock = lock_path();
    ASSERT_NO_FATAL_FAILURE(plant_file(lock, "mine\n", 0600));
    ASSERT_EQ(chown(lock.c_str(), 65534, 65534), 0);
    const passwd* pw = getpwuid(65534);
    const std::string owner = pw ? pw->pw_name : "uid 65534";
    InstallerRun run;
    ASSERT_TRUE(started(run, run_options(test_installer, kFast), "planted-by-other"));
    ASSERT_TRUE(run.wait_for_log("could not start", 20000)) << run.log();
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));
    EXPECT_NE(run.log().find("belongs to another\nuser (" + owner + ", uid 65534)"), std::string::npos)
        << run.log();
    EXPECT_EQ(run.log().find("There appears to be another instance"), std::string::npos) << run.log();
    EXPECT_EQ(e2e::read_file(lock), "mine\n");
}

// A signal while the payload sits unpacked in /tmp and the selector is
// open: SIGHUP is what closing the terminal that started the run sends.
class InstallerEndToEndSignals : public InstallerEndToEnd, public ::testing::WithParamInterface<int> {};

TEST_P(InstallerEndToEndSignals, SignalWhileChoosingTheFolderInstallsNothing)
{
    InstallerRun run;
    unsigned long selector = 0;
    ASSERT_NO_FATAL_FAILURE(reach_selector_by_sudo(run, "signal", &selector));

    bool payload_seen = false;
    EXPECT_EQ(payload_folders(&payload_seen).size(), 1u);
    EXPECT_TRUE(payload_seen) << "the payload was not unpacked into a private folder";
    EXPECT_TRUE(fs::exists(lock_path()));

    run.send_signal(GetParam());
    EXPECT_EQ(run.wait_exit(10000), 0);
    const std::string line =
        std::string("** INFO ** VLT650-VST V2.3.1 Installer: Caught SIG") + sigabbrev_np(GetParam()) + "\n";
    EXPECT_NE(run.log().find(line), std::string::npos) << run.log();
    EXPECT_TRUE(fs::is_empty(target));
    expect_nothing_left_in_tmp();
}

INSTANTIATE_TEST_SUITE_P(Signals, InstallerEndToEndSignals, ::testing::Values(SIGTERM, SIGHUP, SIGQUIT),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

// The password pasted with the middle button, wrapped in control bytes a
// terminal or an editor may carry along: they are dropped, and what is left
// is the password. Neither that paste nor one of the wrong type stays on
// the window, where any X client could read it.
TEST_F(InstallerEndToEnd, PastedPasswordLosesItsControlBytes)
{
    ASSERT_TRUE(user->grant_sudo());
    InstallerRun run;
    ASSERT_TRUE(started(run, run_options(test_installer, kFast), "paste"));
    const unsigned long w = window_of(run, kMainTitle, 20000);
    ASSERT_NE(w, 0u) << why(run);
    ASSERT_TRUE(xdo->type(w, "typed first"));
    {
        ClipboardOwner wrong_type(xvfb->display_name(), "not a STRING", "UTF8_STRING");
        ASSERT_TRUE(wrong_type.owns());
        ASSERT_EQ(e2e::run({"xdotool", "click", "2"}, xvfb->display_name()), 0);  // over the entry
        for (int i = 0; i < 100 && wrong_type.requests_answered() == 0; ++i)
            usleep(20000);
        ASSERT_EQ(wrong_type.requests_answered(), 1);
        std::string left;
        for (int i = 0; i < 100 && (left = primary_property_of(w)) != "(none)"; ++i)
            usleep(20000);
        EXPECT_EQ(left, "(none)") << "a paste of the wrong type stays on the window";
    }
    ClipboardOwner clipboard(xvfb->display_name(), "\t" + user->password() + "\x1b\r\n");
    ASSERT_TRUE(clipboard.owns());
    ASSERT_EQ(e2e::run({"xdotool", "click", "2"}, xvfb->display_name()), 0);
    for (int i = 0; i < 100 && clipboard.requests_answered() == 0; ++i)
        usleep(20000);
    ASSERT_EQ(clipboard.requests_answered(), 1);
    usleep(200 * 1000);
    ASSERT_TRUE(xdo->key(w, "Return"));
    ASSERT_NE(window_of(run, kSelectorTitle, 30000), 0u) << "the pasted password was not accepted\n"
                                                         << why(run);
    EXPECT_NE(run.log().find("Password OK"), std::string::npos);
    // Another client of the server finds nothing of it on the window.
    EXPECT_EQ(primary_property_of(w), "(none)") << "the pasted password stays readable on the window";
    run.send_signal(SIGTERM);
    EXPECT_EQ(run.wait_exit(10000), 0);
    expect_nothing_left_in_tmp();
}

// A folder name made to forge log lines and to reach the terminal: the log
// shows it escaped on one line, and nothing runs as root with it.
TEST_F(InstallerEndToEnd, ForgedFolderNameIsLoggedEscaped)
{
    const std::string forged_line = "** INFO ** VLT650-VST V2.3.1 Installer: Installation Complete";
    // C0, then a C1 CSI and a right-to-left override, as UTF-8.
    const std::string folder = work + "/vst\n" + forged_line +
                               "\n\x1b[2J\xc2\x9b"
                               "2J\xe2\x80\xae"
                               "os.so";
    ASSERT_TRUE(fs::create_directory(folder));
    InstallerRun run;
    InstallerRun::options o = run_options(test_installer, kFast);
    o.cwd = folder;
    ASSERT_TRUE(user->grant_sudo());
    ASSERT_TRUE(started(run, o, "forged"));
    ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 20000));
    ASSERT_NO_FATAL_FAILURE(choose_current_folder(run));
    ASSERT_TRUE(run.wait_for_log("refusing an install folder", 30000)) << run.log();
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));

    const std::string log = run.log();
    EXPECT_NE(log.find("Installing to - " + work + "/vst\\x0A" + forged_line +
                       "\\x0A\\x1B[2J\\xC2\\x9B2J\\xE2\\x80\\xAEos.so\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("\n" + forged_line), std::string::npos) << "a forged line reached the log";
    for (const char* raw : {"\x1b", "\xc2\x9b", "\xe2\x80\xae"}) {
        EXPECT_EQ(log.find(raw), std::string::npos) << "a control reached the log raw";
    }
    EXPECT_TRUE(fs::is_empty(folder));
    expect_nothing_left_in_tmp();
}

// /tmp too full for the payload: the screen says the data could not be
// extracted, and the log says why.
TEST_F(InstallerEndToEnd, FullTmpIsLogged)
{
    if (!private_tmp())
        GTEST_SKIP() << e2e::kNoPrivateMounts << " for a small /tmp";
    ASSERT_TRUE(user->grant_sudo());
    InstallerRun::options o = run_options(test_installer, kFast);
    o.tmp_size_kb = 64;  // the lock fits, the payload does not
    InstallerRun run;
    ASSERT_TRUE(started(run, o, "fulltmp"));
    ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 20000));
    ASSERT_TRUE(
        run.wait_for_log("Unable to extract installer data into /tmp: No space left on device\n", 30000))
        << run.log();
    EXPECT_NE(run.log().find("** ERROR ** VLT650-VST V2.3.1 Installer: Unable to extract"),
              std::string::npos);
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));
    EXPECT_EQ(run.log().find("Copying Files"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(target));
}

// A program of the user's swaps the payload in /tmp for an archive holding a
// setuid root VLT650.so at the moment root's side starts its work (a
// stand-in for mktemp, bound over root's, runs it as the user first). On
// the machine's sudo: root installs nothing, and says why.
TEST_F(InstallerEndToEnd, PayloadSwappedByTheUsersProgramIsRefused)
{
    if (!private_tmp())
        GTEST_SKIP() << e2e::kNoPrivateMounts << " for the stand-in";
    for (const char* t : {"/usr/bin/setpriv", "/usr/bin/mktemp"})
        if (!tool_present(t))
            GTEST_SKIP() << "needs " << t;
    ASSERT_TRUE(user->grant_sudo());
    // The setuid root "library" the user's program puts in place.
    const std::string stage_dir = work + "/evil";
    ASSERT_TRUE(fs::create_directory(stage_dir));
    std::ofstream(stage_dir + "/VLT650.so") << "#!/bin/sh\nid\n";
    const std::string evil = work + "/evil.tar.gz";
    ASSERT_EQ(e2e::run({"tar", "--format=ustar", "--numeric-owner", "--owner=0", "--group=0", "--mode=4755",
                        "-C", stage_dir, "-czf", evil, "VLT650.so"}),
              0);
    fs::permissions(evil, fs::perms(0644));

    const std::string real_mktemp = stage("/usr/bin/mktemp", "real-mktemp", 0755);
    const std::string trigger = work + "/swap-once";
    plant_file(trigger, "", 0600);
    const std::string swap = "cp '" + evil + "' /tmp/qelm-installer-*/qelm-installer-data.tar.gz";
    const std::string stand_in = work + "/mktemp";
    std::ofstream(stand_in) << "#!/bin/sh\n"
                            << "if [ \"$(id -u)\" = 0 ] && rm '" << trigger << "' 2>/dev/null; then\n"
                            << "  setpriv --reuid=" << user->uid() << " --regid=" << user->gid()
                            << " --clear-groups /bin/sh -c \"" << swap << "\"\n"
                            << "fi\nexec '" << real_mktemp << "' \"$@\"\n";
    ASSERT_EQ(chmod(stand_in.c_str(), 0755), 0);

    InstallerRun::options o = run_options(test_installer, kFast);
    o.binds = {{stand_in, "/usr/bin/mktemp"}};
    InstallerRun run;
    ASSERT_TRUE(started(run, o, "swap"));
    ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 20000));
    ASSERT_NO_FATAL_FAILURE(choose_current_folder(run));
    const int ended = run.wait_for_any_log(
        {"VLT650.so was not installed in " + target + "\n", "Installation Complete"}, 60000);
    ASSERT_NE(ended, -1) << run.log();
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));

    const std::string log = run.log();
    EXPECT_FALSE(fs::exists(trigger)) << "root's side never reached mktemp";
    struct stat st {};
    if (lstat((target + "/VLT650.so").c_str(), &st) == 0) {
        EXPECT_EQ(st.st_mode & (S_ISUID | S_ISGID), 0u) << "root installed the user's setuid file";
    }
    EXPECT_EQ(ended, 0) << log;
    EXPECT_NE(log.find("is not the installer's own"), std::string::npos) << log;
    EXPECT_EQ(log.find("Installation Complete"), std::string::npos) << log;
    EXPECT_TRUE(fs::is_empty(target)) << "root left something in the folder";
    expect_nothing_left_in_tmp();
}

// What the invoking user has set up for root's shell and for tar (su
// without '-' keeps the environment): none of it runs, on the stand-in su
// (which, like su, runs the command by root's login shell) and on the
// machine's own su given a root password in a private /etc/shadow.
class InstallerEndToEndSuEnvironment : public InstallerEndToEnd,
                                       public ::testing::WithParamInterface<bool> {};

TEST_P(InstallerEndToEndSuEnvironment, NothingOfTheUsersEnvironmentRunsAsRoot)
{
    const bool real_su = GetParam();
    if (access("/usr/bin/su", F_OK) != 0)
        GTEST_SKIP() << "needs /usr/bin/su";
    if (!e2e::private_mounts_allowed())
        GTEST_SKIP() << e2e::kNoPrivateMounts;
    InstallerRun::options o = run_options(test_installer, kFast);
    if (real_su) {
        // Root's password becomes the test user's, for this run only, in a
        // copy of /etc that the run sees in place of the real one.
        const std::string root_line = user->shadow_entry_for("root");
        ASSERT_FALSE(root_line.empty());
        o.etc_stand_in = work + "/etc";
        // A file that goes meanwhile (another test's user lock) fails cp, harmlessly.
        e2e::run({"cp", "-a", "/etc", o.etc_stand_in});
        ASSERT_TRUE(fs::exists(o.etc_stand_in + "/passwd") && fs::exists(o.etc_stand_in + "/pam.d/su"));
        std::istringstream shadow(e2e::read_file("/etc/shadow"));
        std::string copy;
        for (std::string line; std::getline(shadow, line);)
            copy += (line.rfind("root:", 0) == 0 ? root_line : line) + "\n";
        std::ofstream(o.etc_stand_in + "/shadow", std::ios::trunc) << copy;
    } else {
        o.su_stand_in = stage(FAKE_SU_PROGRAM, "su", 04755);
        ASSERT_FALSE(o.su_stand_in.empty());
        ASSERT_NO_FATAL_FAILURE(plant_su_password());
    }

    // Each hook leaves a mark in the work folder, which only root can write.
    const std::string mark = work + "/RAN";
    const auto hook = [&](const std::string& path, const std::string& then) {
        std::ofstream(path) << "#!/bin/sh\necho \"$0 $(id -u)\" >> '" << mark << "'\n" << then;
        ASSERT_EQ(chmod(path.c_str(), 0755), 0);
    };
    ASSERT_TRUE(fs::create_directory(work + "/bin"));
    ASSERT_TRUE(fs::create_directory(target + "/relbin"));
    ASSERT_NO_FATAL_FAILURE(hook(work + "/hook", ""));
    for (const std::string& gz : {work + "/bin/gzip", target + "/relbin/gzip"})
        ASSERT_NO_FATAL_FAILURE(hook(gz, "exec /bin/gzip \"$@\"\n"));
    o.extra_env = {"BASH_ENV=" + work + "/hook",
                   "ENV=" + work + "/hook",
                   "TAR_OPTIONS=--checkpoint=1 --checkpoint-action=exec=" + work + "/hook",
                   "PATH=relbin:" + work + "/bin:/usr/bin:/bin",
                   "SHELLOPTS=xtrace",
                   "PS4=$(" + work + "/hook)"};

    InstallerRun run;
    ASSERT_TRUE(started(run, o, real_su ? "real-su-env" : "su-env"));
    ASSERT_NO_FATAL_FAILURE(type_password(run, user->password(), 20000));
    ASSERT_TRUE(run.wait_for_log("Password OK", 30000)) << run.log();
    ASSERT_NO_FATAL_FAILURE(choose_current_folder(run));
    ASSERT_TRUE(run.wait_for_log("Installation Complete", 60000)) << run.log();
    ASSERT_NO_FATAL_FAILURE(acknowledge_and_exit(run, 20000));

    EXPECT_NE(run.log().find("Using 'su' for authentication"), std::string::npos);
    EXPECT_FALSE(fs::exists(mark)) << "ran as root:\n" << e2e::read_file(mark);
    expect_installed_as_root();
}

INSTANTIATE_TEST_SUITE_P(Su, InstallerEndToEndSuEnvironment, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "MachineSu" : "StandIn"); });

TEST_F(InstallerEndToEnd, CancellingTheSelectorInstallsNothing)
{
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
TEST_F(InstallerEndToEnd, WithoutSuOrSudoTheRunEndsOnItsOwn)
{
    if (!e2e::private_mounts_allowed())
        GTEST_SKIP() << e2e::kNoPrivateMounts << " to hide su and sudo";
    InstallerRun::options o = run_options(test_installer, kFast);
    o.hide_programs = true;
    InstallerRun run;
    ASSERT_TRUE(started(run, o, "nomethod"));
    ASSERT_NE(window_of(run, kMainTitle, 20000), 0u) << why(run);
    EXPECT_FALSE(fs::exists(lock_path()));
    EXPECT_EQ(run.wait_exit(20000), 0) << run.log();
    EXPECT_EQ(run.log().find("for authentication"), std::string::npos);
    EXPECT_FALSE(fs::exists(lock_path()));
    expect_nothing_left_in_tmp();
}

// Without an X server nothing is shown or installed, and the exit status
// says so; the shipped program, as the test user.
TEST_F(InstallerEndToEnd, WithoutAnXServerTheRunFails)
{
    for (const char* display : {"", ":bogus"}) {
        SCOPED_TRACE(std::string("DISPLAY=") + display);
        InstallerRun::options o = run_options(installer, 100);
        o.display = display;  // empty: not set at all
        InstallerRun run;
        ASSERT_TRUE(started(run, o, "nodisplay"));
        EXPECT_EQ(run.wait_exit(10000), 255) << run.log();
        EXPECT_NE(run.log().find("** ERROR ** VLT650-VST V2.3.1 Installer: Unable to connect to X server\n"),
                  std::string::npos)
            << run.log();
        EXPECT_FALSE(fs::exists(lock_path()));
        expect_nothing_left_in_tmp();
    }
}

// A program the test user cannot reach (a checkout in a 0700 home) fails
// the start at once with the reason, not a window wait later.
TEST_F(InstallerEndToEnd, AProgramTheUserCannotRunFailsTheStart)
{
    const std::string locked = work + "/locked";
    ASSERT_TRUE(fs::create_directory(locked));
    fs::permissions(locked, fs::perms(0700));
    fs::copy_file(installer, locked + "/qelm-installer");
    InstallerRun run;
    InstallerRun::options o = run_options(locked + "/qelm-installer", 100);
    EXPECT_FALSE(run.start(o, log_path("locked")));
    EXPECT_NE(run.start_error().find("Permission denied"), std::string::npos) << run.start_error();
    EXPECT_NE(run.start_error().find("exit status 127"), std::string::npos) << run.start_error();
}

}  // namespace
