// Window-manager hints, grabs, the busy cursor and window positions.
#include "x11_engine_state.h"

#include <X11/Xatom.h>
#include <X11/cursorfont.h>

#include <cstring>

namespace {

void set_atom_property(Display* d, Window w, const char* property, const char* value)
{
    Atom prop = XInternAtom(d, property, False);
    Atom v = XInternAtom(d, value, False);
    XChangeProperty(d, w, prop, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&v), 1);
}

}  // namespace

void AFX_engine_windows::set_afx_window_title(int index, const char* text)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index) || text == nullptr)
        return;
    Display* d = b_->display;
    const Window w = b_->slots[index].window;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const int n = static_cast<int>(std::strlen(text));
    XChangeProperty(d, w, XA_WM_NAME, XA_STRING, 8, PropModeReplace, bytes, n);
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), XInternAtom(d, "UTF8_STRING", False), 8,
                    PropModeReplace, bytes, n);
}

void AFX_engine_x11::set_afx_window_class(const char* class_name, int index)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index) || class_name == nullptr)
        return;
    XClassHint hint;
    hint.res_name = const_cast<char*>(class_name);
    hint.res_class = const_cast<char*>(class_name);
    XSetClassHint(b_->display, b_->slots[index].window, &hint);
}

unsigned long AFX_engine_x11::afx_icon_pixmap_create_from_pixbuf(const afx_pixbuf* pixbuf, int index)
{
    if (pixbuf == nullptr || pixbuf->width < 32 || pixbuf->height < 32)
        return 0;
    afx_image* image = engine_.afx_pixmap_create_fixed(pixbuf->width, pixbuf->height);
    if (image == nullptr)
        return 0;
    engine_.afx_draw_pixbuf_fixed(image, pixbuf, 0, 0, 0, 0, 32, 32);
    Pixmap pm = 0;
    {
        afx_lock dl(b_->display_mx);
        if (b_->connected() && b_->used(index)) {
            Display* d = b_->display;
            pm = XCreatePixmap(d, b_->slots[index].window, 32, 32, b_->depth);
            GC gc = XCreateGC(d, pm, 0, nullptr);
            XPutImage(d, pm, gc, x11_image(image), 0, 0, 0, 0, 32, 32);
            XFreeGC(d, gc);
        }
    }
    engine_.afx_pixmap_destroy(image);
    return pm;
}

void AFX_engine_x11::set_afx_window_icon(const afx_pixbuf* pixbuf, int index)
{
    Pixmap pm = afx_icon_pixmap_create_from_pixbuf(pixbuf, index);
    if (pm == 0)
        return;
    afx_lock dl(b_->display_mx);
    afx_window_slot* s = b_->used(index);
    if (!b_->connected() || s == nullptr)
        return;
    XWMHints hints{};
    hints.flags = IconPixmapHint | IconPositionHint;
    hints.icon_pixmap = pm;
    hints.icon_x = 0;
    hints.icon_y = 0;
    XSetWMHints(b_->display, s->window, &hints);
    if (s->icon != 0)
        XFreePixmap(b_->display, s->icon);
    s->icon = pm;
}

void AFX_engine_x11::afx_icon_pixmap_destroy(unsigned long pixmap)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || pixmap == 0)
        return;
    XFreePixmap(b_->display, pixmap);
    XFlush(b_->display);
}

void AFX_engine_x11::set_afx_window_size_policy(int min_width, int min_height, int max_width, int max_height,
                                                int aspect_x, int aspect_y, int x, int y, int index)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return;
    XSizeHints h{};
    h.flags = PSize | PMinSize | PBaseSize;
    h.width = min_width;  // the size the program asks for
    h.height = min_height;
    h.min_width = h.base_width = min_width;
    h.min_height = h.base_height = min_height;
    h.max_width = max_width;
    h.max_height = max_height;
    h.min_aspect.x = h.max_aspect.x = aspect_x;
    h.min_aspect.y = h.max_aspect.y = aspect_y;
    h.x = x;
    h.y = y;
    if (x != 0 || y != 0)
        h.flags |= PPosition;
    if (max_width != 0 || max_height != 0)
        h.flags |= PMaxSize;
    if (aspect_x != 0 || aspect_y != 0)
        h.flags |= PAspect;
    XSetNormalHints(b_->display, b_->slots[index].window, &h);
}

