#pragma once
// The Linux VST2 editor: the plug-in's side of the editor (Vst2EditorBase)
// and the X11 window it opens inside the host's editor window. Host
// threads only store values and text in the editor core; drawing and input
// run on the library's GUI thread.
#include "vst2_editor_base.h"
#include "x11_editor_window.h"

class CEditorGUI : public vlt::editor::Vst2EditorBase {
public:
    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    // Host UI thread. open answers false, as AEffEditor's does, and returns
    // only 250 ms after the window is up.
    bool open(void* parent) override;
    void close() override;
    // A window the window system destroyed with its parent no longer counts.
    bool isOpen() override { return window_.is_open(); }

    int window_index() const { return window_.index(); }

private:
    void start_editor(afx_sys_window host_window);
    void start_editor_main();

    vlt::editor::X11EditorWindow window_;
    afx_sys_window host_window_ = 0;
};
