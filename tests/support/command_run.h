// A shell command run to its end in a process of its own: what it wrote to
// stdout and how it ended (its exit status, or -1 when it was killed or could
// not be started).
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct CommandRun {
    int status = -1;
    std::string output;
};

inline CommandRun run_command(const std::string& command)
{
    CommandRun r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        r.output.append(chunk, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}
