// su and sudo roads against our stand-in programs: every exchange ends in
// its deadline, is decided by exit status, and never shows the password.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "installer_log.h"
#include "payload_data.h"
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
    // The fixture archive, as the installer describes its own embedded payload.
    int install(const std::string& folder, const char* typed)
    {
        return install(folder, typed,
                       describe_payload(FIXTURE_ARCHIVE, qelm_payload_data, qelm_payload_size));
    }
    int install(const std::string& folder, const char* typed, const install_payload& payload)
    {
        return sudo() ? cmds.sudo_install(folder.c_str(), payload, typed)
                      : cmds.su_install(folder.c_str(), payload, typed);
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
    bool cut_off;  // never ends by itself: we end it at its deadline, through the terminal
    bool sudo_only;
};

const exchange_case kExchanges[] = {
    {"normal", true, true, false, false},
    {"normal", false, false, false, false},
    {"translated", true, true, false, false},
    {"translated", false, false, false, false},
    {"slow", true, true, false, false},       // prompt after 0.8 s
    {"echo_late", true, true, false, false},  // typed-ahead input would be flushed
    {"echo_on", true, true, false, false},
    {"signal", true, false, false, false},   // killed after the password: no exit 0
    {"silent", true, false, true, false},    // never asks
    {"hang", true, false, true, false},      // never ends
    {"no_prompt", true, true, false, true},  // sudo that does not ask
};

