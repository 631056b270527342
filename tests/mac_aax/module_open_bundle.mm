// On macOS the host opens the plug-in as a bundle: loading it through
// NSBundle is what lets the plug-in find itself by identifier later (a
// plain dlopen is invisible to that lookup). The entry points are then
// taken from the bundle's executable, already loaded.
#import <Foundation/Foundation.h>

#include "module_fixture.h"

namespace fake {

void* open_plugin_module()
{
    NSBundle* bundle = [NSBundle bundleWithPath:@VLT_AAX_TEST_BUNDLE];
    if (![bundle load]) {
        ADD_FAILURE() << "cannot load " << VLT_AAX_TEST_BUNDLE;
        return nullptr;
    }
    void* handle = dlopen([[bundle executablePath] fileSystemRepresentation], RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        ADD_FAILURE() << dlerror();
    return handle;
}

}  // namespace fake
