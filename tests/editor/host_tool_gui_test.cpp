// The host tool's --gui mode on a private X server: the editor opens in the
// tool's own top-level window, a resize drag on the editor resizes that
// window through the host's size request, and closing the window ends the
// tool after it wrote its screenshot.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <gtest/gtest.h>

// Xlib's macros after the test framework's headers.
#include "x_session.h"

namespace {

class HostTool {
public:
    explicit HostTool(const std::string& screenshot)
    {
        pid_ = fork();
        if (pid_ == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            execl(VST2HOST_EXE, VST2HOST_EXE, "--gui", VLT_PLUGIN_PATH, "--seconds", "30", "--program", "5",
                  "--screenshot", screenshot.c_str(), nullptr);
            _exit(127);
        }
    }
    ~HostTool()
    {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    // The exit status once the tool ended within the time, else -1.
    int wait_exit()
    {
        int status = 0;
        const bool done =
            wait_until([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, std::chrono::seconds(10));
        exited_ = done;
        return done && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

Window find_by_class(XSession& x, Window parent, const char* cls)
{
    for (Window w : x.children(parent))
        if (x.window_class(w) == cls)
            return w;
    return 0;
}

void send_close(Display* d, Window w)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &ev);
    XSync(d, False);
}

// Width and height from a PNG file's header; 0 x 0 when it is not one.
void png_size(const std::string& path, int* width, int* height)
{
    *width = *height = 0;
    unsigned char h[24] = {};
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        if (std::fread(h, 1, sizeof h, f) == sizeof h && h[1] == 'P' && h[2] == 'N') {
            *width = h[16] << 24 | h[17] << 16 | h[18] << 8 | h[19];
            *height = h[20] << 24 | h[21] << 16 | h[22] << 8 | h[23];
        }
        std::fclose(f);
    }
}

TEST(HostToolGui, EditorInOwnWindowFollowsResizeAndClosesWithIt)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    setenv("QELM_UI_DPI", "96", 1);
    const std::string shot = testing::TempDir() + "vst2host_gui_shot.png";
    std::remove(shot.c_str());
    HostTool tool(shot);

    const Window root = DefaultRootWindow(x.display());
    Window top = 0, editor = 0;
    ASSERT_TRUE(wait_until(
        [&] {
            top = find_by_class(x, root, "vst2host");
            editor = top ? find_by_class(x, top, "hollowfx-ui") : 0;
            return editor != 0;
        },
        std::chrono::seconds(10)));
    int w = 0, h = 0;
    x.geometry(top, &w, &h);
    EXPECT_EQ(w, 468);
    EXPECT_EQ(h, 510);

    // Two 10-pixel steps from the resize corner: UI size 0.0427, 532 high.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    x.move(460, 500);
    x.press(1);
    x.move(470, 500);
    x.move(480, 500);
    x.release(1);
    EXPECT_TRUE(wait_until([&] {
        x.geometry(top, &w, &h);
        return h == 532;
    })) << w
        << " x " << h;

    send_close(x.display(), top);
    EXPECT_EQ(tool.wait_exit(), 0);
    int pw = 0, ph = 0;
    png_size(shot, &pw, &ph);
    EXPECT_EQ(pw, 468);
    EXPECT_EQ(ph, 532);
    std::remove(shot.c_str());
}

}  // namespace
