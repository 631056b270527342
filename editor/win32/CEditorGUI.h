#pragma once
// The Windows VST2 editor: the front panel in a child window of the host's
// window, driven by the host's message loop on its UI thread. Host threads
// only store values, text and sizes in the editor core.
#include "vst2_editor_base.h"
#include "win32_editor_window.h"

class CEditorGUI : public vlt::editor::Vst2EditorBase, private vlt::editor::Win32EditorWindow::Hooks {
public:
    explicit CEditorGUI(CPlug* plug);
    ~CEditorGUI() override;

    bool open(void* parent) override;
    void close() override;
    bool isOpen() override { return core_.is_open() && window_.is_open(); }

private:
    void start_editor(afx_sys_window host_window);

    // The window's hooks.
    bool window_title(char* text, std::size_t size) override;
    void open_failed(Step step) override;

    // EditorView, screen side.
    void queue_rect(const vlt::editor::Rect& r) override;
    void repaint_all() override;
    void resize_window(const vlt::editor::EditorSize& from, const vlt::editor::EditorSize& to) override;

    vlt::editor::Win32EditorWindow window_;
};
