#include "plugin_instance.h"

#include <dlfcn.h>
#include <strings.h>

#include <cmath>

namespace vst2host {

namespace {

// Hosts provide more than the plug-in should ever write.
constexpr std::size_t kTextBuffer = 256;

}  // namespace

PluginInstance::~PluginInstance() { close(); }

bool PluginInstance::load(const std::string& path, HostLog& log, std::string& error)
{
    close();
    library_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library_) {
        const char* why = dlerror();
        error = why ? why : "cannot load " + path;
        return false;
    }
    auto entry = reinterpret_cast<EntryProc>(dlsym(library_, "VSTPluginMain"));
    if (!entry)
        entry = reinterpret_cast<EntryProc>(dlsym(library_, "main"));
    return start(entry, path, log, error);
}

bool PluginInstance::start(EntryProc entry, const std::string& name, HostLog& log, std::string& error)
{
    if (!entry) {
        error = name + " has no VST2 entry (VSTPluginMain or main)";
        close();
        return false;
    }
    HostLog::make_current(&log);
    effect_ = entry(HostLog::callback);
    if (!effect_ || effect_->magic != vst2::kEffectMagic) {
        error = name + ": the entry answered no VST2 plug-in";
        effect_ = nullptr;
        close();
        return false;
    }
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, log.sample_rate);
    dispatch(effSetBlockSize, 0, log.block_size);
    return true;
}

void PluginInstance::close()
{
    if (effect_) {
        dispatch(effMainsChanged, 0, 0);
        dispatch(effClose);
        effect_ = nullptr;
    }
    if (library_) {
        dlclose(library_);
        library_ = nullptr;
    }
}

intptr_t PluginInstance::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) const
{
    return effect_ ? effect_->dispatcher(effect_, opcode, index, value, ptr, opt) : 0;
}

std::string PluginInstance::text(int32_t opcode, int32_t index, intptr_t value) const
{
    char buffer[kTextBuffer] = {};
    dispatch(opcode, index, value, buffer);
    buffer[kTextBuffer - 1] = '\0';
    return buffer;
}

std::string PluginInstance::program_name(int32_t index) const
{
    char buffer[kTextBuffer] = {};
    if (dispatch(effGetProgramNameIndexed, index, -1, buffer) == 0)
        return {};
    buffer[kTextBuffer - 1] = '\0';
    return buffer;
}

int32_t PluginInstance::find_param(const std::string& name) const
{
    for (int32_t i = 0; effect_ && i < effect_->numParams; ++i)
        if (strcasecmp(param_name(i).c_str(), name.c_str()) == 0)
            return i;
    return -1;
}

void PluginInstance::editor_size(int& width, int& height) const
{
    ERect* r = nullptr;
    dispatch(effEditGetRect, 0, 0, &r);
    width = r ? r->right - r->left : 0;
    height = r ? r->bottom - r->top : 0;
}

bool PluginInstance::gain_reduction_db(float& db) const
{
    float value = NAN;
    dispatch(effVendorSpecific, 0, vst2::fourcc("GRdB"), &value);
    if (std::isnan(value))
        return false;
    db = value;
    return true;
}

}  // namespace vst2host
