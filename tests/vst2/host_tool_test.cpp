// The host tool against the built library, each run in its own process.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "CNFq.h"
#include "command_run.h"
#include "apply_control.h"
#include "audio_buffer.h"
#include "denormal_guard.h"
#include "finite_input.h"

namespace {

// shell_setup runs first in the same shell (limits, signal dispositions);
// the output holds stdout and stderr together.
CommandRun run_tool(const std::string& args, const std::string& shell_setup = "")
{
    return run_command(shell_setup + "'" + VST2HOST_EXE + "' " + args + " 2>&1");
}

std::string plugin() { return std::string("'") + VLT650_SO + "'"; }

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vst2host-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : "";
    }
    ~TempDir()
    {
        if (!path_.empty())
            std::filesystem::remove_all(path_);
    }
    std::string file(const char* name) const { return path_ + "/" + name; }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    std::string path_;
};

double rms(const std::vector<float>& x, std::size_t from, std::size_t to)
{
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(x[i]) * x[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

void write_float_wav(const std::string& path, sf_count_t frames)
{
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    std::vector<float> samples(static_cast<std::size_t>(frames) * 2, 0.25f);
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    sf_writef_float(f, samples.data(), frames);
    sf_close(f);
}

std::size_t count_of(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(HostTool, InfoListsIdentityParametersAndPrograms)
{
    const CommandRun r = run_tool("info " + plugin());
    ASSERT_EQ(r.status, 0) << r.output;
    for (const char* line :
         {"name: VLT650\n", "vendor: Brindle DSP\n", "product: VLT650 Console Dynamics\n",
          "vendor version: 2310\n", "vst version: 2400\n", "unique id: 1986803253 'vl65'\n", "inputs: 2\n",
          "outputs: 2\n", "has editor: 1\n", "parameters: 8\n",
          "  4 Ratio      0.000000  1.00:1  automatable 1\n",
          "  3 Release    0.000000  100.00 ms  automatable 1\n",
          "  6 Effect     1.000000  In   automatable 1\n", "programs: 9 (current 0)\n",
          "   4 05 Light Vocal\n", "   8 09 Light Acoustic\n"})
        EXPECT_NE(r.output.find(line), std::string::npos) << "missing: " << line << r.output;
}

TEST(HostTool, RendersTheTestSignalThroughAProgram)
{
    TempDir dir;
    const std::string out = dir.file("heavy.wav");
    const CommandRun r =
        run_tool("render " + plugin() + " --signal 1 --program 5 --calls --out '" + out + "'");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(count_of(r.output, "audioMasterAutomate"), 7u) << r.output;
    EXPECT_NE(r.output.find("rendered: 44100 frames, 2 channels, 44100 Hz"), std::string::npos);

    vst2host::AudioBuffer rendered;
    std::string error;
    ASSERT_TRUE(vst2host::read_audio(out, rendered, error)) << error;
    ASSERT_EQ(rendered.frames(), 44100);
    const vst2host::AudioBuffer dry = vst2host::make_test_signal(44100, 1.0);
    // Heavy Vocal pulls the loud middle part down, net of its makeup.
    const double dry_loud = rms(dry.left, 22050, 33075);
    const double wet_loud = rms(rendered.left, 22050, 33075);
    EXPECT_LT(wet_loud, 0.8 * dry_loud);
    EXPECT_NE(r.output.find("meter peak: 0."), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("meter peak: 0.0000"), std::string::npos) << r.output;
}

TEST(HostTool, RendersAFileWithNamedValuesKeepingItsFormat)
{
    TempDir dir;
    const std::string in = dir.file("in.wav");
    const std::string out = dir.file("out.wav");
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::vector<float> samples(9600);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5f * std::sin(0.03f * static_cast<float>(i));
    SNDFILE* f = sf_open(in.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    sf_writef_float(f, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(f);

    // Switched out, the compressor fades to the dry signal within 20 ms.
    const CommandRun r = run_tool("render " + plugin() + " --in '" + in + "' --out '" + out +
                                  "' --param effect=0 --param 4=1 --block 100");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("rendered: 9600 frames, 1 channels, 48000 Hz, 96 blocks"), std::string::npos)
        << r.output;

    SF_INFO got{};
    SNDFILE* g = sf_open(out.c_str(), SFM_READ, &got);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(got.channels, 1);
    EXPECT_EQ(got.samplerate, 48000);
    EXPECT_EQ(got.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    std::vector<short> wet(9600), dry(9600);
    sf_readf_short(g, wet.data(), 9600);
    sf_close(g);
    SNDFILE* d = sf_open(in.c_str(), SFM_READ, &info);
    sf_readf_short(d, dry.data(), 9600);
    sf_close(d);
    for (std::size_t i = 2400; i < dry.size(); ++i)
        ASSERT_EQ(wet[i], dry[i]) << i;
}

TEST(HostTool, FailuresAreReportedWithTheirReason)
{
    TempDir dir;
    const std::string out = " --out '" + dir.file("x.wav") + "'";
    struct Case {
        std::string args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"info /no/such/library.so", 1, "No such file"},
        {"info '" + std::string(VST2HOST_EXE) + "'", 1, "vst2host"},
        {"render " + plugin() + " --signal --param Loudness=1" + out, 1, "no parameter Loudness"},
        {"render " + plugin() + " --signal --param 8=1" + out, 1, "no parameter 8"},
        {"render " + plugin() + " --signal", 1, "render needs --out"},
        {"render " + plugin() + " --in /no/such.wav" + out, 1, "/no/such.wav"},
        {"render " + plugin() + " --signal --block 0" + out, 2, "--block"},
        {"render " + plugin() + " --signal --param Thresh=nan" + out, 2,
         "Thresh=nan: values are host values in the range 0..1"},
        {"render " + plugin() + " --signal --param 1=1.5" + out, 2, "range 0..1"},
        {"render " + plugin() + " --signal --param Ratio=-0.1" + out, 2, "range 0..1"},
        {"render " + plugin() + " --signal --program 99" + out, 1,
         "--program 99: this plug-in has programs 0..8"},
        {"render " + plugin() + " --signal --program -1" + out, 1, "programs 0..8"},
        {"render " + plugin() + " --signal --program 2.5" + out, 2, "--program needs a program number"},
        {"info " + plugin() + " --volume 11", 2, "unknown option --volume"},
        {"play " + plugin(), 2, "unknown command play"},
        {"", 2, "usage:"},
    };
    for (const Case& c : cases) {
        const CommandRun r = run_tool(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
    }
}

// A render that cannot be written whole (here the file size limit, with
// its signal ignored so the write fails with EFBIG) keeps the file that was
// there and leaves nothing of its own behind.
TEST(HostTool, AFailedWriteKeepsThePreviousFile)
{
    TempDir dir;
    const std::string out = dir.file("take.wav");
    ASSERT_EQ(run_tool("render " + plugin() + " --signal 0.1 --out '" + out + "'").status, 0);
    const auto size_before = std::filesystem::file_size(out);
    const std::string before = std::to_string(size_before);

    const CommandRun r =
        run_tool("render " + plugin() + " --signal 2 --out '" + out + "'", "ulimit -f 64; trap '' XFSZ; ");
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find(out), std::string::npos) << r.output;
    EXPECT_EQ(std::filesystem::file_size(out), size_before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"take.wav"});

    // Written whole, the new take replaces the old one.
    ASSERT_EQ(run_tool("render " + plugin() + " --signal 0.2 --out '" + out + "'").status, 0);
    EXPECT_GT(std::filesystem::file_size(out), size_before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"take.wav"});
}

TEST(HostTool, ATruncatedInputIsRefused)
{
    TempDir dir;
    const std::string in = dir.file("cut.wav");
    write_float_wav(in, 9600);
    // Half the samples gone, the header still promising all of them.
    std::filesystem::resize_file(in, std::filesystem::file_size(in) - 9600 * 4);
    const CommandRun r =
        run_tool("render " + plugin() + " --in '" + in + "' --out '" + dir.file("out.wav") + "'");
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find("truncated: its header promises 9600 frames, the file holds 4800"),
              std::string::npos)
        << r.output;
    EXPECT_EQ(dir.names(), std::vector<std::string>{"cut.wav"});
}

TEST(HostTool, AnEmptyInputSaysNoAudioWasProcessed)
{
    TempDir dir;
    const std::string in = dir.file("empty.wav");
    write_float_wav(in, 0);
    const CommandRun r =
        run_tool("render " + plugin() + " --in '" + in + "' --out '" + dir.file("out.wav") + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("rendered: 0 frames"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("meter: none, no audio was processed"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("not reported"), std::string::npos) << r.output;
}

// The compressor's frame path set up as the plug-in sets it up (its start-up
// values, then the host's rate, which snaps the smoothing, then the host's
// values) and fed as the plug-in feeds it: 64-frame host blocks, the
// floating-point guard, non-finite samples as 0.
void frame_path(const vst2host::AudioBuffer& in, const std::vector<std::pair<int, float>>& host_values,
                std::vector<float>& outL, std::vector<float>& outR)
{
    CNFq d;
    d.nq_srate(44100);
    d.nq_init();
    d.nqs_max_gr(40.0f);
    d.nqs_attack(0.1f);
    d.nqs_decay(100.0f);
    d.nqs_ratio(1.0f);
    d.nq_srate(in.rate);
    d.nq_init();
    for (const auto& [index, value] : host_values)
        vlt::params::apply<vlt::params::Vst2Precision>(d, index, value);
    const vlt::DenormalGuard guard;
    const long frames = in.frames();
    outL.resize(static_cast<std::size_t>(frames));
    outR.resize(static_cast<std::size_t>(frames));
    for (long pos = 0; pos < frames; pos += 64) {
        const long n = std::min<long>(64, frames - pos);
        d.nq_recalc(static_cast<int>(n));
        float gain = 0.0f;
        for (long i = pos; i < pos + n; ++i)
            d.nq_prc(vlt::finite_or_zero(in.left[i]), vlt::finite_or_zero(in.right[i]), &outL[i], &outR[i],
                     &gain);
    }
}

long first_difference(const std::vector<float>& a, const std::vector<float>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0)
            return static_cast<long>(i);
    return a.size() == b.size() ? -1 : static_cast<long>(std::min(a.size(), b.size()));
}

// Threshold -20 dB, ratio 20:1, the fastest attack: a second at half scale
// (whole 64-frame blocks), then one block of ten frames at 0x1.8p+104, the
// left channel at FLT_MAX, half scale again. At these rates the attack's
// coefficient is 1 and the detector's step to FLT_MAX rounds up to +Inf;
// the frame path restarts the detector from silence there, so the right
// channel of that frame comes out unreduced, and the built plug-in must
// give the frame path's output throughout.
TEST(HostTool, AnOverflowingSpikeAtLowRatesComesOutAsTheFramePathGivesIt)
{
    for (int rate : {1000, 4000, 8000}) {
        SCOPED_TRACE(std::to_string(rate) + " Hz");
        TempDir dir;
        const std::string in = dir.file("in.wav"), out = dir.file("out.wav");
        const std::size_t lead = (static_cast<std::size_t>(rate) + 63) / 64 * 64, spike = lead + 10;
        vst2host::AudioBuffer dry;
        dry.rate = rate;
        dry.left.assign(lead + 64, 0.5f);
        dry.right.assign(lead + 64, 0.5f);
        for (std::size_t i = lead; i < spike; ++i)
            dry.left[i] = dry.right[i] = 0x1.8p+104f;
        dry.left[spike] = std::numeric_limits<float>::max();
        std::string error;
        ASSERT_TRUE(vst2host::write_wav(in, dry, error)) << error;

        const CommandRun r = run_tool("render " + plugin() + " --in '" + in + "' --out '" + out +
                                      "' --param 1=1 --param 4=1 --block 64");
        ASSERT_EQ(r.status, 0) << r.output;
        vst2host::AudioBuffer wet;
        ASSERT_TRUE(vst2host::read_audio(out, wet, error)) << error;
        std::vector<float> refL, refR;
        frame_path(dry, {{1, 1.0f}, {4, 1.0f}}, refL, refR);
        EXPECT_EQ(wet.right[spike], 0.489583343f);
        EXPECT_EQ(first_difference(wet.left, refL), -1);
        EXPECT_EQ(first_difference(wet.right, refR), -1);
    }
}

}  // namespace
