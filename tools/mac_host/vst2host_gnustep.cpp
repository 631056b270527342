// The GNUstep build of vst2host's editor mode: loads a macOS VST2 bundle
// through its bundle, as a macOS host does, opens the editor in an NSView
// of a borderless window while a test tone plays through the plug-in, and
// logs what the plug-in asked of the host.
//
//   vst2host-gnustep BUNDLE.vst [--seconds N] [--program N] [--param NAME=VALUE]...
//                    [--screenshot FILE.png] [--calls] [--drag X,Y,DY] [--bypass]
//   vst2host-gnustep BUNDLE.vst capture OUT_DIR STEP...   (view_capture.h)
//
// --drag has xdotool press the left button at window point X,Y, move the
// pointer DY points down (negative: up) and release it, as a user would.
// --bypass sets the host's bypass once the editor is open.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "audio_buffer.h"
#include "gnustep_tool.h"
#include "plugin_instance.h"
#include "tool_main.h"
#include "view_capture.h"

namespace {

const char kUsage[] =
    "usage: vst2host-gnustep BUNDLE.vst [--seconds N] [--program N] [--param NAME=VALUE]...\n"
    "                        [--screenshot FILE.png] [--calls] [--drag X,Y,DY] [--bypass]\n"
    "       vst2host-gnustep BUNDLE.vst capture OUT_DIR STEP...\n";

struct Options {
    std::string bundle;
    mac_host::WindowRun window;
    int program = -1;
    std::vector<std::pair<std::string, float>> params;
    bool calls = false;
    bool bypass = false;  // the host's bypass (effSetBypass 1)
};

bool parse(int argc, char** argv, Options& o)
{
    return mac_host::parse_arguments(argc, argv, o.bundle, o.window, [&](const std::string& arg, int& i) {
        const bool has_value = i + 1 < argc;
        if (arg == "--program" && has_value) {
            o.program = std::atoi(argv[++i]);
        } else if (arg == "--param" && has_value) {
            const std::string p = argv[++i];
            const auto eq = p.find('=');
            if (eq == std::string::npos)
                return false;
            o.params.emplace_back(p.substr(0, eq), static_cast<float>(std::atof(p.c_str() + eq + 1)));
        } else if (arg == "--bypass") {
            o.bypass = true;
        } else if (arg == "--calls") {
            o.calls = true;
        } else {
            return false;
        }
        return true;
    });
}

int run(const Options& o)
{
    const mac_host::ToolBundle loaded(o.bundle, "vst2host");
    if (!loaded)
        return 1;
    vst2host::HostLog log;
    vst2host::PluginInstance plugin;
    std::string error;
    auto entry =
        reinterpret_cast<vst2host::PluginInstance::EntryProc>(loaded.bundle().symbol("VSTPluginMain"));
    if (!plugin.start(entry, o.bundle, log, error)) {
        std::fprintf(stderr, "vst2host: %s\n", error.c_str());
        return 1;
    }
    const int32_t id = plugin.effect()->uniqueID;
    std::printf("plugin: %s id %c%c%c%c\n", o.bundle.c_str(), id >> 24 & 0xff, id >> 16 & 0xff,
                id >> 8 & 0xff, id & 0xff);
    if (o.program >= 0)
        plugin.dispatch(effSetProgram, 0, o.program);
    for (const auto& [name, value] : o.params) {
        const int32_t index = plugin.find_param(name);
        if (index < 0) {
            std::fprintf(stderr, "vst2host: no parameter %s\n", name.c_str());
            return 1;
        }
        plugin.effect()->setParameter(plugin.effect(), index, value);
    }

    ERect* r = nullptr;
    plugin.dispatch(effEditGetRect, 0, 0, &r);
    const int width = r ? r->right - r->left : 0;
    const int height = r ? r->bottom - r->top : 0;
    std::printf("editor rect: %d x %d\n", width, height);
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "vst2host: the plug-in has no editor\n");
        return 1;
    }
    mac_host::HostWindow window(width, height);
    log.on_size_window = [&window](int32_t w, intptr_t h) {
        window.resize(w, static_cast<int>(h));
        return true;
    };
    const intptr_t opened = plugin.dispatch(effEditOpen, 0, 0, window.parent());
    std::printf("editor open: %ld\n", static_cast<long>(opened));
    if (o.bypass)
        plugin.dispatch(effSetBypass, 0, 1);

    // The host's audio, on the main thread's tick: one block of the tone.
    const int rate = static_cast<int>(log.sample_rate);
    const vst2host::AudioBuffer tone = vst2host::make_test_signal(rate, 4.0);
    const int32_t block = rate / 50;
    std::vector<float> in_l(block), in_r(block), out_l(block), out_r(block);
    float* inputs[2] = {in_l.data(), in_r.data()};
    float* outputs[2] = {out_l.data(), out_r.data()};
    long pos = 0;
    const int status = mac_host::run_window(window, o.window, "vst2host", [&] {
        for (int32_t i = 0; i < block; ++i, pos = (pos + 1) % tone.frames()) {
            in_l[i] = tone.left[pos];
            in_r[i] = tone.right[pos];
        }
        plugin.effect()->processReplacing(plugin.effect(), inputs, outputs, block);
    });
    plugin.dispatch(effEditClose);
    float db = 0.0f;
    if (plugin.gain_reduction_db(db))
        std::printf("gain reduction: %.2f dB\n", db);
    plugin.close();
    if (o.calls)
        log.print(stdout);
    std::printf("done\n");
    return status;
}

