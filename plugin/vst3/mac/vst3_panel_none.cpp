// Builds whose Cocoa view is not linked in: the editor view keeps its size
// rules and registration, and shows nothing.
#include "vst3_panel.h"

namespace Steinberg::Vst::vst3_panel {

Panel make(CPlugController&, int32, int32) { return nullptr; }
void set_parameter(Panel, ParamID, float) {}
void set_program_name(Panel, int32, const char8*) {}
void show(Panel, void*) {}
void set_frame_size(Panel, int32, int32) {}
void close(Panel) {}

}  // namespace Steinberg::Vst::vst3_panel
