#include "CEditorGUI.h"

using namespace vlt::editor;

CEditorGUI::CEditorGUI(CPlug* plug)
    : Vst2EditorBase(plug, kWindowsVst2Build, true), window_(G_GUI_engine, core_, panel_, window_hooks())
{
    panel_.attach(core_, window_);
}

CEditorGUI::~CEditorGUI()
{
    close();
    if (G_GUI_engine)
        panel_.cleanup_gui_objects();
}

bool CEditorGUI::open(void* parent)
{
    if (isOpen())
        return false;
    close();
    if (engine_running()) {
        size_for_open();
        window_.open(reinterpret_cast<afx_sys_window>(parent));
    }
    systemWindow = isOpen() ? parent : nullptr;
    return isOpen();
}

void CEditorGUI::close()
{
    window_.close();
    systemWindow = nullptr;
}
