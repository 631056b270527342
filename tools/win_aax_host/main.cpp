// A small Windows AAX host for the tests: loads the plug-in module, opens
// its editor in a frame of ours through a type-3 view container and checks
// what the window system, the automation delegate and the view container
// see. Input goes to the editor's window as the window system would send it.
//   win_aax_host MODULE SCENARIO [N]
// Prints one line per failed check; exit 0 when all passed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "AAX_CMutex.h"
#include "aax_session.h"
#include "editor_layout.h"
#include "pixels.h"

namespace {

using vlt::editor::Widget;
using Events = std::vector<std::string>;

// A widget's centre in the editor window (fixed size, scale 1).
POINT centre(Widget w)
{
    const vlt::editor::Rect r =
        vlt::editor::panel_to_window(vlt::editor::size_rule(0.0f, 1.0f), vlt::editor::panel_rect(w));
    return {r.x + r.w / 2, r.y + r.h / 2};
}

RECT area(Widget w)
{
    const vlt::editor::Rect r =
        vlt::editor::panel_to_window(vlt::editor::size_rule(0.0f, 1.0f), vlt::editor::panel_rect(w));
    return {r.x, r.y, r.x + r.w, r.y + r.h};
}

LPARAM at(POINT p) { return MAKELPARAM(p.x, p.y); }

void press(HWND child, Widget w, UINT down = WM_LBUTTONDOWN)
{
    SendMessageA(child, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, at(centre(w)));
}

void release(HWND child, Widget w, UINT up = WM_LBUTTONUP) { SendMessageA(child, up, 0, at(centre(w))); }

void click(HWND child, Widget w)
{
    press(child, w);
    release(child, w);
}

// The words of each event without the value: "touch InGain", "request InGain", ...
Events kinds(const Events& events)
{
    Events out;
    for (const std::string& e : events) {
        const size_t second = e.find(' ', e.find(' ') + 1);
        out.push_back(e.substr(0, second));
    }
    return out;
}

std::string joined(const Events& events)
{
    std::string s;
    for (const std::string& e : events)
        s += (s.empty() ? "" : ", ") + e;
    return "[" + s + "]";
}

double value_of(const std::string& event)
{
    const size_t space = event.rfind(' ');
    return space == std::string::npos ? -1.0 : std::atof(event.c_str() + space + 1);
}

// The effect parameters tell the automation delegate of each touch and
// release twice (the parameter and its control), of a set once: the
// events one call of the editor leaves.
Events delegate_events(const Events& calls)
{
    Events out;
    for (const std::string& c : calls) {
        const bool twice = c.rfind("touch ", 0) == 0 || c.rfind("release ", 0) == 0;
        out.insert(out.end(), twice ? 2 : 1, c);
    }
    return out;
}

// got: the delegate's events by kind; calls: the editor's calls they stand for.
void check_events(const Events& got, const Events& calls, const std::string& what)
{
    const Events want = delegate_events(calls);
    check(got == want, what + ": " + joined(got) + " want " + joined(want));
}

// The value of the one set request among the events, or -1.
double set_value(const Events& events)
{
    double v = -1;
    int sets = 0;
    for (const std::string& e : events)
        if (e.rfind("request ", 0) == 0) {
            v = value_of(e);
            ++sets;
        }
    return sets == 1 ? v : -1;
}

// Modifier keys as the thread's key state, which is what GetKeyState reads.
void hold_keys(std::initializer_list<int> keys)
{
    BYTE state[256] = {};
    for (int k : keys)
        state[k] = 0x80;
    SetKeyboardState(state);
}

// --- scenarios ------------------------------------------------------------

// Size, the child window, the panel's place and the window class.
void scenario_view(const char* path)
{
    AaxSession s(path);
    if (!s.ready())
        return;
    AAX_Point size{};
    check(s.gui->GetViewSize(&size) == 0 && size.vert == 510 && size.horz == 468, "GetViewSize 510 x 468",
          size.vert, size.horz);
    HWND child = s.open();
    check(child != nullptr, std::string("a child window of class ") + kEditorClass);
    if (!child)
        return;
    int children = 0;
    for (HWND w = GetWindow(s.frame, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        ++children;
    check(children == 1, "one child window", children);
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, s.frame, reinterpret_cast<POINT*>(&r), 2);
    check(r.left == 0 && r.top == 0, "child at 0, 0", r.left, r.top);
    check(r.right - r.left == 468 && r.bottom - r.top == 510, "child 468 x 510", r.right - r.left,
          r.bottom - r.top);
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    check((style & WS_CHILD) && (style & WS_VISIBLE), "WS_CHILD, shown");
    // The panel's artwork spans x 162..305; left and right of it lies the
    // back buffer's plain grey with its dots.
    const Pixels window = grab(child, {0, 0, 468, 510});
    const int panel_left = first_column_unlike_background(window, 60, 450);
    check(panel_left == 162, "panel at x 162", panel_left);
    check(window.at(0, 0) == RGB(32, 32, 32), "back-buffer dot at 0, 0", window.at(0, 0));
}

// Values the host holds before the open are where the editor starts: a
// wheel step continues from them.
void scenario_pull(const char* path)
{
    AaxSession s(path);
    if (!s.ready())
        return;
    s.set("InGain", 0.75);
    s.set("Thresh", 0.2);
    HWND child = s.open();  // takes the events of the sets too
    if (!child)
        return check(false, "editor open");
    for (Widget w : {vlt::editor::kInGainKnob, vlt::editor::kThresholdKnob}) {
        POINT p = centre(w);
        ClientToScreen(child, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(child, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
        const Events e = s.events();
        const double from = w == vlt::editor::kInGainKnob ? 0.75 : 0.2;
        const double v = set_value(e);
        check(v > from && v < from + 0.05, "a wheel step continues from the host's value", v, from);
    }
}

// The press is offered to the host first, with the modifier keys held.
void scenario_offer(const char* path)
{
    struct Case {
        const char* name;
        AAX_Result answer;
        UINT down;
        std::initializer_list<int> keys;
        Widget widget;
        const char* offered;
        Events sent;  // by press, drag and release
    };
    const Case cases[] = {
        {"host takes the press", 0, WM_LBUTTONDOWN, {}, vlt::editor::kThresholdKnob, "Thresh 0", {}},
        {"host leaves it",
         1,
         WM_LBUTTONDOWN,
         {},
         vlt::editor::kThresholdKnob,
         "Thresh 0",
         {"touch Thresh", "request Thresh", "release Thresh"}},
        {"Shift", 0, WM_LBUTTONDOWN, {VK_SHIFT, VK_LSHIFT}, vlt::editor::kThresholdKnob, "Thresh 1", {}},
        {"Alt", 0, WM_LBUTTONDOWN, {VK_MENU, VK_LMENU}, vlt::editor::kThresholdKnob, "Thresh 4", {}},
        {"Ctrl", 0, WM_LBUTTONDOWN, {VK_CONTROL, VK_LCONTROL}, vlt::editor::kThresholdKnob, "Thresh 8", {}},
        {"all three",
         0,
         WM_LBUTTONDOWN,
         {VK_SHIFT, VK_LSHIFT, VK_MENU, VK_LMENU, VK_CONTROL, VK_LCONTROL},
         vlt::editor::kThresholdKnob,
         "Thresh 13",
         {}},
        {"right button, host leaves it", 1, WM_RBUTTONDOWN, {}, vlt::editor::kThresholdKnob, "Thresh 16", {}},
        {"right button with Shift",
         1,
         WM_RBUTTONDOWN,
         {VK_SHIFT, VK_LSHIFT},
         vlt::editor::kRatioKnob,
         "Ratio 17",
         {}},
        {"right button on the switch", 1, WM_RBUTTONDOWN, {}, vlt::editor::kEffectSwitch, "In 16", {}},
        {"switch, host leaves it",
         1,
         WM_LBUTTONDOWN,
         {},
         vlt::editor::kEffectSwitch,
         "In 0",
         {"touch In", "request In", "release In"}},
    };
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    for (const Case& c : cases) {
        s.container->mouseDownAnswer = c.answer;
        s.container->mouseDowns.clear();
        hold_keys(c.keys);
        press(child, c.widget, c.down);
        POINT p = centre(c.widget);
        p.y -= 20;
        SendMessageA(child, WM_MOUSEMOVE, c.down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, at(p));
        release(child, c.widget, c.down == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP);
        hold_keys({});
        check_events(s.container->mouseDowns, {c.offered}, std::string(c.name) + ", offered");
        // One move after the press: one value from a knob's drag.
        check_events(kinds(s.events()), c.sent, std::string(c.name) + ", sent");
    }
}

void scenario_wheel_and_double_click(const char* path)
{
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    for (int delta : {WHEEL_DELTA, -WHEEL_DELTA}) {
        POINT p = centre(vlt::editor::kAttackKnob);
        ClientToScreen(child, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(child, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(p.x, p.y));
        pump(30);
        check_events(kinds(s.events()), {"touch Attack", "request Attack", "release Attack"},
                     "a wheel notch: touch, set, release");
    }
    struct Case {
        Widget knob;
        const char* id;
        double value;
    };
    for (const Case& c : {Case{vlt::editor::kInGainKnob, "InGain", 33.0 / 99.0},
                          Case{vlt::editor::kMakeupKnob, "Makeup", 0.0}}) {
        s.set(c.id, 0.9);
        s.events();
        SendMessageA(child, WM_LBUTTONDBLCLK, MK_LBUTTON, at(centre(c.knob)));
        release(child, c.knob);
        const Events e = s.events();
        check_events(
            kinds(e),
            {std::string("touch ") + c.id, std::string("request ") + c.id, std::string("release ") + c.id},
            "a double click is one gesture");
        check(std::fabs(set_value(e) - c.value) < 1e-5, "and sets its reset value", set_value(e), c.value);
    }
}

// Seven triples with a record's values, in parameter order.
void check_preset(const Events& e, const double (&values)[7], const char* what)
{
    static const char* const ids[] = {"InGain", "Thresh", "Attack", "Release", "Ratio", "Makeup", "In"};
    Events want;
    for (const char* id : ids)
        for (const char* kind : {"touch ", "request ", "release "})
            want.push_back(kind + std::string(id));
    check_events(kinds(e), want, what);
    for (int i = 0; i < 7 && e.size() == 35; ++i)
        check(std::fabs(value_of(e[5 * i + 2]) - values[i]) < 1e-5, std::string(what) + ": " + ids[i],
              value_of(e[5 * i + 2]), values[i]);
}

void scenario_presets(const char* path)
{
    const double light_vocal[7] = {0.333333343, 0.709999979, 0.26262629, 0.289444447,
                                   0.236197948, 0.131500006, 1};
    const double light_acoustic[7] = {0.710555553, 0.763000011, 0.26313132, 0.315788865, 0.34182176, 0, 1};
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    click(child, vlt::editor::kRightButton);
    check_events(s.events(), {}, "the first press only shows \"Manual\"");
    click(child, vlt::editor::kRightButton);
    check_preset(s.events(), light_vocal, "right: preset 1");
    click(child, vlt::editor::kLeftButton);
    check_preset(s.events(), light_acoustic, "left from 1: preset 5");
    click(child, vlt::editor::kRightButton);
    check_preset(s.events(), light_vocal, "right from 5: preset 1");
}

// The host's changes reach the panel; a held knob stays in the user's hand.
void scenario_parameter_updated(const char* path)
{
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    auto shown = [&](Widget w) {
        pump(120);  // the next ticks draw it
        return grab(child, area(w));
    };
    s.set("In", 0);
    check(s.gui->ParameterUpdated("In") == 0, "ParameterUpdated(\"In\") answers 0");
    const Pixels dark = shown(vlt::editor::kEffectSwitch);
    s.set("In", 1);
    s.gui->ParameterUpdated("In");
    const Pixels lit = shown(vlt::editor::kEffectSwitch);
    check(!(lit == dark), "In 1 lights the switch");
    s.set("In", 0);
    s.gui->ParameterUpdated("In");
    check(shown(vlt::editor::kEffectSwitch) == dark, "In 0 darkens it again");

    const Pixels before = shown(vlt::editor::kInGainKnob);
    s.container->mouseDownAnswer = 1;
    press(child, vlt::editor::kInGainKnob);
    s.set("InGain", 0.95);
    check(s.gui->ParameterUpdated("InGain") == 0, "ParameterUpdated(\"InGain\") answers 0");
    check(shown(vlt::editor::kInGainKnob) == before, "a held knob stays where the user holds it");
    release(child, vlt::editor::kInGainKnob);
    s.gui->ParameterUpdated("InGain");
    check(!(shown(vlt::editor::kInGainKnob) == before), "released, it follows the host");

    for (const char* id : {"Unknown", "InGai", "InGainX", "MasterBypassID"})
        check(s.gui->ParameterUpdated(id) == -20001, std::string("ParameterUpdated(\"") + id + "\") -20001");
    check(s.gui->ParameterUpdated(nullptr) == -20001, "ParameterUpdated(null) -20001");
}

// Each edit shows its own text on the banner at once: this host, like a
// real AAX host, does not echo the values back. A drag's and a notch's
// text is the one a plain press on that knob then shows (the press writes
// the knob's text itself); the switch alternates between its two texts.
void scenario_banner_texts(const char* path)
{
    using namespace vlt::editor;
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    s.container->mouseDownAnswer = 1;  // the host leaves every press to the editor
    auto banner = [&] {
        pump(150);  // the next ticks draw it
        return grab(child, area(kBanner));
    };
    auto press_shows = [&](Widget w) {
        press(child, w);
        const Pixels shown = banner();
        release(child, w);
        return shown;
    };
    const Pixels version = banner();

    press(child, kAttackKnob);
    POINT p = centre(kAttackKnob);
    p.y -= 30;
    SendMessageA(child, WM_MOUSEMOVE, MK_LBUTTON, at(p));
    const Pixels dragged = banner();
    release(child, kAttackKnob);
    check(!(dragged == version), "a drag writes its text");
    check(dragged == press_shows(kAttackKnob), "the knob's value text after a drag");

    const Pixels out = press_shows(kEffectSwitch), in = press_shows(kEffectSwitch);
    check(!(out == version) && !(in == version) && !(in == out), "a switch press writes its text");
    check(press_shows(kEffectSwitch) == out, "\" Effect  Out\" again on the third press");

    POINT w = centre(kRatioKnob);
    ClientToScreen(child, &w);
    SetCursorPos(w.x, w.y);
    SendMessageA(child, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(w.x, w.y));
    const Pixels notched = banner();
    check(!(notched == out), "a wheel notch writes its text");
    check(notched == press_shows(kRatioKnob), "the knob's value text after a notch");
    SendMessageA(child, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(w.x, w.y));
    check(!(banner() == notched), "the next notch its own");
}

// The host reports the gain; the bar shows (1 - m) x 99 of its length.
void scenario_meter(const char* path)
{
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    auto bar = [&](float m, bool fails = false) {
        s.meter = m;
        s.host.controller.meterFails = fails;
        pump(150);
        return grab(child, area(vlt::editor::kMeter));
    };
    const Pixels none = bar(1.0f), full = bar(0.0f), quarter = bar(0.25f);
    const double lit = differing(full, none), part = differing(quarter, none);
    check(lit > 0, "a reduction lights the bar", lit);
    check(std::fabs(part / lit - 0.75) < 0.1, "0.25 lights three quarters of it", part / lit);
    check(bar(1.0f, true) == full, "a failed read counts as 0: the whole bar");
}

// Close and reopen (the same panel again), Uninitialize while open, and
// containers without a usable window.
void scenario_lifecycle(const char* path)
{
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    const Pixels first = grab(child, {0, 0, 468, 510});
    s.close();
    check(s.child() == nullptr, "SetViewContainer(null) destroys the window");
    child = s.open();
    check(child && grab(child, {0, 0, 468, 510}) == first, "reopened, the same panel");
    s.gui->Uninitialize();
    pump(200);  // timers would run on a freed controller here
    check(s.child() == nullptr, "Uninitialize while open stops the window");
    s.gui->Initialize(&s.host);

    HWND dead = make_frame(100, 100);
    DestroyWindow(dead);
    check(s.open(dead) == nullptr && s.child() == nullptr, "a dead HWND: no window");
    check(s.open(nullptr) == nullptr && s.child() == nullptr, "a null HWND: no window");
    fake::ViewContainer other(AAX_eViewContainer_Type_NSView, s.frame);
    s.gui->SetViewContainer(&other);
    pump(50);
    check(s.child() == nullptr, "another container type: no window");
    s.gui->SetViewContainer(nullptr);
    check(s.open() != nullptr, "and then a window again");
}

void scenario_cycles(const char* path, int n)
{
    for (int i = 0; i < n && failures() == 0; ++i) {
        AaxSession s(path);
        check(s.ready() && s.open() != nullptr, "editor window in cycle", i);
    }
}

// The editor in the host's frame, as a picture (BMP).
void scenario_screenshot(const char* path, const char* file)
{
    AaxSession s(path);
    HWND child = s.ready() ? s.open() : nullptr;
    if (!child)
        return check(false, "editor open");
    s.meter = 0.6f;
    pump(300);
    check(write_bmp(grab(child, {0, 0, 468, 510}), file), std::string("picture written to ") + file);
}

double seconds_since(const LARGE_INTEGER& t0)
{
    LARGE_INTEGER t1, f;
    QueryPerformanceCounter(&t1);
    QueryPerformanceFrequency(&f);
    return double(t1.QuadPart - t0.QuadPart) / double(f.QuadPart);
}

// SetViewContainer to the first complete paint, and one GUI tick with the
// meter moving (its paint included), timed here under wine.
void scenario_bench(const char* path, int n)
{
    AaxSession s(path);
    if (!s.ready())
        return;
    std::vector<double> opens;
    for (int i = 0; i < n; ++i) {
        s.close();
        fake::ViewContainer container(AAX_eViewContainer_Type_HWND, s.frame);
        LARGE_INTEGER t0;
        QueryPerformanceCounter(&t0);
        s.gui->SetViewContainer(&container);
        HWND child = s.child();
        if (child)
            UpdateWindow(child);
        GdiFlush();
        opens.push_back(seconds_since(t0));
        s.gui->SetViewContainer(nullptr);
    }
    HWND child = s.open();
    if (!child)
        return check(false, "editor open");
    LARGE_INTEGER t0;
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < n * 10; ++i) {
        s.meter = i % 2 ? 0.2f : 0.8f;
        SendMessageA(child, WM_TIMER, 1, 0);  // the editor's GUI timer
        UpdateWindow(child);
    }
    GdiFlush();
    const double tick = seconds_since(t0) / (n * 10);
    std::sort(opens.begin(), opens.end());
    std::printf("open to first paint: median %.3f ms over %d\n", opens[opens.size() / 2] * 1e3, n);
    std::printf("tick with the meter moving: %.1f us over %d\n", tick * 1e6, n * 10);
}

// The plug-in's Win32 lock, built here from the same source: the owner's
// second Lock does not block and reports false, another thread's Unlock
// is ignored, and another thread waits until the owner unlocks.
void scenario_mutex()
{
    AAX_CMutex m;
    check(m.Lock(), "the first Lock takes it");
    check(!m.Lock(), "the owner's second Lock reports false");
    struct Probe {
        AAX_CMutex* m;
        volatile LONG locked = 0;
    } probe{&m};
    auto unlock_elsewhere = [](void* p) -> DWORD {
        static_cast<Probe*>(p)->m->Unlock();  // not the owner: ignored
        return 0;
    };
    auto lock_elsewhere = [](void* p) -> DWORD {
        Probe* probe = static_cast<Probe*>(p);
        const bool took = probe->m->Lock();
        InterlockedExchange(&probe->locked, took ? 1 : -1);
        probe->m->Unlock();
        return 0;
    };
    HANDLE t = CreateThread(nullptr, 0, unlock_elsewhere, &probe, 0, nullptr);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    t = CreateThread(nullptr, 0, lock_elsewhere, &probe, 0, nullptr);
    check(WaitForSingleObject(t, 200) == WAIT_TIMEOUT, "another thread waits while the owner holds it");
    check(probe.locked == 0, "and has not taken it", probe.locked);
    m.Unlock();
    check(WaitForSingleObject(t, 5000) == WAIT_OBJECT_0, "the owner's Unlock lets it in");
    CloseHandle(t);
    check(probe.locked == 1, "where its Lock takes it", probe.locked);
    check(m.Lock(), "free again afterwards");
    m.Unlock();
    {
        AAX_StLock_Guard outer(m);
        AAX_StLock_Guard inner(m);  // nested on the owner: does not unlock at its end
    }
    check(m.Lock(), "the guards leave it free");
    m.Unlock();
}

}  // namespace

// capture_host.cpp: "MODULE capture OUT_DIR STEP..."
int aax_capture_main(int argc, char** argv);

int main(int argc, char** argv)
{
    if (argc >= 3 && !std::strcmp(argv[2], "capture"))
        return aax_capture_main(argc, argv);
    if (argc < 3) {
        std::printf("usage: win_aax_host MODULE view | pull | offer | wheel | presets | "
                    "parameter-updated | banner-texts | meter | lifecycle | mutex | cycles N | screenshot "
                    "FILE.bmp | bench [N] | capture OUT_DIR STEP...\n");
        return 2;
    }
    const char* path = argv[1];
    const char* what = argv[2];
    if (!std::strcmp(what, "view"))
        scenario_view(path);
    else if (!std::strcmp(what, "pull"))
        scenario_pull(path);
    else if (!std::strcmp(what, "offer"))
        scenario_offer(path);
    else if (!std::strcmp(what, "wheel"))
        scenario_wheel_and_double_click(path);
    else if (!std::strcmp(what, "presets"))
        scenario_presets(path);
    else if (!std::strcmp(what, "parameter-updated"))
        scenario_parameter_updated(path);
    else if (!std::strcmp(what, "banner-texts"))
        scenario_banner_texts(path);
    else if (!std::strcmp(what, "meter"))
        scenario_meter(path);
    else if (!std::strcmp(what, "lifecycle"))
        scenario_lifecycle(path);
    else if (!std::strcmp(what, "screenshot") && argc == 4)
        scenario_screenshot(path, argv[3]);
    else if (!std::strcmp(what, "bench"))
        scenario_bench(path, argc == 4 ? std::atoi(argv[3]) : 20);
    else if (!std::strcmp(what, "mutex"))
        scenario_mutex();
    else if (!std::strcmp(what, "cycles") && argc == 4)
        scenario_cycles(path, std::atoi(argv[3]));
    else {
        std::printf("unknown scenario %s\n", what);
        return 2;
    }
    std::printf("%s: %s\n", what, failures() ? "failed" : "passed");
    std::fflush(stdout);
    return failures() ? 1 : 0;
}
