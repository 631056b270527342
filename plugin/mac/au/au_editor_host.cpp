#include "au_editor_host.h"

#include "au_value_table.h"
#include "host_map.h"

namespace vlt::mac {

const AudioUnitParameter* AuEditorHost::record(Control control) const
{
    const int id = editor::host_param(editor::kAuMap, control).index;
    if (id < 0 || id >= kAuParameterCount || !parameters_[id].mAudioUnit)
        return nullptr;  // not attached yet, or not a parameter
    return &parameters_[id];
}

void AuEditorHost::gesture(Control control, AudioUnitEventType type)
{
    const AudioUnitParameter* p = record(control);
    if (!p)
        return;
    AudioUnitEvent event = {};
    event.mEventType = type;
    event.mArgument.mParameter = *p;
    AUEventListenerNotify(*listener_, view_, &event);
}

void AuEditorHost::begin_edit(Control control)
{
    gesture(control, kAudioUnitEvent_BeginParameterChangeGesture);
}

void AuEditorHost::end_edit(Control control) { gesture(control, kAudioUnitEvent_EndParameterChangeGesture); }

void AuEditorHost::set_value(Control control, float fraction)
{
    if (const AudioUnitParameter* p = record(control))
        AUParameterSet(*listener_, view_, p, au_plain_value(control, fraction), 0);  // result ignored
}

}  // namespace vlt::mac
