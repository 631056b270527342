#pragma once
// The Windows VST2 editor: the front panel in a child window of the host's
// window, driven by the host's message loop on its UI thread. Host threads
// only store values, text and sizes in the editor core.
#include <mutex>

#include "CPlugEditor.h"
#include "afx/afx_engine.h"
#include "editor_core.h"
#include "panel_view.h"
#include "vst2_editor_host.h"
#include "win32_editor_window.h"

class CPlug;
class AFX_font_engine;

// The module's engines, made when the DLL is attached.
extern AFX_engine* G_GUI_engine;
extern AFX_font_engine* G_FONT_engine;

class CEditorGUI : public CPlugEditor, public vlt::editor::CPanelView {
public:
    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    bool getRect(ERect** rect) override;
    bool open(void* parent) override;
    void close() override;
    bool isOpen() override { return core_.is_open() && window_.is_open(); }

    void setParameter(int32_t index, float value) override;
    void setProgram(int32_t program) override;
    void set_plugin_name(const char* title) override;
    void setHostEffEnable(float enable) override;

    const vlt::editor::CEditorCore& core() const { return core_; }

private:
    void start_editor(afx_sys_window host_window);
    void start_editor_main();
    void register_callbacks(int index);

    // EditorView, screen side.
    void queue_rect(const vlt::editor::Rect& r) override;
    void repaint_all() override;
    void resize_window(const vlt::editor::EditorSize& from,
                       const vlt::editor::EditorSize& to) override;

    static vlt::editor::CEditorCore& core_of(void* user);
    static void on_expose(int x, int y, int w, int h, int index, void* user);
    static void on_window_destroy(int root_x, int root_y, int index, void* user);
    static bool on_gui_update(void* user);

    CPlug* plug_;
    vlt::editor::Vst2EditorHost host_;
    vlt::editor::CEditorCore core_;
    vlt::editor::Win32EditorWindow window_;
    ERect rect_{0, 0, 510, 144};
    afx_sys_window host_window_ = 0;
    std::mutex title_mutex_;
    char title_[256] = "VLT650 BrindleDSP";
};
