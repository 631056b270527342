#pragma once
// The macOS module entry points: a host calls bundleEntry with the bundle
// it loaded, once per load, and bundleExit as often.
#include <CoreFoundation/CFBundle.h>

#include "module_entry.h"

VST3_EXPORT bool bundleEntry(CFBundleRef bundle);
VST3_EXPORT bool bundleExit();
