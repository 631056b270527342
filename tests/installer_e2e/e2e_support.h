// What the installer's end-to-end tests drive it with: a throw-away user
// with a password, the installer started as that user (optionally with a
// stand-in su bound over the system's one in a private mount namespace),
// its log, and xdotool against a private X server.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Runs argv (program looked up in PATH) with DISPLAY set when given; its
// exit status, and its standard output when `out` is given.
int run(const std::vector<std::string>& argv, const std::string& display = "", std::string* out = nullptr);

class TestUser {
public:
    TestUser();   // a new user with a random name and password; ok() tells
    ~TestUser();  // removes the user with its sudoers entry and sudo's timestamps
    TestUser(const TestUser&) = delete;
    TestUser& operator=(const TestUser&) = delete;

    bool ok() const { return uid_ != 0; }
    bool grant_sudo();  // a sudoers entry for every command, asking for the password
    // The user's line of /etc/shadow with the name replaced: the same
    // password for another account.
    std::string shadow_entry_for(const std::string& account) const;
    const std::string& name() const { return name_; }
    const std::string& password() const { return password_; }
    uid_t uid() const { return uid_; }
    gid_t gid() const { return gid_; }

private:
    std::string name_, password_, sudoers_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

class InstallerRun {
public:
    struct options {
        std::string program;
        std::string cwd = "/";
        std::string display;
        const TestUser* user = nullptr;  // null: run as ourselves
        std::string su_stand_in;         // bound over /usr/bin/su when set
        // A folder bound over /etc when set: a whole folder, as a file bound
        // over /etc/shadow would be dropped as soon as anyone adds or removes
        // a user (which renames a new shadow file into place).
        std::string etc_stand_in;
        std::vector<std::string> extra_env;  // NAME=value entries the user has set
        bool hide_programs = false;          // empty program folders (so no su, no sudo) for this run
        // A folder bound over /tmp, so the run's lock and payload are the
        // test's own and never meet another checkout's test or a real run.
        std::string private_tmp;
        int tmp_size_kb = 0;  // when set: a fresh tmpfs of this size as /tmp instead
        // Files bound over others (from, onto): stand-ins for root's programs.
        std::vector<std::pair<std::string, std::string>> binds;
        int pause_percent = 100;  // test builds only
    };

    InstallerRun() = default;
    ~InstallerRun();  // kills and reaps a run still going
    InstallerRun(const InstallerRun&) = delete;
    InstallerRun& operator=(const InstallerRun&) = delete;

    // Returns once the program is running. False when it never started; then
    // start_error() says why, with the child's exit status.
    bool start(const options& o, const std::string& log_path);
    const std::string& start_error() const { return start_error_; }
    bool running() const;
    // True once the log holds `text`; false on the deadline or when the run ends without it.
    bool wait_for_log(const std::string& text, int timeout_ms) const;
    // The index of the first of `texts` the log holds; -1 as wait_for_log is false.
    int wait_for_any_log(const std::vector<std::string>& texts, int timeout_ms) const;
    // Exit status; -1 on the deadline, -2 when ended by a signal.
    int wait_exit(int timeout_ms);
    // Waits until the run has started a child and has had none for `quiet_ms`.
    bool wait_children_done(int timeout_ms, int quiet_ms) const;
    void send_signal(int sig) const;
    std::string log() const;
    pid_t pid() const { return pid_; }

private:
    bool has_children() const;

    pid_t pid_ = -1;
    std::string log_path_;
    std::string start_error_;
};

class Xdo {
public:
    explicit Xdo(std::string display) : display_(std::move(display)) {}
    // The first visible window whose name matches the pattern; 0 at the
    // deadline, or as soon as keep_waiting (when given) answers false.
    unsigned long wait_window(const std::string& name_pattern, int timeout_ms,
                              const std::function<bool()>& keep_waiting = {}) const;
    bool window_gone(const std::string& name_pattern, int timeout_ms) const;
    bool click(unsigned long window, int x, int y) const;
    // Points at the window, gives it the keyboard and types through XTEST.
    bool type(unsigned long window, const std::string& text) const;
    bool key(unsigned long window, const std::string& keysym) const;

private:
    std::string display_;
};

// Names in the run's /tmp that belong to the installer (lock file, payload folders).
std::vector<std::string> installer_leftovers_in_tmp(const std::string& tmp = "/tmp");

// Whether this machine lets us give one run a private view of the file tree
// (a mount namespace with / made private): containers without the capability
// refuse it, and so does a plain chroot, whose / is not a mount point.
bool private_mounts_allowed();
inline constexpr const char* kNoPrivateMounts =
    "needs a private mount namespace (refused without CAP_SYS_ADMIN and where / is not a mount point, "
    "as in a plain chroot)";

std::string read_file(const std::string& path);

}  // namespace e2e
