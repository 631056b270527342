// Linux module entry: hosts call ModuleEntry once per load of the library
// and ModuleExit as often; the plug-in's hooks run on the first entry and
// the last exit.
#include "module_entry.h"

namespace {
int gEntryCount = 0;
void* gModuleHandle = nullptr;
}  // namespace

VST3_EXPORT bool ModuleEntry(void* sharedLibraryHandle)
{
    if (++gEntryCount > 1)
        return true;
    gModuleHandle = sharedLibraryHandle;
    try {
        return InitModule();
    } catch (...) {
        return false;
    }
}

VST3_EXPORT bool ModuleExit()
{
    if (gEntryCount == 0)
        return false;
    if (--gEntryCount > 0)
        return true;
    gModuleHandle = nullptr;
    try {
        return DeinitModule();
    } catch (...) {
        return false;
    }
}
