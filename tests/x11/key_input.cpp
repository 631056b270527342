#include "key_input.h"

#include "afx/x11/afx_engine_x11.h"

#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace {

// A keycode whose keysyms are all NoSymbol, searched from the top.
KeyCode spare_keycode(Display* d)
{
    int min = 0, max = 0, per = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym* map = XGetKeyboardMapping(d, static_cast<KeyCode>(min), max - min + 1, &per);
    KeyCode found = 0;
    for (int kc = max; kc >= min && found == 0; --kc) {
        bool empty = true;
        for (int k = 0; k < per; ++k)
            empty = empty && map[(kc - min) * per + k] == NoSymbol;
        if (empty)
            found = static_cast<KeyCode>(kc);
    }
    XFree(map);
    return found;
}

}  // namespace

void map_keysyms(const std::vector<KeySym>& syms)
{
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr)
        throw std::runtime_error("no display");
    for (KeySym sym : syms) {
        if (XKeysymToKeycode(d, sym) != 0)
            continue;
        const KeyCode kc = spare_keycode(d);
        if (kc == 0)
            throw std::runtime_error("no spare keycode");
        KeySym one[1] = {sym};
        XChangeKeyboardMapping(d, kc, 1, one, 1);
        XSync(d, False);
    }
    XCloseDisplay(d);
}

void type_keys(Display* d, Window w, const std::vector<KeySym>& syms)
{
    XSetInputFocus(d, w, RevertToPointerRoot, CurrentTime);
    for (KeySym sym : syms) {
        const KeyCode kc = XKeysymToKeycode(d, sym);
        XTestFakeKeyEvent(d, kc, True, CurrentTime);
        XTestFakeKeyEvent(d, kc, False, CurrentTime);
    }
    XSync(d, False);
}

void KeyLog::attach(AFX_engine& e, int index)
{
    x11_ext(e).register_keypress_callback(
        index, [](const char* t, uint32_t s, uint32_t, int, void* u) { on_key(true, t, s, u); });
    x11_ext(e).register_keyrelease_callback(
        index, [](const char* t, uint32_t s, uint32_t, int, void* u) { on_key(false, t, s, u); });
}

void KeyLog::on_key(bool press, const char* text, uint32_t keysym, void* user)
{
    auto& log = *static_cast<KeyLog*>(user);
    std::lock_guard<std::mutex> g(log.m_);
    log.events_.push_back({press, text == nullptr, text ? text : "", keysym});
}

std::vector<key_event> KeyLog::events() const
{
    std::lock_guard<std::mutex> g(m_);
    return events_;
}

std::vector<key_event> KeyLog::presses() const
{
    std::vector<key_event> out;
    for (const auto& e : events())
        if (e.press)
            out.push_back(e);
    return out;
}

size_t KeyLog::size() const
{
    std::lock_guard<std::mutex> g(m_);
    return events_.size();
}
