// macOS module set-up: the first entry pins the bundle's executable (the
// views' classes must outlive an unload) and makes sure AppKit is up. Later
// entries and every exit leave all of that as it is.
#include "bundle_pin.h"
#include "module_entry.h"

namespace {
bool gInitialised = false;
}  // namespace

bool InitModule()
{
    if (gInitialised)
        return true;
    gInitialised = true;
    mac_bundle::pin_own_bundle(VLT_BUNDLE_IDENTIFIER);
    return true;
}

bool DeinitModule() { return true; }