TEST_P(PrivCommandsTest, PasswordCheckIsDecidedWithoutLeaking)
{
    for (const auto& c : kExchanges) {
        if (c.sudo_only && !sudo())
            continue;
        SCOPED_TRACE(std::string(c.mode) + (c.right_password ? " right" : " wrong"));
        mode(c.mode);
        fs::remove(record_path());
        testing::internal::CaptureStdout();
        const bool ok = check(c.right_password ? kPassword : "not it");
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_EQ(ok, c.accepted);
        expect_password_kept_out(log);
        if (c.cut_off) {
            EXPECT_NE(test_support::read_file(record_path()).find("hung up\n"), std::string::npos)
                << "a program that never ends was not ended";
        }
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

// Waits (with a generous deadline, for a loaded machine) until `path` exists.
bool wait_for_file(const std::string& path)
{
    for (int i = 0; i < 6000; ++i) {
        if (fs::exists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Nothing here measures time: the settle wait is an hour long, so only the
// abort can end it, and the abort comes once the library is in place.
TEST_P(PrivCommandsTest, AbortDuringTheSettleWaitEndsItAndSaysTheLibraryIsInstalled)
{
    ASSERT_TRUE(fs::create_directory(dir / "target"));
    cmds.timings.settle_ms = 3600 * 1000;
    std::thread aborter([this] {
        wait_for_file(dir / "target/VLT650.so");
        abort_flag = 1;
    });
    testing::internal::CaptureStdout();
    const int r = install(dir / "target", kPassword);
    const std::string log = testing::internal::GetCapturedStdout();
    aborter.join();
    EXPECT_EQ(r, 1);
    EXPECT_NE(log.find("VLT650.so is installed in " + dir / "target" + "\n"), std::string::npos) << log;
}

// --- what a program of the user's can change while root works ------------------

// Stand-ins for programs root's script runs, first in its PATH (and tar by
// its path): each runs the test's hook for it once, before or after the
// real program. So a "user's process" swaps something at the very moment
// root's side reaches that step, never by timing.
class RootSideHooks {
public:
    RootSideHooks(const std::string& base, CPrivCommands& cmds)
        : bin_(base + "/hookbin"), hooks_(base + "/hooks")
    {
        fs::create_directories(bin_);
        fs::create_directories(hooks_);
        for (const char* name : {"tar", "dd", "sha256sum", "mktemp", "mv"})
            write_wrapper(name);
        for (auto& e : cmds.root_environment)
            if (e.rfind("PATH=", 0) == 0)
                e = "PATH=" + bin_ + ":" + e.substr(5);
        cmds.set_tar_path(bin_ + "/tar");
    }

    // `script` (sh) runs once, just before (or just after) root runs `program`.
    void at(const std::string& program, bool after, const std::string& script) const
    {
        std::ofstream(hook_path(program, after)) << script << "\n";
    }

    void clear() const
    {
        for (const auto& e : fs::directory_iterator(hooks_))
            fs::remove(e.path());
    }

    // Whether root's side reached that step (the hook was taken).
    bool ran(const std::string& program, bool after) const
    {
        return fs::exists(hook_path(program, after) + ".ran");
    }

private:
    static std::string real_program(const std::string& name)
    {
        for (const char* d : {"/usr/bin/", "/bin/", "/usr/sbin/", "/sbin/"})
            if (access((d + name).c_str(), X_OK) == 0)
                return d + name;
        return "/nonexistent/" + name;
    }
    std::string hook_path(const std::string& program, bool after) const
    {
        return hooks_ + "/" + program + (after ? ".after" : ".before");
    }
    void write_wrapper(const std::string& name) const
    {
        const std::string real = real_program(name), mv = real_program("mv");
        const auto run_hook = [&](bool after) {
            const std::string h = hook_path(name, after);
            return "if [ -e '" + h + "' ]; then " + mv + " -f '" + h + "' '" + h + ".ran'; " +
                   "PATH=/usr/bin:/bin /bin/sh '" + h + ".ran' </dev/null >/dev/null 2>&1; fi\n";
        };
        std::ofstream(bin_ + "/" + name)
            << "#!/bin/sh\n"
            << run_hook(false) << "if [ -e '" << hook_path(name, true) << "' ]; then\n"
            << "  out=$('" << real << "' \"$@\"); rc=$?\n  " << run_hook(true)
            << "  [ -z \"$out\" ] || printf '%s\\n' \"$out\"; exit $rc\nfi\n"
            << "exec '" << real << "' \"$@\"\n";
        fs::permissions(bin_ + "/" + name, fs::perms(0755));
    }

    std::string bin_, hooks_;
};

// An archive like the installer's, whose library is another and asks for
// `owner` and `mode` (a setuid root file, say).
std::string make_archive(const std::string& dir, const std::string& text, const char* owner, const char* mode)
{
    fs::create_directories(dir + "/stage");
    std::ofstream(dir + "/stage/VLT650.so") << text;
    const std::string out = dir + "/payload.tar.gz";
    test_support::run_output(std::string("tar --format=ustar --numeric-owner --owner=") + owner +
                             " --group=" + owner + " --mode=" + mode + " -C '" + dir + "/stage' -czf '" +
                             out + "' VLT650.so");
    return out;
}

install_payload describe_file(const std::string& path)
{
    const std::string bytes = test_support::read_file(path);
    return describe_payload(path, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// Files with a set-id bit anywhere below `root`, symlinks not followed.
std::vector<std::string> set_id_files(const std::string& root)
{
    std::vector<std::string> out;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        struct stat st {};
        if (lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & (S_ISUID | S_ISGID)))
            out.push_back(it->path().string());
    }
    return out;
}

// A folder's names and file contents, to see that root left it alone.
std::map<std::string, std::string> contents_of(const std::string& folder)
{
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out[e.path().filename().string()] =
            e.is_regular_file() ? test_support::read_file(e.path()) : "<not a file>";
    return out;
}

class RootSideRaceTest : public PrivCommandsTest {
protected:
    void SetUp() override
    {
        PrivCommandsTest::SetUp();
        // Deadlines far off: what ends an exchange here is root's side or an abort.
        cmds.timings.install_ms = 120000;
        cmds.timings.kill_grace_ms = 5000;
        hooks = std::make_unique<RootSideHooks>(dir.path(), cmds);
        evil = make_archive(dir / "evil", "a setuid root shell", "0", "4755");
    }

    // A new target, another folder of root's that holds a library, and the
    // user's copy of the payload where the installer leaves it.
    void fresh()
    {
        for (const std::string& d : {target, target + ".moved", victim, dir / "user"})
            fs::remove_all(d);
        fs::remove(target);
        ASSERT_TRUE(fs::create_directory(target));
        ASSERT_TRUE(fs::create_directory(victim));
        std::ofstream(victim + "/VLT650.so") << "another folder's library";
        victim_before = contents_of(victim);
        fs::create_directories(dir / "user");
        fs::copy_file(FIXTURE_ARCHIVE, archive);
        hooks->clear();
        abort_flag = 0;
    }

    std::string expand(std::string script) const
    {
        const std::pair<const char*, std::string> words[] = {{"@TARGET@", target},
                                                             {"@VICTIM@", victim},
                                                             {"@ARCHIVE@", archive},
                                                             {"@EVIL@", evil},
                                                             {"@DIR@", dir.path()}};
        for (const auto& [word, value] : words)
            for (size_t at; (at = script.find(word)) != std::string::npos;)
                script.replace(at, std::strlen(word), "'" + value + "'");
        return script;
    }

    // What must hold whatever the swap: nothing set-id anywhere, the other
    // folder untouched, and a success only with the genuine library, root's
    // and 0644, at the chosen path.
    void expect_nothing_gained(int result, const std::string& log)
    {
        EXPECT_EQ(set_id_files(dir.path()), std::vector<std::string>{}) << log;
        EXPECT_EQ(contents_of(victim), victim_before) << "root wrote into or took from another folder\n"
                                                      << log;
        const std::string lib = target + "/VLT650.so";
        if (result == 0) {
            struct stat st {};
            ASSERT_EQ(lstat(lib.c_str(), &st), 0) << log;
            EXPECT_TRUE(S_ISREG(st.st_mode));
            EXPECT_EQ(st.st_uid, 0u);
            EXPECT_EQ(st.st_gid, 0u);
            EXPECT_EQ(st.st_mode & 07777, 0644u);
            EXPECT_TRUE(test_support::read_file(lib) == test_support::read_file(FIXTURE_LIBRARY));
        } else {
            EXPECT_NE(log.find("VLT650.so was not installed in " + target + "\n"), std::string::npos) << log;
        }
        expect_password_kept_out(log);
    }

    std::unique_ptr<RootSideHooks> hooks;
    const std::string target = dir / "target", victim = dir / "victim";
    const std::string archive = dir / "user/qelm-installer-data.tar.gz";
    std::string evil;
    std::map<std::string, std::string> victim_before;
};

struct race_case {
    const char* what;
    const char* program;  // the step of root's side at which the swap happens
    bool after;           // just after that program ran, else just before
    const char* swap;     // sh run as the hook
    bool installs;        // root goes on and installs the genuine library
    const char* reason;   // root's words in the log when it refuses
};

const char* const kSwapFolder = "mv @TARGET@ @TARGET@.moved && ln -s @VICTIM@ @TARGET@";
const char* const kSwapTemp =
    "for t in @TARGET@/.qelm-install-*; do mv \"$t\" @TARGET@/.taken && ln -s @VICTIM@ \"$t\"; done";

const race_case kRaces[] = {
    {"archive swapped before root copies it", "mktemp", false, "cp @EVIL@ @ARCHIVE@", false,
     "is not the installer's own"},
    {"archive swapped once root has its copy", "sha256sum", false, "cp @EVIL@ @ARCHIVE@", true, nullptr},
    {"archive swapped as tar starts", "tar", false, "cp @EVIL@ @ARCHIVE@", true, nullptr},
    {"folder swapped for a symlink after the check", "mktemp", false, kSwapFolder, false,
     "was moved while installing; nothing was installed"},
    {"folder swapped for a symlink before the rename", "mv", false, kSwapFolder, false,
     "while installing; VLT650.so is there"},
    {"temporary folder swapped once made", "mktemp", true, kSwapTemp, false, "was replaced"},
    {"temporary folder swapped as tar starts", "tar", false, kSwapTemp, true,
     "was moved; an empty folder of root's is left"},
};

TEST_P(RootSideRaceTest, SwapsByTheUsersProgramsGainNothing)
{
    for (const race_case& c : kRaces) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(fresh());
        hooks->at(c.program, c.after, expand(c.swap));
        testing::internal::CaptureStdout();
        const int r =
            install(target, kPassword, describe_payload(archive, qelm_payload_data, qelm_payload_size));
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(hooks->ran(c.program, c.after)) << "root's side never reached " << c.program;
        EXPECT_EQ(r, c.installs ? 0 : 1) << log;
        if (c.reason) {
            EXPECT_NE(log.find(c.reason), std::string::npos) << log;
        }
        expect_nothing_gained(r, log);
    }
}

// Even the installer's own archive does not choose the library's owner or
// mode: root sets them.
TEST_P(RootSideRaceTest, ArchiveOwnersAndModesAreNotKept)
{
    ASSERT_NO_FATAL_FAILURE(fresh());
    const std::string odd = make_archive(dir / "odd", "a library that asks for too much", "1234", "6777");
    testing::internal::CaptureStdout();
    EXPECT_EQ(install(target, kPassword, describe_file(odd)), 0);
    const std::string log = testing::internal::GetCapturedStdout();
    struct stat st {};
    ASSERT_EQ(lstat((target + "/VLT650.so").c_str(), &st), 0) << log;
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_gid, 0u);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(contents_of(target).size(), 1u) << "root's private folder was left";
}

// A stop request while root's tar runs: root's side may end by itself and
// the log says the library is in place, or it is ended and the log says it
// is not; either way the folder holds what the log says.
TEST_P(RootSideRaceTest, StopWhileRootUnpacksLogsWhatBecameOfTheLibrary)
{
    for (const bool tar_ends : {true, false}) {
        SCOPED_TRACE(tar_ends ? "root's side ends by itself" : "root's side is ended");
        ASSERT_NO_FATAL_FAILURE(fresh());
        fs::remove(dir / "reached");
        fs::remove(dir / "go");
        cmds.timings.abort_grace_ms = tar_ends ? 120000 : 0;
        hooks->at("tar", false, expand("touch @DIR@/reached; while [ ! -e @DIR@/go ]; do sleep 0.01; done"));
        std::thread stopper([&] {
            wait_for_file(dir / "reached");
            abort_flag = 1;
            if (tar_ends)
                std::ofstream(dir / "go") << "";
        });
        testing::internal::CaptureStdout();
        const int r = install(target, kPassword);
        const std::string log = testing::internal::GetCapturedStdout();
        stopper.join();
        EXPECT_EQ(r, 1);
        EXPECT_EQ(fs::exists(target + "/VLT650.so"), tar_ends) << log;
        const std::string said = tar_ends ? "VLT650.so is installed in " : "VLT650.so was not installed in ";
        EXPECT_NE(log.find(said + target + "\n"), std::string::npos) << log;
        // Ended or not, root's private folder went with it.
        EXPECT_EQ(contents_of(target).size(), tar_ends ? 1u : 0u) << log;
    }
}

std::string road_name(const ::testing::TestParamInfo<road>& info)
{
    return info.param == road::su ? "su" : "sudo";
}
INSTANTIATE_TEST_SUITE_P(Roads, PrivCommandsTest, ::testing::Values(road::su, road::sudo), road_name);
INSTANTIATE_TEST_SUITE_P(Roads, RootSideRaceTest, ::testing::Values(road::su, road::sudo), road_name);

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
        bool cut_off;  // a sudo that waits for a password is ended at the probe's deadline
    } cases[] = {{"normal", true, false}, {"probe_deny", false, false}, {"probe_hang", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        set_fake(cmds, "MODE", c.mode);
        testing::internal::CaptureStdout();
        EXPECT_EQ(cmds.find_sudo({dir / "no-sudo-here", FAKE_SUDO_PATH}), c.usable);
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_EQ(log.find("Using 'sudo'") != std::string::npos, c.usable);
        EXPECT_EQ(cmds.sudo_path(), FAKE_SUDO_PATH);
        const std::string rec = test_support::read_file(dir / "record");
        EXPECT_NE(rec.find("argv -n\n"), std::string::npos);
        EXPECT_EQ(rec.find("hung up\n") != std::string::npos, c.cut_off);
        fs::remove(dir / "record");
    }
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
