#pragma once
// The main of every host tool: the options parsed, or the usage on stderr
// and exit status 2; otherwise the run's own exit status.
#include <cstdio>

namespace host_tool {

template <typename Options>
int tool_main(int argc, char** argv, const char* usage, bool (*parse)(int, char**, Options&),
              int (*run)(const Options&))
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::fputs(usage, stderr);
        return 2;
    }
    return run(o);
}

}  // namespace host_tool
