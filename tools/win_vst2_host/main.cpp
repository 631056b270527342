// A small Windows VST2 host for the tests: loads the module, opens editors
// in frames of its own and checks what the window system and the host see.
//   win_vst2_host MODULE.dll open WIDTH HEIGHT | cycles N | parent-first |
//                 capture-lost | wheel | resize
// Prints one line per failed check; exit 0 when all passed.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host_module.h"

namespace {

const char* kClass = "9B2E6F01C4A8-UI";
int g_failures = 0;

void check(bool ok, const char* what, long a = 0, long b = 0)
{
    if (!ok) {
        std::printf("FAIL: %s (%ld, %ld)\n", what, a, b);
        ++g_failures;
    }
}

HWND editor_child(HWND frame) { return FindWindowExA(frame, nullptr, kClass, nullptr); }

struct OpenEditor {
    AEffect* effect;
    HWND frame;
    HWND child;
};

OpenEditor open_editor(HostModule& m)
{
    AEffect* e = m.new_instance();
    HWND frame = make_frame(1000, 1100);
    if (!e)
        return {nullptr, frame, nullptr};
    const intptr_t opened = dispatch(e, effEditOpen, 0, 0, frame);
    check(opened == 1, "effEditOpen answers 1", opened);
    pump(150);
    g_calls = {}; // only what the test itself does counts
    return {e, frame, editor_child(frame)};
}

void scenario_open(const char* path, int want_w, int want_h)
{
    {
        HostModule m(path);
        check(m.loaded(), "module loads with VSTPluginMain");
        if (!m.loaded())
            return;
        AEffect* e = m.new_instance();
        ERect* rect = nullptr;
        dispatch(e, effEditGetRect, 0, 0, &rect);
        check(rect && rect->right - rect->left == want_w, "effEditGetRect width",
              rect ? rect->right - rect->left : -1, want_w);
        check(rect && rect->bottom - rect->top == want_h, "effEditGetRect height",
              rect ? rect->bottom - rect->top : -1, want_h);

        HWND frame = make_frame(1000, 1100);
        check(dispatch(e, effEditOpen, 0, 0, frame) == 1, "effEditOpen answers 1");
        pump(200);
        HWND child = editor_child(frame);
        check(child != nullptr, "a child of class 9B2E6F01C4A8-UI");
        if (child) {
            check(GetClassLongPtrA(child, GCL_STYLE) == 0x4028, "class style 0x4028",
                  static_cast<long>(GetClassLongPtrA(child, GCL_STYLE)));
            const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
            check((style & WS_CHILD) != 0 && (style & WS_VISIBLE) != 0, "WS_CHILD, shown");
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&r), 2);
            check(r.left == 0 && r.top == 0, "child at 0, 0", r.left, r.top);
            RECT c{};
            GetClientRect(child, &c);
            check(c.right == want_w && c.bottom == want_h, "child size", c.right, c.bottom);
            // Panel dots from the corner and the grip's last square, whose
            // margin is the display scale in whole pixels.
            const int margin = want_w / 468;
            HDC dc = GetDC(child);
            const COLORREF dot = GetPixel(dc, 0, 0);
            const COLORREF grip = GetPixel(dc, want_w - 1 - margin, want_h - 1 - margin);
            ReleaseDC(child, dc);
            check(dot == RGB(32, 32, 32), "dot pixel", static_cast<long>(dot));
            check(grip == RGB(197, 142, 0), "grip pixel", static_cast<long>(grip));
        }
        dispatch(e, effEditClose);
        pump(50);
        check(editor_child(frame) == nullptr, "effEditClose destroys the child");
        DestroyWindow(frame);
    }
    WNDCLASSA wc{};
    check(!GetClassInfoA(nullptr, kClass, &wc), "class gone after FreeLibrary");
}

void scenario_cycles(const char* path, int n)
{
    for (int i = 0; i < n && g_failures == 0; ++i) {
        HostModule m(path);
        check(m.loaded(), "module loads", i);
        if (!m.loaded())
            return;
        OpenEditor ed = open_editor(m);
        check(ed.child != nullptr, "editor window in cycle", i);
        m.unload();
        DestroyWindow(ed.frame);
    }
}

// The host destroys an editor's frame first; the freed slot then serves
// another editor, which the first one's close must leave alone.
void scenario_parent_first(const char* path)
{
    HostModule m(path);
    OpenEditor a = open_editor(m);
    OpenEditor b = open_editor(m);
    check(a.child && b.child, "two editors open");
    DestroyWindow(a.frame);
    pump(50);
    OpenEditor c = open_editor(m);
    check(c.child != nullptr, "third editor open");
    dispatch(a.effect, effEditClose);
    pump(50);
    check(c.child && IsWindow(c.child), "closing the orphaned editor keeps the new one's window");
    check(b.child && IsWindow(b.child), "and the other's");
    m.unload();
    DestroyWindow(b.frame);
    DestroyWindow(c.frame);
}

// Threshold knob of the panel at UI size 0 and 96 DPI, in window pixels,
// and its VST2 parameter.
constexpr int kKnobX = 210, kKnobY = 155, kKnobParam = 1;

// Begun edits of the knob, ended edits of it, and begun edits of any other.
struct Gestures {
    int begun, ended, others;
};

