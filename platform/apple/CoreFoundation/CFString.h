/* Our CFString for the GNUstep builds of the macOS code: a CFStringRef is an
   NSString (cf_gnustep.mm). Only the calls our bundle code makes. */
#pragma once

#include <CoreFoundation/cf_gnustep_base.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef UInt32 CFStringEncoding;
enum { kCFStringEncodingUTF8 = 0x08000100 };

CFStringRef CFStringCreateWithCString(CFAllocatorRef alloc, const char* cStr, CFStringEncoding encoding);
/* False, and the buffer unusable, when the text does not fit with its zero
   byte or cannot be expressed in the encoding. */
Boolean CFStringGetCString(CFStringRef theString, char* buffer, CFIndex bufferSize,
                           CFStringEncoding encoding);

#ifdef __cplusplus
}
#endif
