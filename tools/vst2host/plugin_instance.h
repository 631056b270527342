#pragma once
// A VST2 plug-in loaded from its library with dlopen, as a host holds it.
#include <string>

#include "host_log.h"
#include "vst2_interface.h"

namespace vst2host {

class PluginInstance {
public:
    PluginInstance() = default;
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    // Loads the library, calls its entry with log's callback and opens the
    // plug-in at the log's sample rate and block size. On failure answers
    // false with the reason in error.
    bool load(const std::string& path, HostLog& log, std::string& error);
    // The same from an entry some other loader found (a bundle's).
    using EntryProc = AEffect* (*)(audioMasterCallback);
    bool start(EntryProc entry, const std::string& name, HostLog& log, std::string& error);

    AEffect* effect() const { return effect_; }
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f) const;

    // Texts the plug-in writes into host buffers.
    std::string text(int32_t opcode, int32_t index = 0, intptr_t value = 0) const;
    std::string param_name(int32_t index) const { return text(effGetParamName, index); }
    std::string param_display(int32_t index) const { return text(effGetParamDisplay, index); }
    std::string param_label(int32_t index) const { return text(effGetParamLabel, index); }
    std::string program_name(int32_t index) const;

    // Index of the parameter with this name (case-insensitive), or -1.
    int32_t find_param(const std::string& name) const;

    // The editor's size as the plug-in reports it (0 x 0 when it gives none).
    void editor_size(int& width, int& height) const;

    // Gain reduction in dB from the 'GRdB' query; false when unanswered.
    bool gain_reduction_db(float& db) const;

    void close();

private:
    void* library_ = nullptr;
    AEffect* effect_ = nullptr;
};

}  // namespace vst2host
