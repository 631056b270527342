// Windows module entry: DllMain keeps the module handle; hosts call InitDll
// after loading and ExitDll before unloading, possibly more than once each.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "module_entry.h"
#include "module_entry_count.h"

namespace {
HINSTANCE gModule = nullptr;
}  // namespace

void* moduleHandle() { return gModule; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        gModule = instance;
    return TRUE;
}

VST3_EXPORT bool PLUGIN_API InitDll() { return enterModule(); }

VST3_EXPORT bool PLUGIN_API ExitDll() { return leaveModule(); }
