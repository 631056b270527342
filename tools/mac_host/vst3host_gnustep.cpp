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

#include "gnustep_tool.h"
#include "host_objects.h"
#include "ipluginbase.h"
#include "iplugview.h"
#include "module_entry_points.h"
#include "tool_main.h"

using namespace vst3host;

namespace {

const char kUsage[] =
    "usage: vst3host-gnustep BUNDLE.vst3 [--seconds N] [--size WxH] [--screenshot FILE.png]\n"
    "                        [--drag X,Y,DY] [--bypass VALUE]\n";

struct Options {
    std::string bundle;
    mac_host::WindowRun window;
    int width = 0, height = 0;  // 0: the view's own size
    double bypass = -1;         // below 0: left alone
};

bool parse(int argc, char** argv, Options& o)
{
    return mac_host::parse_arguments(argc, argv, o.bundle, o.window, [&](const std::string& arg, int& i) {
        const bool has_value = i + 1 < argc;
        if (arg == "--size" && has_value)
            return std::sscanf(argv[++i], "%dx%d", &o.width, &o.height) == 2;
        if (arg == "--bypass" && has_value) {
            o.bypass = std::atof(argv[++i]);
            return true;
        }
        return false;
    });
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

// The editor in the window: attached, run, shot, removed. Answers the
// exit status.
int show_editor(IEditController* controller, IPlugView* view, const Options& o)
{
    std::printf("NSView: %s\n",
                view->isPlatformTypeSupported("NSView") == kResultOk ? "supported" : "refused");
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
    const int status = mac_host::run_window(window, o.window, "vst3host", [] {});
    std::printf("removed: %d\n", view->removed());
    return status;
}

int run(const Options& o)
{
    const mac_host::ToolBundle loaded(o.bundle, "vst3host");
    if (!loaded)
        return 1;
    const mac_host::LoadedBundle& bundle = loaded.bundle();
    const auto module = find_entry_points<CFBundleRef>(
        [&bundle](const char* name) { return bundle.symbol(name); }, "bundleEntry", "bundleExit");
    if (!module || !module.enter(bundle.ref())) {
        std::fprintf(stderr, "vst3host: the bundle's entry points are missing or failed\n");
        return 1;
    }
    int status = 1;
    IPluginFactory* factory = module.getFactory();
    PClassInfo info{};
    auto* host = new HostApplication;
    auto* handler = new ComponentHandler;
    handler->echo = true;
    IPtr<IEditController> controller;
    if (factory && factory->getClassInfo(1, &info) == kResultOk)
        controller = create_instance<IEditController>(factory, info.cid);
    if (controller && controller->initialize(host) == kResultOk) {
        controller->setComponentHandler(handler);
        if (IPlugView* view = controller->createView("editor")) {
            status = show_editor(controller.get(), view, o);
            view->release();
        } else {
            std::fprintf(stderr, "vst3host: the controller made no view\n");
        }
        controller->terminate();
    }
    controller.reset();
    handler->release();
    host->release();
    if (factory)
        factory->release();
    std::printf("bundleExit: %d\n", module.leave());
    std::printf("done\n");
    return status;
}

}  // namespace

int main(int argc, char** argv) { return host_tool::tool_main(argc, argv, kUsage, parse, run); }
