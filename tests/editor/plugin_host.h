#pragma once
// A small VST2 host for the editor tests and the host tool: loads the
// plug-in library, creates instances and records every host-callback call
// an instance makes (from any thread).
#include <mutex>
#include <string>
#include <vector>

#include "vst2_interface.h"

struct HostCall {
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
};

class PluginLibrary {
public:
    explicit PluginLibrary(const char* path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    bool ok() const { return main_ != nullptr; }
    AEffect* (*entry() const)(audioMasterCallback) { return main_; }

private:
    void* handle_ = nullptr;
    AEffect* (*main_)(audioMasterCallback) = nullptr;
};

class PluginInstance {
public:
    explicit PluginInstance(const PluginLibrary& lib);
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    bool ok() const { return effect_ != nullptr; }
    AEffect* effect() const { return effect_; }
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);
    void set_parameter(int32_t index, float v) { effect_->setParameter(effect_, index, v); }
    float get_parameter(int32_t index) { return effect_->getParameter(effect_, index); }
    // Editor size as the plug-in reports it; 0 x 0 when it gives none.
    void editor_rect(int* width, int* height);

    std::vector<HostCall> calls() const;
    void clear_calls();

private:
    static intptr_t VST_CALL callback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                      void* ptr, float opt);
    AEffect* effect_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<HostCall> calls_;
};

// The calls of interest to an editor: automation, gestures, window size.
bool is_editor_call(const HostCall& c);
std::string describe(const HostCall& c);
