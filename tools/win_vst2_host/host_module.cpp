#include "host_module.h"

#include <cstdio>

HostCalls g_calls;

namespace {

std::vector<std::string> g_lines;

void record(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    char line[128];
    std::snprintf(line, sizeof line, "  opcode %2d index %3d value %lld opt %g%s", static_cast<int>(opcode),
                  static_cast<int>(index), static_cast<long long>(value), static_cast<double>(opt),
                  ptr ? " ptr" : "");
    g_lines.push_back(line);
}

intptr_t VST_CALL host_callback(AEffect*, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    record(opcode, index, value, ptr, opt);
    switch (opcode) {
    case audioMasterVersion: return 2400;
    case audioMasterAutomate:
    case audioMasterBeginEdit:
    case audioMasterEndEdit: {
        if (index < 0 || index >= HostCalls::kParams)
            return 0;
        int* counts = opcode == audioMasterAutomate    ? g_calls.automate
                      : opcode == audioMasterBeginEdit ? g_calls.begin_edit
                                                       : g_calls.end_edit;
        ++counts[index];
        return 1;
    }
    case audioMasterSizeWindow:
        ++g_calls.size_window;
        g_calls.last_width = index;
        g_calls.last_height = static_cast<int>(value);
        return 1;
    default: return 0;
    }
}

}  // namespace

std::vector<std::string> take_call_lines()
{
    std::vector<std::string> out;
    out.swap(g_lines);
    return out;
}

HostModule::HostModule(const char* path) : module_(LoadLibraryA(path))
{
    if (module_)
        effect_entry_ = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(
            reinterpret_cast<void*>(GetProcAddress(module_, "VSTPluginMain")));
}

HostModule::~HostModule() { unload(); }

AEffect* HostModule::new_instance()
{
    AEffect* e = effect_entry_ ? effect_entry_(host_callback) : nullptr;
    if (e) {
        dispatch(e, effOpen);
        instances_.push_back(e);
    }
    return e;
}

void HostModule::unload()
{
    for (AEffect* e : instances_) {
        dispatch(e, effEditClose);
        dispatch(e, effClose);
    }
    instances_.clear();
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
    effect_entry_ = nullptr;
}

intptr_t dispatch(AEffect* e, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return e->dispatcher(e, opcode, index, value, ptr, opt);
}

HWND make_frame(int width, int height)
{
    static const HostFrameStyle kStyle{"vlt-test-host-frame", "test host", 10, 10, 0, false, 0};
    return make_host_frame(kStyle, width, height);
}
