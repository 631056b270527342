#include "module_loader.h"

namespace fake {

Module Module::load(const char* path)
{
    Module m;
    m.handle = open_module(path, &m.error);
    if (!m.handle)
        return m;
    auto sym = [&](const char* name) { return module_symbol(m.handle, name); };
    m.registerPlugin = reinterpret_cast<ACFRegisterPluginProc>(sym("ACFRegisterPlugin"));
    m.registerComponent = reinterpret_cast<ACFRegisterComponentProc>(sym("ACFRegisterComponent"));
    m.getClassFactory = reinterpret_cast<ACFGetClassFactoryProc>(sym("ACFGetClassFactory"));
    m.canUnloadNow = reinterpret_cast<ACFCanUnloadNowProc>(sym("ACFCanUnloadNow"));
    m.startup = reinterpret_cast<ACFStartupProc>(sym("ACFStartup"));
    m.shutdown = reinterpret_cast<ACFShutdownProc>(sym("ACFShutdown"));
    m.getSDKVersion = reinterpret_cast<ACFGetSDKVersionProc>(sym("ACFGetSDKVersion"));
    return m;
}

void Module::unload()
{
    if (handle)
        close_module(handle);
    *this = Module();
}

}  // namespace fake
