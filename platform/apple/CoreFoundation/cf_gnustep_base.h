/* The CoreFoundation base calls our bundle layer needs beyond CFBase.h:
   object lifetime, sizes and the allocator argument (always the default
   here). Every CF reference of this layer is a Foundation object. */
#pragma once

#include <CoreFoundation/CFBase.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef long CFIndex;
typedef unsigned char Boolean;
typedef uint8_t UInt8;
typedef uint32_t UInt32;
typedef const struct __CFAllocator* CFAllocatorRef;
#define kCFAllocatorDefault ((CFAllocatorRef)0)

CFTypeRef CFRetain(CFTypeRef cf);
void CFRelease(CFTypeRef cf);
CFIndex CFGetRetainCount(CFTypeRef cf);

#ifdef __cplusplus
}
#endif
