// Flags the installer's two threads share: each is written by one side and
// read afresh by the other at every poll, so plain atomics are enough. The
// signal handlers set abort_requested too, which is why it is a lock-free
// word.
#pragma once

#include <atomic>

enum auth_method_t { auth_sudo = 0, auth_su = 1, auth_none = 255 };

struct installer_flags {
    std::atomic<int> abort_requested{0};
    std::atomic<int> password_entered{0};
    std::atomic<int> ok_pressed{0};
    std::atomic<int> folder_chosen{0};
    std::atomic<int> install_cancelled{0};
    std::atomic<int> other_instance_running{0};
    std::atomic<unsigned char> redraw_requested{0};
};
static_assert(std::atomic<int>::is_always_lock_free, "signal handlers write abort_requested");

installer_flags& run_flags();

// The heading shown on every screen: "- <product> <version> Installer -".
const char* installer_heading();
void set_installer_heading(const char* product, const char* version);

// SIGTERM, SIGINT, SIGHUP and SIGQUIT end the run at its next check; the
// previous actions are kept for restore_abort_signals.
void install_abort_signals();
void restore_abort_signals();
