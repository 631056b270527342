#include "vst2_editor_host.h"

#include <cstdio>

#include "AudioEffectX.h"
#include "host_map.h"

namespace vlt::editor {

namespace {

int vst2_index(Control c) { return host_param(kVst2Map, c).index; }

}  // namespace

float Vst2EditorHost::ui_size() const
{
    return plug_ ? plug_->getParameter(vst2_index(Control::kUiSize)) : 0.0f;
}

void Vst2EditorHost::begin_edit(Control c)
{
    if (plug_)
        plug_->beginEdit(vst2_index(c));
}

void Vst2EditorHost::set_value(Control c, float value)
{
    if (plug_)
        plug_->setParameterAutomated(vst2_index(c), value);
}

void Vst2EditorHost::end_edit(Control c)
{
    if (plug_)
        plug_->endEdit(vst2_index(c));
}

// VST2 keeps the UI size as an automatable parameter of its own.
void Vst2EditorHost::set_ui_size(float ui_size) { set_value(Control::kUiSize, ui_size); }

void Vst2EditorHost::set_program(int program)
{
    if (!plug_)
        return;
    plug_->setProgram(program);
    plug_->updateDisplay();
}

void Vst2EditorHost::program_name(char* text)
{
    char name[64] = {};
    if (plug_)
        plug_->getProgramName(name);
    name[sizeof name - 1] = '\0';
    std::snprintf(text, 64, "%s", name);
}

void Vst2EditorHost::size_window(int width, int height)
{
    if (plug_)
        plug_->sizeWindow(width, height);
}

}  // namespace vlt::editor
