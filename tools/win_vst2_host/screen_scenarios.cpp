// What the editor shows: the grey rows while the host has switched the
// effect off, a knob's value across a close and reopen, and a picture of
// the whole editor.
#include <algorithm>

#include "afx/win32/win32_pixels.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

Pixels knob_pixels(HWND child) { return read_pixels(child, kKnobX - 24, kKnobY - 24, 48, 48); }

// Rows of b that differ from a (all of them when the sizes differ); the
// first one in *first.
int rows_differing(const Pixels& a, const Pixels& b, int* first)
{
    *first = 0;
    if (a.width != b.width || a.height != b.height)
        return a.height;
    const int stride = afx_win32::dib_stride(a.width);
    int count = 0;
    *first = -1;
    for (int y = 0; y < a.height; ++y) {
        const uint8_t* pa = a.bgr.data() + static_cast<ptrdiff_t>(y) * stride;
        const uint8_t* pb = b.bgr.data() + static_cast<ptrdiff_t>(y) * stride;
        if (!std::equal(pa, pa + a.width * 3, pb)) {
            if (*first < 0)
                *first = y;
            ++count;
        }
    }
    return count;
}

}  // namespace

// Bypassed by the host, the window shows the monochrome copy of what it
// showed before, rows darkened by the display scale's pattern; back on, the
// colours return.
void scenario_mono(const char* path, char**)
{
    with_editor(path, [](OpenEditor& ed) {
        pump(200);
        const Pixels plain = read_client(ed.child);
        dispatch(ed.effect, effSetBypass, 0, 1);
        pump(300);
        const Pixels mono = read_client(ed.child);
        Pixels want = plain;
        const float scale = static_cast<float>(plain.width) / 468.0f;
        afx_win32::make_mono({want.bgr.data(), want.width, want.height}, scale);
        int first = -1;
        check(rows_differing(want, mono, &first) == 0, "grey rows of the plain picture", first, mono.height);
        dispatch(ed.effect, effSetBypass, 0, 0);
        pump(300);
        check(rows_differing(plain, read_client(ed.child), &first) == 0, "colours back", first);
    });
}

// A value set while the editor is open is the value the reopened editor
// shows and the plug-in reports.
void scenario_reopen(const char* path, char**)
{
    with_editor(path, [](OpenEditor& ed) {
        const Pixels knob0 = knob_pixels(ed.child);
        ed.effect->setParameter(ed.effect, kKnobParam, 0.6f);
        pump(200);
        const Pixels knob1 = knob_pixels(ed.child);
        check(knob1 != knob0, "the knob shows the new value");
        dispatch(ed.effect, effEditClose);
        pump(50);
        check(dispatch(ed.effect, effEditOpen, 0, 0, ed.frame) == 1, "effEditOpen again answers 1");
        pump(200);
        HWND child = editor_child(ed.frame);
        check(child != nullptr && knob_pixels(child) == knob1, "the reopened knob draws it");
        check(ed.effect->getParameter(ed.effect, kKnobParam) == 0.6f, "the plug-in still has it");
    });
}

// The editor in a frame of its size, program 5, written as a BMP file.
void scenario_screenshot(const char* path, char** args)
{
    HostModule m(path);
    AEffect* e = m.new_instance();
    if (!e)
        return check(false, "instance");
    dispatch(e, effSetProgram, 0, 5);
    ERect* rect = nullptr;
    dispatch(e, effEditGetRect, 0, 0, &rect);
    if (!rect)
        return check(false, "effEditGetRect");
    HWND frame = make_frame(rect->right - rect->left, rect->bottom - rect->top);
    dispatch(e, effEditOpen, 0, 0, frame);
    pump(600);
    HWND child = editor_child(frame);
    check(child != nullptr, "editor open");
    if (child)
        check(write_bmp(read_client(child), args[0]), "picture written");
    m.unload();
    DestroyWindow(frame);
}
