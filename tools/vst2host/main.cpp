// vst2host: loads a VST2 plug-in the way a host does, lists what it
// offers, and renders audio through it.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio_buffer.h"
#include "capture_session.h"
#include "gui_session.h"
#include "host_log.h"
#include "plugin_instance.h"
#include "render.h"
#include "report.h"

using namespace vst2host;

namespace {

const char kUsage[] =
    "usage:\n"
    "  vst2host info PLUGIN.so [--calls]\n"
    "  vst2host render PLUGIN.so (--in FILE | --signal [SECONDS]) --out FILE.wav\n"
    "           [--rate HZ] [--block FRAMES] [--program N] [--param NAME|INDEX=VALUE]...\n"
    "           [--bypass] [--calls]\n"
    "  vst2host --gui PLUGIN.so [--seconds N] [--rate HZ] [--block FRAMES] [--program N]\n"
    "           [--param NAME|INDEX=VALUE]... [--bypass] [--screenshot FILE.png] [--calls]\n"
    "  vst2host capture PLUGIN.so OUT_DIR STEP...\n"
    "\n"
    "info     prints the plug-in's identity, parameters and programs.\n"
    "render   runs a WAV file (or the built-in test tone) through the plug-in\n"
    "         and writes the result; values are host values 0..1 and --program\n"
    "         one of the plug-in's programs (0..count-1), anything else is refused.\n"
    "         A WAV file holding fewer frames than its header promises is refused\n"
    "         (exit 1). The output replaces --out only once it is written whole.\n"
    "--gui    opens the plug-in's editor in a window of its own on $DISPLAY while\n"
    "         a looped test tone plays through it, until the window is closed\n"
    "         or --seconds N have passed; --screenshot writes the window as PNG\n"
    "         just before it closes.\n"
    "--calls  also prints every call the plug-in made to the host.\n"
    "capture  opens the editor on $DISPLAY and runs the steps (new, open, close,\n"
    "         ui=V, param=I,V, program=N, meter=V, bypass=V, click=PX,PY, dclick=PX,PY,\n"
    "         drag=PX,PY,DX,DY,N, wheel=PX,PY,N, grip=DX,DY,N, ticks=N, shot=NAME) with\n"
    "         the editor's GUI thread stepped, not timed; shot=NAME writes\n"
    "         OUT_DIR/NAME.png and prints the host calls since the last shot.\n";

struct Options {
    std::string command;
    std::string plugin;
    std::string in;
    std::string out;
    bool signal = false;
    double seconds = 2.0;
    int rate = 44100;
    bool calls = false;
    double gui_seconds = 0.0;
    std::string screenshot;
    std::vector<std::pair<std::string, float>> params;
    RenderSettings render;
};

int fail(const std::string& message)
{
    std::fprintf(stderr, "vst2host: %s\n", message.c_str());
    return 1;
}

bool parse_number(const std::string& text, double& out)
{
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

// Parses the command line; answers an error message, empty when fine.
std::string parse(int argc, char** argv, Options& o)
{
    if (argc < 3)
        return "missing command or plug-in";
    o.command = argv[1] == std::string("--gui") ? "gui" : argv[1];
    o.plugin = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&](std::string& into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        std::string value;
        double number = 0;
        if (arg == "--calls") {
            o.calls = true;
        } else if (arg == "--bypass") {
            o.render.bypass = true;
        } else if (arg == "--in") {
            if (!next(o.in))
                return "--in needs a file";
        } else if (arg == "--out") {
            if (!next(o.out))
                return "--out needs a file";
        } else if (arg == "--signal") {
            o.signal = true;
            if (i + 1 < argc && parse_number(argv[i + 1], number)) {
                if (!(number > 0 && number <= 3600))
                    return "--signal takes 0..3600 seconds";
                o.seconds = number;
                ++i;
            }
        } else if (arg == "--seconds" && o.command == "gui") {
            if (!next(value) || !parse_number(value, number) || !(number > 0 && number <= 86400))
                return "--seconds takes 0..86400 seconds";
            o.gui_seconds = number;
        } else if (arg == "--screenshot" && o.command == "gui") {
            if (!next(o.screenshot))
                return "--screenshot needs a file";
        } else if (arg == "--rate") {
            if (!next(value) || !parse_number(value, number) || number < 1 || number > 768000)
                return "--rate needs a rate in Hz";
            o.rate = static_cast<int>(number);
        } else if (arg == "--block") {
            if (!next(value) || !parse_number(value, number) || number < 1 || number > 65536)
                return "--block needs 1..65536 frames";
            o.render.block = static_cast<int32_t>(number);
        } else if (arg == "--program") {
            if (!next(value) || !parse_number(value, number) || number != std::floor(number) ||
                std::fabs(number) > 1e6)
                return "--program needs a program number";
            o.render.program = static_cast<int32_t>(number);
        } else if (arg == "--param") {
            const std::string::size_type eq = next(value) ? value.find('=') : std::string::npos;
            if (eq == std::string::npos || !parse_number(value.substr(eq + 1), number))
                return "--param needs NAME=VALUE or INDEX=VALUE";
            // Hosts only ever send 0..1; NaN fails this test too.
            if (!(number >= 0.0 && number <= 1.0))
                return "--param " + value + ": values are host values in the range 0..1";
            o.params.emplace_back(value.substr(0, eq), static_cast<float>(number));
        } else {
            return "unknown option " + arg;
        }
    }
    return {};
}

// Checks the program against the loaded plug-in and turns NAME=VALUE
// pairs into its parameter indices.
std::string resolve_params(const PluginInstance& plugin, Options& o)
{
    const int32_t programs = plugin.effect()->numPrograms;
    if (o.render.program && (*o.render.program < 0 || *o.render.program >= programs))
        return "--program " + std::to_string(*o.render.program) + ": " +
               (programs > 0 ? "this plug-in has programs 0.." + std::to_string(programs - 1)
                             : std::string("this plug-in has no programs"));
    for (const auto& [key, value] : o.params) {
        double number = 0;
        int32_t index = parse_number(key, number) ? static_cast<int32_t>(number) : plugin.find_param(key);
        if (index < 0 || index >= plugin.effect()->numParams)
            return "no parameter " + key;
        o.render.params.emplace_back(index, value);
    }
    return {};
}

int run_info(const PluginInstance& plugin, const Options& o)
{
    std::printf("plugin: %s\n", o.plugin.c_str());
    print_identity(stdout, plugin);
    print_parameters(stdout, plugin);
    print_programs(stdout, plugin);
    return 0;
}

// The program and values as render applies them, then the editor.
int run_editor(const PluginInstance& plugin, Options& o, HostLog& log)
{
    if (std::string why = resolve_params(plugin, o); !why.empty())
        return fail(why);
    apply_settings(plugin, o.render);
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(o.rate));
    plugin.dispatch(effSetBlockSize, 0, o.render.block);
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.dispatch(effStartProcess);
    GuiSettings gui;
    gui.seconds = o.gui_seconds;
    gui.rate = o.rate;
    gui.block = o.render.block;
    gui.screenshot = o.screenshot;
    const int rc = run_gui(plugin, log, gui);
    plugin.dispatch(effStopProcess);
    plugin.dispatch(effMainsChanged, 0, 0);
    return rc;
}

