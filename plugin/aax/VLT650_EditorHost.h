#pragma once
// The AAX effect parameters as the editor's host: edit gestures are touch,
// set and release on the parameters named by the AAX map. AAX keeps no UI
// size and no program list of its own, so those calls go nowhere.
#include "AAX_CEffectGUI.h"
#include "editor_host.h"

class VLT650_EditorHost final : public vlt::editor::EditorHost {
public:
    explicit VLT650_EditorHost(const AAX_CEffectGUI& gui) : m_gui(gui) {}

    void begin_edit(vlt::editor::Control control) override;
    void set_value(vlt::editor::Control control, float value) override;
    void end_edit(vlt::editor::Control control) override;
    void set_ui_size(float) override {}
    void set_program(int) override {}
    void program_name(char* text) override { text[0] = '\0'; }
    void size_window(int, int) override {}

private:
    const AAX_CEffectGUI& m_gui;  // its effect parameters appear at Initialize
};
