// The main of the AppKit view benchmarks (Audio Unit, VST, AAX views): the
// application object first, as in any macOS host, and one autorelease pool
// around the run.
#import <AppKit/AppKit.h>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    [pool release];
    return 0;
}
