#pragma once
// Keeps a loaded bundle's executable mapped for the life of the process: a
// host may unload the bundle while Objective-C classes it registered are
// still in use. Also makes sure AppKit's shared application exists.
#include <CoreFoundation/CFBundle.h>

namespace mac_bundle {

// The POSIX path of the bundle's executable as UTF-8. False, and the buffer
// not to be used, when the bundle has no executable or the path does not fit.
bool bundle_executable_path(CFBundleRef bundle, char (&path)[1024]);

// Finds the bundle by its identifier and takes one more reference on its
// already loaded executable. False (nothing pinned) when the bundle is not
// known by that identifier, e.g. after a plain dlopen, or its path does not
// fit the 1024-byte buffer.
bool pin_own_bundle(const char* identifier);

}  // namespace mac_bundle
