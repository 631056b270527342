/* Our CFBundle for the GNUstep builds of the macOS code: a CFBundleRef is
   an NSBundle (cf_gnustep.mm). A bundle is known by its identifier once it
   has been created from its path, as NSBundle keeps it; a library opened
   with a plain dlopen is no bundle at all. */
#pragma once

#include <CoreFoundation/CFURL.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct __CFBundle* CFBundleRef;

CFBundleRef CFBundleCreate(CFAllocatorRef allocator, CFURLRef bundleURL);
CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID);
CFURLRef CFBundleCopyExecutableURL(CFBundleRef bundle);
Boolean CFBundleLoadExecutable(CFBundleRef bundle);
void* CFBundleGetFunctionPointerForName(CFBundleRef bundle, CFStringRef functionName);

#ifdef __cplusplus
}
#endif
