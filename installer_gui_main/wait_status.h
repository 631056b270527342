// A child only succeeded when it exited by itself with status 0; a child
// killed by a signal has no exit status at all and must not read as 0.
#pragma once

#include <sys/wait.h>

struct child_outcome {
    enum kind_t { exited, signalled, timed_out, not_started } kind = not_started;
    int code = -1;  // exit status when exited, signal number when signalled

    bool succeeded() const { return kind == exited && code == 0; }

    static child_outcome from_wait_status(int status)
    {
        child_outcome o;
        if (WIFEXITED(status)) {
            o.kind = exited;
            o.code = WEXITSTATUS(status);
        } else if (WIFSIGNALED(status)) {
            o.kind = signalled;
            o.code = WTERMSIG(status);
        }
        return o;
    }
};
