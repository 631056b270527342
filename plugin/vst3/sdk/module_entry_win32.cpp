// Windows module entry: DllMain keeps the module handle; hosts call InitDll
// after loading and ExitDll before unloading, possibly more than once each.
// The plug-in's hooks run on the first InitDll and the last ExitDll, so a
// second host component of the same process keeps the module alive.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "module_entry.h"

namespace {
int gEntryCount = 0;
HINSTANCE gModule = nullptr;
}  // namespace

void* moduleHandle() { return gModule; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        gModule = instance;
    return TRUE;
}

VST3_EXPORT bool PLUGIN_API InitDll()
{
    if (++gEntryCount > 1)
        return true;
    try {
        return InitModule();
    } catch (...) {
        return false;
    }
}

VST3_EXPORT bool PLUGIN_API ExitDll()
{
    if (gEntryCount == 0)
        return false;
    if (--gEntryCount > 0)
        return true;
    try {
        return DeinitModule();
    } catch (...) {
        return false;
    }
}
