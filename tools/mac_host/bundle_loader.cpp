#include "bundle_loader.h"

#include <utility>

#include "bundle_pin.h"

namespace mac_host {

LoadedBundle::~LoadedBundle()
{
    // The executable stays loaded, as on a Mac: NSBundle never unloads.
    if (bundle_)
        CFRelease(bundle_);
}

LoadedBundle::LoadedBundle(LoadedBundle&& other) noexcept
    : bundle_(std::exchange(other.bundle_, nullptr)), error_(std::move(other.error_))
{
}

void* LoadedBundle::symbol(const char* name) const
{
    if (!bundle_)
        return nullptr;
    CFStringRef text = CFStringCreateWithCString(kCFAllocatorDefault, name, kCFStringEncodingUTF8);
    void* found = text ? CFBundleGetFunctionPointerForName(bundle_, text) : nullptr;
    if (text)
        CFRelease(text);
    return found;
}

std::string LoadedBundle::executablePath() const
{
    char path[1024];
    return bundle_ && mac_bundle::bundle_executable_path(bundle_, path) ? path : "";
}

LoadedBundle load_bundle(const std::string& path)
{
    LoadedBundle loaded;
    CFURLRef url = CFURLCreateFromFileSystemRepresentation(kCFAllocatorDefault,
                                                           reinterpret_cast<const UInt8*>(path.data()),
                                                           static_cast<CFIndex>(path.size()), true);
    CFBundleRef bundle = url ? CFBundleCreate(kCFAllocatorDefault, url) : nullptr;
    if (url)
        CFRelease(url);
    if (!bundle) {
        loaded.error_ = "not a bundle: " + path;
    } else if (!CFBundleLoadExecutable(bundle)) {
        loaded.error_ = "cannot load the executable of " + path;
        CFRelease(bundle);
    } else {
        loaded.bundle_ = bundle;
    }
    return loaded;
}

}  // namespace mac_host
