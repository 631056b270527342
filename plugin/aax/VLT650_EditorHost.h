#pragma once
// The AAX effect parameters as the editor's host: edit gestures are touch,
// set and release on the parameters named by the AAX map; a press is first
// offered to the host's view container; the preset buttons step through the
// editor's own table (AAX keeps no program list) and apply a record as
// seven gestures. AAX keeps no UI size, so that call goes nowhere.
#include <cstdint>

#include "AAX_CEffectGUI.h"
#include "editor_core.h"

class VLT650_EditorHost final : public vlt::editor::EditorHost {
public:
    // The modifier keys held now, in the host's bits (Shift 1, Alt 4, Ctrl 8).
    using ModifierKeys = uint32_t (*)();

    explicit VLT650_EditorHost(const AAX_CEffectGUI& gui, ModifierKeys keys = nullptr)
        : m_gui(gui), m_keys(keys)
    {
    }
    // The core whose knobs follow an applied preset.
    void attach(vlt::editor::CEditorCore* core) { m_core = core; }

    void begin_edit(vlt::editor::Control control) override;
    void set_value(vlt::editor::Control control, float value) override;
    void end_edit(vlt::editor::Control control) override;
    void set_ui_size(float) override {}
    void set_program(int program) override;
    void program_name(char* text) override;
    void size_window(int, int) override {}
    bool host_takes_press(vlt::editor::Control control, bool right_button) override;

private:
    const AAX_CEffectGUI& m_gui;  // its effect parameters appear at Initialize
    ModifierKeys m_keys;
    vlt::editor::CEditorCore* m_core = nullptr;
    int m_preset = 0;
};
