#pragma once
// The host side of the callback: answers what a plug-in may ask and keeps
// a record of every call, in order.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <vector>

#include "vst2_interface.h"

namespace vst2host {

struct HostCall {
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
    bool has_ptr;
};

class HostLog {
public:
    // What the host reports about itself when asked.
    float sample_rate = 44100.0f;
    int32_t block_size = 512;
    // A host with an editor window answers the editor's size requests;
    // without one they are only recorded. Set it while no editor is open.
    std::function<bool(int32_t width, intptr_t height)> on_size_window;

    std::vector<HostCall> calls() const;
    std::size_t count(int32_t opcode) const;
    void clear();
    void print(std::FILE* out) const;
    // One call as print writes it.
    static void print_call(std::FILE* out, const HostCall& c);

    // The callback handed to the plug-in; it reaches the log that is
    // current when it runs (one plug-in per process).
    static intptr_t VST_CALL callback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                      void* ptr, float opt);
    static void make_current(HostLog* log);

private:
    intptr_t answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);

    mutable std::mutex mutex_;
    std::vector<HostCall> calls_;
};

const char* host_opcode_name(int32_t opcode);

}  // namespace vst2host
