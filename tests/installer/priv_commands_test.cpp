// su and sudo roads against our stand-in programs: every exchange ends in
// its deadline, is decided by exit status, and never shows the password.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <sstream>
#include <thread>

#include "installer_log.h"
#include "priv_commands.h"
#include "test_support.h"

namespace {

using test_support::TempDir;
namespace fs = std::filesystem;

const char* kPassword = "Pw 4711 $(x)'\"";

// The stand-ins read their set-up from the environment, and su and sudo
// get only the one the commands give them: the setting goes there.
void set_fake(CPrivCommands& cmds, const std::string& name, const std::string& value)
{
    const std::string prefix = "FAKE_AUTH_" + name + "=";
    auto& env = cmds.root_environment;
    for (auto& e : env)
        if (e.rfind(prefix, 0) == 0) {
            e = prefix + value;
            return;
        }
    env.push_back(prefix + value);
}

enum class road { su, sudo };

class PrivCommandsTest : public ::testing::TestWithParam<road> {
protected:
    void SetUp() override
    {
        set_fake(cmds, "PASSWORD", kPassword);
        set_fake(cmds, "RECORD", record_path());
        mode("normal");
        cmds.set_su_path(FAKE_SU_PATH);
        cmds.set_sudo_path(FAKE_SUDO_PATH);
        ASSERT_TRUE(cmds.find_tar());
        cmds.timings = {1500, 500, 1500, 5000, 800, 200, 0};
    }

    std::string record_path() const { return dir / "record"; }
    void mode(const char* m) { set_fake(cmds, "MODE", m); }
    bool sudo() const { return GetParam() == road::sudo; }

    bool check(const char* typed)
    {
        return sudo() ? cmds.sudo_check_password(typed) : cmds.su_check_password(typed);
    }
    int install(const std::string& folder, const char* typed)
    {
        return sudo() ? cmds.sudo_install(folder.c_str(), FIXTURE_ARCHIVE, typed)
                      : cmds.su_install(folder.c_str(), FIXTURE_ARCHIVE, typed);
    }

