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

class CEditorGUI final : public AAX_CEffectGUI,
                         public vlt::editor::CPanelView,
                         private vlt::editor::Win32EditorWindow::Hooks {
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
    void poll_meter();

    // The window's hooks.
    bool window_title(char* text, std::size_t size) override;
    void before_init() override;  // the host's values, not the last ones seen
    void before_tick() override { poll_meter(); }

    // EditorView, screen side: the panel's size never changes.
    void queue_rect(const vlt::editor::Rect& r) override;
    void repaint_all() override;
    void resize_window(const vlt::editor::EditorSize&, const vlt::editor::EditorSize&) override {}

    VLT650_GuiHostObjects host_objects_;
    VLT650_EditorHost host_;
    vlt::editor::CEditorCore core_;
    vlt::editor::Win32EditorWindow window_;
};
