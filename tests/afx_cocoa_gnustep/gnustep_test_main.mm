// GoogleTest on the GNUstep runtime: one autorelease pool around the run,
// as the layer's calls autorelease their transforms.
#import <Foundation/Foundation.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    [pool release];
    return result;
}
