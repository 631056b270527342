#pragma once
// A plug-in object driven only through its AEffect record, as a host
// drives it, with a host callback and an editor that record what reaches
// them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "CPlug.h"
#include "CPlugFactory.h"
#include "vst2_interface.h"

namespace vst2test {

struct HostCall {
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
};

struct EditorCall {
    std::string what;  // "param", "program", "title", "enable"
    int32_t index;
    float value;
    std::string text;
};

// What the recording editor saw, kept outside it so that its deletion
// can be seen too.
struct EditorLog {
    std::vector<EditorCall> calls;
    int opens = 0;
    int closes = 0;
    int rects = 0;
    bool deleted = false;

    std::vector<EditorCall> of(const std::string& what) const;
};

class RecordingEditor : public CPlugEditor {
public:
    RecordingEditor(CPlug* plug, EditorLog* log) : CPlugEditor(plug), log_(log) {}
    ~RecordingEditor() override { log_->deleted = true; }

    bool getRect(ERect** rect) override;
    bool open(void* parent) override;
    void close() override;
    void setParameter(int32_t index, float value) override;
    void setProgram(int32_t program) override;
    void set_plugin_name(const char* title) override;
    void setHostEffEnable(float enable) override;

    static inline ERect kRect{0, 0, 600, 200};

private:
    EditorLog* log_;
};

// One plug-in per fixture; with_editor chooses a recording editor or none.
class PlugHost {
public:
    explicit PlugHost(bool with_editor = false);
    ~PlugHost();

    AEffect* effect() const { return effect_; }
    CPlug& plug() const { return *static_cast<CPlug*>(effect_->object); }
    const CNFq& dsp() const { return plug().dsp_state(); }

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f) const;
    std::string text(int32_t opcode, int32_t index = 0, intptr_t value = 0) const;
    void set(int32_t index, float v) const { effect_->setParameter(effect_, index, v); }
    float get(int32_t index) const { return effect_->getParameter(effect_, index); }
    std::string display(int32_t index) const { return text(effGetParamDisplay, index); }

    // Runs one host block of equal stereo input through processReplacing.
    void process(const std::vector<float>& left, const std::vector<float>& right,
                 std::vector<float>& out_left, std::vector<float>& out_right) const;
    // Runs frames of a constant level on both channels; answers the left output.
    std::vector<float> process_constant(float level, int32_t frames) const;

    // The effect is deleted by effClose; the fixture then stops using it.
    void close_now();

    std::vector<HostCall> host_calls;
    EditorLog editor_log;

private:
    static intptr_t VST_CALL callback(AEffect* e, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                      float opt);
    static CPlugEditor* make_editor(CPlug* plug);

    AEffect* effect_ = nullptr;
};

}  // namespace vst2test
