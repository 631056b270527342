// A small Windows VST3 host for the tests: loads the bundle's module, pairs
// processor and controller, attaches the editor view to a frame of its own
// and checks what the window system, the controller and the handler see.
//   win_vst3_host MODULE.vst3 SCENARIO [ARG]...   (scenarios: see main)
// Prints one line per failed check; exit 0 when all passed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor_layout.h"
#include "vst3_module.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using Log = std::vector<std::string>;

namespace {

const char* kClass = "5D17A3C09E42-UI";
int g_failures = 0;

void check(bool ok, const char* what, double a = 0, double b = 0)
{
    if (!ok) {
        std::printf("FAIL: %s (%g, %g)\n", what, a, b);
        ++g_failures;
    }
}

void check_log(const Log& got, const Log& want, const char* what)
{
    if (got == want)
        return;
    std::printf("FAIL: %s\n  got: ", what);
    for (const std::string& s : got)
        std::printf("[%s] ", s.c_str());
    std::printf("\n  want:");
    for (const std::string& s : want)
        std::printf("[%s] ", s.c_str());
    std::printf("\n");
    ++g_failures;
}

HWND view_child(HWND frame) { return FindWindowExA(frame, nullptr, kClass, nullptr); }

SIZE client_size(HWND w)
{
    RECT r{};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

// One loaded module, its plug-in pair and a view attached to a frame.
struct Session {
    explicit Session(const char* path, int frame_w = 1280, int frame_h = 1100)
        : module(path), pair(module.factory())
    {
        check(module.loaded(), "module loads, InitDll, GetPluginFactory");
        check(pair.ok(), "processor and controller paired");
        frame = make_frame(frame_w, frame_h);
    }
    ~Session()
    {
        close();
        DestroyWindow(frame);
    }
    IPlugView* open()
    {
        if (!pair.ok())
            return nullptr;
        view = pair.controller->createView("editor");
        check(view != nullptr, "createView(\"editor\")");
        if (!view)
            return nullptr;
        view->setFrame(&plugFrame);
        check(view->attached(frame, "HWND") == kResultOk, "attached answers kResultOk");
        pump(100);
        child = view_child(frame);
        check(child != nullptr, "a child window of class 5D17A3C09E42-UI");
        pair.handler->log.clear();
        return view;
    }
    void close()
    {
        if (!view)
            return;
        view->removed();
        view->setFrame(nullptr);
        view->release();
        view = nullptr;
    }
    // Handler lines since the last call, performEdit values cut off and
    // repeats of one performEdit folded, so the order reads plainly.
    Log take()
    {
        Log out;
        for (std::string line : pair.handler->log) {
            if (line.rfind("performEdit", 0) == 0)
                line = line.substr(0, line.rfind(' '));
            if (out.empty() || out.back() != line || line.rfind("performEdit", 0) != 0)
                out.push_back(line);
        }
        pair.handler->log.clear();
        return out;
    }
    double param(ParamID id) { return pair.controller->getParamNormalized(id); }

    Vst3Module module;
    PluginPair pair;
    RecordingFrame plugFrame;
    HWND frame = nullptr;
    IPlugView* view = nullptr;
    HWND child = nullptr;
};

// --- input through the system's queue ---------------------------------------------

void send_mouse(DWORD flags, int x, int y, DWORD data = 0)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>(x * 65535.0 / (sw - 1) + 0.5);
    in.mi.dy = static_cast<LONG>(y * 65535.0 / (sh - 1) + 0.5);
    in.mi.mouseData = data;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    pump(30);
}

POINT on_screen(HWND child, POINT p)
{
    ClientToScreen(child, &p);
    return p;
}

// The pointer goes there first, so a button event brings no motion of its own.
void move(HWND c, POINT p) { p = on_screen(c, p), send_mouse(MOUSEEVENTF_MOVE, p.x, p.y); }
void button(HWND c, POINT p, DWORD flags)
{
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(c, &at);
    if (at.x != p.x || at.y != p.y)
        move(c, p);
    p = on_screen(c, p);
    send_mouse(flags, p.x, p.y);
}
// A window resized or moved under the pointer gets a mouse move of the
// system's own, which a loaded machine delivers late; pressed on, it would be
// a drag. So a press waits until the mouse has been quiet for 100 ms.
void press(HWND c, POINT p)
{
    pump_until_mouse_quiet(100, 2000);
    button(c, p, MOUSEEVENTF_LEFTDOWN);
}
void release(HWND c, POINT p) { button(c, p, MOUSEEVENTF_LEFTUP); }
void wheel(HWND c, POINT p, int delta)
{
    p = on_screen(c, p);
    send_mouse(MOUSEEVENTF_MOVE, p.x, p.y);
    send_mouse(MOUSEEVENTF_WHEEL, p.x, p.y, static_cast<DWORD>(delta));
}

// Where a widget's centre lands in a view of this scale and x offset.
POINT widget_at(vlt::editor::Widget w, double scale = 1.0, int x_offset = 162)
{
    const vlt::editor::Rect r = vlt::editor::panel_rect(w);
    return {x_offset + static_cast<LONG>((r.x + r.w / 2) * scale),
            static_cast<LONG>((r.y + r.h / 2) * scale)};
}

const Log kSweep = {"endEdit 0", "endEdit 1", "endEdit 2", "endEdit 3",
                    "endEdit 4", "endEdit 5", "endEdit 7"};

Log then(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

COLORREF pixel(HWND w, int x, int y)
{
    HDC dc = GetDC(w);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

bool grey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

// --- scenarios ---------------------------------------------------------------------

void scenario_types(const char* path)
{
    Session s(path);
    IPlugView* v = s.pair.ok() ? s.pair.controller->createView("editor") : nullptr;
    if (!v)
        return check(false, "view");
    const struct {
        const char* type;
        tresult want;
    } rows[] = {{"HWND", kResultOk},    {"NSView", kInvalidArgument},           {"HWNDX", kInvalidArgument},
                {"", kInvalidArgument}, {"X11EmbedWindowID", kInvalidArgument}, {nullptr, kInvalidArgument}};
    for (const auto& r : rows)
        check(v->isPlatformTypeSupported(r.type) == r.want, r.type ? r.type : "(null)",
              v->isPlatformTypeSupported(r.type), r.want);

    check(v->attached(s.frame, "NSView") == kResultOk, "attached NSView answers kResultOk");
    check(view_child(s.frame) == nullptr, "but opens no window");
    v->removed();
    check(v->attached(nullptr, "HWND") == kInvalidArgument, "attached without parent");
    check(v->attached(s.frame, nullptr) == kInvalidArgument, "attached without type");
    check(view_child(s.frame) == nullptr, "no window either way");
    check(v->getSize(nullptr) == kInvalidArgument, "getSize(null)");
    check(v->onSize(nullptr) == kInvalidArgument, "onSize(null)");
    check(v->checkSizeConstraint(nullptr) == kInvalidArgument, "checkSizeConstraint(null)");
    check(v->canResize() == kResultTrue, "canResize");
    check(v->onKeyDown(u'a', 0, 0) == kResultFalse && v->onWheel(1.0f) == kResultFalse &&
              v->onFocus(1) == kResultFalse,
          "keys, wheel and focus are not handled");
    v->release();
}

bool size_is(IPlugView* v, int w, int h)
{
    ViewRect r{};
    return v && v->getSize(&r) == kResultOk && r.left == 0 && r.top == 0 && r.right == w && r.bottom == h;
}

// sizes W H [VW VH SCALE XOFF]...: a new view is W x H; its limits are
// W..2W x H..2H; too small a size stores W x H; each further row sizes the
// view, whose child follows and whose panel maps clicks at SCALE and XOFF.
void scenario_sizes(const char* path, int w, int h, const std::vector<double>& rows)
{
    Session s(path);
    IPlugView* v = s.open();
    if (!v || !s.child)
        return;
    check(size_is(v, w, h), "new view size", w, h);
    const SIZE c = client_size(s.child);
    check(c.cx == w && c.cy == h, "child window size", c.cx, c.cy);
    const struct {
        ViewRect in;
        int w, h;
    } limits[] = {{{0, 0, 1, 1}, w, h},
                  {{10, 20, 10 + 5000, 20 + 5000}, 2 * w, 2 * h},
                  {{0, 0, w + 3, h + 7}, w + 3, h + 7}};
    for (const auto& l : limits) {
        ViewRect r = l.in;
        check(v->checkSizeConstraint(&r) == kResultOk && r.right - r.left == l.w && r.bottom - r.top == l.h &&
                  r.left == l.in.left && r.top == l.in.top,
              "checkSizeConstraint", r.right - r.left, r.bottom - r.top);
    }
    ViewRect small{0, 0, 500, 500};
    check(v->onSize(&small) == kResultOk && size_is(v, std::max(w, 500), std::max(h, 500)),
          "onSize 500 x 500 keeps the minimum");

    for (std::size_t i = 0; i + 3 < rows.size(); i += 4) {
        const int vw = static_cast<int>(rows[i]), vh = static_cast<int>(rows[i + 1]);
        const double scale = rows[i + 2];
        const int xoff = static_cast<int>(rows[i + 3]);
        ViewRect r{0, 0, vw, vh};
        check(v->onSize(&r) == kResultOk && size_is(v, vw, vh), "onSize stores", vw, vh);
        pump(100);
        const SIZE cs = client_size(s.child);
        check(cs.cx == vw && cs.cy == vh, "the child window follows", cs.cx, cs.cy);
        IPlugView* next = s.pair.controller->createView("editor");
        check(size_is(next, vw, vh), "98 and 99 reached the controller: the next view's size", vw, vh);
        if (next)
            next->release();
        // A press on the Threshold knob where this scale and offset put it.
        s.take();
        const POINT k = widget_at(vlt::editor::kThresholdKnob, scale, xoff);
        press(s.child, k);
        release(s.child, k);
        check_log(s.take(), then({"beginEdit 1"}, kSweep), "a press on the knob at its scaled place");
        const POINT off{xoff - 3, k.y};  // just left of the panel: nothing
        press(s.child, off);
        release(s.child, off);
        check_log(s.take(), kSweep, "a press left of the panel begins nothing");
    }
}

// A size whose back buffer cannot be made: the view stays blank and
// alive, and a sensible size draws again.
void scenario_huge_size(const char* path)
{
    Session s(path);
    IPlugView* v = s.open();
    if (!v || !s.child)
        return;
    ViewRect huge{0, 0, 60000, 60000};
    check(v->onSize(&huge) == kResultOk, "onSize 60000 x 60000 answers kResultOk");
    UpdateWindow(s.child);
    pump(150);
    ViewRect normal{0, 0, 468, 510};
    check(v->onSize(&normal) == kResultOk && size_is(v, 468, 510), "then 468 x 510");
    UpdateWindow(s.child);
    pump(150);
    check(!grey(pixel(s.child, 466, 508)), "drawn again", pixel(s.child, 466, 508));
}

// The gestures at 96 DPI and the default size, and the handler's order.
void scenario_edits(const char* path)
{
    Session s(path);
    if (!s.open() || !s.child)
        return;
    HWND c = s.child;
    const POINT k = widget_at(vlt::editor::kThresholdKnob);
    press(c, k);
    move(c, {k.x, k.y - 5});
    move(c, {k.x, k.y - 10});
    release(c, {k.x, k.y - 10});
    check_log(s.take(), then({"beginEdit 1", "performEdit 1"}, kSweep), "knob press, drag, release");
    check(s.param(1) > 0.0, "the controller has the dragged value", s.param(1));

    const POINT sw = widget_at(vlt::editor::kEffectSwitch);
    const double effect = s.param(7);
    press(c, sw);
    release(c, sw);
    check_log(s.take(), then({"beginEdit 7", "performEdit 7"}, kSweep), "switch press");
    check(std::fabs(s.param(7) - effect) > 0.5, "the switch toggled in the controller", effect, s.param(7));

    // Ratio at some value, then a double-click resets it to 0.
    s.pair.controller->setParamNormalized(4, 0.5);
    const POINT r = widget_at(vlt::editor::kRatioKnob);
    s.take();
    press(c, r);
    release(c, r);
    press(c, r);
    release(c, r);
    check_log(
        s.take(),
        then(then(then({"beginEdit 4"}, kSweep), {"beginEdit 4", "performEdit 4", "endEdit 4"}), kSweep),
        "double-click reset");
    check(s.param(4) == 0.0, "Ratio reset to 0", s.param(4));

    Sleep(600);  // no double-click with what follows
    const POINT a = widget_at(vlt::editor::kAttackKnob);
    wheel(c, a, WHEEL_DELTA);
    check_log(s.take(), then({"beginEdit 2", "performEdit 2", "endEdit 2"}, kSweep), "a wheel notch");
    check(s.param(2) > 0.0, "the notch moved Attack", s.param(2));
}

// The first press names the program only; each later one steps the
// controller to the program named, six forward and six back.
void scenario_presets(const char* path)
{
    Session s(path);
    if (!s.open() || !s.child)
        return;
    HWND c = s.child;
    const POINT right = widget_at(vlt::editor::kRightButton), left = widget_at(vlt::editor::kLeftButton);
    auto program = [&] { return static_cast<int>(std::lround(s.param(8) * 5)); };
    press(c, right);
    release(c, right);
    check(program() == 0 && s.param(8) == 0.0, "the first press only names the program", program());
    for (const auto& [button, steps] :
         {std::pair{right, std::vector{1, 2, 3, 4, 5, 0}}, std::pair{left, std::vector{5, 4, 3, 2, 1, 0}}}) {
        for (int want : steps) {
            Sleep(400);  // each press a click of its own
            press(c, button);
            release(c, button);
            check(program() == want, "program after a press", program(), want);
            check(std::fabs(s.param(8) * 5 - want) < 1e-6, "sent as k / 5", s.param(8), want / 5.0);
        }
    }
}

// The banner's pixels at the default size and 96 DPI (the panel at x 162).
std::vector<COLORREF> banner_pixels(HWND w)
{
    const vlt::editor::Rect r = vlt::editor::panel_rect(vlt::editor::kBanner);
    std::vector<COLORREF> out;
    HDC dc = GetDC(w);
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            out.push_back(GetPixel(dc, 162 + x, y));
    ReleaseDC(w, dc);
    return out;
}

// Runs messages until the banner shows something other than before.
std::vector<COLORREF> banner_after(HWND w, const std::vector<COLORREF>& before)
{
    std::vector<COLORREF> now = banner_pixels(w);
    for (int i = 0; i < 100 && now == before; ++i) {
        pump(20);
        now = banner_pixels(w);
    }
    return now;
}

// A program the controller selects shows its name from the banner's start,
// however far the user had dragged the banner.
void scenario_program_banner(const char* path)
{
    Session s(path);
    if (!s.open() || !s.child)
        return;
    HWND c = s.child;
    auto select = [&](int index) {
        const std::vector<COLORREF> before = banner_pixels(c);
        s.pair.controller->setParamNormalized(8, index / 5.0);
        return banner_after(c, before);  // the name goes on at the next tick
    };
    const std::vector<COLORREF> from_start = select(3);
    const std::vector<COLORREF> unscrolled = select(0);
    const vlt::editor::Rect r = vlt::editor::panel_rect(vlt::editor::kBanner);
    const POINT at{162 + r.x + 50, r.y + r.h / 2};
    press(c, at);
    move(c, {at.x - 20, at.y});
    move(c, {at.x - 40, at.y});
    check(banner_after(c, unscrolled) != unscrolled, "a drag 40 pixels left scrolls the banner");
    release(c, {at.x - 40, at.y});
    check(select(3) == from_start, "the name shows from the banner's start");
}

// Values from the controller: the knob starts where the controller is;
// host bypass above one half draws the panel grey at the next tick.
void scenario_set_parameter(const char* path)
{
    Session s(path);
    if (!s.open() || !s.child)
        return;
    const SIZE cs = client_size(s.child);
    const int gx = cs.cx - 2, gy = cs.cy - 2;  // the grip's last square
    InvalidateRect(s.child, nullptr, FALSE);
    pump(150);
    const COLORREF colour = pixel(s.child, gx, gy);
    check(!grey(colour), "the grip has colour", colour);
    s.pair.controller->setParamNormalized(97, 0.6);
    pump(200);
    check(grey(pixel(s.child, gx, gy)), "host bypass 0.6: monochrome at the next tick",
          pixel(s.child, gx, gy));
    s.pair.controller->setParamNormalized(97, 0.5);
    pump(200);
    check(pixel(s.child, gx, gy) == colour, "0.5: colour again", pixel(s.child, gx, gy));

    // In Gain at 1/3 (0.0 dB): a drag from there goes up from there.
    s.pair.controller->setParamNormalized(0, 1.0 / 3.0);
    pump(100);
    const POINT k = widget_at(vlt::editor::kInGainKnob);
    press(s.child, k);
    move(s.child, {k.x, k.y - 4});
    release(s.child, {k.x, k.y - 4});
    check(s.param(0) > 1.0 / 3.0 && s.param(0) < 0.5, "a drag continues from the controller's value",
          s.param(0));
}

// removed, then attached again: a new child window, the controller's
// values of the meantime.
void scenario_reattach(const char* path)
{
    Session s(path);
    IPlugView* v = s.open();
    if (!v || !s.child)
        return;
    v->removed();
    pump(50);
    check(view_child(s.frame) == nullptr, "removed destroys the child");
    s.pair.controller->setParamNormalized(1, 0.5);
    check(v->attached(s.frame, "HWND") == kResultOk, "attached again");
    pump(100);
    HWND c = view_child(s.frame);
    check(c != nullptr, "a new child window");
    if (!c)
        return;
    s.take();
    const POINT k = widget_at(vlt::editor::kThresholdKnob);
    press(c, k);
    move(c, {k.x, k.y - 4});
    release(c, {k.x, k.y - 4});
    check_log(s.take(), then({"beginEdit 1", "performEdit 1"}, kSweep), "the widgets answer as before");
    check(s.param(1) > 0.5, "from the controller's value of the meantime", s.param(1));
}

// InitDll twice and ExitDll with a view open; a parent destroyed first.
void scenario_lifecycle(const char* path)
{
    {
        Session s(path);
        IPlugView* v = s.open();
        if (!v || !s.child)
            return;
        check(s.module.initDll(), "a second InitDll");
        check(s.module.exitDll(), "its ExitDll");
        pump(50);
        check(IsWindow(s.child), "the engines outlive the first ExitDll");
        WNDCLASSA wc{};
        check(GetClassInfoA(s.module.handle(), kClass, &wc) != 0, "the window class stays registered");
        const POINT k = widget_at(vlt::editor::kThresholdKnob);
        press(s.child, k);
        release(s.child, k);
        check_log(s.take(), then({"beginEdit 1"}, kSweep), "the view still answers");
        check(s.module.exitDll(), "the last ExitDll");
        pump(50);
        check(!IsWindow(s.child), "the last ExitDll destroys the open view's window");
        s.close();  // removed and release after the engines went
        check(!s.module.exitDll(), "ExitDll without InitDll answers false");
    }
    Session s(path);
    IPlugView* a = s.open();
    HWND frame_b = make_frame(600, 600);
    IPlugView* b = s.pair.controller->createView("editor");
    if (!a || !b)
        return check(false, "two views");
    b->attached(frame_b, "HWND");
    pump(50);
    DestroyWindow(s.frame);  // the host's window goes before removed
    s.frame = make_frame(600, 600);
    IPlugView* c = s.pair.controller->createView("editor");
    c->attached(s.frame, "HWND");
    pump(50);
    HWND cc = view_child(s.frame), bc = view_child(frame_b);
    check(cc && bc, "the other views have windows");
    a->removed();
    pump(50);
    check(cc && IsWindow(cc) && bc && IsWindow(bc), "removing the orphaned view leaves them alone");
    s.view = nullptr;
    a->release();
    b->removed();
    b->release();
    c->removed();
    c->release();
    DestroyWindow(frame_b);
}

void scenario_cycles(const char* path, int n)
{
    for (int i = 0; i < n && g_failures == 0; ++i) {
        Session s(path);
        s.open();
        check(s.child != nullptr, "view window in cycle", i);
    }
    WNDCLASSA wc{};
    check(!GetClassInfoA(nullptr, kClass, &wc), "class gone after the last unload");
}

double ms_since(LARGE_INTEGER t0)
{
    LARGE_INTEGER t1, f;
    QueryPerformanceCounter(&t1);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
}

// attached to the first complete paint, and onSize to 1404 x 1530 repainted.
void scenario_bench(const char* path, int rounds)
{
    Session s(path, 1500, 1600);
    if (!s.pair.ok())
        return;
    double attach_ms = 0, resize_ms = 0;
    for (int i = 0; i < rounds; ++i) {
        IPlugView* v = s.pair.controller->createView("editor");
        LARGE_INTEGER t0;
        QueryPerformanceCounter(&t0);
        v->attached(s.frame, "HWND");
        HWND c = view_child(s.frame);
        UpdateWindow(c);
        attach_ms += ms_since(t0);
        ViewRect big{0, 0, 1404, 1530};
        QueryPerformanceCounter(&t0);
        v->onSize(&big);
        UpdateWindow(c);
        resize_ms += ms_since(t0);
        check(client_size(c).cx == 1404, "resized", client_size(c).cx);
        v->removed();
        v->release();
        pump(20);
    }
    std::printf("bench: attached to first paint %.2f ms, onSize 1404 x 1530 repainted %.2f ms (mean of %d)\n",
                attach_ms / rounds, resize_ms / rounds, rounds);
}

// The view as the host shows it, as a 24-bit BMP.
void scenario_screenshot(const char* path, const char* out)
{
    Session s(path);
    if (!s.open() || !s.child)
        return;
    pump(300);
    const SIZE cs = client_size(s.child);
    HDC dc = GetDC(s.child), mem = CreateCompatibleDC(dc);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cs.cx, cs.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cs.cx, cs.cy, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD row = (cs.cx * 3 + 3) & ~3u, size = row * cs.cy;
    BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + size), 0, 0,
                        static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
    FILE* f = std::fopen(out, "wb");
    check(f != nullptr, "screenshot file");
    if (f) {
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, 1, size, f);
        std::fclose(f);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(s.child, dc);
}

}  // namespace

// capture_host.cpp: "MODULE capture OUT_DIR STEP..."
int vst3_capture_main(int argc, char** argv);

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[2], "capture") == 0)
        return vst3_capture_main(argc, argv);
    if (argc < 3) {
        std::printf(
            "usage: win_vst3_host MODULE.vst3 types | sizes W H [VW VH SCALE XOFF]... | huge-size | edits | "
            "presets | set-parameter | program-banner | reattach | lifecycle | cycles N | bench N | "
            "screenshot FILE.bmp | capture OUT_DIR STEP...\n");
        return 2;
    }
    const char* path = argv[1];
    const std::string what = argv[2];
    std::vector<double> args;
    for (int i = 3; i < argc; ++i)
        args.push_back(std::atof(argv[i]));
    if (what == "types")
        scenario_types(path);
    else if (what == "sizes" && args.size() >= 2)
        scenario_sizes(path, static_cast<int>(args[0]), static_cast<int>(args[1]),
                       std::vector<double>(args.begin() + 2, args.end()));
    else if (what == "huge-size")
        scenario_huge_size(path);
    else if (what == "edits")
        scenario_edits(path);
    else if (what == "presets")
        scenario_presets(path);
    else if (what == "set-parameter")
        scenario_set_parameter(path);
    else if (what == "program-banner")
        scenario_program_banner(path);
    else if (what == "reattach")
        scenario_reattach(path);
    else if (what == "lifecycle")
        scenario_lifecycle(path);
    else if (what == "cycles" && args.size() == 1)
        scenario_cycles(path, static_cast<int>(args[0]));
    else if (what == "bench" && args.size() == 1)
        scenario_bench(path, static_cast<int>(args[0]));
    else if (what == "screenshot" && argc == 4)
        scenario_screenshot(path, argv[3]);
    else {
        std::printf("unknown scenario %s\n", what.c_str());
        return 2;
    }
    std::printf("%s: %s\n", what.c_str(), g_failures ? "failed" : "passed");
    std::fflush(stdout);
    return g_failures ? 1 : 0;
}
