#pragma once
// What every scenario of the Windows test host uses: the failure count, an
// editor opened in a frame of ours, the knob the pointer scenarios work on,
// and the window's pixels read back.
#include <cstdint>
#include <vector>

#include "host_module.h"
#include "window_pixels.h"

extern const char* const kEditorClass;

// Prints one line per failed check and counts it.
void check(bool ok, const char* what, long a = 0, long b = 0);
int failures();

HWND editor_child(HWND frame);

struct OpenEditor {
    AEffect* effect;
    HWND frame;
    HWND child;
};

// A new instance of the module with its editor open in a new frame; the
// host calls made so far are forgotten.
OpenEditor open_editor(HostModule& m);

// Runs body(OpenEditor&) on an editor open_editor made, then unloads the
// module and removes the frame.
template <class Body>
void with_editor(const char* path, Body body)
{
    HostModule m(path);
    OpenEditor ed = open_editor(m);
    if (!ed.child)
        return check(false, "editor open");
    body(ed);
    m.unload();
    DestroyWindow(ed.frame);
}

// Threshold knob of the panel at UI size 0 and 96 DPI, in window pixels,
// and its VST2 parameter; the UI-size parameter.
constexpr int kKnobX = 210, kKnobY = 155, kKnobParam = 1;
constexpr int kUiSizeParam = 7;

// Begun edits of the knob, ended edits of it, and begun edits of any other.
struct Gestures {
    int begun, ended, others;
};
Gestures gestures();

LPARAM at(int x, int y);
SIZE window_size(HWND w);

using win_pixels::Pixels;
using win_pixels::read_client;
using win_pixels::read_pixels;
using win_pixels::write_bmp;
