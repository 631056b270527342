#include "capture_session.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "host_log.h"
#include "plugin_instance.h"
#include "stepped_loop.h"
#include "top_window.h"

namespace vst2host {

namespace {

// Rounds of the GUI loop after each step: the events it caused, the
// repaints they queued and the repaints' own round trips.
constexpr int kSettleRounds = 3;
// A press this long after the one before is a new click, not the second
// of a double click (the engine's limit is 0.3 s); a double click's second
// press comes sooner.
constexpr int kClickGapMs = 400;
constexpr int kDoubleClickGapMs = 100;
// One GUI tick: the engine runs its update once more than 50 ms have passed.
constexpr int kTickMs = 51;

class CaptureSession {
public:
    CaptureSession(Display* d, std::string plugin, std::string out_dir)
        : d_(d), path_(std::move(plugin)), out_dir_(std::move(out_dir))
    {
        log_.on_size_window = [this](int32_t w, intptr_t h) {
            std::lock_guard<std::mutex> lock(size_mutex_);
            requested_ = std::make_pair(static_cast<int>(w), static_cast<int>(h));
            return true;
        };
    }
    ~CaptureSession()
    {
        end_instance();
        log_.on_size_window = nullptr;
    }

    bool run(const capture::Step& s);

private:
    bool new_instance();
    void end_instance();
    bool open();
    void close();
    bool settle(int rounds = kSettleRounds);
    void apply_size_request();
    bool shot(const std::string& name);

    void pointer_to(int x, int y);
    void button(unsigned which, bool down);
    void press_at(int x, int y, int gap_ms);
    void release();
    void drag(int x, int y, int dx, int dy, int moves);
    capture::PanelMap map() const { return capture::panel_map(width_, height_); }

