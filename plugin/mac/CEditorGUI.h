#pragma once
// The macOS VST2 editor: opens the Cocoa view in the host's NSView, fills
// it from the values it keeps, and hands it every later change. Host
// threads (parameters, programs, the host's bypass) reach the view only
// through its storing setters; the view draws them on its own tick.
#include <atomic>
#include <cstdint>

#include "CPlugEditor.h"
#include "host_view_slot.h"
#include "vst2_panel.h"
#include "vst2_param_ids.h"

class CPlug;

class CEditorGUI : public CPlugEditor {
public:
    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    // The host's main thread.
    bool getRect(ERect** rect) override;
    bool open(void* parent) override;
    void close() override;

    // Any host thread: stored here and handed to an open view's storing
    // setters, never blocking (the meter comes on the audio thread).
    void setParameter(int32_t index, float value) override;
    void setProgram(int32_t program) override;
    void setHostEffEnable(float enable) override;
    // The view sizes the host window through the plug-in; nothing to do here.
    void resizeParentWindow() {}

    int width() const { return width_; }
    int height() const { return height_; }

private:
    void size_for(float ui_size);
    void fill(vst2_panel::Panel view);

    CPlug* plug_;
    std::atomic<float> values_[vlt::params::vst2::kHostVisible];  // by VST2 index
    std::atomic<float> host_enable_;
    std::atomic<int32_t> program_{0};
    int width_ = 0;
    int height_ = 0;
    float scale_ = 1.0f;
    ERect rect_{};
    vlt::mac::HostViewSlot view_;
};
