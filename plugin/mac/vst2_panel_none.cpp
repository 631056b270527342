// Builds whose Cocoa view is not linked in: the editor keeps its size,
// values and open state, and shows nothing.
#include "vst2_panel.h"

namespace vst2_panel {

Panel make(AudioEffect*, CEditorGUI*, int, int, float) { return nullptr; }
void show(Panel, void*) {}
void close(Panel) {}

}  // namespace vst2_panel
