// Touches Foundation, AppKit and the C++ core from one Objective-C++ file,
// without a display: prints one line the tree's smoke test looks for.
#import <Foundation/Foundation.h>
#import <AppKit/AppKit.h>

#include <cstdio>
#include <string>

#include "CNFq.h"

int main()
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    CNFq dsp;
    const std::string cxx = "C++";
    NSString* line = [NSString stringWithFormat:@"objc++ probe: %s, %s, %zu-byte DSP", cxx.c_str(),
                                                [NSStringFromClass([NSView class]) UTF8String], sizeof dsp];
    std::printf("%s\n", [line UTF8String]);
    [pool release];
    return 0;
}
