#include "clipboard_owner.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

ClipboardOwner::ClipboardOwner(const std::string& display, std::string text, const char* answer_type)
    : text_(std::move(text))
{
    display_ = XOpenDisplay(display.c_str());
    if (!display_)
        return;
    answer_type_ = XInternAtom(display_, answer_type, False);
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display_, "CLIPBOARD", False);
    XSetSelectionOwner(display_, clipboard, window_, CurrentTime);
    owns_ = XGetSelectionOwner(display_, clipboard) == window_;
    XFlush(display_);
    thread_ = std::thread([this] { serve(); });
}

ClipboardOwner::~ClipboardOwner()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (display_)
        XCloseDisplay(display_);
}

void ClipboardOwner::serve()
{
    while (!stop_) {
        while (XPending(display_) > 0) {
            XEvent ev;
            XNextEvent(display_, &ev);
            if (ev.type != SelectionRequest)
                continue;
            const XSelectionRequestEvent& rq = ev.xselectionrequest;
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.display = rq.display;
            reply.requestor = rq.requestor;
            reply.selection = rq.selection;
            reply.target = rq.target;
            reply.time = rq.time;
            reply.property = None;  // refused unless it asks for plain text
            if (rq.target == XA_STRING && rq.property != None) {
                XChangeProperty(display_, rq.requestor, rq.property, answer_type_, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(text_.data()),
                                static_cast<int>(text_.size()));
                reply.property = rq.property;
            }
            XSendEvent(display_, rq.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
            XSync(display_, False);
            if (reply.property != None)
                ++answered_;
        }
        usleep(5000);
    }
}
