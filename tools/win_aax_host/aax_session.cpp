#include "aax_session.h"

#include <cstdio>

const char* const kEditorClass = "5C1D7A93E2B6-UI";

namespace {

int g_failures = 0;

}  // namespace

void check(bool ok, const std::string& what, double a, double b)
{
    if (ok)
        return;
    std::printf("FAIL: %s (%g, %g)\n", what.c_str(), a, b);
    std::fflush(stdout);
    ++g_failures;
}

int failures() { return g_failures; }

void fake::fake_host_failure(const std::string& what) { check(false, what); }

HWND make_frame(int width, int height)
{
    static const HostFrameStyle kStyle{"aax-host-frame", "AAX host", 0, 0, WS_CLIPCHILDREN, true, 20};
    return make_host_frame(kStyle, width, height);
}

AaxSession::AaxSession(const char* path) : module(fake::Module::load(path))
{
    check(module.handle != nullptr, "module loads: " + module.error);
    if (!module.handle || module.startup(&host) != 0 || module.registerPlugin(&host, &definition) != 0 ||
        host.collections.size() != 1 || host.collections[0]->effects.size() != 2) {
        check(false, "registration");
        return;
    }
    fake::EffectDescriptor& stereo = *host.collections[0]->effects[1].second;
    auto create = [&](AAX_CProcPtrID which) {
        return reinterpret_cast<AAX_CCreateObjectProc>(stereo.procPtrs.at(which))();
    };
    void* got = nullptr;
    create(kAAX_ProcPtrID_Create_EffectParameters)->QueryInterface(IID_IAAXEffectParametersV2, &got);
    params = static_cast<AAX_IACFEffectParameters_V2*>(got);
    check(params && params->Initialize(&host) == 0, "effect parameters initialise");
    host.effectParameters = params;  // the host unknown passes the GUI's query on
    got = nullptr;
    create(kAAX_ProcPtrID_Create_EffectGUI)->QueryInterface(IID_IAAXEffectGUIV1, &got);
    gui = static_cast<AAX_IACFEffectGUI*>(got);
    check(gui && gui->Initialize(&host) == 0, "GUI initialises");
    host.controller.meterTap = &meter;
    frame = make_frame(900, 700);
}

AaxSession::~AaxSession()
{
    if (gui) {
        close();
        gui->Uninitialize();
        gui->Release();
    }
    host.effectParameters = nullptr;
    if (params) {
        params->Uninitialize();
        params->Release();
    }
    if (definition)
        definition->Release();
    if (module.handle) {
        module.shutdown(&host);
        check(module.canUnloadNow(&host) == 0, "ACFCanUnloadNow 0 after release");
        check(host.balanced(), "every host reference given back");
    }
    check(!container || container->refs == 0, "view container released", container ? container->refs : 0);
    module.unload();
    DestroyWindow(frame);
}

HWND AaxSession::open(HWND window)
{
    // The last container lives until the GUI has let go of it.
    std::unique_ptr<fake::ViewContainer> last = std::move(container);
    container = std::make_unique<fake::ViewContainer>(AAX_eViewContainer_Type_HWND, window);
    check(gui->SetViewContainer(container.get()) == 0, "SetViewContainer answers 0");
    check(!last || last->refs == 0, "the last view container released", last ? last->refs : 0);
    pump(150);
    events();  // what the open itself sent is not the test's
    return child();
}

void AaxSession::close()
{
    if (!container)
        return;
    gui->SetViewContainer(nullptr);
    pump(50);
}

HWND AaxSession::child() const { return FindWindowExA(frame, nullptr, kEditorClass, nullptr); }

void AaxSession::set(const char* id, double v) { params->UpdateParameterNormalizedValue(id, v, 0); }
