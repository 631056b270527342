/* Our CFRunLoop for the GNUstep builds of the macOS code: a CFRunLoopRef is
   the thread's NSRunLoop and the mode names are Foundation's. Only what the
   Audio Unit view passes to the listener service. */
#pragma once

#include <CoreFoundation/CFBase.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct __CFRunLoop* CFRunLoopRef;

CFRunLoopRef CFRunLoopGetCurrent(void);
extern const CFStringRef kCFRunLoopCommonModes;

#ifdef __cplusplus
}
#endif
