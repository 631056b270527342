// macOS module entry: every entry holds a reference on the host's bundle
// until the matching exit; the plug-in's hooks decide what the module does.
#include "module_entry_mac.h"

#include "bundle_pin.h"

#include <string>
#include <vector>

namespace {

int gEntryCount = 0;
std::vector<CFBundleRef> gBundles;
std::string gFirstBundlePath;

}  // namespace

VST3_EXPORT bool bundleEntry(CFBundleRef bundle)
{
    ++gEntryCount;
    if (bundle) {
        gBundles.push_back(static_cast<CFBundleRef>(const_cast<void*>(CFRetain(bundle))));
        char path[1024];
        if (gFirstBundlePath.empty() && mac_bundle::bundle_executable_path(bundle, path))
            gFirstBundlePath = path;
    }
    try {
        return InitModule();
    } catch (...) {
        return false;
    }
}

VST3_EXPORT bool bundleExit()
{
    try {
        if (!DeinitModule())
            return false;
    } catch (...) {
        return false;
    }
    if (gEntryCount == 0)
        return false;
    if (--gEntryCount == 0) {
        for (CFBundleRef bundle : gBundles)
            CFRelease(bundle);
        gBundles.clear();
    }
    return true;
}