    Display* d_;
    std::string path_, out_dir_;
    HostLog log_;
    std::unique_ptr<PluginInstance> plugin_;
    std::unique_ptr<TopWindow> top_;
    bool open_ = false;
    int width_ = 0, height_ = 0;
    std::size_t logged_ = 0;
    std::mutex size_mutex_;
    std::optional<std::pair<int, int>> requested_;
};

bool CaptureSession::settle(int rounds)
{
    if (!stepped::run_rounds(rounds)) {
        std::fprintf(stderr, "vst2host: the plug-in's GUI thread did not come round\n");
        return false;
    }
    apply_size_request();
    return true;
}

void CaptureSession::apply_size_request()
{
    std::optional<std::pair<int, int>> size;
    {
        std::lock_guard<std::mutex> lock(size_mutex_);
        size.swap(requested_);
    }
    if (size && top_) {
        width_ = size->first;
        height_ = size->second;
        top_->resize(width_, height_);
        XSync(d_, False);
    }
}

bool CaptureSession::new_instance()
{
    end_instance();
    plugin_ = std::make_unique<PluginInstance>();
    std::string error;
    if (!plugin_->load(path_, log_, error)) {
        std::fprintf(stderr, "vst2host: %s\n", error.c_str());
        plugin_.reset();
        return false;
    }
    return settle();
}

void CaptureSession::end_instance()
{
    if (!plugin_)
        return;
    close();
    plugin_.reset();
    top_.reset();
}

bool CaptureSession::open()
{
    plugin_->editor_size(width_, height_);
    if (width_ <= 0 || height_ <= 0) {
        std::fprintf(stderr, "vst2host: the plug-in has no editor\n");
        return false;
    }
    if (!top_)
        top_ = std::make_unique<TopWindow>(d_, width_, height_);
    top_->resize(width_, height_);
    XSync(d_, False);
    plugin_->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(top_->id()));
    open_ = true;
    return settle();
}

void CaptureSession::close()
{
    if (!open_)
        return;
    plugin_->dispatch(effEditClose);
    open_ = false;
    settle();
}

void CaptureSession::pointer_to(int x, int y)
{
    // The host window sits at the root's origin and the editor at its own.
    XTestFakeMotionEvent(d_, -1, x, y, CurrentTime);
    XSync(d_, False);
}

void CaptureSession::button(unsigned which, bool down)
{
    XTestFakeButtonEvent(d_, which, down ? True : False, CurrentTime);
    XSync(d_, False);
}

void CaptureSession::press_at(int x, int y, int gap_ms)
{
    stepped::advance_ms(gap_ms);
    pointer_to(x, y);
    settle();
    button(1, true);
    settle();
}

void CaptureSession::release()
{
    button(1, false);
    settle();
}

void CaptureSession::drag(int x, int y, int dx, int dy, int moves)
{
    press_at(x, y, kClickGapMs);
    moves = moves < 1 ? 1 : moves;
    for (int i = 1; i <= moves; ++i) {
        pointer_to(x + dx * i / moves, y + dy * i / moves);
        settle();
    }
    release();
}

bool CaptureSession::shot(const std::string& name)
{
    apply_size_request();
    std::printf("== %s\n", name.c_str());
    const std::vector<HostCall> calls = log_.calls();
    for (std::size_t i = logged_; i < calls.size(); ++i)
        HostLog::print_call(stdout, calls[i]);
    logged_ = calls.size();
    const std::string file = out_dir_ + "/" + name + ".png";
    if (!top_ || !top_->save_png(file)) {
        std::fprintf(stderr, "vst2host: could not write %s\n", file.c_str());
        return false;
    }
    return true;
}

bool CaptureSession::run(const capture::Step& s)
{
    using capture::Verb;
    if (s.verb == Verb::kNew)
        return new_instance();
    if (!plugin_) {
        std::fprintf(stderr, "vst2host: %s before new\n", s.text.c_str());
        return false;
    }
    AEffect* e = plugin_->effect();
    const bool pointer = capture::is_pointer(s.verb);
    if (pointer && !open_) {
        std::fprintf(stderr, "vst2host: %s with the editor closed\n", s.text.c_str());
        return false;
    }
    const capture::PanelMap m = map();
    switch (s.verb) {
    case Verb::kNew: break;
    case Verb::kOpen: return open();
    case Verb::kClose: close(); return true;
    case Verb::kUi: e->setParameter(e, 7, static_cast<float>(s.arg(0))); break;
    case Verb::kParam: e->setParameter(e, s.iarg(0), static_cast<float>(s.arg(1))); break;
    case Verb::kProgram: plugin_->dispatch(effSetProgram, 0, s.iarg(0)); break;
    case Verb::kMeter: e->setParameter(e, 8, static_cast<float>(s.arg(0))); break;
    case Verb::kBypass: plugin_->dispatch(effSetBypass, 0, s.arg(0) != 0.0 ? 1 : 0); break;
    case Verb::kSize: std::fprintf(stderr, "vst2host: the host does not size a VST2 editor\n"); return false;
    case Verb::kClick:
        press_at(m.x(s.arg(0)), m.y(s.arg(1)), kClickGapMs);
        release();
        break;
    case Verb::kDoubleClick:
        press_at(m.x(s.arg(0)), m.y(s.arg(1)), kClickGapMs);
        release();
        press_at(m.x(s.arg(0)), m.y(s.arg(1)), kDoubleClickGapMs);
        release();
        break;
    case Verb::kDrag: drag(m.x(s.arg(0)), m.y(s.arg(1)), s.iarg(2), s.iarg(3), s.iarg(4)); break;
    case Verb::kWheel: {
        pointer_to(m.x(s.arg(0)), m.y(s.arg(1)));
        const int n = s.iarg(2);
        for (int i = 0; i < (n < 0 ? -n : n); ++i) {
            const unsigned b = n > 0 ? 4 : 5;
            button(b, true);
            button(b, false);
            settle();
        }
        break;
    }
    case Verb::kGrip:
        drag(width_ - capture::kGripInset, height_ - capture::kGripInset, s.iarg(0), s.iarg(1), s.iarg(2));
        break;
    case Verb::kTicks:
        for (int i = 0; i < s.iarg(0); ++i) {
            stepped::advance_ms(kTickMs);
            if (!settle(1))
                return false;
        }
        break;
    case Verb::kShot: return shot(s.name);
    }
    return settle();
}

}  // namespace

int run_capture(const std::string& plugin, const std::string& out_dir,
                const std::vector<capture::Step>& steps)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "vst2host: cannot open the X display (is DISPLAY set?)\n");
        return 1;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(d, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "vst2host: the X server has no XTest\n");
        XCloseDisplay(d);
        return 1;
    }
    stepped::start();
    // Held for the whole run, so that a new instance finds the library (and
    // its GUI thread) as the last one left it.
    void* library = dlopen(plugin.c_str(), RTLD_NOW | RTLD_LOCAL);
    int status = 1;
    if (!library)
        std::fprintf(stderr, "vst2host: %s\n", dlerror());
    {
        CaptureSession session(d, plugin, out_dir);
        if (library)
            status = capture::run_steps(steps, [&](const capture::Step& s) { return session.run(s); });
        stepped::stop();
    }
    if (library)
        dlclose(library);
    XCloseDisplay(d);
    return status;
}

}  // namespace vst2host
