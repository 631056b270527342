#include "pty_child.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <string.h>
#include <sys/syscall.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr size_t kMaxKeptOutput = 64 * 1024;

long long now_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int remaining_ms(long long deadline)
{
    const long long left = deadline - now_ms();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Built before fork: after fork in a threaded program only async-signal-safe
// calls are allowed, so the child must not allocate.
struct exec_image {
    std::vector<char*> argv, envp;

    exec_image(const std::vector<std::string>& args, const std::vector<std::string>& env)
    {
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (const auto& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
    }
};

[[noreturn]] void exec_child(const exec_image& img)
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    // An ignored signal would stay ignored in the program, root's included.
    for (int sig = 1; sig < NSIG; ++sig)
        signal(sig, SIG_DFL);
    // Not a folder the user browsed into: nothing there is looked at as root.
    if (chdir("/") != 0)
        _exit(255);
    // Nothing of ours (lock file, X connection, payload) leaks into a root program.
    syscall(SYS_close_range, 3u, ~0u, 0u);
    execve(img.argv[0], img.argv.data(), img.envp.data());
    _exit(255);
}

}  // namespace

CPtyChild::~CPtyChild()
{
    if (pid_ > 0)
        terminate();
    close_master();
    explicit_bzero(out_.data(), out_.size());
}

bool CPtyChild::spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    if (pid_ > 0 || argv.empty())
        return false;
    const exec_image img(argv, env);
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid < 0)
        return false;
    if (pid == 0)
        exec_child(img);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    master_ = master;
    pid_ = pid;
    return true;
}

void CPtyChild::close_master()
{
    if (master_ >= 0)
        close(master_);
    master_ = -1;
}

bool CPtyChild::pump(int timeout_ms)
{
    if (master_ < 0)
        return false;
    const long long deadline = now_ms() + timeout_ms;
    for (;;) {
        pollfd p{master_, POLLIN, 0};
        const int r = poll(&p, 1, remaining_ms(deadline));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return r == 0;
        char buf[256];
        const ssize_t n = read(master_, buf, sizeof buf);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        // EIO: the slave side has closed, the program is gone or going.
        if (n <= 0)
            return false;
        if (out_.size() + n > kMaxKeptOutput) {
            explicit_bzero(out_.data(), out_.size() / 2);
            out_.erase(0, out_.size() / 2);
        }
        out_.append(buf, static_cast<size_t>(n));
        explicit_bzero(buf, sizeof buf);
        return true;
    }
}

bool CPtyChild::echo_is_off() const
{
    termios t{};
    // The master and slave share one set of terminal settings.
    return master_ >= 0 && tcgetattr(master_, &t) == 0 && (t.c_lflag & ECHO) == 0;
}

int CPtyChild::marker_count(std::string_view marker) const
{
    if (marker.empty())
        return out_.empty() ? 0 : 1;
    int n = 0;
    for (size_t at = out_.find(marker); at != std::string::npos; at = out_.find(marker, at + marker.size()))
        ++n;
    return n;
}

bool CPtyChild::wait_for_secret_prompt(std::string_view marker, int timeout_ms, int echo_grace_ms)
{
    const long long deadline = now_ms() + timeout_ms;
    long long echo_deadline = -1;
    for (;;) {
        if (marker_count(marker) > 0) {
            if (echo_is_off())
                return true;
            if (echo_deadline < 0)
                echo_deadline = now_ms() + echo_grace_ms;
            if (now_ms() >= echo_deadline)
                return true;
        }
        if (now_ms() >= deadline)
            return false;
        // A closed terminal: the program has ended without asking.
        if (!pump(10))
            return false;
    }
}

bool CPtyChild::write_all(const char* data, size_t len)
{
    const long long deadline = now_ms() + 5000;
    while (len > 0 && master_ >= 0) {
        const ssize_t n = write(master_, data, len);
        if (n > 0) {
            data += n;
            len -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && now_ms() < deadline) {
            pollfd p{master_, POLLOUT, 0};
            poll(&p, 1, 10);
            continue;
        }
        return false;
    }
    return len == 0;
}

bool CPtyChild::reap(int timeout_ms, child_outcome& o)
{
    const long long deadline = now_ms() + timeout_ms;
    for (;;) {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            o = child_outcome::from_wait_status(status);
            pid_ = -1;
            return true;
        }
        if (r < 0 && errno != EINTR) {
            pid_ = -1;
            return true;
        }
        if (now_ms() >= deadline)
            return false;
        // Keep reading so a program blocked on a full terminal can finish.
        if (!pump(5))
            usleep(2000);
    }
}

bool CPtyChild::wait_end(int timeout_ms, child_outcome& o, const stop_fn& stop_when)
{
    if (pid_ <= 0)
        return false;
    const long long deadline = now_ms() + timeout_ms;
    while (now_ms() < deadline) {
        if (stop_when && stop_when(*this))
            return false;
        if (reap(0, o)) {
            while (pump(0)) {
            }
            return true;
        }
        if (!pump(10))
            usleep(2000);
    }
    return false;
}

child_outcome CPtyChild::finish(int timeout_ms, const stop_fn& stop_when)
{
    child_outcome o;
    if (pid_ <= 0 || wait_end(timeout_ms, o, stop_when))
        return o;
    // Stopped early or out of time: a failure whatever the child answers now.
    o = terminate();
    o.kind = child_outcome::timed_out;
    return o;
}

child_outcome CPtyChild::terminate()
{
    child_outcome o;
    o.kind = child_outcome::timed_out;
    if (pid_ <= 0)
        return o;
    // A hang-up reaches the session even when the program runs setuid root
    // and so refuses our signals.
    close_master();
    if (reap(kill_grace_ms_, o))
        return o;
    kill(-pid_, SIGTERM);
    kill(pid_, SIGTERM);
    if (reap(kill_grace_ms_, o))
        return o;
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    if (reap(kill_grace_ms_, o))
        return o;
    return o;
}
