/* AppKit's NSApplicationLoad, which GNUstep's AppKit lacks: code loaded
   into a host that may not be a Cocoa program makes sure the shared
   application exists before it makes views. */
#pragma once

#include <objc/objc.h>

#ifdef __cplusplus
extern "C" {
#endif

BOOL NSApplicationLoad(void);

#ifdef __cplusplus
}
#endif
