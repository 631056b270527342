#pragma once
// The plug-in module as a host loads it: the seven ACF entry points found
// by name. Only the three loader functions know the platform's loader
// (dlopen on Linux, LoadLibraryW on Windows); the rest is shared.
#include <string>

#include "aax_host_interface.h"

namespace fake {

// Null and the reason in *error when the module cannot be loaded.
void* open_module(const char* path, std::string* error);
void* module_symbol(void* module, const char* name);
void close_module(void* module);

struct Module {
    void* handle = nullptr;
    std::string error;
    ACFRegisterPluginProc registerPlugin = nullptr;
    ACFRegisterComponentProc registerComponent = nullptr;
    ACFGetClassFactoryProc getClassFactory = nullptr;
    ACFCanUnloadNowProc canUnloadNow = nullptr;
    ACFStartupProc startup = nullptr;
    ACFShutdownProc shutdown = nullptr;
    ACFGetSDKVersionProc getSDKVersion = nullptr;

    static Module load(const char* path);
    void unload();
    // The build's test module, loaded once for the process (module_fixture.cpp).
    static Module& get();
};

}  // namespace fake
