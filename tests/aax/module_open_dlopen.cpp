// The Linux test module is a plain shared object: dlopen is the host's way in.
#include "module_fixture.h"

namespace fake {

void* open_plugin_module()
{
    void* handle = dlopen(VLT_AAX_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        ADD_FAILURE() << dlerror();
    return handle;
}

}  // namespace fake
