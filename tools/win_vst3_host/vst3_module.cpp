#include "vst3_module.h"

#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

template <typename T>
IPtr<T> create(IPluginFactory* factory, const TUID cid)
{
    void* obj = nullptr;
    if (!factory || factory->createInstance(cid, T::iid, &obj) != kResultOk || !obj)
        return {};
    return IPtr<T>(static_cast<T*>(obj), false);
}

// An export as the function type it is; through void* since FARPROC's own
// type is none of them.
template <typename F>
F entry(HMODULE m, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

}  // namespace

Vst3Module::Vst3Module(const char* path)
{
    std::wstring wide;
    for (const char* p = path; *p; ++p)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    module_ = LoadLibraryW(wide.c_str());
    if (!module_)
        return;
    init_ = entry<bool (*)()>(module_, "InitDll");
    exit_ = entry<bool (*)()>(module_, "ExitDll");
    auto get = entry<IPluginFactory* (*)()>(module_, "GetPluginFactory");
    if (init_ && exit_ && get && init_())
        factory_ = get();
}

void Vst3Module::unload()
{
    if (factory_) {
        factory_->release();
        factory_ = nullptr;
        exit_();
    }
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}

tresult PLUGIN_API RecordingFrame::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IPlugFrame>(iid, obj, this) || query_as<FUnknown>(iid, obj, this))
        return kResultOk;
    *obj = nullptr;
    return kNoInterface;
}

tresult PLUGIN_API RecordingFrame::resizeView(IPlugView* view, ViewRect* r)
{
    ++resizes;
    return view && r ? view->onSize(r) : kInvalidArgument;
}

PluginPair::PluginPair(IPluginFactory* factory)
    : host(new vst3host::HostApplication), handler(new vst3host::ComponentHandler)
{
    PClassInfo first{};
    if (!factory || factory->getClassInfo(0, &first) != kResultOk)
        return;
    component = create<IComponent>(factory, first.cid);
    TUID controllerCid{};
    if (component && component->getControllerClassId(controllerCid) == kResultOk)
        controller = create<IEditController>(factory, controllerCid);
    if (!component || !controller || component->initialize(host) != kResultOk ||
        controller->initialize(host) != kResultOk) {
        controller.reset();
        return;
    }
    cp1 = query<IConnectionPoint>(component.get());
    cp2 = query<IConnectionPoint>(controller.get());
    if (cp1 && cp2) {
        cp1->connect(cp2.get());
        cp2->connect(cp1.get());
    }
    controller->setComponentHandler(handler);
}

PluginPair::~PluginPair()
{
    if (cp1 && cp2) {
        cp1->disconnect(cp2.get());
        cp2->disconnect(cp1.get());
    }
    if (controller)
        controller->terminate();
    if (component)
        component->terminate();
    cp1.reset();
    cp2.reset();
    controller.reset();
    component.reset();
    handler->release();
    host->release();
}

HWND make_frame(int width, int height)
{
    static const HostFrameStyle kStyle{"vlt-vst3-host-frame", "VST3 host", 0, 0, 0, false, 0};
    return make_host_frame(kStyle, width, height);
}
