#pragma once
// What every host tool does after it has a module in memory: find the
// three entry points by name, enter the module, make its classes. How the
// module was loaded (dlopen, a bundle) is the caller's; it hands in a
// lookup that answers a symbol by name, or null.
//
//   Linux:  find_entry_points<void*>(lookup, "ModuleEntry", "ModuleExit")
//   macOS:  find_entry_points<CFBundleRef>(lookup, "bundleEntry", "bundleExit")
#include "fobject.h"
#include "ipluginbase.h"

namespace vst3host {

using namespace Steinberg;

template <typename Handle>
struct ModuleEntryPoints {
    bool (*enter)(Handle) = nullptr;
    bool (*leave)() = nullptr;
    IPluginFactory* (*getFactory)() = nullptr;

    explicit operator bool() const { return enter && leave && getFactory; }
};

template <typename Handle, typename Lookup>
ModuleEntryPoints<Handle> find_entry_points(Lookup&& lookup, const char* enterName, const char* leaveName)
{
    ModuleEntryPoints<Handle> e;
    e.enter = reinterpret_cast<bool (*)(Handle)>(lookup(enterName));
    e.leave = reinterpret_cast<bool (*)()>(lookup(leaveName));
    e.getFactory = reinterpret_cast<IPluginFactory* (*)()>(lookup("GetPluginFactory"));
    return e;
}

// A new instance of the class cid with the interface T, owned by the
// answer; empty when the factory refuses.
template <typename T>
IPtr<T> create_instance(IPluginFactory* factory, const int8* cid)
{
    void* obj = nullptr;
    if (!factory || factory->createInstance(reinterpret_cast<FIDString>(cid), T::iid, &obj) != kResultOk ||
        !obj)
        return {};
    return IPtr<T>(static_cast<T*>(obj), false);
}

}  // namespace vst3host
