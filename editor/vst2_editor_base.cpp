#include "vst2_editor_base.h"

#include <cstdio>

#include "afx/afx_engine_windows.h"
#include "plugin/vst2/CPlug.h"

namespace vlt::editor {

Vst2EditorBase::Vst2EditorBase(CPlug* plug, const EditorBuild& build, bool rect_answer)
    : CPlugEditor(plug), host_(plug), panel_(G_GUI_engine, G_FONT_engine), core_(build, host_, panel_),
      rect_answer_(rect_answer)
{
}

bool Vst2EditorBase::getRect(ERect** rect)
{
    if (!rect)
        return false;
    rect_ = {0, 0, kPanelHeight, kPanelWidth};  // without an engine: the bare panel
    if (G_GUI_engine) {
        const EditorSize s = size_rule(host_.ui_size(), window_ext(*G_GUI_engine).get_optimum_scale_factor());
        rect_.bottom = static_cast<int16_t>(s.height);
        rect_.right = static_cast<int16_t>(s.width);
    }
    *rect = &rect_;
    return rect_answer_;
}

// --- plug-in calls, any thread ------------------------------------------------

void Vst2EditorBase::setParameter(int32_t index, float value) { core_.set_host_parameter(index, value); }

void Vst2EditorBase::setProgram(int32_t program)
{
    char name[64] = {};
    host_.program_name(name);
    core_.set_program(program, name);
}

void Vst2EditorBase::set_plugin_name(const char* title)
{
    std::lock_guard<std::mutex> lock(title_mutex_);
    std::snprintf(title_, sizeof title_, "%s", title ? title : "");
}

void Vst2EditorBase::setHostEffEnable(float enable) { core_.set_host_eff_enable(enable); }

// --- the open, on the editor's thread ---------------------------------------------

bool Vst2EditorBase::engine_running()
{
    if (G_GUI_engine)
        return true;
    log_line("** ERROR ** VLT650-VST: GUI Engine is not running or was not started");
    return false;
}

EditorSize Vst2EditorBase::size_for_open()
{
    core_.set_control(Control::kUiSize, host_.ui_size());
    return core_.apply_size_rule(window_ext(*G_GUI_engine).get_optimum_scale_factor());
}

void Vst2EditorBase::copy_title(char* text, std::size_t size)
{
    std::lock_guard<std::mutex> lock(title_mutex_);
    std::snprintf(text, size, "%s", title_);
}

WindowHooks Vst2EditorBase::window_hooks()
{
    WindowHooks hooks;
    hooks.title = [this](char* text, std::size_t size) {
        copy_title(text, size);
        return true;
    };
    hooks.notice = [](WindowHooks::Notice notice) {
        switch (notice) {
        case WindowHooks::Notice::kNoWindow:
            log_line("** ERROR ** VLT650-VST: Could not create GUI window");
            break;
        case WindowHooks::Notice::kNoWidgets:
            log_line("** ERROR ** VLT650-VST: Unable to allocate memory for GUI objects");
            break;
        case WindowHooks::Notice::kReparentRetry:
            log_line("** INFO ** VLT650-VST: Host suplied window was not valid - retrying");
            break;
        }
    };
    return hooks;
}

void Vst2EditorBase::log_line(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

}  // namespace vlt::editor