    // The password reached the program through the terminal only.
    void expect_password_kept_out(const std::string& log)
    {
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
    {"signal", true, false, 3.0, false},   // killed after the password: no exit 0
    {"silent", true, false, 5.0, false},   // never asks
    {"hang", true, false, 5.0, false},     // never ends
    {"no_prompt", true, true, 3.0, true},  // sudo that does not ask
};

TEST_P(PrivCommandsTest, PasswordCheckIsDecidedInTimeWithoutLeaking)
{
    for (const auto& c : kExchanges) {
        if (c.sudo_only && !sudo())
            continue;
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

TEST_P(PrivCommandsTest, InstallKeepsAFolderWithBlanksAndShellCharactersWhole)
{
    const std::string folder = dir / "VST plug-ins $(touch PWNED) `touch PWNED2` 'q' \"d\";e&f|g";
    ASSERT_TRUE(fs::create_directory(folder));
    std::ofstream(folder + "/VLT650.so") << "an older library";
    testing::internal::CaptureStdout();
    EXPECT_EQ(install(folder + "/", kPassword), 0);
    expect_password_kept_out(testing::internal::GetCapturedStdout());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    EXPECT_TRUE(test_support::read_file(folder + "/VLT650.so") == test_support::read_file(FIXTURE_LIBRARY));
    EXPECT_EQ(fs::status(folder + "/VLT650.so").permissions(), fs::perms(0644));
    for (const auto& d : {dir.path(), folder, fs::current_path().string()})
        for (const char* n : {"PWNED", "PWNED2"})
            EXPECT_FALSE(fs::exists(d + "/" + n)) << d << "/" << n;
}

// Variables set for this process while in scope, put back after.
class ScopedEnv {
public:
    void set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old ? old : ""});
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->had ? setenv(it->name.c_str(), it->value.c_str(), 1) : unsetenv(it->name.c_str());
    }

private:
    struct entry {
        std::string name;
        bool had;
        std::string value;
    };
    std::vector<entry> saved_;
};

void write_script(const std::string& path, const std::string& body)
{
    std::ofstream(path) << "#!/bin/sh\n" << body;
    fs::permissions(path, fs::perms(0755));
}

// What su without '-' would hand to root's shell and to tar: none of it
// reaches them, and su runs the command by /bin/sh.
TEST_P(PrivCommandsTest, RootGetsAFixedEnvironmentOnly)
{
    ASSERT_TRUE(fs::create_directories(dir / "bin"));
    const std::string ran = dir / "ran";
    write_script(dir / "evil", "echo \"$0 $*\" >> '" + ran + "'\n");
    write_script(dir / "bin/gzip", "echo gzip >> '" + ran + "'\nexec /bin/gzip \"$@\"\n");
    ScopedEnv env;
    env.set("BASH_ENV", dir / "evil");
    env.set("ENV", dir / "evil");
    env.set("TAR_OPTIONS", "--checkpoint=1 --checkpoint-action=exec=" + (dir / "evil"));
    env.set("PATH", (dir / "bin") + ":" + std::getenv("PATH"));
    env.set("LD_LIBRARY_PATH", dir.path());
    ASSERT_TRUE(fs::create_directory(dir / "target"));

    testing::internal::CaptureStdout();
    EXPECT_EQ(install(dir / "target", kPassword), 0);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(fs::exists(dir / "target/VLT650.so")) << log;
    EXPECT_FALSE(fs::exists(ran)) << test_support::read_file(ran);

    // Every program of the exchange saw exactly the fixed environment.
    std::istringstream rec(test_support::read_file(record_path()));
    std::vector<std::string> seen;
    int programs = 0;
    for (std::string line; std::getline(rec, line);) {
        if (line.rfind("env ", 0) == 0)
            seen.push_back(line.substr(4));
        if (line.rfind("argv " FAKE_SU_PATH, 0) == 0 || line.rfind("argv " FAKE_SUDO_PATH, 0) == 0)
            ++programs;
    }
    std::vector<std::string> want;
    for (int i = 0; i < programs; ++i)
        want.insert(want.end(), default_root_environment().begin(), default_root_environment().end());
    std::sort(seen.begin(), seen.end());
    std::sort(want.begin(), want.end());
    EXPECT_GE(programs, 1);
    EXPECT_EQ(seen, want);
    if (!sudo()) {
        EXPECT_NE(test_support::read_file(record_path()).find("argv -s\nargv /bin/sh\n"), std::string::npos);
    }
}

// A copy that fails half-way (here over a file-size limit, as on a full
// disk) leaves the library that was there, and the log says why.
TEST_P(PrivCommandsTest, FailedCopyKeepsTheOldLibrary)
{
    const std::string target = dir / "target";
    ASSERT_TRUE(fs::create_directory(target));
    std::ofstream(target + "/VLT650.so") << "the old library";
    set_fake(cmds, "RECORD", "");
    ASSERT_GT(fs::file_size(FIXTURE_LIBRARY), 4096u);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    testing::internal::CaptureStdout();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int r = install(target, kPassword);
    setrlimit(RLIMIT_FSIZE, &old);
    const std::string log = testing::internal::GetCapturedStdout();

    EXPECT_EQ(r, 1);
    EXPECT_EQ(test_support::read_file(target + "/VLT650.so"), "the old library");
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(target))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"VLT650.so"}) << "the private unpacking folder was left";
    // tar's own words, on an error line of their own.
    const size_t said = log.find("tar: VLT650.so: ");
    ASSERT_NE(said, std::string::npos) << log;
    const size_t line = log.rfind('\n', said) + 1;
    EXPECT_EQ(log.compare(line, 12, "** ERROR ** "), 0) << log;
    expect_password_kept_out(log);
}

struct swap_case {
    const char* what;
    const char* parent_mode;  // octal; null: the folder sits in the test folder
    const char* folder_mode;
    bool symlinked;
    const char* reason;  // in the log; null: installed
};

