// The capture verb for the AAX GUI view (tools/mac_host/view_capture.h):
// the plug-in bundle loaded by the fake AAX host, its GUI object's view in
// an NSView container, the host's values as tests/aax/capture_host_values.h
// sets them, the host's calls the automation delegate's log.
//   VLT_CAPTURE_AAX_BUNDLE=PATH aax_view_capture OUT_DIR STEP...
#import <AppKit/AppKit.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "capture_host_values.h"
#include "gui_host.h"
#include "module_loader.h"
#include "nsview_container.h"
#include "view_capture.h"

namespace {

class AaxCaptureHost : public mac_host::ViewCaptureHost {
public:
    explicit AaxCaptureHost(const char* path) : module_(fake::Module::load(path))
    {
        if (!module_.handle) {
            std::fprintf(stderr, "aax_view_capture: %s\n", module_.error.c_str());
            return;
        }
        if (module_.startup(&host_) != 0 || module_.registerPlugin(&host_, &definition_) != 0 ||
            host_.collections.size() != 1 || host_.collections[0]->effects.size() != 2)
            std::fprintf(stderr, "aax_view_capture: the plug-in did not register\n");
        else
            registered_ = true;
    }
    ~AaxCaptureHost() override
    {
        end();
        if (definition_)
            definition_->Release();
        if (module_.handle)
            module_.shutdown(&host_);
    }
    bool fresh() override
    {
        end();
        if (!registered_)
            return false;
        fake::EffectDescriptor& stereo = *host_.collections[0]->effects[1].second;
        auto create = reinterpret_cast<AAX_CCreateObjectProc>(
            stereo.procPtrs.at(kAAX_ProcPtrID_Create_EffectParameters));
        void* got = nullptr;
        create()->QueryInterface(IID_IAAXEffectParametersV2, &got);
        params_ = static_cast<AAX_IACFEffectParameters_V2*>(got);
        if (!params_ || params_->Initialize(&host_) != 0)
            return false;
        host_.effectParameters = params_;
        host_.controller.meter = 1.0f;
        gui_ = fake::make_gui(stereo, host_);
        host_.automation.take();
        return gui_ != nullptr;
    }
    bool open() override
    {
        close();
        container_ = std::make_unique<fake::NSViewContainer>();
        return fake::set_container(gui_, container_.get()) == 0 && container_->lastSubview();
    }
    void close() override
    {
        if (!container_)
            return;
        fake::set_container(gui_, nullptr);
        container_.reset();
    }
    mac_host::HostWindow* window() override { return container_ ? &container_->host_window() : nullptr; }
    void* view() override { return container_ ? container_->lastSubview() : nullptr; }
    bool host_step(const capture::Step& s) override
    {
        return fake::capture_host_value(params_, gui_, host_.controller.meter, s);
    }
    void print_calls() override
    {
        for (const std::string& e : host_.automation.take())
            std::printf("  %s\n", e.c_str());
    }

private:
    void end()
    {
        close();
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        if (gui_) {
            gui_->Uninitialize();
            gui_->Release();
        }
        host_.effectParameters = nullptr;
        if (params_) {
            params_->Uninitialize();
            params_->Release();
        }
        [pool release];
        gui_ = nullptr;
        params_ = nullptr;
    }
    fake::Module module_;
    fake::Host host_;
    IACFPluginDefinition* definition_ = nullptr;
    bool registered_ = false;
    AAX_IACFEffectParameters_V2* params_ = nullptr;
    AAX_IACFEffectGUI* gui_ = nullptr;
    std::unique_ptr<fake::NSViewContainer> container_;
};

}  // namespace

int main(int argc, char** argv)
{
    const char* path = std::getenv("VLT_CAPTURE_AAX_BUNDLE");
    if (argc < 2 || !path || !*path) {
        std::fprintf(stderr, "usage: VLT_CAPTURE_AAX_BUNDLE=PATH aax_view_capture OUT_DIR STEP...\n");
        return 2;
    }
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    int status = 0;
    {
        AaxCaptureHost host(path);
        status = mac_host::capture_main(host, argv[1], argc, argv, 2);
    }
    [pool release];
    return status;
}
