#include "VLT650_EditorHost.h"

#include <cstdio>
#include <iterator>

#include "VLT650_Presets.h"
#include "host_map.h"

using vlt::editor::Control;

namespace {

const char* aax_id(Control c) { return vlt::editor::host_param(vlt::editor::kAaxMap, c).id; }

constexpr uint32_t kRightButtonModifier = 0x10;
constexpr Control kPresetControls[] = {Control::kInGain, Control::kThreshold, Control::kAttack,
                                       Control::kRelease, Control::kRatio,    Control::kMakeup,
                                       Control::kEffect};
static_assert(std::size(kPresetControls) == vlt::params::kProgramValues);

}  // namespace

void VLT650_EditorHost::begin_edit(Control c)
{
    if (AAX_IACFEffectParameters* p = m_gui.GetEffectParameters())
        p->TouchParameter(aax_id(c));
}

void VLT650_EditorHost::set_value(Control c, float value)
{
    if (AAX_IACFEffectParameters* p = m_gui.GetEffectParameters())
        p->SetParameterNormalizedValue(aax_id(c), value);
}

void VLT650_EditorHost::end_edit(Control c)
{
    if (AAX_IACFEffectParameters* p = m_gui.GetEffectParameters())
        p->ReleaseParameter(aax_id(c));
}

// Each value is a whole gesture, and the knobs show it at once: the host
// may not echo the change back before the next tick.
void VLT650_EditorHost::set_program(int program)
{
    m_preset = program;
    const VLT650_Preset& record = VLT650_preset(program);
    for (std::size_t i = 0; i < std::size(kPresetControls); ++i) {
        const Control c = kPresetControls[i];
        if (m_core)
            m_core->set_control(c, record.value[i]);
        begin_edit(c);
        set_value(c, record.value[i]);
        end_edit(c);
    }
}

void VLT650_EditorHost::program_name(char* text)
{
    std::snprintf(text, 64, "%s", VLT650_preset(m_preset).name);
}

// The host's answer 0 means it handled the press itself.
bool VLT650_EditorHost::host_takes_press(Control c, bool right_button)
{
    AAX_IViewContainer* container = m_gui.GetViewContainer();
    if (!container)
        return false;
    const uint32_t modifiers = (m_keys ? m_keys() : 0) | (right_button ? kRightButtonModifier : 0);
    return container->HandleParameterMouseDown(aax_id(c), modifiers) == 0;
}
