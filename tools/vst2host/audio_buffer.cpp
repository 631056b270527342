#include "audio_buffer.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "pending_file.h"
#include "wav_header.h"

namespace vst2host {

namespace {

struct SndFile {
    SNDFILE* file = nullptr;
    ~SndFile()
    {
        if (file)
            sf_close(file);
    }
};

// Integer formats go through libsndfile's 32-bit integer calls, scaled
// here the same way in both directions, so that an untouched sample comes
// back bit for bit (its own float conversion is not symmetric).
int pcm_bits(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8: return 8;
    case SF_FORMAT_PCM_16: return 16;
    case SF_FORMAT_PCM_24: return 24;
    case SF_FORMAT_PCM_32: return 32;
    default: return 0;
    }
}

constexpr double kInt32Scale = 2147483648.0;

int32_t to_pcm(float x, int bits)
{
    const double full = std::ldexp(1.0, bits - 1);
    const double q = std::clamp(std::nearbyint(static_cast<double>(x) * full), -full, full - 1.0);
    return static_cast<int32_t>(static_cast<int64_t>(q) * (int64_t{1} << (32 - bits)));
}

std::vector<float> read_interleaved(SNDFILE* file, const SF_INFO& info, sf_count_t& got)
{
    const std::size_t count = static_cast<std::size_t>(info.frames) * info.channels;
    std::vector<float> samples(count);
    if (pcm_bits(info.format) == 0) {
        got = sf_readf_float(file, samples.data(), info.frames);
        return samples;
    }
    std::vector<int32_t> ints(count);
    got = sf_readf_int(file, ints.data(), info.frames);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<float>(ints[i] / kInt32Scale);
    return samples;
}

sf_count_t write_interleaved(SNDFILE* file, int format, const std::vector<float>& samples, sf_count_t frames)
{
    const int bits = pcm_bits(format);
    if (bits == 0)
        return sf_writef_float(file, samples.data(), frames);
    std::vector<int32_t> ints(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        ints[i] = to_pcm(samples[i], bits);
    return sf_writef_int(file, ints.data(), frames);
}

}  // namespace

bool read_audio(const std::string& path, AudioBuffer& out, std::string& error)
{
    SF_INFO info{};
    SndFile f{sf_open(path.c_str(), SFM_READ, &info)};
    if (!f.file) {
        error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.channels > 2) {
        error = path + ": only mono and stereo files can be rendered";
        return false;
    }
    sf_count_t got = 0;
    const std::vector<float> interleaved = read_interleaved(f.file, info, got);
    // A short file is refused rather than rendered as if it were the whole take.
    const std::optional<WavPromise> promise = read_wav_promise(path);
    const sf_count_t promised = promise ? std::max<sf_count_t>(promise->frames, info.frames) : info.frames;
    if (got < promised) {
        error = path + ": truncated: its header promises " + std::to_string(promised) +
                " frames, the file holds " + std::to_string(got);
        return false;
    }
    out.rate = info.samplerate;
    out.channels = info.channels;
    out.file_format = info.format;
    out.left.assign(static_cast<std::size_t>(got), 0.0f);
    out.right.assign(static_cast<std::size_t>(got), 0.0f);
    for (sf_count_t i = 0; i < got; ++i) {
        out.left[i] = interleaved[i * info.channels];
        out.right[i] = interleaved[i * info.channels + info.channels - 1];
    }
    return true;
}

bool write_wav(const std::string& path, const AudioBuffer& audio, std::string& error)
{
    SF_INFO info{};
    info.samplerate = audio.rate;
    info.channels = audio.channels;
    info.format = SF_FORMAT_WAV | (audio.file_format & SF_FORMAT_SUBMASK);
    if (audio.file_format == 0 || !sf_format_check(&info))
        info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    PendingFile pending(path);
    if (pending.fd() < 0) {
        error = pending.error();
        return false;
    }
    SndFile f{sf_open_fd(pending.fd(), SFM_WRITE, &info, SF_FALSE)};
    if (!f.file) {
        error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    std::vector<float> interleaved;
    interleaved.reserve(audio.left.size() * audio.channels);
    for (std::size_t i = 0; i < audio.left.size(); ++i) {
        interleaved.push_back(audio.left[i]);
        if (audio.channels == 2)
            interleaved.push_back(audio.right[i]);
    }
    const sf_count_t frames = static_cast<sf_count_t>(audio.left.size());
    if (write_interleaved(f.file, info.format, interleaved, frames) != frames) {
        error = path + ": " + sf_strerror(f.file);
        return false;
    }
    // Closing writes the final header sizes; only a complete file replaces the target.
    const int closed = sf_close(f.file);
    f.file = nullptr;
    if (closed != 0) {
        error = path + ": " + sf_error_number(closed);
        return false;
    }
    if (!pending.commit()) {
        error = pending.error();
        return false;
    }
    return true;
}

AudioBuffer make_test_signal(int rate, double seconds)
{
    AudioBuffer audio;
    audio.rate = rate;
    audio.channels = 2;
    const long frames = std::lround(seconds * rate);
    audio.left.resize(static_cast<std::size_t>(frames));
    const double quiet = std::pow(10.0, -30.0 / 20.0);
    const double loud = std::pow(10.0, -6.0 / 20.0);
    for (long i = 0; i < frames; ++i) {
        const bool in_loud_part = i >= frames / 4 && i < frames - frames / 4;
        const double level = in_loud_part ? loud : quiet;
        audio.left[i] = static_cast<float>(level * std::sin(2.0 * M_PI * 1000.0 * i / rate));
    }
    audio.right = audio.left;
    return audio;
}

}  // namespace vst2host