const swap_case kSwapCases[] = {
    {"symlink to a folder", nullptr, "755", true, "now leads to"},
    {"folder writable by all", nullptr, "777", false, "is writable by other users"},
    {"folder writable by its group", nullptr, "775", false, "is writable by other users"},
    {"parent writable by all", "777", "755", false, "is writable by other users"},
    {"sticky parent writable by all", "1777", "755", false, nullptr},
};

// What root checks again before it writes: the folder must be the one
// chosen and nobody but root and the user may be able to swap any of it.
TEST_P(PrivCommandsTest, FolderThatCouldBeSwappedIsRefused)
{
    int n = 0;
    for (const auto& c : kSwapCases) {
        SCOPED_TRACE(c.what);
        std::string base = dir / ("case" + std::to_string(n++));
        ASSERT_TRUE(fs::create_directory(base));
        if (c.parent_mode) {
            base += "/shared";
            ASSERT_TRUE(fs::create_directory(base));
            fs::permissions(base, fs::perms(std::stoi(c.parent_mode, nullptr, 8)));
        }
        const std::string real = base + "/vst";
        ASSERT_TRUE(fs::create_directory(real));
        fs::permissions(real, fs::perms(std::stoi(c.folder_mode, nullptr, 8)));
        std::string chosen = real;
        if (c.symlinked) {
            chosen = base + "/chosen";
            fs::create_directory_symlink(real, chosen);
        }
        testing::internal::CaptureStdout();
        const int r = install(chosen, kPassword);
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_EQ(r, c.reason ? 1 : 0) << log;
        EXPECT_EQ(fs::exists(real + "/VLT650.so"), c.reason == nullptr);
        if (c.reason) {
            EXPECT_NE(log.find(c.reason), std::string::npos) << log;
        }
    }
}

TEST_P(PrivCommandsTest, FolderOfAnotherUserIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder away";
    const std::string folder = dir / "theirs";
    ASSERT_TRUE(fs::create_directory(folder));
    ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(install(folder, kPassword), 1);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("belongs to another user"), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(folder + "/VLT650.so"));
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

TEST_P(PrivCommandsTest, InstallFailuresReadAsFailures)
{
    ASSERT_TRUE(fs::create_directory(dir / "target"));
    for (const auto& f : kInstallFailures) {
        SCOPED_TRACE(f.what);
        fs::remove(record_path());
        mode(f.mode);
        testing::internal::CaptureStdout();
        EXPECT_EQ(install(dir / f.folder, f.right_password ? kPassword : "nope"), 1);
        const std::string log = testing::internal::GetCapturedStdout();
        // su's own complaint says why.
        if (!sudo() && !f.right_password) {
            EXPECT_NE(log.find("su: Authentication failure\n"), std::string::npos) << log;
        }
        EXPECT_EQ(fs::exists(record_path()), f.spawns);
        EXPECT_FALSE(fs::exists(dir / "target/VLT650.so"));
    }
    EXPECT_EQ(install("relative/folder", kPassword), 1);
}

TEST_P(PrivCommandsTest, AbortDuringTheSettleWaitEndsItAtOnce)
{
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
    void SetUp() override
    {
        set_fake(cmds, "RECORD", dir / "record");
        cmds.timings.probe_ms = 800;
        cmds.timings.kill_grace_ms = 200;
    }
    TempDir dir;
    CPrivCommands cmds;
};

TEST_F(SudoProbeTest, ProbeNeverWaitsForInput)
{
    const struct {
        const char* mode;
        bool usable;
    } cases[] = {{"normal", true}, {"probe_deny", false}, {"probe_hang", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        set_fake(cmds, "MODE", c.mode);
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

TEST_F(SudoProbeTest, FindTakesTheFirstProgramThatExists)
{
    testing::internal::CaptureStdout();
    EXPECT_FALSE(cmds.find_su({dir / "a", dir / "b"}));
    EXPECT_TRUE(cmds.find_su({dir / "a", FAKE_SU_PATH, FAKE_SUDO_PATH}));
    EXPECT_FALSE(cmds.find_sudo({dir / "a"}));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(cmds.su_path(), FAKE_SU_PATH);
    EXPECT_NE(log.find("Using 'su' for authentication"), std::string::npos);
}

}  // namespace
