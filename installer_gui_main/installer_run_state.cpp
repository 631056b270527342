#include "installer_run_state.h"

#include <signal.h>
#include <string.h>
#include <unistd.h>

#include <cstdio>

#include "installer_log.h"

namespace {

installer_flags g_flags;
char g_heading[1024] = "";
struct sigaction g_old_term, g_old_int;

// Formatted before the handlers go in: a handler may only write(2), as the
// interrupted thread may hold stdio's lock.
char g_term_line[1100], g_int_line[1100];
size_t g_term_len = 0, g_int_len = 0;

void say(const char* line, size_t len) {
  while (len > 0) {
    const ssize_t n = write(STDOUT_FILENO, line, len);
    if (n <= 0) return;
    line += n;
    len -= static_cast<size_t>(n);
  }
}

void sigterm_handler(int) {
  say(g_term_line, g_term_len);
  g_flags.abort_requested.store(1);
}

void sigint_handler(int) {
  say(g_int_line, g_int_len);
  g_flags.abort_requested.store(1);
}

void set_handler(int sig, void (*fn)(int), struct sigaction* old) {
  struct sigaction sa {};
  sa.sa_handler = fn;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;
  sigaction(sig, &sa, old);
}

}  // namespace

installer_flags& run_flags() { return g_flags; }

const char* installer_heading() { return g_heading; }

void set_installer_heading(const char* product, const char* version) {
  snprintf(g_heading, sizeof g_heading, "- %s %s Installer -", product, version);
}

void install_abort_signals() {
  snprintf(g_term_line, sizeof g_term_line, "** INFO ** %s: Caught SIGTERM\n", installer_title());
  snprintf(g_int_line, sizeof g_int_line, "** INFO ** %s: Caught SIGINT\n", installer_title());
  g_term_len = strlen(g_term_line);
  g_int_len = strlen(g_int_line);
  set_handler(SIGTERM, sigterm_handler, &g_old_term);
  set_handler(SIGINT, sigint_handler, &g_old_int);
}

void restore_abort_signals() {
  sigaction(SIGTERM, &g_old_term, nullptr);
  sigaction(SIGINT, &g_old_int, nullptr);
}
