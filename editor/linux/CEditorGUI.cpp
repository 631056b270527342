#include "CEditorGUI.h"

#include <unistd.h>

using namespace vlt::editor;

CEditorGUI::CEditorGUI(CPlug* plug)
    // getRect answers false, as AEffEditor's does. No host sees it: CPlug's
    // dispatcher answers effEditGetRect with 1 once the rectangle is handed
    // out, and the host sizes its window from that rectangle alone.
    : Vst2EditorBase(plug, kLinuxVst2Build, false), window_(G_GUI_engine, core_, panel_, window_hooks())
{
    panel_.attach(core_, window_);
}

CEditorGUI::~CEditorGUI()
{
    if (!G_GUI_engine) {
        window_.release_engine();  // unloaded before us: nothing of it is left to free
        return;
    }
    window_.close();
    panel_.cleanup_gui_objects();
}

bool CEditorGUI::open(void* parent)
{
    if (window_.is_open())
        return false;
    start_editor(reinterpret_cast<afx_sys_window>(parent));
    systemWindow = core_.is_open() ? parent : nullptr;
    return false;
}

void CEditorGUI::close()
{
    window_.close();
    core_.set_open(false);
    systemWindow = nullptr;
}

void CEditorGUI::start_editor(afx_sys_window host_window)
{
    host_window_ = host_window;
    start_editor_main();
    usleep(250 * 1000);  // the GUI thread answers the first exposes meanwhile
}

void CEditorGUI::start_editor_main()
{
    core_.set_open(false);
    if (!engine_running())
        return;
    if (!window_.connect()) {
        log_line("** ERROR ** VLT650-VST: Unable to connect to X server");
        return;
    }
    size_for_open();
    window_.open(host_window_);
}
