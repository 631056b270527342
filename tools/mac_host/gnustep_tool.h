#pragma once
// What both GNUstep host tools do around the plug-in's own calls: their
// command line, the bundle loaded as a macOS host does, and the window run
// once the plug-in's view is in it (the user's drag, the run loop for a
// while, the screenshot). tool names the program in its messages.
#include <functional>
#include <string>

#include "bundle_loader.h"
#include "host_window.h"

namespace mac_host {

// The application object, then the bundle with its executable loaded;
// false, with the reason said on stderr, when the bundle cannot be loaded.
class ToolBundle {
public:
    ToolBundle(const std::string& path, const char* tool);
    explicit operator bool() const { return static_cast<bool>(bundle_); }
    const LoadedBundle& bundle() const { return bundle_; }

private:
    Application application_;
    LoadedBundle bundle_;
};

struct WindowRun {
    double seconds = 1.0;
    std::string screenshot;
    std::string drag;  // "X,Y,DY"

    // Takes --seconds N, --screenshot FILE.png or --drag X,Y,DY at argv[i],
    // stepping i onto its value; false for any other argument.
    bool parse(int& i, int argc, char** argv);
};

// The command line of a host tool: the bundle (the first argument without
// a dash), the window's options, and the tool's own, which own takes at
// argv[i] (stepping i onto a value) or refuses. False when an argument is
// refused or there is no bundle.
bool parse_arguments(int argc, char** argv, std::string& bundle, WindowRun& window,
                     const std::function<bool(const std::string& arg, int& i)>& own);

// Starts the drag, runs the window with the host's tick, then writes the
// screenshot. Answers the exit status: 1 when the screenshot failed.
int run_window(HostWindow& window, const WindowRun& run, const char* tool, const std::function<void()>& tick);

}  // namespace mac_host