void AFX_engine_x11::set_afx_window_on_top(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        set_atom_property(b_->display, b_->slots[index].window, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE");
}

void AFX_engine_x11::set_afx_window_type_wm_splash(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        set_atom_property(b_->display, b_->slots[index].window, "_NET_WM_WINDOW_TYPE",
                          "_NET_WM_WINDOW_TYPE_SPLASH");
}

void AFX_engine_x11::set_afx_window_type_wm_utility(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        set_atom_property(b_->display, b_->slots[index].window, "_NET_WM_WINDOW_TYPE",
                          "_NET_WM_WINDOW_TYPE_UTILITY");
}

void AFX_engine_x11::set_afx_window_wm_protocols(int index, unsigned long atom)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return;
    Atom a = atom;
    XSetWMProtocols(b_->display, b_->slots[index].window, &a, 1);
}

void AFX_engine_x11::afx_window_grab(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        XGrabPointer(b_->display, b_->slots[index].window, True,
                     ButtonPressMask | ButtonReleaseMask | ButtonMotionMask, GrabModeAsync, GrabModeAsync,
                     None, None, CurrentTime);
}

void AFX_engine_x11::afx_window_ungrab()
{
    afx_lock dl(b_->display_mx);
    if (b_->connected())
        XUngrabPointer(b_->display, CurrentTime);
}

void AFX_engine_x11::afx_kbd_grab(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        XGrabKeyboard(b_->display, b_->slots[index].window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
}

void AFX_engine_x11::afx_kbd_ungrab()
{
    afx_lock dl(b_->display_mx);
    if (b_->connected())
        XUngrabKeyboard(b_->display, CurrentTime);
}

void AFX_engine_x11::afx_grab_kbd_on_key(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        XGrabKey(b_->display, AnyKey, AnyModifier, b_->slots[index].window, True, GrabModeAsync,
                 GrabModeAsync);
}

void AFX_engine_x11::afx_ungrab_kbd_on_key(int index)
{
    afx_lock dl(b_->display_mx);
    if (b_->connected() && b_->used(index))
        XUngrabKey(b_->display, AnyKey, AnyModifier, b_->slots[index].window);
}

void AFX_engine_x11::afx_set_busy_cursor(int index, bool busy)
{
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return;
    Display* d = b_->display;
    if (b_->watch_cursor == 0)
        b_->watch_cursor = XCreateFontCursor(d, XC_watch);
    if (busy)
        XDefineCursor(d, b_->slots[index].window, b_->watch_cursor);
    else
        XUndefineCursor(d, b_->slots[index].window);
    XFlush(d);
}

void AFX_engine_x11::find_screen_centre(int* x, int* y)
{
    *x = 0;
    *y = 0;
    afx_lock dl(b_->display_mx);
    if (!b_->connected())
        return;
    XWindowAttributes a{};
    if (XGetWindowAttributes(b_->display, DefaultRootWindow(b_->display), &a)) {
        *x = a.width / 2;
        *y = a.height / 2;
    }
}

void AFX_engine_x11::afx_get_AFX_window_position(int* x, int* y, int index)
{
    *x = 0;
    *y = 0;
    afx_lock dl(b_->display_mx);
    if (!b_->connected() || !b_->used(index))
        return;
    Display* d = b_->display;
    Window current = b_->slots[index].window;
    for (int step = 0; step < 10; ++step) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(d, current, &root, &parent, &children, &n))
            return;
        if (children != nullptr)
            XFree(children);
        if (parent == root) {
            Window child;
            XTranslateCoordinates(d, current, root, 0, 0, x, y, &child);
            return;
        }
        current = parent;
    }
}

bool AFX_engine_x11::find_initial_window_position(int* x, int* y, int width, int height, float scale)
{
    afx_lock dl(b_->display_mx);
    Window root_ret, child;
    int px, py, wx, wy;
    unsigned int mask;
    if (!b_->connected() || !XQueryPointer(b_->display, DefaultRootWindow(b_->display), &root_ret, &child,
                                           &px, &py, &wx, &wy, &mask)) {
        *x = 0;
        *y = 0;
        return false;
    }
    if (*x != 0 || *y != 0)
        return true;
    const int sw = afx_scaled(width, scale), sh = afx_scaled(height, scale);
    const int title = afx_scaled(32, scale);
    const int screen_w = DisplayWidth(b_->display, DefaultScreen(b_->display));
    const int screen_h = DisplayHeight(b_->display, DefaultScreen(b_->display));
    int nx = px - sw / 2, ny = py - title / 2;
    if (sw < screen_w && nx + sw > screen_w)
        nx = screen_w - sw;
    if (sh < screen_h && ny + sh > screen_h)
        ny = screen_h - sh;
    *x = nx < 0 ? 0 : nx;
    *y = ny < 0 ? 0 : ny;
    return true;
}
