// The clipboard's text for a window: asked for here, delivered later to the
// window's selection callback when the owner's answer arrives.
#include "x11_engine_state.h"

#include <X11/Xatom.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string.h>

namespace {

// Longest selection read, in 32-bit units.
constexpr long kSelectionLimit = 10000000;

}  // namespace

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
        return;  // nothing to paste, and no answer will come
    XConvertSelection(d, clipboard, XA_STRING, XA_PRIMARY, w, CurrentTime);
    XFlush(d);
}

namespace {

// Selection text as the callbacks get it: our own copy, with its length in
// front so that freeing can wipe it (it may be a pasted password).
struct selection_block {
    size_t length;
    unsigned char text[1];  // length bytes and a terminating zero
};

selection_block* block_of(unsigned char* text)
{
    return reinterpret_cast<selection_block*>(text - offsetof(selection_block, text));
}

unsigned char* copy_selection(const unsigned char* data, size_t length)
{
    auto* b = static_cast<selection_block*>(std::malloc(offsetof(selection_block, text) + length + 1));
    if (b == nullptr)
        return nullptr;
    b->length = length;
    std::memcpy(b->text, data, length);
    b->text[length] = 0;
    return b->text;
}

}  // namespace

unsigned char* AFX_engine::backend::read_selection(const XSelectionEvent& ev)
{
    // A refused conversion names no property: no text came, and an
    // earlier paste must not come back as this one.
    if (ev.property == None)
        return nullptr;
    afx_lock dl(display_mx);
    if (!connected())
        return nullptr;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const int r = XGetWindowProperty(display, ev.requestor, XA_PRIMARY, 0, kSelectionLimit, False, XA_STRING,
                                     &type, &format, &items, &after, &data);
    // Any client could read the text from the window for as long as it is
    // there: it goes as soon as it has been read, whatever its type. (A
    // delete in the read itself would keep a property of another type.)
    afx_trap_errors(display);
    XDeleteProperty(display, ev.requestor, XA_PRIMARY);
    XSync(display, False);
    afx_untrap_errors(display);
    if (r != Success)
        return nullptr;
    unsigned char* text = nullptr;
    // Another type still hands back an (empty) block: that is no text.
    if (type == XA_STRING && format == 8 && data != nullptr)
        text = copy_selection(data, items);
    if (data != nullptr) {
        explicit_bzero(data, type == XA_STRING && format == 8 ? items : 0);
        XFree(data);
    }
    return text;
}

void AFX_engine_x11::free_clipboard_data(unsigned char* data)
{
    if (data == nullptr)
        return;
    selection_block* b = block_of(data);
    explicit_bzero(b->text, b->length);
    std::free(b);
}
