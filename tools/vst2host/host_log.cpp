#include "host_log.h"

#include <atomic>
#include <cstring>

namespace vst2host {

namespace {

std::atomic<HostLog*> g_current{nullptr};

void write_text(void* ptr, const char* text)
{
    // Host strings are at most 64 bytes with the terminator.
    std::snprintf(static_cast<char*>(ptr), 64, "%s", text);
}

}  // namespace

const char* host_opcode_name(int32_t opcode)
{
    switch (opcode) {
    case audioMasterAutomate: return "audioMasterAutomate";
    case audioMasterVersion: return "audioMasterVersion";
    case audioMasterCurrentId: return "audioMasterCurrentId";
    case audioMasterIdle: return "audioMasterIdle";
    case audioMasterWantMidi: return "audioMasterWantMidi";
    case audioMasterGetTime: return "audioMasterGetTime";
    case audioMasterProcessEvents: return "audioMasterProcessEvents";
    case audioMasterIOChanged: return "audioMasterIOChanged";
    case audioMasterSizeWindow: return "audioMasterSizeWindow";
    case audioMasterGetSampleRate: return "audioMasterGetSampleRate";
    case audioMasterGetBlockSize: return "audioMasterGetBlockSize";
    case audioMasterGetCurrentProcessLevel: return "audioMasterGetCurrentProcessLevel";
    case audioMasterGetAutomationState: return "audioMasterGetAutomationState";
    case audioMasterGetVendorString: return "audioMasterGetVendorString";
    case audioMasterGetProductString: return "audioMasterGetProductString";
    case audioMasterGetVendorVersion: return "audioMasterGetVendorVersion";
    case audioMasterCanDo: return "audioMasterCanDo";
    case audioMasterUpdateDisplay: return "audioMasterUpdateDisplay";
    case audioMasterBeginEdit: return "audioMasterBeginEdit";
    case audioMasterEndEdit: return "audioMasterEndEdit";
    default: return "other";
    }
}

void HostLog::make_current(HostLog* log) { g_current = log; }

intptr_t VST_CALL HostLog::callback(AEffect*, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                    float opt)
{
    HostLog* log = g_current;
    return log ? log->answer(opcode, index, value, ptr, opt) : 0;
}

intptr_t HostLog::answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back({opcode, index, value, opt, ptr != nullptr});
    }
    switch (opcode) {
    case audioMasterVersion: return kVstVersion;
    case audioMasterGetSampleRate: return static_cast<intptr_t>(sample_rate);
    case audioMasterGetBlockSize: return block_size;
    case audioMasterGetVendorString:
        if (ptr)
            write_text(ptr, "VLT650 tools");
        return ptr ? 1 : 0;
    case audioMasterGetProductString:
        if (ptr)
            write_text(ptr, "vst2host");
        return ptr ? 1 : 0;
    case audioMasterGetVendorVersion: return 1;
    case audioMasterSizeWindow: return on_size_window && on_size_window(index, value) ? 1 : 0;
    default: return 0;  // automation and edits are only recorded
    }
}

std::vector<HostCall> HostLog::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

std::size_t HostLog::count(int32_t opcode) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::size_t n = 0;
    for (const HostCall& c : calls_)
        n += c.opcode == opcode ? 1 : 0;
    return n;
}

void HostLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

void HostLog::print(std::FILE* out) const
{
    const std::vector<HostCall> all = calls();
    std::fprintf(out, "host calls: %zu\n", all.size());
    for (const HostCall& c : all)
        print_call(out, c);
}

void HostLog::print_call(std::FILE* out, const HostCall& c)
{
    std::fprintf(out, "  %-34s opcode %2d index %3d value %lld opt %g%s\n", host_opcode_name(c.opcode),
                 c.opcode, c.index, static_cast<long long>(c.value), static_cast<double>(c.opt),
                 c.has_ptr ? " ptr" : "");
}

}  // namespace vst2host
