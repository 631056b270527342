#include "gnustep_tool.h"

#include <cstdio>
#include <cstdlib>

#include "pointer_drag.h"

namespace mac_host {

ToolBundle::ToolBundle(const std::string& path, const char* tool) : bundle_(load_bundle(path))
{
    if (!bundle_)
        std::fprintf(stderr, "%s: %s\n", tool, bundle_.error().c_str());
}

bool WindowRun::parse(int& i, int argc, char** argv)
{
    const std::string arg = argv[i];
    if (i + 1 >= argc)
        return false;
    if (arg == "--seconds")
        seconds = std::atof(argv[++i]);
    else if (arg == "--screenshot")
        screenshot = argv[++i];
    else if (arg == "--drag")
        drag = argv[++i];
    else
        return false;
    return true;
}

bool parse_arguments(int argc, char** argv, std::string& bundle, WindowRun& window,
                     const std::function<bool(const std::string& arg, int& i)>& own)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (window.parse(i, argc, argv) || own(arg, i))
            continue;
        if (!bundle.empty() || arg[0] == '-')
            return false;
        bundle = arg;
    }
    return !bundle.empty();
}

int run_window(HostWindow& window, const WindowRun& run, const char* tool, const std::function<void()>& tick)
{
    if (!run.drag.empty() && !start_drag(run.drag))
        std::fprintf(stderr, "%s: --drag wants X,Y,DY\n", tool);
    window.run(run.seconds, tick);
    if (!run.screenshot.empty() && !window.screenshot(run.screenshot)) {
        std::fprintf(stderr, "%s: could not write %s\n", tool, run.screenshot.c_str());
        return 1;
    }
    return 0;
}

}  // namespace mac_host
