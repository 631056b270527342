#include "xvfb_server.h"

#include <cerrno>
#include <fcntl.h>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

XvfbServer::XvfbServer(const options& o)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    const std::string fd = std::to_string(fds[1]);
    const std::string screen =
        std::to_string(o.width) + "x" + std::to_string(o.height) + "x" + std::to_string(o.depth);
    const std::string dpi = std::to_string(o.dpi);
    pid_ = fork();
    if (pid_ == 0) {
        // Never outlive the process that started us.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0) {
            dup2(devnull, 1);
            dup2(devnull, 2);
        }
        if (o.dpi > 0)
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-dpi",
                   dpi.c_str(), "-nolisten", "tcp", "-noreset", nullptr);
        else
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
                   "tcp", "-noreset", nullptr);
        _exit(127);
    }
    close(fds[1]);
    if (pid_ < 0) {
        close(fds[0]);
        return;
    }
    // The server writes its display number and a newline once it is ready.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 10000) > 0) {
        char c;
        ssize_t n = read(fds[0], &c, 1);
        if (n <= 0 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (!number.empty())
        name_ = ":" + number;
}

XvfbServer::~XvfbServer()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
}

ScopedDisplay::ScopedDisplay(const std::string& name)
{
    if (const char* d = std::getenv("DISPLAY")) {
        old_ = d;
        had_old_ = true;
    }
    setenv("DISPLAY", name.c_str(), 1);
}

ScopedDisplay::~ScopedDisplay()
{
    if (had_old_)
        setenv("DISPLAY", old_.c_str(), 1);
    else
        unsetenv("DISPLAY");
}
