// Locale, X input method and the text of a key press.
#include "x11_engine_state.h"

#include <clocale>
#include <cstdio>

namespace {

void print_line(const char* line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}

// Neither preedit nor status drawn by us: the input method composes on its
// own and hands over finished text (0x408).
constexpr long kInputStyle = XIMPreeditNothing | XIMStatusNothing;

// The key text buffer is 16 bytes: at most 15 of text and the terminator.
constexpr int kKeyTextMax = 15;

}  // namespace

// Each step goes on whether or not the one before it worked.
void afx_set_up_locale()
{
    if (std::setlocale(LC_ALL, "") == nullptr)
        print_line("** QELM-UI Engine: cannot set locale\n");
    if (!XSupportsLocale())
        print_line("** QELM-UI Engine: X doesn not support this locale\n");
    if (XSetLocaleModifiers("") == nullptr)
        print_line("** QELM-UI Engine: Unable to set Locale Modifiers\n");
}

void AFX_engine::backend::open_input_method()
{
    if (!afx_build.input_method || input_method != nullptr)
        return;
    input_method = XOpenIM(display, nullptr, nullptr, nullptr);
    if (input_method == nullptr)
        print_line("** QELM-UI Engine: Could not open Input Method (XIM)\n");
}

// Every input context must be gone before this: closing the method frees
// whatever contexts it still knows of.
void AFX_engine::backend::close_input_method()
{
    if (input_method == nullptr)
        return;
    print_line("QELM-UI Engine: Closing Input Method (XIM)\n");
    XCloseIM(input_method);
    input_method = nullptr;
}

void AFX_engine::backend::create_input_context(afx_window_slot& s)
{
    if (input_method == nullptr)
        return;
    const Window w = s.window;
    s.input_context =
        XCreateIC(input_method, XNInputStyle, kInputStyle, XNClientWindow, w, XNFocusWindow, w, nullptr);
}

void AFX_engine::backend::destroy_input_context(afx_window_slot& s)
{
    if (s.input_context == nullptr)
        return;
    XDestroyIC(s.input_context);
    s.input_context = nullptr;
}

bool AFX_engine::backend::filtered_by_input_method(XEvent& ev)
{
    return afx_build.input_method && input_method != nullptr && XFilterEvent(&ev, None);
}

// A window without an input context (the plug-in build, or an installer
// without an input method) uses the plain lookup, so typing still works.
bool AFX_engine::backend::look_up_key_text(afx_window_slot& s, XKeyEvent& key, KeySym* sym)
{
    auto keep = [this](int n) { key_text[n > 0 && n <= kKeyTextMax ? n : 0] = '\0'; };
    afx_lock dl(display_mx);
    if (s.input_context == nullptr) {
        keep(XLookupString(&key, key_text, kKeyTextMax, sym, &compose));
        return true;
    }
    XSetICFocus(s.input_context);
    Status status = XLookupNone;
    const int n = XmbLookupString(s.input_context, &key, key_text, kKeyTextMax, sym, &status);
    switch (status) {
    case XLookupKeySym: keep(0); return true;
    case XLookupBoth: keep(n); return true;
    case XLookupChars:
        // Text the input method composed without a keysym of its own (a
        // compose sequence, a committed string): delivered too, or it would
        // be lost.
        *sym = NoSymbol;
        keep(n);
        return true;
    case XLookupNone: keep(0); return false;
    default:  // XBufferOverflow: more than the key text holds
        return false;
    }
}
