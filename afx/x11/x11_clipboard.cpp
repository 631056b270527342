// The clipboard's text for a window: asked for here, delivered later to the
// window's selection callback when the owner's answer arrives.
#include "x11_engine_state.h"

#include <X11/Xatom.h>

namespace {

// Longest selection read, in 32-bit units.
constexpr long kSelectionLimit = 10000000;

} // namespace

void AFX_engine_x11::convert_AFX_clipboard_data(int index)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return;
    Display* d = b_->display;
    const Window w = b_->slots[index].window;
    const Atom clipboard = XInternAtom(d, "CLIPBOARD", False);
    // Focus on a window that is not viewable is a BadMatch, which the
    // process's default handler would turn into an exit.
    afx_trap_errors(d);
    XSetInputFocus(d, w, RevertToPointerRoot, CurrentTime);
    XSync(d, False);
    afx_untrap_errors(d);
    if (XGetSelectionOwner(d, clipboard) == None)
        return; // nothing to paste, and no answer will come
    XConvertSelection(d, clipboard, XA_STRING, XA_PRIMARY, w, CurrentTime);
    XFlush(d);
}

unsigned char* AFX_engine::backend::read_selection(const XSelectionEvent& ev)
{
    // A refused conversion names no property. The window's PRIMARY may
    // still hold an earlier paste, which must not come back as this one.
    if (ev.property == None)
        return nullptr;
    afx_lock dl(display_mx);
    if (!connected())
        return nullptr;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const int r = XGetWindowProperty(display, ev.requestor, XA_PRIMARY, 0, kSelectionLimit, False,
                                     XA_STRING, &type, &format, &items, &after, &data);
    if (r != Success)
        return nullptr;
    // Another type still hands back an (empty) block: that is no text.
    if (type != XA_STRING || format != 8) {
        if (data != nullptr)
            XFree(data);
        return nullptr;
    }
    return data;
}

void AFX_engine_x11::free_clipboard_data(unsigned char* data)
{
    if (data != nullptr)
        XFree(data);
}
