// On macOS the host opens the plug-in as a bundle: loading it through
// NSBundle is what lets the plug-in find itself by identifier later (a
// plain dlopen is invisible to that lookup). The entry points are then
// taken from the bundle's executable, already loaded.
#import <Foundation/Foundation.h>
#include <dlfcn.h>

#include "module_loader.h"

namespace fake {

void* open_module(const char* path, std::string* error)
{
    NSBundle* bundle = [NSBundle bundleWithPath:[NSString stringWithUTF8String:path]];
    if (![bundle load]) {
        if (error)
            *error = std::string("cannot load the bundle ") + path;
        return nullptr;
    }
    void* handle = dlopen([[bundle executablePath] fileSystemRepresentation], RTLD_NOW | RTLD_NOLOAD);
    if (!handle && error)
        *error = dlerror();
    return handle;
}

void* module_symbol(void* module, const char* name) { return dlsym(module, name); }

// The bundle stays loaded, as on a Mac: only our extra reference goes.
void close_module(void* module) { dlclose(module); }

}  // namespace fake
