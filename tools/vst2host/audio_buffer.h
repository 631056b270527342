#pragma once
// Audio in and out of the host: WAV files through libsndfile, and a
// built-in test signal.
#include <string>
#include <vector>

namespace vst2host {

struct AudioBuffer {
    int rate = 44100;
    int channels = 2;         // 1 or 2
    int file_format = 0;      // libsndfile format of the source, 0 for none
    std::vector<float> left;  // one vector per channel, equal lengths
    std::vector<float> right;

    long frames() const { return static_cast<long>(left.size()); }
};

// Reads a mono or stereo file; false with the reason in error.
bool read_audio(const std::string& path, AudioBuffer& out, std::string& error);

// Writes a WAV file in the source's sample format (32-bit float when
// the buffer did not come from a file).
bool write_wav(const std::string& path, const AudioBuffer& audio, std::string& error);

// A stereo 1 kHz tone: a quarter of the time at -30 dBFS, half at -6 dBFS,
// the last quarter at -30 dBFS again, so attack and release both show.
AudioBuffer make_test_signal(int rate, double seconds);

}  // namespace vst2host
