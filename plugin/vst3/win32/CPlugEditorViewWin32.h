#pragma once
// The VST3 editor view on Windows: the front panel in a child window of the
// host's HWND, sized in physical pixels by the host (onSize) and centred,
// magnified, within its limits. It is the host's view and the editor's
// host adapter, and holds the editor core, the panel and the window glue;
// edits go to the controller. Every call runs on the host's UI thread.
#include "CPlugEditorView.h"
#include "editor_core.h"
#include "panel_view.h"
#include "vst3_editor_host.h"
#include "win32_editor_window.h"

namespace Steinberg::Vst {

class CPlugController;

class CPlugEditorViewWin32 final : public CPlugEditorView {
public:
    CPlugEditorViewWin32(CPlugController* controller, const ViewRect* rect);
    ~CPlugEditorViewWin32() override;

    VLT_PLUG_EDITOR_VIEW_PLATFORM_METHODS

    bool isOpen() const { return core_.is_open() && window_.is_open(); }
    // The module's engine goes (ExitDll): the window and images go first.
    void releaseEngine();

    // What shows "Failed to create GUI objects"; a modal box by default,
    // replaceable where nobody can press OK.
    using FailureNotice = void (*)(const char* text);
    static void setFailureNotice(FailureNotice notice);

protected:
    ViewRect sizeRequested(const ViewRect& rect) override;
    void sizeApplied(const ViewRect& rect) override;

private:
    void attachBody(afx_sys_window parent);
    void readControllerValues();
    void startEditor();
    // Width and height at least the minimum; the magnified panel centred.
    // Keeps the view's rect, which the host reads back, equal to it.
    void applySize(int32 width, int32 height);

    CPlugController* controller_;
    Vst3EditorHost host_;
    vlt::editor::CPanelView panel_;  // drawn with the module's engines
    vlt::editor::CEditorCore core_;
    vlt::editor::Win32EditorWindow window_;
    afx_sys_window parent_ = 0;
    float displayScale_ = 1.0f;
    float contentScale_ = 0.0f;  // 0 until the first start
    vlt::editor::EditorSize size_{};
};

}  // namespace Steinberg::Vst
