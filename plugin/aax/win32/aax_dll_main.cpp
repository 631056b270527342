// The module entry of the Windows AAX plug-in: this build's window class,
// the right button delivered (the host hears of right clicks) and no DPI
// detection (the host sizes its view from GetViewSize, at scale 1).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "afx/win32/afx_engine_win32.h"
#include "win32_module_engines.h"

namespace {

constexpr afx_win32_policy kAaxPolicy{"5C1D7A93E2B6", true, false};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    vlt::editor::module_entry(instance, reason, reserved, kAaxPolicy);
    return TRUE;
}
