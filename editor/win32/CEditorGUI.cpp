#include "CEditorGUI.h"

using namespace vlt::editor;

CEditorGUI::CEditorGUI(CPlug* plug)
    : Vst2EditorBase(plug, kWindowsVst2Build, true), window_(G_GUI_engine, core_, *this, *this)
{
}

CEditorGUI::~CEditorGUI()
{
    close();
    if (G_GUI_engine)
        cleanup_gui_objects();
}

bool CEditorGUI::open(void* parent)
{
    if (isOpen())
        return false;
    close();
    start_editor(reinterpret_cast<afx_sys_window>(parent));
    systemWindow = isOpen() ? parent : nullptr;
    return isOpen();
}

void CEditorGUI::start_editor(afx_sys_window host_window)
{
    if (engine_running())
        window_.start_editor(host_window, size_for_open());
}

void CEditorGUI::close()
{
    window_.close();
    systemWindow = nullptr;
}

bool CEditorGUI::window_title(char* text, std::size_t size)
{
    copy_title(text, size);
    return true;
}

void CEditorGUI::open_failed(Step step)
{
    log_line(step == Step::kWindow ? "** ERROR ** VLT650-VST: Could not create GUI window"
                                   : "** ERROR ** VLT650-VST: Unable to allocate memory for GUI objects");
}

// --- screen side ---------------------------------------------------------------

void CEditorGUI::queue_rect(const Rect& r) { window_.queue(r.x, r.y, r.w, r.h); }

void CEditorGUI::repaint_all() { window_.queue_all(); }

void CEditorGUI::resize_window(const EditorSize& from, const EditorSize& to)
{
    window_.control_update_ui_size(from, to, core_.dpi_scale());
}
