// The editor driven as a host drives it: the plug-in library loaded with
// dlopen, its editor opened in a parent window of ours on a private X
// server, real pointer input, host callbacks and pixels read back.
#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>

#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "plugin_host.h"
#include "x_session.h"

#include <X11/extensions/XTest.h>

namespace {

using Calls = std::vector<std::string>;

const Calls kEndAll = {"end 0", "end 1", "end 2", "end 3", "end 4", "end 5", "end 6"};

Calls editor_calls(const PluginInstance& p)
{
    Calls out;
    for (const HostCall& c : p.calls())
        if (is_editor_call(c))
            out.push_back(describe(c));
    return out;
}

Calls concat(Calls a, const Calls& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Panel point (px, py) of the open editor in root coordinates: the parent
// sits at the root's origin and the editor at the parent's.
struct Panel {
    int x_offset = 162;
    float scale = 1.0f;
    int x(int px) const { return x_offset + static_cast<int>(px * scale); }
    int y(int py) const { return static_cast<int>(py * scale); }
};

// Counts the editor's GUI ticks from outside. The meter is drawn by the
// GUI tick alone, so a new meter value on screen means that a tick ran
// after the value was sent, that the input events which came before it
// have been handled, and that whatever the editor queued for the screen
// before it is there. wait(n) sees n such ticks one after another; ticks
// run more than 50 ms apart on the editor's clock.
class TickCounter {
public:
    TickCounter(XSession& x, PluginInstance& p, Window w) : x_(x), p_(p), w_(w) {}
    bool wait(int n)
    {
        for (int i = 0; i < n; ++i) {
            const int before = glow();
            lit_ = !lit_;
            p_.set_parameter(8, lit_ ? 1.0f : 0.0f);
            if (!wait_until([&] { return glow() != before; }))
                return false;
        }
        return true;
    }

private:
    // The meter's column (101, 16 + 240) from its top to its bottom, where
    // the window's size puts the panel (magnified by height / 510, centred).
    int glow()
    {
        int width = 0, height = 0, sum = 0, rgb[3];
        x_.geometry(w_, &width, &height);
        Panel panel;
        panel.scale = height / 510.0f;
        panel.x_offset = (width - static_cast<int>(144 * panel.scale + 0.5f)) / 2;
        for (int py = 200; py < 316; py += 8) {
            x_.pixel(w_, panel.x(101), panel.y(py), rgb);
            sum += rgb[0] + rgb[1] + rgb[2];
        }
        return sum;
    }

    XSession& x_;
    PluginInstance& p_;
    Window w_;
    bool lit_ = false;  // every open starts with an empty meter
};

class EditorX11 : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("QELM_UI_DPI", "96", 1);
        ASSERT_TRUE(x.ok()) << "no Xvfb";
        lib = std::make_unique<PluginLibrary>(VLT_PLUGIN_PATH);
        ASSERT_TRUE(lib->ok());
        plug = std::make_unique<PluginInstance>(*lib);
        ASSERT_TRUE(plug->ok());
    }
    void TearDown() override
    {
        plug.reset();
        lib.reset();
    }

    Window open_editor(PluginInstance& p, Window parent)
    {
        p.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
        Window child = 0;
        wait_until([&] {
            auto c = x.children(parent);
            child = c.empty() ? 0 : c.front();
            return child != 0;
        });
        return child;
    }
    // Opens the editor and waits until its first ticks have run.
    Window open_default()
    {
        parent = x.make_parent(0, 0, 1000, 1060);
        Window w = open_editor(*plug, parent);
        if (w) {
            ticks = std::make_unique<TickCounter>(x, *plug, w);
            EXPECT_TRUE(ticks->wait(2));
        }
        plug->clear_calls();
        return w;
    }
    // Waits until the editor made n calls, then two more ticks, so that a
    // call too many is there too; answers them all.
    Calls take(size_t n)
    {
        wait_until([&] { return editor_calls(*plug).size() >= n; });
        EXPECT_TRUE(ticks->wait(2));
        Calls c = editor_calls(*plug);
        plug->clear_calls();
        return c;
    }

    XSession x;
    std::unique_ptr<PluginLibrary> lib;
    std::unique_ptr<PluginInstance> plug;
    Window parent = 0;
    Panel panel;
    std::unique_ptr<TickCounter> ticks;  // of the editor open_default opened
};

