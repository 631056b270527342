#include "gui_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "png_writer.h"

namespace vst2host {

namespace {

using Clock = std::chrono::steady_clock;

// The host's audio thread: the test tone, looped, in real time.
void play(const PluginInstance& plugin, const GuiSettings& s, const std::atomic<bool>& stop)
{
    const AudioBuffer tone = make_test_signal(s.rate, 4.0);
    const int32_t block = std::max<int32_t>(s.block, 1);
    std::vector<float> in_l(block), in_r(block), out_l(block), out_r(block);
    float* inputs[2] = {in_l.data(), in_r.data()};
    float* outputs[2] = {out_l.data(), out_r.data()};
    AEffect* e = plugin.effect();
    const auto period = std::chrono::duration<double>(static_cast<double>(block) / s.rate);
    auto next = Clock::now();
    long pos = 0;
    while (!stop) {
        for (int32_t i = 0; i < block; ++i, pos = (pos + 1) % tone.frames()) {
            in_l[i] = tone.left[pos];
            in_r[i] = tone.right[pos];
        }
        e->processReplacing(e, inputs, outputs, block);
        next += std::chrono::duration_cast<Clock::duration>(period);
        std::this_thread::sleep_until(next);
    }
}

// The editor's size as the plug-in reports it (0 x 0 when it gives none).
void editor_size(const PluginInstance& plugin, int& width, int& height)
{
    ERect* r = nullptr;
    plugin.dispatch(effEditGetRect, 0, 0, &r);
    width = r ? r->right - r->left : 0;
    height = r ? r->bottom - r->top : 0;
}

class TopWindow {
public:
    TopWindow(Display* d, int width, int height) : d_(d)
    {
        const int screen = DefaultScreen(d);
        window_ =
            XCreateSimpleWindow(d, RootWindow(d, screen), 0, 0, width, height, 0, 0, BlackPixel(d, screen));
        XStoreName(d, window_, "VLT650 - vst2host");
        XClassHint hint{const_cast<char*>("vst2host"), const_cast<char*>("vst2host")};
        XSetClassHint(d, window_, &hint);
        delete_atom_ = XInternAtom(d, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(d, window_, &delete_atom_, 1);
        XSelectInput(d, window_, StructureNotifyMask);
        XMapWindow(d, window_);
        XSync(d, False);
    }
    ~TopWindow()
    {
        if (alive_)
            XDestroyWindow(d_, window_);
        XSync(d_, False);
    }
    Window id() const { return window_; }

    // Handles the window's events; false once the user closed it.
    bool pump()
    {
        while (alive_ && XPending(d_)) {
            XEvent ev;
            XNextEvent(d_, &ev);
            if (ev.type == ClientMessage && static_cast<Atom>(ev.xclient.data.l[0]) == delete_atom_)
                closing_ = true;
            else if (ev.type == DestroyNotify && ev.xdestroywindow.window == window_)
                alive_ = false;
        }
        return alive_ && !closing_;
    }
    // The window as the screen shows it, editor included, as a PNG file.
    bool save_png(const std::string& path)
    {
        XWindowAttributes a{};
        if (!alive_ || !XGetWindowAttributes(d_, window_, &a))
            return false;
        XImage* img = XGetImage(d_, window_, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        if (!img)
            return false;
        std::vector<uint8_t> rgba(4u * a.width * a.height);
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) {
                const unsigned long p = XGetPixel(img, x, y);
                uint8_t* o = &rgba[4u * (y * a.width + x)];
                o[0] = static_cast<uint8_t>((p & img->red_mask) * 255 / img->red_mask);
                o[1] = static_cast<uint8_t>((p & img->green_mask) * 255 / img->green_mask);
                o[2] = static_cast<uint8_t>((p & img->blue_mask) * 255 / img->blue_mask);
                o[3] = 255;
            }
        XDestroyImage(img);
        return afx_write_png(path, a.width, a.height, rgba.data(), a.width * 4);
    }
    void resize(int width, int height)
    {
        if (alive_ && width > 0 && height > 0)
            XResizeWindow(d_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
        XFlush(d_);
    }

private:
    Display* d_;
    Window window_ = 0;
    Atom delete_atom_ = 0;
    bool alive_ = true;
    bool closing_ = false;
};

}  // namespace

int run_gui(const PluginInstance& plugin, HostLog& log, const GuiSettings& s)
{
    if (!(plugin.effect()->flags & effFlagsHasEditor)) {
        std::fprintf(stderr, "vst2host: the plug-in has no editor\n");
        return 1;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "vst2host: cannot open the X display (is DISPLAY set?)\n");
        return 1;
    }
    int width = 0, height = 0;
    editor_size(plugin, width, height);
    int status = 0;
    {
        TopWindow top(d, std::max(width, 1), std::max(height, 1));
        // The editor asks for a new size from its own thread; this loop owns
        // the display connection, so the request waits here.
        std::mutex size_mutex;
        std::optional<std::pair<int, int>> requested;
        log.on_size_window = [&](int32_t w, intptr_t h) {
            std::lock_guard<std::mutex> lock(size_mutex);
            requested = {w, static_cast<int>(h)};
            return true;
        };
        plugin.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(top.id()));

        std::atomic<bool> stop{false};
        std::thread audio(play, std::cref(plugin), std::cref(s), std::cref(stop));
        const auto start = Clock::now();
        while (top.pump()) {
            std::optional<std::pair<int, int>> size;
            {
                std::lock_guard<std::mutex> lock(size_mutex);
                size.swap(requested);
            }
            if (size)
                top.resize(size->first, size->second);
            plugin.dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const std::chrono::duration<double> up = Clock::now() - start;
            if (s.seconds > 0 && up.count() >= s.seconds)
                break;
        }
        if (!s.screenshot.empty() && !top.save_png(s.screenshot)) {
            std::fprintf(stderr, "vst2host: could not write %s\n", s.screenshot.c_str());
            status = 1;
        }
        stop = true;
        audio.join();
        plugin.dispatch(effEditClose);
        log.on_size_window = nullptr;
    }
    XCloseDisplay(d);
    return status;
}

}  // namespace vst2host
