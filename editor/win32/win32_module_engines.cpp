#include "win32_module_engines.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "afx/afx_engine_windows.h"
#include "afx/win32/afx_engine_win32.h"
#include "afx_font_engine.h"

AFX_engine* G_GUI_engine = nullptr;
AFX_font_engine* G_FONT_engine = nullptr;

namespace vlt::editor {

namespace {

void attach(const afx_win32_policy& policy)
{
    if (G_GUI_engine)
        return;
    G_GUI_engine = new AFX_engine;
    win32_ext(*G_GUI_engine).set_policy(policy);
    G_FONT_engine = new AFX_font_engine(G_GUI_engine);
}

// At process exit (reserved not null) other threads and the windows are
// already gone: nothing to wait for and no window to touch.
void detach(bool process_exit)
{
    if (!G_GUI_engine)
        return;
    if (process_exit)
        win32_ext(*G_GUI_engine).forget_all_windows();
    else
        window_ext(*G_GUI_engine).destroy_all_windows();
    delete G_FONT_engine;
    G_FONT_engine = nullptr;
    delete G_GUI_engine;
    G_GUI_engine = nullptr;
}

}  // namespace

void module_entry(void* instance, unsigned long reason, void* reserved, const afx_win32_policy& policy)
{
    AFX_engine_win32::set_module_instance(instance);
    if (reason == DLL_PROCESS_ATTACH)
        attach(policy);
    else if (reason == DLL_PROCESS_DETACH)
        detach(reserved != nullptr);
}

}  // namespace vlt::editor
