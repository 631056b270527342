#pragma once
// The host's own top-level window on an X display, which holds a plug-in's
// editor: its events, its size and a PNG of what the screen shows in it.
#include <X11/Xlib.h>

#include <string>

namespace vst2host {

class TopWindow {
public:
    TopWindow(Display* d, int width, int height);
    ~TopWindow();
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    Window id() const { return window_; }

    // Handles the window's events; false once the user closed it.
    bool pump();
    // The window as the screen shows it, editor included, as a PNG file.
    bool save_png(const std::string& path);
    void resize(int width, int height);

private:
    Display* d_;
    Window window_ = 0;
    Atom delete_atom_ = 0;
    bool alive_ = true;
    bool closing_ = false;
};

}  // namespace vst2host
