#pragma once
// A VST2 module loaded into this process: its instances, their editors in
// top-level frames of ours, and the calls they made to the host.
#include <string>
#include <vector>

#include "host_frame.h"
#include "vst2_interface.h"

// Edits are counted per parameter: a release ends the gestures of every
// parameter in this build, so only the touched one's pair tells a gesture.
struct HostCalls {
    static constexpr int kParams = 16;
    int begin_edit[kParams] = {}, end_edit[kParams] = {};
    int automate[kParams] = {};
    int size_window = 0;
    int last_width = 0, last_height = 0;
};
extern HostCalls g_calls;
// Every call as a line of text, in order (the capture's log); taken by
// whoever prints it.
std::vector<std::string> take_call_lines();

class HostModule {
public:
    explicit HostModule(const char* path);
    ~HostModule();
    bool loaded() const { return effect_entry_ != nullptr; }
    HMODULE handle() const { return module_; }
    AEffect* new_instance();  // effOpen done; freed by the destructor
    void unload();

private:
    HMODULE module_ = nullptr;
    AEffect* (*effect_entry_)(audioMasterCallback) = nullptr;
    std::vector<AEffect*> instances_;
};

intptr_t dispatch(AEffect* e, int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                  float opt = 0.0f);

// A visible top-level frame to hold an editor.
HWND make_frame(int width, int height);
