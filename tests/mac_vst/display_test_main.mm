// GoogleTest for the bundles on a display: the host's application object
// exists before any bundle loads, as in a macOS host.
#import <AppKit/AppKit.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    [pool release];
    return result;
}
