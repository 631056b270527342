/* Our CFURL for the GNUstep builds of the macOS code: a CFURLRef is a file
   NSURL (cf_gnustep.mm). */
#pragma once

#include <CoreFoundation/CFString.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef const struct __CFURL* CFURLRef;
typedef CFIndex CFURLPathStyle;
enum { kCFURLPOSIXPathStyle = 0 };

CFURLRef CFURLCreateFromFileSystemRepresentation(CFAllocatorRef allocator, const UInt8* buffer,
                                                 CFIndex bufLen, Boolean isDirectory);
CFStringRef CFURLCopyFileSystemPath(CFURLRef anURL, CFURLPathStyle pathStyle);

#ifdef __cplusplus
}
#endif
