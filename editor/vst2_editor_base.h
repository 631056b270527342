#pragma once
// The VST2 editor's plug-in side, whatever its window system: the face
// CPlug talks to (the rect before an open, parameters, programs, the
// host's bypass and the title), the plug-in as the core's host, the core
// itself and the panel it draws. Host threads only store into the core.
// Each window system's CEditorGUI derives from this and adds its window
// glue, which it hands the panel.
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "CPlugEditor.h"
#include "afx/afx_engine.h"
#include "editor_build.h"
#include "editor_core.h"
#include "panel_size.h"
#include "panel_view.h"
#include "vst2_editor_host.h"
#include "window_hooks.h"

class CPlug;
class AFX_font_engine;

// The module's engines, shared by every editor it makes.
extern AFX_engine* G_GUI_engine;
extern AFX_font_engine* G_FONT_engine;

namespace vlt::editor {

class Vst2EditorBase : public CPlugEditor {
public:
    // Host UI thread.
    bool getRect(ERect** rect) override;
    // Any host thread (the meter, index 8, on the audio thread): they only
    // store into the core, without locking.
    void setParameter(int32_t index, float value) override;
    void setProgram(int32_t program) override;
    void setHostEffEnable(float enable) override;
    // Any host thread; the title waits under its own lock for the next open.
    void set_plugin_name(const char* title) override;

    const CEditorCore& core() const { return core_; }

protected:
    // The rest on the host's UI thread, where the window opens.
    // rect_answer: what getRect returns on this window system.
    Vst2EditorBase(CPlug* plug, const EditorBuild& build, bool rect_answer);

    // False, logged, while the module has no engine.
    static bool engine_running();
    // The window's size for an open: the UI size the plug-in keeps, at the
    // display's scale, now the core's.
    EditorSize size_for_open();
    void copy_title(char* text, std::size_t size);
    static void log_line(const char* text);
    // The window's title and the open's log lines.
    WindowHooks window_hooks();

    Vst2EditorHost host_;  // the plug-in's edit path
    CPanelView panel_;     // drawn with the module's engines
    CEditorCore core_;

private:
    const bool rect_answer_;
    ERect rect_{0, 0, kPanelHeight, kPanelWidth};
    std::mutex title_mutex_;
    char title_[256] = "VLT650 BrindleDSP";
};

}  // namespace vlt::editor
