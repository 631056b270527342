// The VST3 editor view's Cocoa view calls, recorded.
#include "recording_panels.h"
#include "vst3_panel.h"

namespace Steinberg::Vst::vst3_panel {

using mac_test::panel_log;
using mac_test::record;

Panel make(CPlugController&, int32 width, int32 height)
{
    record("make %d x %d", width, height);
    return new int(++panel_log().made);
}
void set_parameter(Panel, ParamID id, float value) { record("param %u %g", id, value); }
void set_program_name(Panel, int32 index, const char8* name)
{
    record("program %d %s", index, name ? name : "-");
}
void show(Panel, void*) { record("show"); }
void set_frame_size(Panel, int32 width, int32 height) { record("frame %d x %d", width, height); }
void close(Panel panel)
{
    record("close %d", *static_cast<int*>(panel));
    ++panel_log().closed;
    delete static_cast<int*>(panel);
}

}  // namespace Steinberg::Vst::vst3_panel
