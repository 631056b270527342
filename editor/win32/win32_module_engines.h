#pragma once
// The engines of a Windows plug-in module, one pair per DLL: made when the
// DLL is attached with the build's policy, gone when it is detached. Every
// Windows editor's module entry calls module_entry from its DllMain.
#include "afx/afx_engine.h"

struct afx_win32_policy;
class AFX_font_engine;

extern AFX_engine* G_GUI_engine;
extern AFX_font_engine* G_FONT_engine;

namespace vlt::editor {

// DllMain's arguments (instance, reason, reserved) and the build's policy.
void module_entry(void* instance, unsigned long reason, void* reserved, const afx_win32_policy& policy);

}  // namespace vlt::editor
