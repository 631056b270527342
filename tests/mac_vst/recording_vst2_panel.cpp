// The VST2 editor's view calls, recorded.
#include <cstdio>

#include "recording_panels.h"
#include "vst2_panel.h"

namespace vst2_panel {

using mac_test::panel_log;

Panel make(AudioEffect*, CEditorGUI*, int width, int height, float scale)
{
    char line[64];
    std::snprintf(line, sizeof(line), "make %d x %d scale %g", width, height, scale);
    panel_log().calls.push_back(line);
    return new int(++panel_log().made);
}

void show(Panel panel, void*) { panel_log().calls.push_back("show " + std::to_string(*static_cast<int*>(panel))); }

void close(Panel panel)
{
    panel_log().calls.push_back("close " + std::to_string(*static_cast<int*>(panel)));
    ++panel_log().closed;
    delete static_cast<int*>(panel);
}

}  // namespace vst2_panel
