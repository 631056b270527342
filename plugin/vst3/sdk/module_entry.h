#pragma once
// The entry points a VST3 module exports, and the two hooks the plug-in
// supplies for module-wide set-up and tear-down.
#include "ipluginbase.h"

#if defined(_WIN32)
#define VST3_EXPORT extern "C"  // the module's .def file names the exports
#else
#define VST3_EXPORT extern "C" __attribute__((visibility("default")))
#endif

bool InitModule();
bool DeinitModule();

VST3_EXPORT Steinberg::IPluginFactory* PLUGIN_API GetPluginFactory();
#if defined(__linux__)
VST3_EXPORT bool ModuleEntry(void* sharedLibraryHandle);
VST3_EXPORT bool ModuleExit();
#elif defined(_WIN32)
VST3_EXPORT bool PLUGIN_API InitDll();
VST3_EXPORT bool PLUGIN_API ExitDll();
// The module handle DllMain was given, for window classes and resources.
void* moduleHandle();
#endif
