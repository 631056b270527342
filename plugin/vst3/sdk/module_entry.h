#pragma once
// The entry points a VST3 module exports, and the two hooks the plug-in
// supplies for module-wide set-up and tear-down.
#include "ipluginbase.h"

#define VST3_EXPORT extern "C" __attribute__((visibility("default")))

bool InitModule();
bool DeinitModule();

VST3_EXPORT Steinberg::IPluginFactory* PLUGIN_API GetPluginFactory();
#if defined(__linux__)
VST3_EXPORT bool ModuleEntry(void* sharedLibraryHandle);
VST3_EXPORT bool ModuleExit();
#endif
