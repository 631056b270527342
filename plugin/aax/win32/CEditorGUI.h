#pragma once
// The Windows AAX editor: the front panel in a child window of the host's
// view container (a window handle), driven by the host's message loop on
// its UI thread. Values come from the effect's parameters by identifier,
// edits go back as touch / set / release, the meter is polled from the host.
#include "AAX_CEffectGUI.h"
#include "VLT650_EditorHost.h"
#include "afx/afx_engine.h"
#include "editor_core.h"
#include "panel_view.h"
#include "win32_editor_window.h"
#include "win32_module_engines.h"

class CEditorGUI final : public AAX_CEffectGUI, public vlt::editor::CPanelView {
public:
    CEditorGUI();
    ~CEditorGUI() override;

    AAX_Result Uninitialize() override;
    AAX_Result GetViewSize(AAX_Point* size) const override;
    AAX_Result ParameterUpdated(AAX_CParamID id) override;

    const vlt::editor::CEditorCore& core() const { return core_; }

private:
    void CreateViewContents() override {}
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

    void start_editor(afx_sys_window host_window);
    void stop_editor();
    void pull_host_values();
    void poll_meter();
    void register_callbacks(int index);

    // EditorView, screen side: the panel's size never changes.
    void queue_rect(const vlt::editor::Rect& r) override;
    void repaint_all() override;
    void resize_window(const vlt::editor::EditorSize&, const vlt::editor::EditorSize&) override {}

    static vlt::editor::CEditorCore& core_of(void* user);
    static void on_expose(int x, int y, int w, int h, int index, void* user);
    static void on_window_destroy(int root_x, int root_y, int index, void* user);
    static bool on_gui_update(void* user);

    VLT650_EditorHost host_;
    vlt::editor::CEditorCore core_;
    vlt::editor::Win32EditorWindow window_;
};
