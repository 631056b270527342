#pragma once
// What the macOS editor view asks of its Cocoa view, one call for each of
// the view's methods. The editor view stays plain C++; each build links one
// implementation of these calls. All run on the host's main thread.
#include "vst3_types.h"

namespace Steinberg::Vst {

class CPlugController;

namespace vst3_panel {

using Panel = void*;  // the Cocoa view, owned by the caller between make and close

// A new view of w x h points (initWithFrame:) talking to the controller
// (setController:), not yet shown; null where the build has none.
Panel make(CPlugController& controller, int32 width, int32 height);
void set_parameter(Panel panel, ParamID id, float value);  // setParameter::
// setProgramName::; name may be null: the index is stored and the banner
// left alone.
void set_program_name(Panel panel, int32 index, const char8* name);
// Starts the view's timer (startEditorMain) and embeds it in the host's NSView.
void show(Panel panel, void* parent);
void set_frame_size(Panel panel, int32 width, int32 height);  // setFrameSize:
// Stops the timer, unembeds and releases the view.
void close(Panel panel);
// Views made and not yet released: a timer must never keep one alive.
int live_count();

}  // namespace vst3_panel
}  // namespace Steinberg::Vst
