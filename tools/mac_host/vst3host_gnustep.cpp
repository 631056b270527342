// The GNUstep build of vst3host's editor mode: loads a macOS VST3 bundle
// through its bundle and enters it with bundleEntry, as a macOS host does,
// attaches the controller's view to an NSView of a borderless window, runs
// the run loop and logs the edits the view sends ("handler: beginEdit ID",
// "handler: performEdit ID VALUE", "handler: endEdit ID").
//
//   vst3host-gnustep BUNDLE.vst3 [--seconds N] [--size WxH] [--screenshot FILE.png]
//                    [--drag X,Y,DY] [--bypass VALUE]
//   vst3host-gnustep BUNDLE.vst3 capture OUT_DIR STEP...   (view_capture.h)
//
// --drag moves the pointer by xdotool as vst2host-gnustep does; --bypass
// sets the controller's bypass parameter (the one flagged kIsBypass) to
// VALUE once the view is open, as a host's bypass button would.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "gnustep_tool.h"
#include "host_objects.h"
#include "ipluginbase.h"
#include "iplugview.h"
#include "module_entry_points.h"
#include "tool_main.h"
#include "view_capture.h"

using namespace vst3host;

namespace {

const char kUsage[] =
    "usage: vst3host-gnustep BUNDLE.vst3 [--seconds N] [--size WxH] [--screenshot FILE.png]\n"
    "                        [--drag X,Y,DY] [--bypass VALUE]\n"
    "       vst3host-gnustep BUNDLE.vst3 capture OUT_DIR STEP...\n";

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

// The controller's class in the factory, made and initialised with the
// host and the handler; null when it cannot be.
IPtr<IEditController> make_controller(IPluginFactory* factory, HostApplication* host,
                                      ComponentHandler* handler)
{
    PClassInfo info{};
    IPtr<IEditController> controller;
    if (factory && factory->getClassInfo(1, &info) == kResultOk)
        controller = create_instance<IEditController>(factory, info.cid);
    if (!controller || controller->initialize(host) != kResultOk)
        return nullptr;
    controller->setComponentHandler(handler);
    return controller;
}

// The bundle loaded and entered as a host does, body run with its factory
// (released afterwards), the bundle left; bundleExit's answer (0 or 1)
// goes into *left. Answers body's status, 1 when the bundle cannot be
// entered (*left untouched).
template <typename Body>
int with_factory(const std::string& path, Body body, int* left = nullptr)
{
    const mac_host::ToolBundle loaded(path, "vst3host");
    if (!loaded)
        return 1;
    const mac_host::LoadedBundle& bundle = loaded.bundle();
    const auto module = find_entry_points<CFBundleRef>(
        [&bundle](const char* name) { return bundle.symbol(name); }, "bundleEntry", "bundleExit");
    if (!module || !module.enter(bundle.ref())) {
        std::fprintf(stderr, "vst3host: the bundle's entry points are missing or failed\n");
        return 1;
    }
    IPluginFactory* factory = module.getFactory();
    const int status = body(factory);
    if (factory)
        factory->release();
    const bool exited = module.leave();
    if (left)
        *left = exited;
    return status;
}

int run(const Options& o)
{
    int left = -1;
    const int status = with_factory(
        o.bundle,
        [&o](IPluginFactory* factory) {
            int shown = 1;
            auto* host = new HostApplication;
            auto* handler = new ComponentHandler;
            handler->echo = true;
            IPtr<IEditController> controller = make_controller(factory, host, handler);
            if (controller) {
                if (IPlugView* view = controller->createView("editor")) {
                    shown = show_editor(controller.get(), view, o);
                    view->release();
                } else {
                    std::fprintf(stderr, "vst3host: the controller made no view\n");
                }
                controller->terminate();
            }
            controller.reset();
            handler->release();
            host->release();
            return shown;
        },
        &left);
    if (left < 0)
        return status;
    std::printf("bundleExit: %d\n", left);
    std::printf("done\n");
    return status;
}

// The capture verb's host: the controller hears the host's values (the
// meter on id 6, programs on 8, the bypass by its flag), the view the
// host's sizes.
class CaptureHost : public mac_host::ViewCaptureHost {
public:
    explicit CaptureHost(IPluginFactory* factory) : factory_(factory) {}
    ~CaptureHost() override { end(); }
    bool fresh() override
    {
        end();
        host_ = new HostApplication;
        handler_ = new ComponentHandler;
        controller_ = make_controller(factory_, host_, handler_);
        return static_cast<bool>(controller_);
    }
    bool open() override
    {
        close();
        view_ = controller_->createView("editor");
        if (!view_)
            return false;
        ViewRect size{};
        view_->getSize(&size);
        window_ = std::make_unique<mac_host::HostWindow>(size.getWidth(), size.getHeight());
        return view_->attached(window_->parent(), "NSView") == kResultOk;
    }
    void close() override
    {
        if (!view_)
            return;
        view_->removed();
        view_->release();
        view_ = nullptr;
        window_.reset();
    }
    mac_host::HostWindow* window() override { return window_.get(); }
    void* view() override { return window_ ? window_->plugin_view() : nullptr; }
    bool host_step(const capture::Step& s) override
    {
        using capture::Verb;
        switch (s.verb) {
        case Verb::kParam:
            controller_->setParamNormalized(static_cast<ParamID>(s.iarg(0)), s.arg(1));
            return true;
        case Verb::kMeter: controller_->setParamNormalized(6, s.arg(0)); return true;
        case Verb::kBypass: set_bypass(controller_.get(), s.arg(0)); return true;
        case Verb::kProgram: {
            ParameterInfo info{};
            for (int32 i = 0; i < controller_->getParameterCount(); ++i)
                if (controller_->getParameterInfo(i, info) == kResultOk && info.id == 8)
                    break;
            controller_->setParamNormalized(8, s.arg(0) / (info.stepCount > 0 ? info.stepCount : 1));
            return true;
        }
        case Verb::kSize: {
            if (!view_)
                return false;
            ViewRect size{0, 0, s.iarg(0), s.iarg(1)};
            view_->checkSizeConstraint(&size);
            view_->onSize(&size);
            window_->resize(size.getWidth(), size.getHeight());
            std::printf("  view size: %d x %d\n", size.getWidth(), size.getHeight());
            return true;
        }
        default: return false;
        }
    }
    void print_calls() override
    {
        if (!handler_)
            return;
        for (const std::string& line : handler_->log)
            std::printf("  %s\n", line.c_str());
        handler_->log.clear();
    }

private:
    void end()
    {
        close();
        if (controller_)
            controller_->terminate();
        controller_.reset();
        if (handler_)
            handler_->release();
        if (host_)
            host_->release();
        handler_ = nullptr;
        host_ = nullptr;
    }
    IPluginFactory* factory_;
    HostApplication* host_ = nullptr;
    ComponentHandler* handler_ = nullptr;
    IPtr<IEditController> controller_;
    IPlugView* view_ = nullptr;
    std::unique_ptr<mac_host::HostWindow> window_;
};

int run_capture_verb(int argc, char** argv)
{
    return with_factory(argv[1], [&](IPluginFactory* factory) {
        CaptureHost host(factory);
        return mac_host::capture_main(host, argv[3], argc, argv, 4);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::string(argv[2]) == "capture")
        return run_capture_verb(argc, argv);
    return host_tool::tool_main(argc, argv, kUsage, parse, run);
}
