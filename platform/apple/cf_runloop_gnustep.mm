// CFRunLoop over NSRunLoop, bridged as Apple's are: the reference is the
// Foundation object.
#include <CoreFoundation/CFRunLoop.h>

#import <Foundation/Foundation.h>

CFRunLoopRef CFRunLoopGetCurrent(void) { return (CFRunLoopRef)(void*)[NSRunLoop currentRunLoop]; }

const CFStringRef kCFRunLoopCommonModes = (CFStringRef)(const void*)NSRunLoopCommonModes;
