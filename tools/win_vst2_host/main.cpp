// A small Windows VST2 host for the tests: loads the module, opens editors
// in frames of its own and checks what the window system and the host see.
//   win_vst2_host MODULE.dll SCENARIO [ARG]...   (the table at the end)
// Prints one line per failed check; exit 0 when all passed.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scenario_support.h"
#include "scenarios.h"

namespace {

bool class_known(HINSTANCE module)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    return GetClassInfoExA(module, kEditorClass, &wc) != 0;
}

void scenario_open(const char* path, int want_w, int want_h)
{
    HINSTANCE module = nullptr;
    {
        HostModule m(path);
        check(m.loaded(), "module loads with VSTPluginMain");
        if (!m.loaded())
            return;
        module = m.handle();
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
        check(class_known(module), "class registered while the editor is open");
        dispatch(e, effEditClose);
        pump(50);
        check(editor_child(frame) == nullptr, "effEditClose destroys the child");
        DestroyWindow(frame);
    }
    check(!class_known(module) && !class_known(nullptr), "class gone after FreeLibrary");
}

// A host that is not DPI-aware for its plug-in windows: the system scales
// them, so the editor keeps its size at 1.0 whatever the screen's DPI.
// Per-thread awareness is what such hosts set (and what wine honours; a
// process-wide setting it ignores).
void scenario_unaware(const char* path, int want_w, int want_h)
{
    using set_context_fn = HANDLE(WINAPI*)(HANDLE);
    const auto set_context = reinterpret_cast<set_context_fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    const HANDLE unaware = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
    check(set_context && set_context(unaware) != nullptr, "this thread becomes DPI-unaware");
    check(!IsProcessDPIAware(), "and the plug-in sees an unaware host");
    scenario_open(path, want_w, want_h);
}

void scenario_cycles(const char* path, int n)
{
    for (int i = 0; i < n && failures() == 0; ++i) {
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

// The pointer leaves with the button held and the capture is taken away:
// the gesture still ends.
void scenario_capture_lost(const char* path)
{
    with_editor(path, [](OpenEditor& ed) {
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
    });
}

// One notch each way: one gesture each (the build's release then ends the
// gestures of every parameter once more, so the knob's end may come twice).
void scenario_wheel(const char* path)
{
    with_editor(path, [](OpenEditor& ed) {
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
    });
}

// Two 10-pixel drags down on the resize corner: one UI-size change of
// (20 + 510) / 510 - 1, which the editor, the host's frame and the host's
// sizeWindow all follow.
void scenario_resize(const char* path)
{
    with_editor(path, [](OpenEditor& ed) {
        const SIZE frame0 = window_size(ed.frame), child0 = window_size(ed.child);
        const int x = child0.cx - 6, y = child0.cy - 6;
        SendMessageA(ed.child, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
        SendMessageA(ed.child, WM_MOUSEMOVE, MK_LBUTTON, at(x, y + 10));
        SendMessageA(ed.child, WM_MOUSEMOVE, MK_LBUTTON, at(x, y + 20));
        SendMessageA(ed.child, WM_LBUTTONUP, 0, at(x, y + 20));
        pump(200);
        const SIZE child1 = window_size(ed.child), frame1 = window_size(ed.frame);
        const float ui_size = ed.effect->getParameter(ed.effect, kUiSizeParam);
        check(g_calls.automate[kUiSizeParam] == 1, "one UI-size automation", g_calls.automate[kUiSizeParam]);
        check(ui_size > 20.0f / 510.0f - 0.0005f && ui_size < 20.0f / 510.0f + 0.0005f,
              "UI size about 0.0392 (x 10000)", static_cast<long>(ui_size * 10000.0f));
        check(g_calls.size_window >= 1, "sizeWindow asked", g_calls.size_window);
        check(child1.cy > child0.cy, "editor grew", child0.cy, child1.cy);
        check(g_calls.last_width == child1.cx && g_calls.last_height == child1.cy,
              "sizeWindow has the editor's size", g_calls.last_width, g_calls.last_height);
        check(frame1.cx - frame0.cx == child1.cx - child0.cx &&
                  frame1.cy - frame0.cy == child1.cy - child0.cy,
              "frame grew by as much", frame1.cy - frame0.cy, child1.cy - child0.cy);
    });
}

using Scenario = void (*)(const char* path, char** args);

struct ScenarioRow {
    const char* name;
    int words;  // after the name
    Scenario run;
};

const ScenarioRow kScenarios[] = {
    {"open", 2, [](const char* p, char** a) { scenario_open(p, std::atoi(a[0]), std::atoi(a[1])); }},
    {"unaware", 2, [](const char* p, char** a) { scenario_unaware(p, std::atoi(a[0]), std::atoi(a[1])); }},
    {"cycles", 1, [](const char* p, char** a) { scenario_cycles(p, std::atoi(a[0])); }},
    {"parent-first", 0, [](const char* p, char**) { scenario_parent_first(p); }},
    {"capture-lost", 0, [](const char* p, char**) { scenario_capture_lost(p); }},
    {"wheel", 0, [](const char* p, char**) { scenario_wheel(p); }},
    {"resize", 0, [](const char* p, char**) { scenario_resize(p); }},
    {"drag", 0, scenario_drag},
    {"double-click-knob", 0, scenario_double_click_knob},
    {"double-click-panel", 0, scenario_double_click_panel},
    {"double-click-switch-outside", 0, scenario_double_click_switch_outside},
    {"mono", 0, scenario_mono},
    {"reopen", 0, scenario_reopen},
    {"screenshot", 1, scenario_screenshot},
};

int usage()
{
    std::printf("usage: win_vst2_host MODULE.dll SCENARIO [ARG]...; scenarios:");
    for (const ScenarioRow& row : kScenarios)
        std::printf(" %s%s", row.name, row.words ? " (args)" : "");
    std::printf(" capture (OUT_DIR STEP...)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const char* what = argv[2];
    if (std::strcmp(what, "capture") == 0)
        return scenario_capture(argc, argv);
    for (const ScenarioRow& row : kScenarios) {
        if (std::strcmp(what, row.name) != 0)
            continue;
        if (argc != 3 + row.words)
            return usage();
        row.run(argv[1], argv + 3);
        std::printf("%s: %s\n", what, failures() ? "failed" : "passed");
        std::fflush(stdout);
        return failures() ? 1 : 0;
    }
    std::printf("unknown scenario %s\n", what);
    return usage();
}
