#include "installer_run_state.h"

#include <signal.h>
#include <string.h>
#include <unistd.h>

#include <cstdio>

#include "installer_log.h"

namespace {

installer_flags g_flags;
char g_heading[1024] = "";

// The signals that end a run as SIGTERM does: a closed terminal (SIGHUP)
// or Ctrl-\ must not leave the lock and the payload behind either. Each
// line is formatted before the handlers go in: a handler may only write(2),
// as the interrupted thread may hold stdio's lock.
struct abort_signal {
    int sig;
    const char* name;
    char line[1100];
    size_t len;
    struct sigaction old;
};
abort_signal g_signals[] = {{SIGTERM, "SIGTERM", "", 0, {}},
                            {SIGINT, "SIGINT", "", 0, {}},
                            {SIGHUP, "SIGHUP", "", 0, {}},
                            {SIGQUIT, "SIGQUIT", "", 0, {}}};
struct sigaction g_old_pipe;

void say(const char* line, size_t len)
{
    while (len > 0) {
        const ssize_t n = write(STDOUT_FILENO, line, len);
        if (n <= 0)
            return;
        line += n;
        len -= static_cast<size_t>(n);
    }
}

void abort_handler(int sig)
{
    for (const abort_signal& s : g_signals)
        if (s.sig == sig)
            say(s.line, s.len);
    g_flags.abort_requested.store(1);
}

}  // namespace

installer_flags& run_flags() { return g_flags; }

const char* installer_heading() { return g_heading; }

void set_installer_heading(const char* product, const char* version)
{
    snprintf(g_heading, sizeof g_heading, "- %s %s Installer -", product, version);
}

void install_abort_signals()
{
    for (abort_signal& s : g_signals) {
        snprintf(s.line, sizeof s.line, "** INFO ** %s: Caught %s\n", installer_title(), s.name);
        s.len = strlen(s.line);
    }
    for (abort_signal& s : g_signals) {
        struct sigaction sa {};
        sa.sa_handler = abort_handler;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = 0;
        sigaction(s.sig, &sa, &s.old);
    }
    // With the terminal or a pipe reader gone, a log line must not end the
    // run before it has cleaned up.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &g_old_pipe);
}

void restore_abort_signals()
{
    for (const abort_signal& s : g_signals)
        sigaction(s.sig, &s.old, nullptr);
    sigaction(SIGPIPE, &g_old_pipe, nullptr);
}
