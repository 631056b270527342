#include <dlfcn.h>

#include "module_loader.h"

namespace fake {

void* open_module(const char* path, std::string* error)
{
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!handle && error)
        *error = dlerror();
    return handle;
}

void* module_symbol(void* module, const char* name) { return dlsym(module, name); }

void close_module(void* module) { dlclose(module); }

}  // namespace fake
