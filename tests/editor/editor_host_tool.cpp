// A minimal VST2 host for the Linux editor: loads the plug-in, opens its
// editor in a top-level window on the current X display and runs until
// that window is closed. Usage:
//   vlt_editor_host --gui [--ui-size 0..1] [--set index=value]... [--seconds N] [plugin.so]
// Without --gui it prints the editor size and exits.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <atomic>

#include "plugin_host.h"

namespace {

struct Options {
    bool gui = false;
    float ui_size = -1.0f;
    double seconds = 0.0;  // 0: until the window is closed
    const char* plugin = VLT_PLUGIN_PATH;
    int sets = 0;
    int set_index[16];
    float set_value[16];
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--gui"))
            o.gui = true;
        else if (!std::strcmp(argv[i], "--ui-size") && i + 1 < argc)
            o.ui_size = std::strtof(argv[++i], nullptr);
        else if (!std::strcmp(argv[i], "--set") && i + 1 < argc && o.sets < 16) {
            char* end = nullptr;
            o.set_index[o.sets] = static_cast<int>(std::strtol(argv[++i], &end, 10));
            if (*end != '=')
                return false;
            o.set_value[o.sets++] = std::strtof(end + 1, nullptr);
        } else if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc)
            o.seconds = std::strtod(argv[++i], nullptr);
        else if (argv[i][0] != '-')
            o.plugin = argv[i];
        else
            return false;
    }
    return true;
}

// Feeds the plug-in a slowly swelling tone so that its meter moves.
void play(PluginInstance& p, const std::atomic<bool>& stop)
{
    constexpr int kFrames = 480;
    float left[kFrames], right[kFrames], out_l[kFrames], out_r[kFrames];
    float* in[2] = {left, right};
    float* out[2] = {out_l, out_r};
    double phase = 0.0, t = 0.0;
    while (!stop) {
        const float level = static_cast<float>(0.5 + 0.5 * std::sin(t));
        for (int i = 0; i < kFrames; ++i, phase += 2 * M_PI * 220.0 / 48000.0)
            left[i] = right[i] = level * static_cast<float>(std::sin(phase));
        p.effect()->processReplacing(p.effect(), in, out, kFrames);
        t += 0.02;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

int run_gui(PluginInstance& p, const Options& o)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "vlt_editor_host: cannot open the X display\n");
        return 1;
    }
    int w = 0, h = 0;
    p.editor_rect(&w, &h);
    const int screen = DefaultScreen(d);
    Window top = XCreateSimpleWindow(d, RootWindow(d, screen), 0, 0, w, h, 0, 0,
                                     BlackPixel(d, screen));
    XStoreName(d, top, "VLT650 - editor host");
    Atom del = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, top, &del, 1);
    XMapWindow(d, top);
    XSync(d, False);
    p.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(top));

    std::atomic<bool> stop{false};
    std::thread audio(play, std::ref(p), std::cref(stop));
    const auto start = std::chrono::steady_clock::now();
    for (bool running = true; running;) {
        while (XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type == ClientMessage && static_cast<Atom>(ev.xclient.data.l[0]) == del)
                running = false;
        }
        // The editor asks for a new size through the host callback.
        for (const HostCall& c : p.calls())
            if (c.opcode == audioMasterSizeWindow)
                XResizeWindow(d, top, c.index, static_cast<unsigned>(c.value));
        p.clear_calls();
        XFlush(d);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::chrono::duration<double> up = std::chrono::steady_clock::now() - start;
        if (o.seconds > 0 && up.count() > o.seconds)
            running = false;
    }
    stop = true;
    audio.join();
    p.dispatch(effEditClose);
    XDestroyWindow(d, top);
    XCloseDisplay(d);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: vlt_editor_host [--gui] [--ui-size 0..1] [--set index=value]... "
                     "[--seconds N] [plugin.so]\n");
        return 2;
    }
    PluginLibrary lib(o.plugin);
    if (!lib.ok())
        return 1;
    int status = 0;
    {
        PluginInstance p(lib);
        if (!p.ok())
            return 1;
        if (o.ui_size >= 0.0f)
            p.set_parameter(7, o.ui_size);
        for (int i = 0; i < o.sets; ++i)
            p.set_parameter(o.set_index[i], o.set_value[i]);
        if (o.gui) {
            status = run_gui(p, o);
        } else {
            int w = 0, h = 0;
            p.editor_rect(&w, &h);
            std::printf("editor %d x %d\n", w, h);
        }
    }
    return status;
}
