#pragma once
// The VST2 plug-in as the editor's host: edits, programs and the window
// size go through the plug-in's AudioEffectX calls, controls are numbered
// by the VST2 map. Shared by every VST2 editor, whatever its window system;
// nothing goes out before it has its plug-in (a Cocoa view gets it after
// it is made).
#include "editor_host.h"

class AudioEffectX;

namespace vlt::editor {

class Vst2EditorHost final : public EditorHost {
public:
    explicit Vst2EditorHost(AudioEffectX* plug = nullptr) : plug_(plug) {}
    void attach(AudioEffectX* plug) { plug_ = plug; }

    // The UI size the plug-in keeps, which sizes the window before an open.
    float ui_size() const;

    void begin_edit(Control control) override;
    void set_value(Control control, float value) override;
    void end_edit(Control control) override;
    void set_ui_size(float ui_size) override;
    void set_program(int program) override;
    void program_name(char* text) override;
    void size_window(int width, int height) override;

private:
    AudioEffectX* plug_;
};

}  // namespace vlt::editor
