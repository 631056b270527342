#include "clipboard_owner.h"

#include <chrono>

ClipboardOwner::ClipboardOwner(const char* target, std::string text, answer how)
    : text_(std::move(text)), how_(how)
{
    d_ = XOpenDisplay(nullptr);
    if (d_ == nullptr)
        return;
    w_ = XCreateSimpleWindow(d_, DefaultRootWindow(d_), 0, 0, 1, 1, 0, 0, 0);
    target_ = XInternAtom(d_, target, False);
    const Atom clipboard = XInternAtom(d_, "CLIPBOARD", False);
    XSetSelectionOwner(d_, clipboard, w_, CurrentTime);
    owns_ = XGetSelectionOwner(d_, clipboard) == w_;
    XSync(d_, False);
    thread_ = std::thread([this] { serve(); });
}

ClipboardOwner::~ClipboardOwner()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (d_ != nullptr)
        XCloseDisplay(d_);  // the selection goes with the window
}

void ClipboardOwner::serve()
{
    while (!stop_) {
        while (XPending(d_) > 0) {
            XEvent ev;
            XNextEvent(d_, &ev);
            if (ev.type == SelectionRequest)
                reply(ev.xselectionrequest);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void ClipboardOwner::reply(const XSelectionRequestEvent& req)
{
    ++requests_;
    XEvent out{};
    XSelectionEvent& n = out.xselection;
    n.type = SelectionNotify;
    n.requestor = req.requestor;
    n.selection = req.selection;
    n.target = req.target;
    n.time = req.time;
    n.property = None;
    if (req.target == target_ || how_ == answer::always_offered_type) {
        XChangeProperty(d_, req.requestor, req.property, target_, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text_.data()), static_cast<int>(text_.size()));
        n.property = req.property;
    }
    XSendEvent(d_, req.requestor, False, NoEventMask, &out);
    XFlush(d_);
}