int run_render(const PluginInstance& plugin, Options& o, const AudioBuffer& input)
{
    if (std::string why = resolve_params(plugin, o); !why.empty())
        return fail(why);
    const RenderResult r = render(plugin, input, o.render);
    std::string error;
    if (!write_wav(o.out, r.audio, error))
        return fail(error);
    std::printf("rendered: %ld frames, %d channels, %d Hz, %ld blocks of up to %d frames\n", r.audio.frames(),
                r.audio.channels, r.audio.rate, r.blocks, o.render.block);
    std::printf("output: %s\n", o.out.c_str());
    if (r.blocks == 0) {
        std::printf("meter: none, no audio was processed (the input has 0 frames)\n");
    } else if (r.has_meter) {
        // The meter's full scale is 20 dB of gain reduction.
        std::printf("meter: %.4f (%.2f dB reduction in the last block)\n",
                    static_cast<double>(r.last_reduction_db / 20.0f),
                    static_cast<double>(r.last_reduction_db));
        std::printf("meter peak: %.4f (%.2f dB)\n", static_cast<double>(r.peak_reduction_db / 20.0f),
                    static_cast<double>(r.peak_reduction_db));
    } else {
        std::printf("meter: not reported by this plug-in\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && argv[1] == std::string("capture")) {
        std::vector<capture::Step> steps;
        std::string why = argc < 4 ? "capture needs a plug-in and an output folder" : "";
        if (!why.empty() || !capture::parse_steps(argc, argv, 4, steps, why)) {
            std::fprintf(stderr, "vst2host: %s\n\n%s", why.c_str(), kUsage);
            return 2;
        }
        return run_capture(argv[2], argv[3], steps);
    }
    Options o;
    if (const std::string why = parse(argc, argv, o); !why.empty()) {
        std::fprintf(stderr, "vst2host: %s\n\n%s", why.c_str(), kUsage);
        return 2;
    }
    if (o.command != "info" && o.command != "render" && o.command != "gui") {
        std::fprintf(stderr, "vst2host: unknown command %s\n\n%s", o.command.c_str(), kUsage);
        return 2;
    }

    AudioBuffer input;
    std::string error;
    if (o.command == "render") {
        if (o.out.empty() || (o.in.empty() == !o.signal))
            return fail("render needs --out and one of --in or --signal");
        if (o.signal)
            input = make_test_signal(o.rate, o.seconds);
        else if (!read_audio(o.in, input, error))
            return fail(error);
    }

    HostLog log;
    log.sample_rate = static_cast<float>(o.command == "gui" ? o.rate : input.rate);
    log.block_size = o.render.block;
    int rc = 0;
    {
        PluginInstance plugin;
        if (!plugin.load(o.plugin, log, error))
            return fail(error);
        if (o.command == "info")
            rc = run_info(plugin, o);
        else if (o.command == "gui")
            rc = run_editor(plugin, o, log);
        else
            rc = run_render(plugin, o, input);
    }
    if (o.calls)
        log.print(stdout);
    HostLog::make_current(nullptr);
    return rc;
}