// The host hears whether the editor's window came up: 1 with an X server,
// 0 without one (in a fresh process, which connects on its first open).
TEST_F(EditorX11, OpenAnswersWhetherTheWindowCameUp)
{
    parent = x.make_parent(0, 0, 1000, 1060);
    EXPECT_EQ(plug->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
    plug->dispatch(effEditClose);
    plug.reset();  // the child loads a library of its own
    lib.reset();

    const pid_t pid = fork();
    if (pid == 0) {
        unsetenv("DISPLAY");
        PluginLibrary lib(VLT_PLUGIN_PATH);
        PluginInstance p(lib);
        const intptr_t answer = p.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
        _exit(p.ok() && answer == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(EditorRect, SizeFollowsUiSizeAndDpi)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    struct Case {
        const char* dpi;
        float ui;
        int width, height;
    } const cases[] = {
        {"96", 0.0f, 468, 510},   {"96", 1.0f, 468, 1020}, {"192", 0.0f, 936, 1020},
        {"192", 1.0f, 936, 2040}, {"96", -5.0f, 468, 510},
    };
    for (const Case& c : cases) {
        // The display scale is measured once per loaded library: a fresh
        // process loads it for every case.
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("QELM_UI_DPI", c.dpi, 1);
            PluginLibrary lib(VLT_PLUGIN_PATH);
            PluginInstance p(lib);
            p.set_parameter(7, c.ui);
            int w = 0, h = 0;
            p.editor_rect(&w, &h);
            _exit(w == c.width && h == c.height ? 0 : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "dpi " << c.dpi << " ui " << c.ui;
    }
}

TEST_F(EditorX11, OpensOneChildOfTheRightSizeAndClass)
{
    const Window w = open_default();
    ASSERT_NE(w, 0u);
    EXPECT_EQ(x.children(parent).size(), 1u);
    int width, height;
    x.geometry(w, &width, &height);
    EXPECT_EQ(width, 468);
    EXPECT_EQ(height, 510);
    EXPECT_EQ(x.window_class(w), "hollowfx-ui");
    // Opening again while open changes nothing.
    plug->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
    EXPECT_EQ(x.children(parent).size(), 1u);
    // A UI size from the host is kept for the next open; the window stays,
    // also once the ticks after it have run.
    plug->set_parameter(7, 1.0f);
    ASSERT_TRUE(ticks->wait(2));
    x.geometry(w, &width, &height);
    EXPECT_EQ(height, 510);
    plug->dispatch(effEditClose);
    EXPECT_TRUE(wait_until([&] { return x.children(parent).empty(); }));
}

TEST_F(EditorX11, InvalidHostWindowOpensTopLevel)
{
    const Window root = DefaultRootWindow(x.display());
    auto editors = [&] {
        int n = 0;
        for (Window w : x.children(root))
            n += x.window_class(w) == "hollowfx-ui";
        return n;
    };
    plug->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(uintptr_t{0x7ffffff0}));
    EXPECT_TRUE(wait_until([&] { return editors() == 1; }));
    plug->dispatch(effEditClose);
    EXPECT_TRUE(wait_until([&] { return editors() == 0; }));
}

TEST_F(EditorX11, KnobDragWheelAndDoubleClick)
{
    ASSERT_NE(open_default(), 0u);
    // Makeup knob centre (101, 397): drag up 8 then 16 pixels.
    x.move(panel.x(101), panel.y(397));
    x.press(1);
    x.move(panel.x(101), panel.y(389));
    x.move(panel.x(101), panel.y(381));
    x.release(1);
    EXPECT_EQ(take(10), concat({"begin 5", "set 5 0.0202", "set 5 0.0556"}, kEndAll));

    // Attack knob (48, 231): one wheel notch up.
    x.move(panel.x(48), panel.y(231));
    x.click(4);
    EXPECT_EQ(take(10), concat({"begin 2", "set 2 0.0263", "end 2"}, kEndAll));

    // Double click on Makeup resets it to 0 as one gesture of its own
    // (after eight ticks, more than the double-click time of 0.3 s, so that
    // no earlier press pairs with the first click).
    x.move(panel.x(101), panel.y(397));
    ASSERT_TRUE(ticks->wait(8));
    x.click(1);
    x.click(1);
    EXPECT_EQ(take(18),
              concat(concat(concat({"begin 5"}, kEndAll), {"begin 5", "set 5 0.0000", "end 5"}), kEndAll));
    EXPECT_FLOAT_EQ(plug->get_parameter(5), 0.0f);
}

TEST_F(EditorX11, PresetButtonsStepThePrograms)
{
    ASSERT_NE(open_default(), 0u);
    // A second click soon after is a double click, which on these buttons
    // is a press as well.
    x.move(panel.x(124), panel.y(8));  // right preset button
    x.click(1);                        // shows the name, arms
    x.click(1);                        // steps
    EXPECT_TRUE(wait_until([&] { return plug->dispatch(effGetProgram) == 1; }));
    x.move(panel.x(90), panel.y(8));  // left, still armed
    x.click(1);
    EXPECT_TRUE(wait_until([&] { return plug->dispatch(effGetProgram) == 0; }));
    x.click(1);  // wraps to the last program
    EXPECT_TRUE(wait_until([&] { return plug->dispatch(effGetProgram) == 8; }));
}

TEST_F(EditorX11, ResizeCornerGrowsWindowAndTellsHost)
{
    const Window w = open_default();
    ASSERT_NE(w, 0u);
    x.move(460, 500);
    x.press(1);
    x.move(470, 500);
    x.move(480, 500);
    x.release(1);
    const Calls c = take(2);
    ASSERT_GE(c.size(), 2u);
    EXPECT_EQ(c[0], "set 7 0.0427");
    EXPECT_EQ(c[1], "size 468x532");
    int width = 0, height = 0;
    EXPECT_TRUE(wait_until([&] {
        x.geometry(w, &width, &height);
        return height == 532;
    }));
    EXPECT_EQ(width, 468);
}

TEST_F(EditorX11, ReopenShowsValuesSentWhileClosed)
{
    Window w = open_default();
    ASSERT_NE(w, 0u);
    // Threshold knob (48, 171) at 0: its pointer sits low on the left.
    plug->dispatch(effEditClose);
    ASSERT_TRUE(wait_until([&] { return x.children(parent).empty(); }));
    plug->set_parameter(1, 1.0f);
    plug->set_parameter(6, 0.0f);
    w = open_editor(*plug, parent);
    ASSERT_NE(w, 0u);
    ASSERT_TRUE(TickCounter(x, *plug, w).wait(2));  // the open's drawing is on screen
    // The switch now shows its Out frame: the lamp row is dim amber.
    int rgb[3];
    x.pixel(w, panel.x(72), panel.y(437), rgb);
    EXPECT_LT(rgb[0], 120) << rgb[0] << "," << rgb[1] << "," << rgb[2];
    plug->set_parameter(6, 1.0f);
    EXPECT_TRUE(wait_until([&] {
        x.pixel(w, panel.x(72), panel.y(437), rgb);
        return rgb[0] > 180;
    }));
}

TEST_F(EditorX11, BypassShowsGreyPanel)
{
    const Window w = open_default();
    ASSERT_NE(w, 0u);
    // The most colourful pixel of the banner's amber text.
    int px = -1, py = -1, best = 0, rgb[3];
    for (int y = 58; y < 74; y += 1)
        for (int xx = 20; xx < 80; xx += 1) {
            x.pixel(w, panel.x(xx), panel.y(y), rgb);
            if (rgb[0] - rgb[2] > best)
                best = rgb[0] - rgb[2], px = panel.x(xx), py = panel.y(y);
        }
    ASSERT_GT(best, 100);
    plug->dispatch(effSetBypass, 0, 1);
    EXPECT_TRUE(wait_until([&] {
        x.pixel(w, px, py, rgb);
        return rgb[0] == rgb[1] && rgb[1] == rgb[2];
    })) << rgb[0]
        << "," << rgb[1] << "," << rgb[2];
    plug->dispatch(effSetBypass, 0, 0);
    EXPECT_TRUE(wait_until([&] {
        x.pixel(w, px, py, rgb);
        return rgb[0] > rgb[2] + 100;
    }));
}

TEST_F(EditorX11, MeterFollowsGainReduction)
{
    const Window w = open_default();
    ASSERT_NE(w, 0u);
    plug->set_parameter(1, 1.0f);  // threshold -20 dB
    plug->set_parameter(4, 1.0f);  // ratio 20:1
    std::vector<float> l(512, 0.9f), r(512, 0.9f), o1(512), o2(512);
    float* in[2] = {l.data(), r.data()};
    float* out[2] = {o1.data(), o2.data()};
    // Brightness of eight rows in the lower part of the meter (101, 16 + 240 + 40).
    auto glow = [&] {
        int sum = 0, rgb[3];
        for (int dy = 0; dy < 8; ++dy) {
            x.pixel(w, panel.x(101), panel.y(290 + dy), rgb);
            sum += rgb[0] + rgb[1] + rgb[2];
        }
        return sum;
    };
    const int unlit = glow();
    int now = unlit;
    EXPECT_TRUE(wait_until([&] {
        plug->effect()->processReplacing(plug->effect(), in, out, 512);
        now = glow();
        return now > unlit + 8 * 60;
    })) << unlit
        << " -> " << now;
}

TEST_F(EditorX11, TwoInstancesOneParentDestroyed)
{
    PluginInstance second(*lib);
    ASSERT_TRUE(second.ok());
    const Window pa = x.make_parent(0, 0, 500, 520);
    const Window pb = x.make_parent(500, 0, 500, 520);
    ASSERT_NE(open_editor(*plug, pa), 0u);
    const Window wb = open_editor(second, pb);
    ASSERT_NE(wb, 0u);
    TickCounter b_ticks(x, second, wb);  // one GUI thread serves all three
    x.destroy(pa);                       // the host drops A's window first
    ASSERT_TRUE(b_ticks.wait(2));        // the editor has seen it go
    // A third editor may now reuse A's slot; closing A must not touch it.
    PluginInstance third(*lib);
    const Window pc = x.make_parent(0, 540, 500, 520);
    const Window wc = open_editor(third, pc);
    ASSERT_NE(wc, 0u);
    plug->dispatch(effEditClose);
    ASSERT_TRUE(b_ticks.wait(2));  // whatever the close sent is on the server
    EXPECT_TRUE(x.window_exists(wb));
    EXPECT_TRUE(x.window_exists(wc));
    // A can open again in a new parent.
    const Window pa2 = x.make_parent(0, 0, 500, 520);
    EXPECT_NE(open_editor(*plug, pa2), 0u);
    plug->dispatch(effEditClose);
    second.dispatch(effEditClose);
    third.dispatch(effEditClose);
    EXPECT_FALSE(x.window_exists(wb));
    EXPECT_FALSE(x.window_exists(wc));
}

TEST_F(EditorX11, FiftyLoadOpenCloseUnloadCycles)
{
    plug.reset();
    lib.reset();
    const Window p = x.make_parent(0, 0, 500, 520);
    for (int i = 0; i < 50; ++i) {
        PluginLibrary l(VLT_PLUGIN_PATH);
        ASSERT_TRUE(l.ok());
        {
            PluginInstance inst(l);
            ASSERT_TRUE(inst.ok());
            inst.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(p));
            inst.set_parameter(8, (i % 10) / 10.0f);
            inst.dispatch(effEditClose);
        }
    }
    EXPECT_TRUE(x.children(p).empty());
}

// A host that loads and unloads the library at once must not free the
// engine under a GUI thread that has not started yet, and the library must
// really go (so its unload path ran each time). A child process makes a
// crash a failed status.
TEST(EditorLibrary, LoadAndUnloadAtOnce)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    const pid_t pid = fork();
    if (pid == 0) {
        for (int i = 0; i < 300; ++i) {
            {
                PluginLibrary lib(VLT_PLUGIN_PATH);
                if (!lib.ok())
                    _exit(2);
                if (i % 2) {
                    PluginInstance p(lib);
                    p.set_parameter(8, 0.5f);
                }
            }
            if (void* still = dlopen(VLT_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD)) {
                dlclose(still);
                _exit(3);
            }
        }
        _exit(0);
    }
    int status = 0;
    if (!wait_until([&] { return waitpid(pid, &status, WNOHANG) == pid; }, std::chrono::seconds(60))) {
        kill(pid, SIGKILL);  // hung on a freed engine
        waitpid(pid, &status, 0);
    }
    EXPECT_TRUE(WIFEXITED(status)) << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
}

// Closing the editor, and deleting the plug-in, while the GUI thread is
// busy with drag, wheel and click input on the window: the close waits for
// the running input handler, and nothing is left behind.
TEST_F(EditorX11, CloseAndDeleteWhileInputRuns)
{
    parent = x.make_parent(0, 0, 1000, 1060);
    std::atomic<bool> stop{false};
    // Input from a connection of its own: Xlib connections are not shared
    // between threads here.
    std::thread mouse([&] {
        Display* d = XOpenDisplay(nullptr);
        if (!d)
            return;
        const int knob_x = panel.x(101), knob_y = panel.y(397);
        for (int i = 0; !stop; ++i) {
            XTestFakeMotionEvent(d, DefaultScreen(d), knob_x, knob_y + (i % 2 ? 0 : 12), 0);
            XTestFakeButtonEvent(d, i % 3 ? 1 : 4, True, 0);
            XTestFakeMotionEvent(d, DefaultScreen(d), knob_x, knob_y - 20, 0);
            XTestFakeButtonEvent(d, i % 3 ? 1 : 4, False, 0);
            XSync(d, False);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));  // the input's pace
        }
        XCloseDisplay(d);
    });
    // Each open waits until the editor is busy with the input.
    auto open_under_input = [&] {
        plug->clear_calls();
        plug->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
        EXPECT_TRUE(wait_until([&] { return !editor_calls(*plug).empty(); }));
    };
    for (int i = 0; i < 6; ++i) {
        open_under_input();
        plug->dispatch(effEditClose);
    }
    open_under_input();
    plug.reset();  // effClose with the editor open
    stop = true;
    mouse.join();
    EXPECT_TRUE(wait_until([&] { return x.children(parent).empty(); }));
}

}  // namespace
