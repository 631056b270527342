// The GNUstep build of vst3host's editor mode: loads a macOS VST3 bundle
// through its bundle and enters it with bundleEntry, as a macOS host does,
// attaches the controller's view to an NSView of a borderless window, runs
// the run loop and logs the edits the view sends ("handler: beginEdit ID",
// "handler: performEdit ID VALUE", "handler: endEdit ID").
//
//   vst3host-gnustep BUNDLE.vst3 [--seconds N] [--size WxH] [--screenshot FILE.png]
//                    [--drag X,Y,DY] [--bypass VALUE]
//
// --drag moves the pointer by xdotool as vst2host-gnustep does; --bypass
// sets the controller's bypass parameter (the one flagged kIsBypass) to
// VALUE once the view is open, as a host's bypass button would.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bundle_loader.h"
#include "host_objects.h"
#include "host_window.h"
#include "ipluginbase.h"
#include "iplugview.h"
#include "pointer_drag.h"

using namespace vst3host;

namespace {

struct Options {
    std::string bundle;
    double seconds = 1.0;
    int width = 0, height = 0;  // 0: the view's own size
    std::string screenshot;
    std::string drag;     // "X,Y,DY"
    double bypass = -1;   // below 0: left alone
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--seconds" && has_value) {
            o.seconds = std::atof(argv[++i]);
        } else if (arg == "--size" && has_value) {
            if (std::sscanf(argv[++i], "%dx%d", &o.width, &o.height) != 2)
                return false;
        } else if (arg == "--screenshot" && has_value) {
            o.screenshot = argv[++i];
        } else if (arg == "--drag" && has_value) {
            o.drag = argv[++i];
        } else if (arg == "--bypass" && has_value) {
            o.bypass = std::atof(argv[++i]);
        } else if (o.bundle.empty() && arg[0] != '-') {
            o.bundle = arg;
        } else {
            return false;
        }
    }
    return !o.bundle.empty();
}

// A host finds its bypass among the parameters by the flag, not by id.
void set_bypass(IEditController* controller, double value)
{
    for (int32 i = 0; i < controller->getParameterCount(); ++i) {
        ParameterInfo p{};
        if (controller->getParameterInfo(i, p) == kResultOk && (p.flags & ParameterInfo::kIsBypass)) {
            controller->setParamNormalized(p.id, value);
            std::printf("bypass: %u = %.2f\n", static_cast<unsigned>(p.id), value);
            return;
        }
    }
    std::fprintf(stderr, "vst3host: no bypass parameter\n");
}

template <typename T>
T* create(IPluginFactory* factory, const TUID cid)
{
    void* obj = nullptr;
    return factory->createInstance(reinterpret_cast<const char*>(cid), T::iid, &obj) == kResultOk
               ? static_cast<T*>(obj)
               : nullptr;
}

// The editor in the window: attached, run, shot, removed. Answers the
// exit status.
int show_editor(IEditController* controller, IPlugView* view, const Options& o)
{
    std::printf("NSView: %s\n", view->isPlatformTypeSupported("NSView") == kResultOk ? "supported" : "refused");
    ViewRect size{};
    view->getSize(&size);
    if (o.width > 0) {
        size = {0, 0, o.width, o.height};
        view->checkSizeConstraint(&size);
        view->onSize(&size);
    }
    std::printf("view size: %d x %d\n", size.getWidth(), size.getHeight());
    mac_host::HostWindow window(size.getWidth(), size.getHeight());
    std::printf("attached: %d\n", view->attached(window.parent(), "NSView"));
    if (o.bypass >= 0)
        set_bypass(controller, o.bypass);
    if (!o.drag.empty() && !mac_host::start_drag(o.drag))
        std::fprintf(stderr, "vst3host: --drag wants X,Y,DY\n");
    window.run(o.seconds, [] {});
    int status = 0;
    if (!o.screenshot.empty() && !window.screenshot(o.screenshot)) {
        std::fprintf(stderr, "vst3host: could not write %s\n", o.screenshot.c_str());
        status = 1;
    }
    std::printf("removed: %d\n", view->removed());
    return status;
}

int run(const Options& o)
{
    mac_host::Application application;
    mac_host::LoadedBundle bundle = mac_host::load_bundle(o.bundle);
    if (!bundle) {
        std::fprintf(stderr, "vst3host: %s\n", bundle.error().c_str());
        return 1;
    }
    auto enter = reinterpret_cast<bool (*)(CFBundleRef)>(bundle.symbol("bundleEntry"));
    auto leave = reinterpret_cast<bool (*)()>(bundle.symbol("bundleExit"));
    auto getFactory = reinterpret_cast<IPluginFactory* (*)()>(bundle.symbol("GetPluginFactory"));
    if (!enter || !leave || !getFactory || !enter(bundle.ref())) {
        std::fprintf(stderr, "vst3host: the bundle's entry points are missing or failed\n");
        return 1;
    }
    int status = 1;
    IPluginFactory* factory = getFactory();
    PClassInfo info{};
    auto* host = new HostApplication;
    auto* handler = new ComponentHandler;
    handler->echo = true;
    IEditController* controller = nullptr;
    if (factory && factory->getClassInfo(1, &info) == kResultOk)
        controller = create<IEditController>(factory, info.cid);
    if (controller && controller->initialize(host) == kResultOk) {
        controller->setComponentHandler(handler);
        if (IPlugView* view = controller->createView("editor")) {
            status = show_editor(controller, view, o);
            view->release();
        } else {
            std::fprintf(stderr, "vst3host: the controller made no view\n");
        }
        controller->terminate();
    }
    if (controller)
        controller->release();
    handler->release();
    host->release();
    if (factory)
        factory->release();
    std::printf("bundleExit: %d\n", leave());
    std::printf("done\n");
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: vst3host-gnustep BUNDLE.vst3 [--seconds N] [--size WxH] [--screenshot FILE.png]\n"
                             "                        [--drag X,Y,DY] [--bypass VALUE]\n");
        return 2;
    }
    return run(o);
}
