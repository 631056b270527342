// The bundles' module initializer: the lookup goes through CoreFoundation,
// as on a Mac, so it finds the bundle only when the host loaded it as one.
#include "bundle_pin.h"

#include <AppKit/NSApplicationLoad.h>
#include <CoreFoundation/CoreFoundation.h>

#import <Foundation/Foundation.h>

#include <dlfcn.h>

namespace mac_bundle {

bool bundle_executable_path(CFBundleRef bundle, char (&path)[1024])
{
    CFURLRef url = CFBundleCopyExecutableURL(bundle);
    if (!url)
        return false;
    CFStringRef text = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    const bool copied = text && CFStringGetCString(text, path, sizeof(path), kCFStringEncodingUTF8);
    if (text)
        CFRelease(text);
    CFRelease(url);
    return copied;
}

bool pin_own_bundle(const char* identifier)
{
    NSApplicationLoad();
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    char path[1024] = "";
    bool pinned = false;
    CFStringRef id_text = CFStringCreateWithCString(kCFAllocatorDefault, identifier, kCFStringEncodingUTF8);
    CFBundleRef bundle = id_text ? CFBundleGetBundleWithIdentifier(id_text) : nullptr;
    // A path cut short by a failed copy would name some other file.
    if (bundle && bundle_executable_path(bundle, path)) {
        // glibc refuses RTLD_NOLOAD on its own; the handle is kept on
        // purpose, it is the pin.
        pinned = dlopen(path, RTLD_NOLOAD | RTLD_LAZY) != nullptr;
    }
    if (id_text)
        CFRelease(id_text);
    [pool drain];
    return pinned;
}

}  // namespace mac_bundle
