// GoogleTest on the GNUstep runtime with a display: a private Xvfb for the
// run, the application object the windows need, one autorelease pool.
// Without an X server the run is skipped (77).
#import <AppKit/AppKit.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "xvfb_server.h"

int main(int argc, char** argv)
{
    XvfbServer server(XvfbServer::options{});
    if (!server.running()) {
        std::puts("SKIPPED: no Xvfb here");
        return 77;
    }
    ScopedDisplay display(server.display_name());
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    [pool release];
    return result;
}
