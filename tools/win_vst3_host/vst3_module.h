#pragma once
// A VST3 module loaded into this process the Windows way: LoadLibraryW of
// the bundle's file, InitDll, the factory; and one processor and controller
// pair made from it, initialised and connected as a host would.
#include "host_frame.h"
#include "host_objects.h"
#include "iplugview.h"
#include "ipluginbase.h"

class Vst3Module {
public:
    explicit Vst3Module(const char* path);
    ~Vst3Module() { unload(); }
    bool loaded() const { return factory_ != nullptr; }
    HMODULE handle() const { return module_; }
    Steinberg::IPluginFactory* factory() const { return factory_; }
    // The module's entry points, for the tests that call them out of turn.
    bool initDll() { return init_ && init_(); }
    bool exitDll() { return exit_ && exit_(); }
    // Releases the factory, calls ExitDll once and frees the library.
    void unload();

private:
    HMODULE module_ = nullptr;
    bool (*init_)() = nullptr;
    bool (*exit_)() = nullptr;
    Steinberg::IPluginFactory* factory_ = nullptr;
};

// The host's frame: records every resize the view asks for.
class RecordingFrame : public Steinberg::FObject, public Steinberg::IPlugFrame {
public:
    VST3_REFCOUNT_METHODS
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view, Steinberg::ViewRect* r) override;
    int resizes = 0;
};

// Processor and controller paired, the handler recording the controller's
// edits; terminated and released by the destructor.
struct PluginPair {
    explicit PluginPair(Steinberg::IPluginFactory* factory);
    ~PluginPair();
    bool ok() const { return controller && component; }

    vst3host::HostApplication* host;
    vst3host::ComponentHandler* handler;
    Steinberg::IPtr<Steinberg::Vst::IComponent> component;
    Steinberg::IPtr<Steinberg::Vst::IEditController> controller;
    Steinberg::IPtr<Steinberg::Vst::IConnectionPoint> cp1, cp2;
};

// A visible top-level frame to hold a view.
HWND make_frame(int width, int height);
