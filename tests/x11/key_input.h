// Typing into engine windows from the peer connection with XTest, and a log
// of what the key callbacks received.
#pragma once

#include "afx/afx_engine.h"

#include <X11/Xlib.h>

#include <mutex>
#include <string>
#include <vector>

// Gives every keysym a keycode on the test server, remapping spare keycodes
// where the keymap has none. Run it before the connections that will type or
// look keys up are opened: Xlib keeps the keymap it read first.
void map_keysyms(const std::vector<KeySym>& syms);

// Focuses the window, then presses and releases each key in turn.
void type_keys(Display* d, Window w, const std::vector<KeySym>& syms);

struct key_event {
    bool press = true;
    bool null_text = false;
    std::string text;
    uint32_t keysym = 0;
    bool operator==(const key_event&) const = default;
};

inline key_event pressed(const std::string& text, uint32_t keysym) { return {true, false, text, keysym}; }
inline key_event released(uint32_t keysym) { return {false, true, "", keysym}; }

class KeyLog {
public:
    void attach(AFX_engine& e, int index);  // both key callbacks, this as user data
    std::vector<key_event> events() const;
    std::vector<key_event> presses() const;
    size_t size() const;

private:
    static void on_key(bool press, const char* text, uint32_t keysym, void* user);
    mutable std::mutex m_;
    std::vector<key_event> events_;
};
