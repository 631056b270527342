#include "plugin_host.h"

#include <cstdio>
#include <dlfcn.h>

namespace {
// Set while `main` runs, before the host knows the new effect record.
thread_local PluginInstance* g_constructing = nullptr;
}  // namespace

PluginLibrary::PluginLibrary(const char* path)
{
    handle_ = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        std::fprintf(stderr, "dlopen: %s\n", dlerror());
        return;
    }
    main_ = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(dlsym(handle_, "main"));
}

PluginLibrary::~PluginLibrary()
{
    if (handle_)
        dlclose(handle_);
}

PluginInstance::PluginInstance(const PluginLibrary& lib)
{
    if (!lib.ok())
        return;
    g_constructing = this;
    effect_ = lib.entry()(callback);
    g_constructing = nullptr;
    if (!effect_ || effect_->magic != vst2::kEffectMagic) {
        effect_ = nullptr;
        return;
    }
    effect_->user = this;
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch(effSetBlockSize, 0, 256);
    dispatch(effMainsChanged, 0, 1);
}

PluginInstance::~PluginInstance()
{
    if (!effect_)
        return;
    dispatch(effMainsChanged, 0, 0);
    dispatch(effClose);
}

intptr_t PluginInstance::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

void PluginInstance::editor_rect(int* width, int* height)
{
    ERect* r = nullptr;
    dispatch(effEditGetRect, 0, 0, &r);
    *width = r ? r->right - r->left : 0;
    *height = r ? r->bottom - r->top : 0;
}

std::vector<HostCall> PluginInstance::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

void PluginInstance::clear_calls()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

intptr_t VST_CALL PluginInstance::callback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                           void*, float opt)
{
    PluginInstance* self =
        effect && effect->user ? static_cast<PluginInstance*>(effect->user) : g_constructing;
    if (opcode == audioMasterVersion)
        return kVstVersion;
    if (self) {
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->calls_.push_back({opcode, index, value, opt});
    }
    return opcode == audioMasterSizeWindow || opcode == audioMasterBeginEdit ||
                   opcode == audioMasterEndEdit || opcode == audioMasterAutomate
               ? 1
               : 0;
}

bool is_editor_call(const HostCall& c)
{
    return c.opcode == audioMasterAutomate || c.opcode == audioMasterBeginEdit ||
           c.opcode == audioMasterEndEdit || c.opcode == audioMasterSizeWindow;
}

std::string describe(const HostCall& c)
{
    char text[64];
    switch (c.opcode) {
    case audioMasterAutomate: std::snprintf(text, sizeof text, "set %d %.4f", c.index, c.opt); break;
    case audioMasterBeginEdit: std::snprintf(text, sizeof text, "begin %d", c.index); break;
    case audioMasterEndEdit: std::snprintf(text, sizeof text, "end %d", c.index); break;
    case audioMasterSizeWindow:
        std::snprintf(text, sizeof text, "size %dx%ld", c.index, static_cast<long>(c.value));
        break;
    default: std::snprintf(text, sizeof text, "op %d %d", c.opcode, c.index);
    }
    return text;
}
