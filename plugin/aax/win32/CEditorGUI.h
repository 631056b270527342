#pragma once
// The Windows AAX editor: the front panel in a child window of the host's
// view container (a window handle), driven by the host's message loop on
// its UI thread. It is the host's GUI object and holds the editor core, the
// panel and the window glue; values come from the effect's parameters by
// identifier, edits go back as touch / set / release, the meter is polled
// from the host.
#include "AAX_CEffectGUI.h"
#include "VLT650_EditorHost.h"
#include "afx/afx_engine.h"
#include "editor_core.h"
#include "panel_view.h"
#include "win32_editor_window.h"
#include "win32_module_engines.h"

class CEditorGUI final : public AAX_CEffectGUI {
public:
    CEditorGUI();
    ~CEditorGUI() override;

    // The host's UI thread, as every call of the host's GUI interface.
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

    // What the window adds to its open and tick: the title, the host's
    // values (not the last ones seen) and the meter.
    vlt::editor::WindowHooks window_hooks();
    void pull_host_values();

    VLT650_GuiHostObjects host_objects_;
    VLT650_EditorHost host_;
    vlt::editor::CPanelView panel_;  // drawn with the module's engines
    vlt::editor::CEditorCore core_;
    vlt::editor::Win32EditorWindow window_;
};
