#include "x_session.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <thread>

namespace {
int ignore_errors(Display*, XErrorEvent*) { return 0; }
}  // namespace

namespace {
XvfbServer::options editor_screen()
{
    XvfbServer::options o;
    o.width = 1280;
    o.height = 1100;
    return o;
}
}  // namespace

XSession::XSession() : XSession(editor_screen()) {}

XSession::XSession(const XvfbServer::options& screen) : server_(std::make_unique<XvfbServer>(screen))
{
    if (!server_->running())
        return;
    setenv("DISPLAY", server_->display_name().c_str(), 1);
    display_ = XOpenDisplay(server_->display_name().c_str());
    if (display_)
        XSetErrorHandler(ignore_errors);
}

XSession::~XSession()
{
    if (display_)
        XCloseDisplay(display_);
}

Window XSession::make_parent(int x, int y, int width, int height)
{
    const int screen = DefaultScreen(display_);
    Window w = XCreateSimpleWindow(display_, RootWindow(display_, screen), x, y, width, height, 0, 0,
                                   BlackPixel(display_, screen));
    XMapWindow(display_, w);
    XSync(display_, False);
    return w;
}

void XSession::destroy(Window w)
{
    XDestroyWindow(display_, w);
    XSync(display_, False);
}

std::vector<Window> XSession::children(Window parent)
{
    Window root, up, *list = nullptr;
    unsigned n = 0;
    std::vector<Window> out;
    if (XQueryTree(display_, parent, &root, &up, &list, &n)) {
        out.assign(list, list + n);
        XFree(list);
    }
    return out;
}

void XSession::geometry(Window w, int* width, int* height)
{
    XWindowAttributes a{};
    *width = *height = 0;
    if (XGetWindowAttributes(display_, w, &a))
        *width = a.width, *height = a.height;
}

bool XSession::window_exists(Window w)
{
    XWindowAttributes a{};
    XSync(display_, False);
    return XGetWindowAttributes(display_, w, &a) != 0;
}

std::string XSession::window_class(Window w)
{
    XClassHint hint{};
    std::string out;
    if (XGetClassHint(display_, w, &hint)) {
        out = hint.res_class ? hint.res_class : "";
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return out;
}

void XSession::pixel(Window w, int x, int y, int rgb[3])
{
    rgb[0] = -1;
    XImage* img = XGetImage(display_, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img)
        return;
    const unsigned long p = XGetPixel(img, 0, 0);
    rgb[0] = static_cast<int>((p >> 16) & 255);
    rgb[1] = static_cast<int>((p >> 8) & 255);
    rgb[2] = static_cast<int>(p & 255);
    XDestroyImage(img);
}

void XSession::move(int x, int y)
{
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, 0);
    XSync(display_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}

void XSession::press(int button)
{
    XTestFakeButtonEvent(display_, button, True, 0);
    XSync(display_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}

void XSession::release(int button)
{
    XTestFakeButtonEvent(display_, button, False, 0);
    XSync(display_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}

bool wait_until(const std::function<bool()>& cond, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!cond()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
