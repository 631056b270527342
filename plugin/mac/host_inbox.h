#pragma once
// What host threads hand the VST2 view between two of its ticks: the latest
// of each value and a mark for each that changed. Any thread stores; the
// main thread takes the marks on the tick and reads the values after.
#include <atomic>

#include "vst2_param_ids.h"

namespace vlt::mac {

class HostInbox {
public:
    // By VST2 index: every parameter the host sees (the meter is polled).
    static constexpr int kValues = params::vst2::kHostVisible;
    static constexpr unsigned kHostEnable = 1u << kValues;
    static constexpr unsigned kProgram = 1u << (kValues + 1);

    void store_value(int index, float value)
    {
        if (index < 0 || index >= kValues)
            return;
        values_[index].store(value);
        changed_.fetch_or(1u << index);
    }
    void store_host_enable(float enable)
    {
        host_enable_.store(enable);
        changed_.fetch_or(kHostEnable);
    }
    void mark_program() { changed_.fetch_or(kProgram); }

    // Main thread: what changed since the last call. A value stored after
    // this is marked again for the next call.
    unsigned take() { return changed_.exchange(0); }
    float value(int index) const { return values_[index].load(); }
    float host_enable() const { return host_enable_.load(); }

private:
    std::atomic<float> values_[kValues] = {};
    std::atomic<float> host_enable_{1.0f};
    std::atomic<unsigned> changed_{0};
};

}  // namespace vlt::mac
