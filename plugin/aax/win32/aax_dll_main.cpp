// The module entry of the Windows AAX plug-in: the engines live from attach
// to detach, with this build's window class, the right button delivered
// (the host hears about right clicks) and no DPI detection (the host sizes
// its view from GetViewSize, at scale 1). No thread of our own.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "afx/win32/afx_engine_win32.h"
#include "afx_font_engine.h"

AFX_engine* G_GUI_engine = nullptr;
AFX_font_engine* G_FONT_engine = nullptr;

namespace {

constexpr afx_win32_policy kAaxPolicy{"5C1D7A93E2B6", true, false};

void attach()
{
    if (G_GUI_engine)
        return;
    G_GUI_engine = new AFX_engine;
    win32_ext(*G_GUI_engine).set_policy(kAaxPolicy);
    G_FONT_engine = new AFX_font_engine(G_GUI_engine);
}

// At process exit (reserved not null) the windows are gone with their
// threads: forget them without touching the window system.
void detach(bool process_exit)
{
    if (!G_GUI_engine)
        return;
    if (process_exit)
        win32_ext(*G_GUI_engine).forget_all_windows();
    else
        G_GUI_engine->destroy_all_windows();
    delete G_FONT_engine;
    G_FONT_engine = nullptr;
    delete G_GUI_engine;
    G_GUI_engine = nullptr;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    AFX_engine_win32::set_module_instance(instance);
    if (reason == DLL_PROCESS_ATTACH)
        attach();
    else if (reason == DLL_PROCESS_DETACH)
        detach(reserved != nullptr);
    return TRUE;
}
