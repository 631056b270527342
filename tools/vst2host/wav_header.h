#pragma once
// What a RIFF WAV header promises, read from the file itself: libsndfile
// quietly shortens a truncated file to what is there, and a render of half
// a take looks like a finished one.
#include <cstdint>
#include <optional>
#include <string>

namespace vst2host {

struct WavPromise {
    int64_t frames;  // the data chunk's size over the frame size
    int64_t held;    // whole frames the file really holds after the header
};

// Nothing for files that are not plain RIFF WAV (or cannot be read).
std::optional<WavPromise> read_wav_promise(const std::string& path);

}  // namespace vst2host
