#pragma once
// The Windows test hosts' own top-level frame, which holds a plug-in's
// editor, and their message pump. Each host keeps its own look of the
// frame (class, title, place), so its runs stay as they were.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

struct HostFrameStyle {
    const char* window_class;
    const char* title;
    int x, y;
    DWORD extra_style;      // beside a visible popup
    bool black_background;  // else none: the editor paints it all
    int settle_ms;          // messages run once it is made
};

// A visible top-level frame of width x height in style.
HWND make_host_frame(const HostFrameStyle& style, int width, int height);
// Runs this thread's messages for ms milliseconds, at least once.
void pump(int ms);
// Runs this thread's messages until no mouse message has come for quiet_ms
// (at most max_ms; the editor's timer goes on meanwhile).
void pump_until_mouse_quiet(int quiet_ms, int max_ms);
