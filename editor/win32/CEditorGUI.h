#pragma once
// The Windows VST2 editor: the plug-in's side of the editor
// (Vst2EditorBase) and the child window it opens in the host's window,
// driven by the host's message loop on its UI thread. Host threads only
// store values, text and sizes in the editor core.
#include "vst2_editor_base.h"
#include "win32_editor_window.h"

class CEditorGUI : public vlt::editor::Vst2EditorBase {
public:
    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    // Host UI thread.
    bool open(void* parent) override;
    void close() override;
    bool isOpen() override { return core_.is_open() && window_.is_open(); }

private:
    vlt::editor::Win32EditorWindow window_;
};
