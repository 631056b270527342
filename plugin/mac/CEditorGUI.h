#pragma once
// The macOS VST2 editor: opens the Cocoa view in the host's NSView. Host
// threads (parameters, programs, the host's bypass) only store values here
// and mark them changed; the view takes them on its tick on the main
// thread, so no host thread touches the view or its drawing.
#include <atomic>
#include <cstdint>

#include "CPlugEditor.h"
#include "vst2_panel.h"

class CPlug;

class CEditorGUI : public CPlugEditor {
public:
    // Bits of take_changes: parameters 0..7 (7 is the UI size), then these.
    static constexpr unsigned kHostEnableChanged = 1u << 8;
    static constexpr unsigned kProgramChanged = 1u << 9;
    static constexpr unsigned kEverything = (1u << 10) - 1;

    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    bool getRect(ERect** rect) override;
    bool open(void* parent) override;
    void close() override;

    void setParameter(int32_t index, float value) override;
    void setProgram(int32_t program) override;
    void setHostEffEnable(float enable) override;
    // The view sizes the host window through the plug-in; nothing to do here.
    void resizeParentWindow() {}

    // For the view, on the main thread: what changed since the last call,
    // and the values.
    unsigned take_changes() { return changed_.exchange(0); }
    float value(int32_t index) const { return values_[index]; }
    float host_enable() const { return host_enable_; }
    int32_t program() const { return program_; }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    void size_for(float ui_size);
    void mark(unsigned bits) { changed_.fetch_or(bits); }

    CPlug* plug_;
    std::atomic<float> values_[8];  // 0..6 the plug-in's, 7 the UI size
    std::atomic<float> host_enable_;
    std::atomic<int32_t> program_{0};
    std::atomic<unsigned> changed_{0};
    int width_ = 0;
    int height_ = 0;
    float scale_ = 1.0f;
    ERect rect_{};
    vst2_panel::Panel view_ = nullptr;
};
