#pragma once
// The host side of an X session for the editor tests: a private server,
// parent windows as a host makes them, real pointer input through XTest
// and pixel read-back.
#include <X11/Xlib.h>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "xvfb_server.h"

class XSession {
public:
    XSession();  // a screen for the editor at UI size 1 and scale 1
    explicit XSession(const XvfbServer::options& screen);
    ~XSession();
    bool ok() const { return display_ != nullptr; }
    Display* display() const { return display_; }

    Window make_parent(int x, int y, int width, int height);
    void destroy(Window w);
    std::vector<Window> children(Window parent);
    void geometry(Window w, int* width, int* height);
    bool window_exists(Window w);
    std::string window_class(Window w);
    // r, g, b of one pixel of w; -1 in r when it cannot be read.
    void pixel(Window w, int x, int y, int rgb[3]);

    // Pointer input in root coordinates.
    void move(int x, int y);
    void press(int button);
    void release(int button);
    void click(int button) { press(button), release(button); }

private:
    std::unique_ptr<XvfbServer> server_;
    Display* display_ = nullptr;
};

// Polls cond every 10 ms until it holds or timeout passes.
bool wait_until(const std::function<bool()>& cond,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