Gestures gestures()
{
    Gestures g{g_calls.begin_edit[kKnobParam], g_calls.end_edit[kKnobParam], 0};
    for (int i = 0; i < HostCalls::kParams; ++i)
        if (i != kKnobParam)
            g.others += g_calls.begin_edit[i];
    return g;
}

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

// The pointer leaves with the button held and the capture is taken away:
// the gesture still ends.
void scenario_capture_lost(const char* path)
{
    HostModule m(path);
    OpenEditor ed = open_editor(m);
    if (!ed.child)
        return check(false, "editor open");
    SendMessageA(ed.child, WM_LBUTTONDOWN, MK_LBUTTON, at(kKnobX, kKnobY));
    check(GetCapture() == ed.child, "press captures the mouse");
    SendMessageA(ed.child, WM_MOUSEMOVE, MK_LBUTTON, at(kKnobX, kKnobY - 20));
    check(gestures().begun == 1 && gestures().others == 0, "drag begins one edit of the knob",
          gestures().begun, gestures().others);
    SetCapture(ed.frame);
    pump(50);
    check(gestures().ended == 1, "lost capture ends it", gestures().ended);
    g_calls = {};
    SendMessageA(ed.child, WM_LBUTTONDOWN, MK_LBUTTON, at(kKnobX, kKnobY));
    SendMessageA(ed.child, WM_MOUSEMOVE, MK_LBUTTON, at(kKnobX + 400, kKnobY + 600));
    SendMessageA(ed.child, WM_LBUTTONUP, 0, at(kKnobX + 400, kKnobY + 600));
    check(gestures().begun == 1 && gestures().ended == 1, "release outside ends the edit",
          gestures().begun, gestures().ended);
    check(GetCapture() != ed.child, "capture released");
    m.unload();
    DestroyWindow(ed.frame);
}

// One notch each way: one gesture each (the build's release then ends the
// gestures of every parameter once more, so the knob's end may come twice).
void scenario_wheel(const char* path)
{
    HostModule m(path);
    OpenEditor ed = open_editor(m);
    if (!ed.child)
        return check(false, "editor open");
    POINT p{kKnobX, kKnobY};
    ClientToScreen(ed.child, &p);
    SetCursorPos(p.x, p.y);
    pump(50);
    for (int delta : {WHEEL_DELTA, -WHEEL_DELTA}) {
        g_calls = {};
        SendMessageA(ed.child, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(p.x, p.y));
        pump(30);
        check(gestures().begun == 1 && gestures().ended >= 1 && gestures().others == 0,
              "a notch is one gesture of the knob", gestures().begun, gestures().ended);
        check(g_calls.automate[kKnobParam] == 1, "and one value", g_calls.automate[kKnobParam]);
    }
    m.unload();
    DestroyWindow(ed.frame);
}

SIZE window_size(HWND w)
{
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// Two 10-pixel drags down on the resize corner: the editor, the host's frame
// and the host's sizeWindow all follow.
void scenario_resize(const char* path)
{
    HostModule m(path);
    OpenEditor ed = open_editor(m);
    if (!ed.child)
        return check(false, "editor open");
    const SIZE frame0 = window_size(ed.frame), child0 = window_size(ed.child);
    const int x = child0.cx - 6, y = child0.cy - 6;
    SendMessageA(ed.child, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
    SendMessageA(ed.child, WM_MOUSEMOVE, MK_LBUTTON, at(x, y + 10));
    SendMessageA(ed.child, WM_MOUSEMOVE, MK_LBUTTON, at(x, y + 20));
    SendMessageA(ed.child, WM_LBUTTONUP, 0, at(x, y + 20));
    pump(200);
    const SIZE child1 = window_size(ed.child), frame1 = window_size(ed.frame);
    check(g_calls.size_window >= 1, "sizeWindow asked", g_calls.size_window);
    check(child1.cy > child0.cy, "editor grew", child0.cy, child1.cy);
    check(g_calls.last_width == child1.cx && g_calls.last_height == child1.cy,
          "sizeWindow has the editor's size", g_calls.last_width, g_calls.last_height);
    check(frame1.cx - frame0.cx == child1.cx - child0.cx &&
              frame1.cy - frame0.cy == child1.cy - child0.cy,
          "frame grew by as much", frame1.cy - frame0.cy, child1.cy - child0.cy);
    m.unload();
    DestroyWindow(ed.frame);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: win_vst2_host MODULE.dll open W H | cycles N | parent-first | "
                    "capture-lost | wheel | resize\n");
        return 2;
    }
    const char* path = argv[1];
    const char* what = argv[2];
    if (!std::strcmp(what, "open") && argc == 5)
        scenario_open(path, std::atoi(argv[3]), std::atoi(argv[4]));
    else if (!std::strcmp(what, "cycles") && argc == 4)
        scenario_cycles(path, std::atoi(argv[3]));
    else if (!std::strcmp(what, "parent-first"))
        scenario_parent_first(path);
    else if (!std::strcmp(what, "capture-lost"))
        scenario_capture_lost(path);
    else if (!std::strcmp(what, "wheel"))
        scenario_wheel(path);
    else if (!std::strcmp(what, "resize"))
        scenario_resize(path);
    else {
        std::printf("unknown scenario %s\n", what);
        return 2;
    }
    std::printf("%s: %s\n", what, g_failures ? "failed" : "passed");
    std::fflush(stdout);
    return g_failures ? 1 : 0;
}
