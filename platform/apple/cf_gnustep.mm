// CoreFoundation's bundle, URL and string calls over Foundation, as Apple's
// toll-free bridging has them: each CF reference is the Foundation object
// itself, Create and Copy answers carry one reference, Get answers none.
#include <CoreFoundation/CoreFoundation.h>

#import <Foundation/Foundation.h>

#include <dlfcn.h>

namespace {

template <typename Ref>
id obj(Ref ref)
{
    return (id)(const void*)ref;
}

template <typename Ref>
Ref ref(id object)
{
    return (Ref)(const void*)object;
}

}  // namespace

CFTypeRef CFRetain(CFTypeRef cf) { return ref<CFTypeRef>([obj(cf) retain]); }

void CFRelease(CFTypeRef cf) { [obj(cf) release]; }

CFIndex CFGetRetainCount(CFTypeRef cf) { return static_cast<CFIndex>([obj(cf) retainCount]); }

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* cStr, CFStringEncoding encoding)
{
    if (!cStr || encoding != kCFStringEncodingUTF8)
        return nullptr;
    return ref<CFStringRef>([[NSString alloc] initWithUTF8String:cStr]);
}

Boolean CFStringGetCString(CFStringRef theString, char* buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    if (!theString || !buffer || bufferSize <= 0 || encoding != kCFStringEncodingUTF8)
        return false;
    return [(NSString*)obj(theString) getCString:buffer
                                       maxLength:static_cast<NSUInteger>(bufferSize)
                                        encoding:NSUTF8StringEncoding];
}

CFURLRef CFURLCreateFromFileSystemRepresentation(CFAllocatorRef, const UInt8* buffer, CFIndex bufLen,
                                                 Boolean isDirectory)
{
    if (!buffer || bufLen < 0)
        return nullptr;
    NSString* path = [[NSString alloc] initWithBytes:buffer
                                              length:static_cast<NSUInteger>(bufLen)
                                            encoding:NSUTF8StringEncoding];
    if (!path)
        return nullptr;
    NSURL* url = [[NSURL alloc] initFileURLWithPath:path isDirectory:isDirectory ? YES : NO];
    [path release];
    return ref<CFURLRef>(url);
}

CFStringRef CFURLCopyFileSystemPath(CFURLRef anURL, CFURLPathStyle pathStyle)
{
    if (!anURL || pathStyle != kCFURLPOSIXPathStyle)
        return nullptr;
    return ref<CFStringRef>([[(NSURL*)obj(anURL) path] copy]);
}

CFBundleRef CFBundleCreate(CFAllocatorRef, CFURLRef bundleURL)
{
    if (!bundleURL)
        return nullptr;
    return ref<CFBundleRef>([[NSBundle alloc] initWithPath:[(NSURL*)obj(bundleURL) path]]);
}

CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID)
{
    if (!bundleID)
        return nullptr;
    return ref<CFBundleRef>([NSBundle bundleWithIdentifier:(NSString*)obj(bundleID)]);
}

CFURLRef CFBundleCopyExecutableURL(CFBundleRef bundle)
{
    NSString* path = bundle ? [(NSBundle*)obj(bundle) executablePath] : nil;
    return path ? ref<CFURLRef>([[NSURL alloc] initFileURLWithPath:path]) : nullptr;
}

Boolean CFBundleLoadExecutable(CFBundleRef bundle) { return bundle && [(NSBundle*)obj(bundle) load]; }

void* CFBundleGetFunctionPointerForName(CFBundleRef bundle, CFStringRef functionName)
{
    NSString* path = bundle ? [(NSBundle*)obj(bundle) executablePath] : nil;
    if (!path || !functionName || ![(NSBundle*)obj(bundle) isLoaded])
        return nullptr;
    // The bundle's own load holds the image; this handle only finds it.
    void* image = dlopen([path fileSystemRepresentation], RTLD_NOLOAD | RTLD_LAZY);
    if (!image)
        return nullptr;
    void* symbol = dlsym(image, [(NSString*)obj(functionName) UTF8String]);
    dlclose(image);
    return symbol;
}
