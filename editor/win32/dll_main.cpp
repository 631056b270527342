// The module entry: the engines live from attach to detach. No thread of
// our own: the host's UI thread drives the windows.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "CEditorGUI.h"
#include "afx/win32/afx_engine_win32.h"
#include "win32_module_engines.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    vlt::editor::module_entry(instance, reason, reserved, afx_win32_vst2_policy);
    return TRUE;
}

// Defined here so that linking the editor also links the module entry.
CPlugEditor* make_plug_editor(CPlug* plug) { return new CEditorGUI(plug); }
