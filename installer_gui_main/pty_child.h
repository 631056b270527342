// One outside program run on a new pseudo-terminal, driven from the master
// side as a person at a terminal would. Every wait has a deadline, so a
// program that never prompts, never ends or ignores its input cannot hang
// the installer.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "wait_status.h"

class CPtyChild {
public:
    CPtyChild() = default;
    ~CPtyChild();  // ends and reaps a child still running; wipes the output kept
    CPtyChild(const CPtyChild&) = delete;
    CPtyChild& operator=(const CPtyChild&) = delete;

    // Starts argv[0] with argv on a new terminal, in its own session, in the
    // root folder, with every signal at its default action and with exactly
    // the environment `env` (nothing of ours).
    bool spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env);

    // Reads what the program shows until the deadline or until the terminal
    // closes. Returns false when the terminal has closed.
    bool pump(int timeout_ms);

    // Waits until the program has shown `marker` (any output at all when the
    // marker is empty) and has turned echo off, i.e. is reading a secret.
    // A program that shows the marker but keeps echo on gets `echo_grace_ms`
    // more, then the wait succeeds anyway. False on deadline or exit.
    bool wait_for_secret_prompt(std::string_view marker, int timeout_ms, int echo_grace_ms);

    // Writes every byte, retrying short writes and EINTR; false on failure.
    bool write_all(const char* data, size_t len);

    // Times `marker` has appeared in the output so far.
    int marker_count(std::string_view marker) const;

    using stop_fn = std::function<bool(const CPtyChild&)>;

    // Drains the output until the child ends (true, with `o` set), or until
    // the deadline or `stop_when` (when given) answers true (false; the child
    // still runs).
    bool wait_end(int timeout_ms, child_outcome& o, const stop_fn& stop_when = {});

    // wait_end, and a child that has not ended is hung up and then signalled.
    child_outcome finish(int timeout_ms, const stop_fn& stop_when = {});

    // Hangs up the terminal and ends the child, waiting at most kill_grace_ms
    // for each step (hangup, SIGTERM, SIGKILL).
    child_outcome terminate();

    bool echo_is_off() const;
    bool running() const { return pid_ > 0; }
    const std::string& output() const { return out_; }
    void set_kill_grace_ms(int ms) { kill_grace_ms_ = ms; }

private:
    bool reap(int timeout_ms, child_outcome& o);
    void close_master();

    int master_ = -1;
    pid_t pid_ = -1;
    int kill_grace_ms_ = 1000;
    std::string out_;  // bounded; may hold an echoed secret, wiped on destruction
};
