// The pointer driven through the system's input queue (SendInput) like a
// user's mouse: the window system finds the window under it, turns a second
// click into a double click and keeps the capture.
#include <cstdio>

#include "scenario_support.h"
#include "scenarios.h"

namespace {

void send_mouse(DWORD flags, int dx = 0, int dy = 0)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.dx = dx;
    in.mi.dy = dy;
    SendInput(1, &in, sizeof in);
    pump(30);
}

// The pointer over a point of the editor's window.
void point_at(HWND child, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(child, &p);
    SetCursorPos(p.x, p.y);
    pump(30);
}

void click(HWND child, int x, int y, int times)
{
    point_at(child, x, y);
    for (int i = 0; i < times; ++i) {
        send_mouse(MOUSEEVENTF_LEFTDOWN);
        send_mouse(MOUSEEVENTF_LEFTUP);
    }
    pump(100);
}

float value(AEffect* e, int param) { return e->getParameter(e, param); }

struct DragRow {
    const char* what;
    int dx, dy;  // the pointer's whole travel, in four moves
    int rises;   // +1: the value goes up, -1: down
};

const DragRow kDrags[] = {
    {"up, released inside", 0, -40, +1},
    {"down, released outside the window", 600, 700, -1},
};

}  // namespace

// Press on the knob, four moves, release: one gesture of the knob with its
// values in between, whether the release comes inside the editor's window
// or beyond it (the capture keeps it ours).
void scenario_drag(const char* path, char**)
{
    with_editor(path, [](OpenEditor& ed) {
        for (const DragRow& row : kDrags) {
            std::printf("drag %s\n", row.what);
            // A press soon after the last one on the same spot is a double click.
            pump(static_cast<int>(GetDoubleClickTime()) + 50);
            g_calls = {};
            const float before = value(ed.effect, kKnobParam);
            point_at(ed.child, kKnobX, kKnobY);
            send_mouse(MOUSEEVENTF_LEFTDOWN);
            check(gestures().begun == 1 && gestures().others == 0, "press begins one edit of the knob",
                  gestures().begun, gestures().others);
            check(GetCapture() == ed.child, "and captures the mouse");
            for (int i = 0; i < 4; ++i)
                send_mouse(MOUSEEVENTF_MOVE, row.dx / 4, row.dy / 4);
            check(g_calls.automate[kKnobParam] >= 1, "moves automate the knob", g_calls.automate[kKnobParam]);
            check(gestures().ended == 0, "and do not end the edit", gestures().ended);
            send_mouse(MOUSEEVENTF_LEFTUP);
            check(gestures().begun == 1 && gestures().ended >= 1, "release ends it", gestures().begun,
                  gestures().ended);
            const float after = value(ed.effect, kKnobParam);
            check(row.rises > 0 ? after > before : after < before, "value moved that way");
            check(GetCapture() != ed.child, "capture released");
        }
    });
}

// A double click on the knob resets it to its default (0) in a gesture of
// its own: the first click's press and release, then begin, one value and
// end from the double click, and the second release.
void scenario_double_click_knob(const char* path, char**)
{
    with_editor(path, [](OpenEditor& ed) {
        ed.effect->setParameter(ed.effect, kKnobParam, 0.5f);
        pump(100);
        g_calls = {};
        click(ed.child, kKnobX, kKnobY, 2);
        check(value(ed.effect, kKnobParam) == 0.0f, "the knob is back at 0");
        check(gestures().begun == 2 && gestures().ended == 3 && gestures().others == 0,
              "press, then the double click's own gesture", gestures().begun, gestures().ended);
        check(g_calls.automate[kKnobParam] == 1, "one value, the reset", g_calls.automate[kKnobParam]);
        check(g_calls.automate[kUiSizeParam] == 0 && g_calls.size_window == 0, "size left alone");
    });
}

// A double click on the effect switch presses it again; released outside
// the window, that press's edit still ends (the double click holds the
// capture as a press does).
void scenario_double_click_switch_outside(const char* path, char**)
{
    constexpr int kSwitchX = 256, kSwitchY = 431, kSwitchParam = 6;
    with_editor(path, [](OpenEditor& ed) {
        g_calls = {};
        point_at(ed.child, kSwitchX, kSwitchY);
        send_mouse(MOUSEEVENTF_LEFTDOWN);
        send_mouse(MOUSEEVENTF_LEFTUP);
        send_mouse(MOUSEEVENTF_LEFTDOWN);
        check(GetCapture() == ed.child, "the double click captures the mouse");
        send_mouse(MOUSEEVENTF_MOVE, 600, 700);
        send_mouse(MOUSEEVENTF_LEFTUP);
        pump(100);
        const int begun = g_calls.begin_edit[kSwitchParam], ended = g_calls.end_edit[kSwitchParam];
        check(begun == 2 && ended >= begun, "both presses of the switch end their edits", begun, ended);
        check(GetCapture() != ed.child, "capture released");
    });
}

// A double click beside the panel resets the UI size: the editor, and the
// host through sizeWindow, go back to 468 x 510.
void scenario_double_click_panel(const char* path, char**)
{
    HostModule m(path);
    AEffect* e = m.new_instance();
    if (!e)
        return check(false, "instance");
    e->setParameter(e, kUiSizeParam, 0.5f);
    HWND frame = make_frame(1000, 1100);
    dispatch(e, effEditOpen, 0, 0, frame);
    pump(150);
    HWND child = editor_child(frame);
    if (!child)
        return check(false, "editor open");
    check(window_size(child).cy > 510, "opened larger", window_size(child).cy);
    g_calls = {};
    click(child, 20, 300, 2);
    pump(200);
    check(value(e, kUiSizeParam) == 0.0f, "UI size back at 0");
    check(g_calls.automate[kUiSizeParam] == 1, "one UI-size automation", g_calls.automate[kUiSizeParam]);
    check(g_calls.size_window >= 1 && g_calls.last_width == 468 && g_calls.last_height == 510,
          "sizeWindow 468 x 510", g_calls.last_width, g_calls.last_height);
    check(window_size(child).cx == 468 && window_size(child).cy == 510, "editor 468 x 510",
          window_size(child).cx, window_size(child).cy);
    m.unload();
    DestroyWindow(frame);
}
