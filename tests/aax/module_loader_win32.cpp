#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

#include "module_loader.h"

namespace fake {

// The path as UTF-8, loaded through the wide call as a host does.
void* open_module(const char* path, std::string* error)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, path, -1, nullptr, 0);
    std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, path, -1, wide.data(), n);
    HMODULE handle = LoadLibraryW(wide.data());
    if (!handle && error)
        *error = "LoadLibraryW failed, error " + std::to_string(GetLastError());
    return handle;
}

void* module_symbol(void* module, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void close_module(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

}  // namespace fake
