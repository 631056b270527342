// GoogleTest for views on a display: the application object exists before
// any window, one autorelease pool around the run. Started through
// tests/support/gnustep_display_run.sh, which provides the display.
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
