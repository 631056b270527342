// Work that needs root, handed to su or sudo on a pseudo-terminal and fed
// the user's password the way a person would type it. The password only
// ever travels through the terminal: never in argv, the environment or logs.
// Nothing of the user's environment reaches them either: su without '-'
// would hand it to root's shell and tar (BASH_ENV, TAR_OPTIONS, PATH).
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "root_install.h"
#include "wait_status.h"

class CPtyChild;
struct file_identity;  // a file as lstat saw it, or that it was not there

struct priv_timings {
    int prompt_ms = 15000;      // until su or sudo asks for the password
    int echo_grace_ms = 1000;   // a prompt shown with echo still on gets this long
    int answer_ms = 30000;      // password check: until the program ends
    int install_ms = 300000;    // unpacking as root: until tar ends
    int probe_ms = 5000;        // sudo -n and sudo -k
    int kill_grace_ms = 1000;   // each step of ending a program that overstays
    int settle_ms = 5000;       // after a successful install, abortable
    int abort_grace_ms = 5000;  // an install asked to stop may still end by itself
};

// What became of the library once root's side has ended, or was ended.
enum class root_outcome { installed, not_installed, unknown };

// The log line that says so, with the folder escaped.
void log_root_outcome(root_outcome outcome, const std::string& folder);

// The whole environment of su and sudo: a fixed system PATH, the C locale
// (untranslated prompts and messages) and a terminal type.
const std::vector<std::string>& default_root_environment();

class CPrivCommands {
public:
    explicit CPrivCommands(const std::atomic<int>* abort_requested = nullptr)
        : abort_requested_(abort_requested)
    {
    }

    static const std::vector<std::string>& default_su_paths();
    static const std::vector<std::string>& default_sudo_paths();
    static const std::vector<std::string>& default_tar_paths();

    // The first of the candidates that exists becomes the program used.
    bool find_su(const std::vector<std::string>& candidates = default_su_paths());
    // Also needs `sudo -n` to run a command as this same user: sudo then
    // knows the user, who may use it with a password.
    bool find_sudo(const std::vector<std::string>& candidates = default_sudo_paths());
    bool find_tar(const std::vector<std::string>& candidates = default_tar_paths());

    bool sudo_probe(const char* user_name);
    bool sudo_forget();
    // Runs argv (program first) through sudo; true when it exited with 0.
    bool sudo_run(const std::vector<std::string>& command, const char* password);
    bool sudo_check_password(const char* password);
    // 0 when root installed the library of `payload` into `folder` and no
    // abort came. An abort while root's side runs gives it abort_grace_ms to
    // end by itself; a run that was stopped, or failed, logs what became of
    // the library.
    int sudo_install(const char* folder, const install_payload& payload, const char* password);

    bool su_check_password(const char* password);
    // Runs a command line through su, by /bin/sh whatever root's login shell
    // is; the caller quotes it. The terminal's output goes to `output` when given.
    child_outcome su_run(const std::string& command, const char* password, int finish_ms,
                         std::string* output = nullptr, bool abortable = false);
    int su_install(const char* folder, const install_payload& payload, const char* password);

    void set_su_path(const std::string& p) { su_path_ = p; }
    void set_sudo_path(const std::string& p) { sudo_path_ = p; }
    void set_tar_path(const std::string& p) { tar_path_ = p; }
    const std::string& su_path() const { return su_path_; }
    const std::string& sudo_path() const { return sudo_path_; }

    priv_timings timings;
    std::vector<std::string> root_environment = default_root_environment();

private:
    child_outcome sudo_exchange(const std::vector<std::string>& command, const char* password, int finish_ms,
                                std::string* output = nullptr, bool abortable = false);
    child_outcome run_without_input(const std::vector<std::string>& argv, int finish_ms);
    // The end of an exchange; with `abortable`, an abort request gives the
    // child abort_grace_ms more before it is ended.
    child_outcome finish_exchange(CPtyChild& child, int finish_ms, bool abortable,
                                  const std::function<bool(const CPtyChild&)>& stop_when = {}) const;
    // Logs what root's side said went wrong (then wipes `output`) and what
    // became of the library, then the settle wait.
    int settle(const child_outcome& o, std::string& output, const char* password,
               const root_install_args& args, const file_identity& before) const;
    // What root's side gets; false (logged) when the folder is refused.
    bool install_arguments(const char* folder, const install_payload& payload, root_install_args& args) const;
    // Runs the root script on either road; its result as settle's.
    int install_through(const root_install_args& args, const char* password, bool by_sudo);
    bool aborted() const { return abort_requested_ && abort_requested_->load(); }

    const std::atomic<int>* abort_requested_;
    std::string su_path_, sudo_path_, tar_path_ = "/bin/tar";
};
