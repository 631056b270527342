#pragma once
// The AAX effect parameters as the editor's host, for the Windows and the
// macOS editor: edit gestures are touch, set and release on the parameters
// named by the AAX map; a press is first offered to the host's view
// container; the preset buttons step through the editor's own table (AAX
// keeps no program list) and apply a record as seven gestures. AAX keeps no
// UI size, so that call goes nowhere.
#include <cstdint>

#include "AAX_CEffectGUI.h"
#include "VLT650_Presets.h"
#include "editor_core.h"

// Where the host's objects come from: the GUI object on Windows, the
// pointers the GUI object hands the macOS view. Each may be absent.
class VLT650_HostObjects {
public:
    virtual ~VLT650_HostObjects() = default;
    virtual AAX_IACFEffectParameters* effect_parameters() const = 0;
    virtual AAX_IViewContainer* view_container() const = 0;
    // The modifier keys of the press being handled, in the host's bits.
    virtual uint32_t press_modifiers() const = 0;
};

// The GUI object's host objects and the modifier keys held now.
class VLT650_GuiHostObjects final : public VLT650_HostObjects {
public:
    // The keys in the host's bits (Shift 1, Alt 4, Ctrl 8).
    using ModifierKeys = uint32_t (*)();

    explicit VLT650_GuiHostObjects(const AAX_CEffectGUI& gui, ModifierKeys keys = nullptr)
        : m_gui(gui), m_keys(keys)
    {
    }
    AAX_IACFEffectParameters* effect_parameters() const override { return m_gui.GetEffectParameters(); }
    AAX_IViewContainer* view_container() const override { return m_gui.GetViewContainer(); }
    uint32_t press_modifiers() const override { return m_keys ? m_keys() : 0; }

private:
    const AAX_CEffectGUI& m_gui;  // its effect parameters appear at Initialize
    ModifierKeys m_keys;
};

class VLT650_EditorHost final : public vlt::editor::EditorHost {
public:
    // presets: the editor's table of kVLT650_PresetCount records.
    VLT650_EditorHost(const VLT650_HostObjects& objects, const VLT650_Preset* presets)
        : m_objects(objects), m_presets(presets)
    {
    }
    // The core whose knobs follow an applied preset.
    void attach(vlt::editor::CEditorCore* core) { m_core = core; }
    int current_program() const { return m_preset; }

    void begin_edit(vlt::editor::Control control) override;
    void set_value(vlt::editor::Control control, float value) override;
    void end_edit(vlt::editor::Control control) override;
    void set_ui_size(float) override {}
    void set_program(int program) override;
    void program_name(char* text) override;
    void size_window(int, int) override {}
    bool host_takes_press(vlt::editor::Control control, bool right_button) override;

private:
    const VLT650_HostObjects& m_objects;
    const VLT650_Preset* m_presets;
    vlt::editor::CEditorCore* m_core = nullptr;
    int m_preset = 0;
};
