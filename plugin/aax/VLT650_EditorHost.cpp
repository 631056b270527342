#include "VLT650_EditorHost.h"

#include <cstdio>

#include "VLT650_Presets.h"
#include "host_map.h"

using vlt::editor::Control;

namespace {

const char* aax_id(Control c) { return vlt::editor::host_param(vlt::editor::kAaxMap, c).id; }

constexpr uint32_t kRightButtonModifier = 0x10;

// Only the knobs and the switch are parameters of the effect.
bool edited(Control c) { return aax_id(c) != nullptr; }

}  // namespace

void VLT650_EditorHost::begin_edit(Control c)
{
    if (AAX_IACFEffectParameters* p = m_objects.effect_parameters(); p && edited(c))
        p->TouchParameter(aax_id(c));
}

void VLT650_EditorHost::set_value(Control c, float value)
{
    if (AAX_IACFEffectParameters* p = m_objects.effect_parameters(); p && edited(c))
        p->SetParameterNormalizedValue(aax_id(c), value);
}

void VLT650_EditorHost::end_edit(Control c)
{
    if (AAX_IACFEffectParameters* p = m_objects.effect_parameters(); p && edited(c))
        p->ReleaseParameter(aax_id(c));
}

// Each value is a whole gesture, and the knobs show it at once (this runs
// on the GUI thread, from a step button or the view's setProgram:): the
// host may not echo the change back before the next tick.
void VLT650_EditorHost::set_program(int program)
{
    if (program < 0 || program >= kVLT650_PresetCount)
        return;
    m_preset = program;
    const VLT650_Preset& record = m_presets[program];
    // A record holds its values in the model's order.
    for (int i = 0; i < vlt::params::kProgramValues; ++i) {
        const Control c = vlt::editor::control_of(static_cast<vlt::params::Index>(i));
        if (m_core)
            m_core->host_value(c, record.value[i]);
        begin_edit(c);
        set_value(c, record.value[i]);
        end_edit(c);
    }
}

void VLT650_EditorHost::program_name(char* text) { std::snprintf(text, 64, "%s", m_presets[m_preset].name); }

// The host's answer 0 means it handled the press itself.
bool VLT650_EditorHost::host_takes_press(Control c, bool right_button)
{
    AAX_IViewContainer* container = m_objects.view_container();
    if (!container || !edited(c))
        return false;
    const uint32_t modifiers = m_objects.press_modifiers() | (right_button ? kRightButtonModifier : 0);
    return container->HandleParameterMouseDown(aax_id(c), modifiers) == 0;
}
