#pragma once
// The VST2 plug-in: owns the compressor, nine programs and the editor (if
// any), answers the host's dispatcher calls and processes audio.
#include <memory>
#include <mutex>

#include "AudioEffectX.h"
#include "CNFq.h"
#include "CPlugEditor.h"
#include "CPlugProgram.h"
#include "panel_size.h"
#include "plug_params.h"
#include "relaxed.h"

class CPlug : public AudioEffectX {
public:
    CPlug(audioMasterCallback audioMaster, int32_t numPrograms, int32_t numParams,
          CPlugEditorFactory makeEditor = make_plug_editor);
    ~CPlug() override;

    intptr_t dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) override;
    void suspend() override;
    void setSampleRate(float fs) override;
    void processReplacing(float** inputs, float** outputs, int32_t frames) override;
    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void setProgram(int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterDisplay(int32_t index, char* text) override;
    void getParameterName(int32_t index, char* text) override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* text) override;
    bool setBypass(bool bypass) override;
    int32_t stopProcess() override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override;
    bool canParameterBeAutomated(int32_t index) override;
    intptr_t vendorSpecific(int32_t index, intptr_t value, void* ptr, float opt) override;
    int32_t canDo(char* text) override;

    void init_audio_engine(float fs);
    void power_off();
    void Idle() {}
    static float bend_ratio(float x);  // the Ratio knob's taper

    void control_update_in_gain(float v);
    void control_update_threshold(float v);
    void control_update_attack(float v);
    void control_update_release(float v);
    void control_update_ratio(float v);
    void control_update_makeup_gain(float v);
    void control_update_bypass_switch(float v);
    void control_update_ui_size(float v);
    void control_update_meter(float m);
    void control_update_host_eff_enable(float v);

    void process(float** inputs, float** outputs, long frames);

    // Read-only views for the editor and tests.
    const CNFq& dsp_state() const { return *dsp; }
    int32_t current_program() const { return cur_program; }
    float meter_value() const { return meter; }
    float host_enable() const { return host_eff_enable; }
    const char* title_text() const { return title; }
    const CPlugProgram& program(int32_t i) const { return programs[i]; }

private:
    void control_update(vlt::params::Index knob, float v);
    // Stores a program value, then tells the editor.
    void store_value(vlt::params::Index q, float v);
    void retitle(const char* name);

    // Answered while there is no editor: the bare panel.
    ERect rect{0, 0, vlt::editor::kPanelHeight, vlt::editor::kPanelWidth};
    vlt::Relaxed<VstEvents*> events{nullptr};
    vlt::Relaxed<float> ui_size{0.0f};
    vlt::Relaxed<int32_t> cur_program{0};
    std::unique_ptr<CNFq> dsp;
    std::unique_ptr<CPlugProgram[]> programs;
    std::mutex mutex;                                        // serialises setParameter (Linux)
    vlt::Relaxed<float> param[vlt::params::kProgramValues];  // in the model's order
    vlt::Relaxed<float> host_eff_enable{1.0f};
    char title[256] = {};
    vlt::Relaxed<float> meter{0.0f};  // last value sent by the audio thread
    CPlugEditor* gui = nullptr;       // the editor, typed; owned through `editor`
};
