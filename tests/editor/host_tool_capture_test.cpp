// The host tool's capture verb on a private X server: the editor's GUI
// thread is stepped, so two runs of one script write the same pictures and
// the same host calls byte for byte, and each step changes what it should.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "command_run.h"
// Xlib's macros after the test framework's headers.
#include "x_session.h"

namespace {

CommandRun capture(const std::string& dir, const std::string& steps)
{
    return run_command(std::string("'") + VST2HOST_EXE + "' capture '" + VLT_PLUGIN_PATH + "' '" + dir +
                       "' " + steps);
}

std::string bytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class Folder {
public:
    explicit Folder(const std::string& name) : path_(testing::TempDir() + name)
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }
    std::string picture(const char* name) const { return bytes(path_ + "/" + name + ".png"); }

private:
    std::string path_;
};

// Opened, a knob dragged, the banner's 2.5 s passed in ticks, the meter.
const char kScript[] = "new open ticks=2 shot=opened drag=48,171,0,-60,3 ticks=2 shot=dragged ticks=60 "
                       "shot=version meter=1 ticks=2 shot=meter";

TEST(HostToolCapture, TwoRunsGiveTheSamePicturesAndCalls)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    setenv("QELM_UI_DPI", "96", 1);
    Folder a("capture_a"), b("capture_b");
    const CommandRun first = capture(a.path(), kScript);
    const CommandRun second = capture(b.path(), kScript);
    ASSERT_EQ(first.status, 0) << first.output;
    ASSERT_EQ(second.status, 0) << second.output;
    EXPECT_EQ(first.output, second.output);
    for (const char* name : {"opened", "dragged", "version", "meter"}) {
        EXPECT_FALSE(a.picture(name).empty()) << name;
        EXPECT_EQ(a.picture(name), b.picture(name)) << name;
    }
    // Each step shows: the drag (knob and banner), the ticks (the banner's
    // version text), the meter.
    EXPECT_NE(a.picture("opened"), a.picture("dragged"));
    EXPECT_NE(a.picture("dragged"), a.picture("version"));
    EXPECT_NE(a.picture("version"), a.picture("meter"));
    // The drag as the host heard it, after its picture's marker.
    const std::string drag = first.output.substr(first.output.find("== dragged"));
    EXPECT_NE(drag.find("audioMasterBeginEdit               opcode 43 index   1"), std::string::npos) << drag;
}

// Fewer ticks than the banner's 2.5 s leave the value's text; the count,
// not the time a run takes, decides.
TEST(HostToolCapture, TicksAreCountedNotTimed)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    setenv("QELM_UI_DPI", "96", 1);
    Folder f("capture_ticks");
    const CommandRun r = capture(
        f.path(), "new open drag=48,171,0,-60,3 ticks=2 shot=held ticks=40 shot=still ticks=20 shot=version");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(f.picture("held"), f.picture("still"));
    EXPECT_NE(f.picture("still"), f.picture("version"));
}

TEST(HostToolCapture, RefusesAWordThatIsNoStep)
{
    Folder f("capture_bad");
    EXPECT_EQ(capture(f.path(), "new open shake=1 2>/dev/null").status, 2);
    EXPECT_EQ(capture(f.path(), "new open drag=1,2 2>/dev/null").status, 2);
    EXPECT_EQ(capture(f.path(), "new shot=../up 2>/dev/null").status, 2);
}

}  // namespace
