// The test host by hand: opens the Audio Unit view of a fake unit in a
// borderless window, runs the run loop and can write a screenshot.
//   au_view_open [--ui-size 1..2] [--seconds N] [--meter DB] [--screenshot FILE.png]
#import <AppKit/AppKit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "au_view_host.h"

int main(int argc, char** argv)
{
    float ui_size = 1.0f, meter_db = 0.0f;
    double seconds = 1.0;
    std::string screenshot;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--ui-size"))
            ui_size = std::strtof(argv[i + 1], nullptr);
        else if (!std::strcmp(argv[i], "--seconds"))
            seconds = std::strtod(argv[i + 1], nullptr);
        else if (!std::strcmp(argv[i], "--meter"))
            meter_db = std::strtof(argv[i + 1], nullptr);
        else if (!std::strcmp(argv[i], "--screenshot"))
            screenshot = argv[i + 1];
        else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    int status = 0;
    {
        FakeAudioUnit unit;
        unit.values[9] = ui_size;
        AuViewHost host(unit);
        unit.change(8, meter_db);
        host.run(seconds);
        if (!screenshot.empty() && !host.screenshot(screenshot)) {
            std::fprintf(stderr, "cannot write %s\n", screenshot.c_str());
            status = 1;
        }
    }
    [pool release];
    return status;
}
