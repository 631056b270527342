#include "capture_driver.h"

#include <cstdio>

#include "window_pixels.h"

namespace win_capture {

namespace {

// The editor's GUI timer, as every Windows build of the editor sets it.
constexpr UINT_PTR kGuiTimerId = 1;

// Every waiting message below and above WM_TIMER: a timer message is made
// only when a filter asks for it, so the real timer never fires here.
bool dispatch_one_but_timers()
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, WM_TIMER - 1, PM_REMOVE) &&
        !PeekMessageA(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE))
        return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

SIZE client_size(HWND w)
{
    RECT r{};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

class Runner {
public:
    Runner(CaptureHost& host, std::string out_dir) : host_(host), out_dir_(std::move(out_dir)) {}
    ~Runner()
    {
        if (editor_)
            host_.close();
    }
    bool run(const capture::Step& s);

private:
    capture::PanelMap map() const
    {
        const SIZE c = client_size(editor_);
        return capture::panel_map(c.cx, c.cy);
    }
    void send(UINT message, WPARAM wp, int x, int y)
    {
        SendMessageA(editor_, message, wp, at(x, y));
        settle(editor_);
    }
    void drag(int x, int y, int dx, int dy, int moves)
    {
        send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        moves = moves < 1 ? 1 : moves;
        for (int i = 1; i <= moves; ++i)
            send(WM_MOUSEMOVE, MK_LBUTTON, x + dx * i / moves, y + dy * i / moves);
        send(WM_LBUTTONUP, 0, x + dx, y + dy);
    }
    void wheel(int x, int y, int notches)
    {
        POINT p{x, y};
        ClientToScreen(editor_, &p);
        SetCursorPos(p.x, p.y);
        settle(editor_);
        for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
            send(WM_MOUSEWHEEL, MAKEWPARAM(0, notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA), p.x, p.y);
    }
    bool shot(const std::string& name);

    CaptureHost& host_;
    std::string out_dir_;
    HWND editor_ = nullptr;
    bool instance_ = false;
};

bool Runner::shot(const std::string& name)
{
    std::printf("== %s\n", name.c_str());
    host_.print_calls();
    std::fflush(stdout);
    if (!editor_) {
        std::printf("capture: %s with the editor closed\n", name.c_str());
        return false;
    }
    settle(editor_);
    const std::string file = out_dir_ + "/" + name + ".bmp";
    return win_pixels::write_bmp(win_pixels::read_client(editor_), file.c_str());
}

bool Runner::run(const capture::Step& s)
{
    using capture::Verb;
    if (s.verb == Verb::kNew) {
        editor_ = nullptr;
        instance_ = host_.fresh();
        return instance_;
    }
    if (!instance_)
        return false;
    const bool pointer = capture::is_pointer(s.verb);
    if ((pointer || s.verb == Verb::kTicks) && !editor_)
        return false;
    switch (s.verb) {
    case Verb::kNew: break;
    case Verb::kOpen:
        editor_ = host_.open();
        if (editor_)
            settle(editor_);
        return editor_ != nullptr;
    case Verb::kClose:
        host_.close();
        editor_ = nullptr;
        return true;
    case Verb::kClick: {
        const capture::PanelMap m = map();
        send(WM_LBUTTONDOWN, MK_LBUTTON, m.x(s.arg(0)), m.y(s.arg(1)));
        send(WM_LBUTTONUP, 0, m.x(s.arg(0)), m.y(s.arg(1)));
        return true;
    }
    case Verb::kDoubleClick: {
        // What the window system sends for a double click on a class with
        // CS_DBLCLKS: down, up, double click, up.
        const capture::PanelMap m = map();
        const int x = m.x(s.arg(0)), y = m.y(s.arg(1));
        send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        send(WM_LBUTTONUP, 0, x, y);
        send(WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
        send(WM_LBUTTONUP, 0, x, y);
        return true;
    }
    case Verb::kDrag: {
        const capture::PanelMap m = map();
        drag(m.x(s.arg(0)), m.y(s.arg(1)), s.iarg(2), s.iarg(3), s.iarg(4));
        return true;
    }
    case Verb::kWheel: {
        const capture::PanelMap m = map();
        wheel(m.x(s.arg(0)), m.y(s.arg(1)), s.iarg(2));
        return true;
    }
    case Verb::kGrip: {
        const SIZE c = client_size(editor_);
        drag(c.cx - capture::kGripInset, c.cy - capture::kGripInset, s.iarg(0), s.iarg(1), s.iarg(2));
        return true;
    }
    case Verb::kTicks:
        for (int i = 0; i < s.iarg(0); ++i) {
            SendMessageA(editor_, WM_TIMER, kGuiTimerId, 0);
            settle(editor_);
        }
        return true;
    case Verb::kShot: return shot(s.name);
    default: {
        const bool ok = host_.host_step(s);
        if (editor_)
            settle(editor_);
        return ok;
    }
    }
    return true;
}

}  // namespace

void settle(HWND editor)
{
    // A message may post more (a resize its size messages): a few passes.
    for (int pass = 0; pass < 4; ++pass) {
        while (dispatch_one_but_timers()) {
        }
        if (editor && IsWindow(editor))
            UpdateWindow(editor);
    }
    GdiFlush();
}

int run_capture(CaptureHost& host, const std::string& out_dir, const std::vector<capture::Step>& steps)
{
    Runner runner(host, out_dir);
    return capture::run_steps(steps, [&](const capture::Step& s) { return runner.run(s); });
}

int capture_main(CaptureHost& host, int argc, char** argv)
{
    std::vector<capture::Step> steps;
    if (argc < 4) {
        std::printf("capture: capture needs an output folder\n");
        return 2;
    }
    return capture::steps_from(argc, argv, 4, steps) ? run_capture(host, argv[3], steps) : 2;
}

}  // namespace win_capture
