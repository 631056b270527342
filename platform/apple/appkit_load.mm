// NSApplicationLoad for GNUstep: the shared application is made on first
// use, which also connects the GUI back end.
#include <AppKit/NSApplicationLoad.h>

#import <AppKit/AppKit.h>

BOOL NSApplicationLoad(void) { return [NSApplication sharedApplication] != nil; }
