// The VST2 editor's view calls, recorded.
#include "recording_panels.h"
#include "vst2_panel.h"

namespace vst2_panel {

using mac_test::panel_log;
using mac_test::record;

Panel make(AudioEffect*, CEditorGUI*, int width, int height, float scale)
{
    record("make %d x %d scale %g", width, height, scale);
    return new int(++panel_log().made);
}

void set_parameter(Panel, int32_t index, float value) { record("param %d %g", index, value); }
void set_host_eff_enable(Panel, float enable) { record("enable %g", enable); }
void set_program(Panel, int32_t program) { record("program %d", program); }
void show(Panel panel, void*) { record("show %d", *static_cast<int*>(panel)); }

void close(Panel panel)
{
    record("close %d", *static_cast<int*>(panel));
    ++panel_log().closed;
    delete static_cast<int*>(panel);
}

}  // namespace vst2_panel
