#include "VLT650_EditorHost.h"

#include "host_map.h"

using vlt::editor::Control;

namespace {

const char* aax_id(Control c) { return vlt::editor::host_param(vlt::editor::kAaxMap, c).id; }

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
