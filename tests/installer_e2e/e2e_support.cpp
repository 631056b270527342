#include "e2e_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace e2e {

namespace {

long long now_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

std::vector<char*> c_argv(std::vector<std::string>& v)
{
    std::vector<char*> out;
    for (auto& s : v)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Where a started run's child gave up before the program ran. It tells the
// parent through a close-on-exec pipe, which an exec that works closes unread.
enum class child_step : int { private_mounts, drop_to_user, enter_cwd, exec };
struct child_step_info {
    const char* what;
    int exit_status;
};
constexpr child_step_info kChildSteps[] = {{"making the private mounts", 120},
                                           {"switching to the test user", 121},
                                           {"entering the working folder", 122},
                                           {"starting the program", 127}};
struct child_failure {
    int step;
    int error;
};

[[noreturn]] void child_fail(int report_fd, child_step step)
{
    const child_failure f{static_cast<int>(step), errno};
    if (write(report_fd, &f, sizeof f) < 0)
        _exit(126);
    _exit(kChildSteps[f.step].exit_status);
}

}  // namespace

int run(const std::vector<std::string>& argv, const std::string& display, std::string* out)
{
    std::vector<std::string> args(argv);
    std::vector<char*> cargs = c_argv(args);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        if (!display.empty())
            setenv("DISPLAY", display.c_str(), 1);
        execvp(cargs[0], cargs.data());
        _exit(127);
    }
    close(fds[1]);
    std::string text;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int st = 0;
    if (pid < 0 || waitpid(pid, &st, 0) != pid)
        return -1;
    if (out)
        *out = text;
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

std::string read_file(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// --- test user ---------------------------------------------------------------

TestUser::TestUser()
{
    std::random_device rd;
    name_ = "qelme" + std::to_string(rd() % 1000000);
    // Blanks and shell characters: typed as keys, they must reach su or sudo whole.
    password_ = "Pw " + std::to_string(rd() % 100000) + " $x'q";
    if (run({"useradd", "-M", "-d", "/nonexistent", "-s", "/bin/sh", name_}) != 0)
        return;
    if (FILE* p = popen("chpasswd", "w")) {
        std::fprintf(p, "%s:%s\n", name_.c_str(), password_.c_str());
        if (pclose(p) != 0)
            return;
    }
    if (const passwd* pw = getpwnam(name_.c_str())) {
        uid_ = pw->pw_uid;
        gid_ = pw->pw_gid;
    }
}

TestUser::~TestUser()
{
    std::error_code ec;
    if (!sudoers_.empty())
        std::filesystem::remove(sudoers_, ec);
    run({"userdel", name_});
    // sudo keeps its timestamps per user name, which a later user of the
    // same name would inherit.
    for (const char* dir : {"/run/sudo/ts/", "/var/lib/sudo/ts/"})
        std::filesystem::remove(dir + name_, ec);
}

std::string TestUser::shadow_entry_for(const std::string& account) const
{
    std::istringstream shadow(read_file("/etc/shadow"));
    for (std::string line; std::getline(shadow, line);)
        if (line.rfind(name_ + ":", 0) == 0)
            return account + line.substr(name_.size());
    return "";
}

bool TestUser::grant_sudo()
{
    sudoers_ = "/etc/sudoers.d/qelm-e2e-" + name_;
    {
        std::ofstream f(sudoers_);
        f << name_ << " ALL=(ALL:ALL) ALL\nDefaults:" << name_ << " !lecture\n";
    }
    chmod(sudoers_.c_str(), 0440);
    return run({"visudo", "-qcf", sudoers_}) == 0;
}

// --- the installer run -----------------------------------------------------------

InstallerRun::~InstallerRun()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool InstallerRun::start(const options& o, const std::string& log_path)
{
    log_path_ = log_path;
    start_error_.clear();
    const int log_fd = open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (log_fd < 0) {
        start_error_ = "cannot write the log " + log_path + ": " + std::strerror(errno);
        return false;
    }
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        close(log_fd);
        start_error_ = std::string("pipe: ") + std::strerror(errno);
        return false;
    }

    // Everything the child needs is made before fork.
    std::vector<std::string> args{o.program};
    std::vector<std::string> env{"PATH=/usr/bin:/bin:/usr/sbin:/sbin", "HOME=/", "LANG=C.UTF-8",
                                 "QELM_INSTALLER_TEST_PAUSE_PERCENT=" + std::to_string(o.pause_percent)};
    if (!o.display.empty())
        env.push_back("DISPLAY=" + o.display);
    if (o.user) {
        env.push_back("USER=" + o.user->name());
        env.push_back("LOGNAME=" + o.user->name());
    }
    for (const std::string& e : o.extra_env) {
        const std::string name = e.substr(0, e.find('=') + 1);
        std::erase_if(env, [&](const std::string& have) { return have.rfind(name, 0) == 0; });
        env.push_back(e);
    }
    std::vector<char*> cargs = c_argv(args), cenv = c_argv(env);
    const std::string tmp_options = "mode=1777,size=" + std::to_string(o.tmp_size_kb) + "k";

    std::fflush(stdout);
    pid_ = fork();
    if (pid_ == 0) {
        const int fd = report[1];
        dup2(log_fd, STDOUT_FILENO);
        dup2(log_fd, STDERR_FILENO);
        if (!o.su_stand_in.empty() || !o.etc_stand_in.empty() || o.hide_programs || !o.private_tmp.empty() ||
            o.tmp_size_kb > 0 || !o.binds.empty()) {
            // Our own view of the file tree: these mounts are seen by this run only.
            if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                child_fail(fd, child_step::private_mounts);
            if (!o.su_stand_in.empty() &&
                mount(o.su_stand_in.c_str(), "/usr/bin/su", nullptr, MS_BIND, nullptr) != 0)
                child_fail(fd, child_step::private_mounts);
            if (!o.etc_stand_in.empty() &&
                mount(o.etc_stand_in.c_str(), "/etc", nullptr, MS_BIND | MS_REC, nullptr) != 0)
                child_fail(fd, child_step::private_mounts);
            if (o.hide_programs)
                for (const char* dir : {"/usr/bin", "/usr/sbin", "/usr/local/bin"})
                    if (access(dir, F_OK) == 0 && mount("none", dir, "tmpfs", 0, "mode=0755") != 0)
                        child_fail(fd, child_step::private_mounts);
            for (const auto& [from, onto] : o.binds)
                if (mount(from.c_str(), onto.c_str(), nullptr, MS_BIND, nullptr) != 0)
                    child_fail(fd, child_step::private_mounts);
            // X clients reach the server by its abstract socket, which no mount hides.
            if (o.tmp_size_kb > 0) {
                if (mount("none", "/tmp", "tmpfs", 0, tmp_options.c_str()) != 0)
                    child_fail(fd, child_step::private_mounts);
            } else if (!o.private_tmp.empty() &&
                       mount(o.private_tmp.c_str(), "/tmp", nullptr, MS_BIND, nullptr) != 0) {
                child_fail(fd, child_step::private_mounts);
            }
        }
        if (o.user &&
            (setgroups(0, nullptr) != 0 || setgid(o.user->gid()) != 0 || setuid(o.user->uid()) != 0))
            child_fail(fd, child_step::drop_to_user);
        if (chdir(o.cwd.c_str()) != 0)
            child_fail(fd, child_step::enter_cwd);
        execve(cargs[0], cargs.data(), cenv.data());
        child_fail(fd, child_step::exec);
    }
    const int fork_error = errno;
    close(log_fd);
    close(report[1]);
    child_failure f{};
    ssize_t n;
    while ((n = read(report[0], &f, sizeof f)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (pid_ < 0) {
        start_error_ = std::string("fork: ") + std::strerror(fork_error);
        return false;
    }
    if (n != static_cast<ssize_t>(sizeof f))
        return true;  // the program runs

    int st = 0;
    while (waitpid(pid_, &st, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    start_error_ = std::string(kChildSteps[f.step].what) + " " + o.program +
                   " failed: " + std::strerror(f.error) + " (exit status " +
                   std::to_string(WIFEXITED(st) ? WEXITSTATUS(st) : -1) + ")";
    return false;
}

bool InstallerRun::running() const
{
    siginfo_t info{};
    return pid_ > 0 && waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid != pid_;
}

std::string InstallerRun::log() const { return read_file(log_path_); }

bool InstallerRun::wait_for_log(const std::string& text, int timeout_ms) const
{
    return wait_for_any_log({text}, timeout_ms) == 0;
}

int InstallerRun::wait_for_any_log(const std::vector<std::string>& texts, int timeout_ms) const
{
    const auto found = [&] {
        const std::string now = log();
        for (size_t i = 0; i < texts.size(); ++i)
            if (now.find(texts[i]) != std::string::npos)
                return static_cast<int>(i);
        return -1;
    };
    const long long end = now_ms() + timeout_ms;
    for (;;) {
        if (const int i = found(); i >= 0)
            return i;
        if (now_ms() >= end)
            return -1;
        // Ended: the log is complete now.
        if (!running())
            return found();
        usleep(20000);
    }
}

int InstallerRun::wait_exit(int timeout_ms)
{
    const long long end = now_ms() + timeout_ms;
    while (pid_ > 0) {
        int st = 0;
        if (waitpid(pid_, &st, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(st) ? WEXITSTATUS(st) : -2;
        }
        if (now_ms() >= end)
            return -1;
        usleep(20000);
    }
    return -1;
}

bool InstallerRun::has_children() const
{
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
    std::error_code ec;
    for (const auto& t : std::filesystem::directory_iterator(tasks, ec)) {
        std::string kids = read_file(t.path().string() + "/children");
        if (kids.find_first_not_of(" \n") != std::string::npos)
            return true;
    }
    return false;
}

bool InstallerRun::wait_children_done(int timeout_ms, int quiet_ms) const
{
    const long long end = now_ms() + timeout_ms;
    bool seen = false;
    long long quiet_since = 0;
    while (now_ms() < end) {
        if (has_children()) {
            seen = true;
            quiet_since = 0;
        } else if (seen) {
            if (quiet_since == 0)
                quiet_since = now_ms();
            if (now_ms() - quiet_since >= quiet_ms)
                return true;
        }
        usleep(10000);
    }
    return false;
}

void InstallerRun::send_signal(int sig) const
{
    if (pid_ > 0)
        kill(pid_, sig);
}

// --- xdotool ---------------------------------------------------------------------

unsigned long Xdo::wait_window(const std::string& name_pattern, int timeout_ms,
                               const std::function<bool()>& keep_waiting) const
{
    const long long end = now_ms() + timeout_ms;
    while (now_ms() < end) {
        if (keep_waiting && !keep_waiting())
            return 0;
        std::string out;
        if (run({"xdotool", "search", "--onlyvisible", "--name", name_pattern}, display_, &out) == 0) {
            const unsigned long id = std::strtoul(out.c_str(), nullptr, 10);
            if (id != 0)
                return id;
        }
        usleep(100000);
    }
    return 0;
}

bool Xdo::window_gone(const std::string& name_pattern, int timeout_ms) const
{
    const long long end = now_ms() + timeout_ms;
    while (now_ms() < end) {
        std::string out;
        run({"xdotool", "search", "--onlyvisible", "--name", name_pattern}, display_, &out);
        if (out.find_first_not_of(" \n") == std::string::npos)
            return true;
        usleep(100000);
    }
    return false;
}

bool Xdo::click(unsigned long window, int x, int y) const
{
    const std::string w = std::to_string(window);
    return run({"xdotool", "mousemove", "--window", w, std::to_string(x), std::to_string(y)}, display_) ==
               0 &&
           run({"xdotool", "click", "1"}, display_) == 0;
}

bool Xdo::type(unsigned long window, const std::string& text) const
{
    const std::string w = std::to_string(window);
    return run({"xdotool", "mousemove", "--window", w, "300", "368"}, display_) == 0 &&
           run({"xdotool", "windowfocus", w}, display_) == 0 &&
           run({"xdotool", "type", "--delay", "30", text}, display_) == 0;
}

bool Xdo::key(unsigned long window, const std::string& keysym) const
{
    return run({"xdotool", "windowfocus", std::to_string(window)}, display_) == 0 &&
           run({"xdotool", "key", keysym}, display_) == 0;
}

bool private_mounts_allowed()
{
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0)
        _exit(unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                  ? 0
                  : 1);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> installer_leftovers_in_tmp(const std::string& tmp)
{
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(tmp, ec)) {
        const std::string n = e.path().filename().string();
        if (n.rfind("qelm-installer", 0) == 0)
            out.push_back(n);
    }
    return out;
}

}  // namespace e2e
