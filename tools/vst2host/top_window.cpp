#include "top_window.h"

#include <X11/Xutil.h>

#include <cstdint>
#include <vector>

#include "png_writer.h"

namespace vst2host {

TopWindow::TopWindow(Display* d, int width, int height) : d_(d)
{
    const int screen = DefaultScreen(d);
    window_ = XCreateSimpleWindow(d, RootWindow(d, screen), 0, 0, width, height, 0, 0, BlackPixel(d, screen));
    XStoreName(d, window_, "VLT650 - vst2host");
    XClassHint hint{const_cast<char*>("vst2host"), const_cast<char*>("vst2host")};
    XSetClassHint(d, window_, &hint);
    delete_atom_ = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, window_, &delete_atom_, 1);
    XSelectInput(d, window_, StructureNotifyMask);
    XMapWindow(d, window_);
    XSync(d, False);
}

TopWindow::~TopWindow()
{
    if (alive_)
        XDestroyWindow(d_, window_);
    XSync(d_, False);
}

bool TopWindow::pump()
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

bool TopWindow::save_png(const std::string& path)
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

void TopWindow::resize(int width, int height)
{
    if (alive_ && width > 0 && height > 0)
        XResizeWindow(d_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(d_);
}

}  // namespace vst2host