// The capture verb's host: the plug-in's values, programs, meter and
// bypass as VST2 calls, the editor in a window of its size.
class CaptureHost : public mac_host::ViewCaptureHost {
public:
    explicit CaptureHost(vst2host::PluginInstance::EntryProc entry, std::string name)
        : entry_(entry), name_(std::move(name))
    {
        log_.on_size_window = [this](int32_t w, intptr_t h) {
            if (window_)
                window_->resize(w, static_cast<int>(h));
            return true;
        };
    }
    ~CaptureHost() override
    {
        close();
        plugin_.close();
    }
    bool fresh() override
    {
        close();
        plugin_.close();
        std::string error;
        if (!plugin_.start(entry_, name_, log_, error)) {
            std::fprintf(stderr, "vst2host: %s\n", error.c_str());
            return false;
        }
        log_.clear();
        logged_ = 0;
        return true;
    }
    bool open() override
    {
        int width = 0, height = 0;
        plugin_.editor_size(width, height);
        if (width <= 0 || height <= 0)
            return false;
        window_ = std::make_unique<mac_host::HostWindow>(width, height);
        plugin_.dispatch(effEditOpen, 0, 0, window_->parent());
        return window_->plugin_view() != nullptr;
    }
    void close() override
    {
        if (!window_)
            return;
        plugin_.dispatch(effEditClose);
        window_.reset();
    }
    mac_host::HostWindow* window() override { return window_.get(); }
    void* view() override { return window_ ? window_->plugin_view() : nullptr; }
    bool host_step(const capture::Step& s) override
    {
        AEffect* e = plugin_.effect();
        using capture::Verb;
        switch (s.verb) {
        case Verb::kUi: e->setParameter(e, 7, static_cast<float>(s.arg(0))); return true;
        case Verb::kParam: e->setParameter(e, s.iarg(0), static_cast<float>(s.arg(1))); return true;
        case Verb::kProgram: plugin_.dispatch(effSetProgram, 0, s.iarg(0)); return true;
        case Verb::kMeter: e->setParameter(e, 8, static_cast<float>(s.arg(0))); return true;
        case Verb::kBypass: plugin_.dispatch(effSetBypass, 0, s.arg(0) != 0.0 ? 1 : 0); return true;
        default: return false;
        }
    }
    void print_calls() override
    {
        const std::vector<vst2host::HostCall> calls = log_.calls();
        for (std::size_t i = logged_; i < calls.size(); ++i)
            vst2host::HostLog::print_call(stdout, calls[i]);
        logged_ = calls.size();
    }

private:
    vst2host::PluginInstance::EntryProc entry_;
    std::string name_;
    vst2host::HostLog log_;
    vst2host::PluginInstance plugin_;
    std::unique_ptr<mac_host::HostWindow> window_;
    std::size_t logged_ = 0;
};

int run_capture_verb(int argc, char** argv)
{
    const mac_host::ToolBundle loaded(argv[1], "vst2host");
    if (!loaded)
        return 1;
    auto entry =
        reinterpret_cast<vst2host::PluginInstance::EntryProc>(loaded.bundle().symbol("VSTPluginMain"));
    CaptureHost host(entry, argv[1]);
    return mac_host::capture_main(host, argv[3], argc, argv, 4);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::string(argv[2]) == "capture")
        return run_capture_verb(argc, argv);
    return host_tool::tool_main(argc, argv, kUsage, parse, run);
}
