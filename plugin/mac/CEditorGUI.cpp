#include "CEditorGUI.h"

#include <algorithm>

#include "editor_layout.h"
#include "plugin/vst2/CPlug.h"
#include "plug_params.h"

namespace {

namespace params = vlt::params;
namespace vst2_ids = vlt::params::vst2;

constexpr int kUiSizeIndex = vst2_ids::index_of(params::kUiSize);

// The host's window is two points larger than the view each way.
constexpr int kRectMargin = 2;

// The editor's size rule at scale 1 (the host scales points): a UI size
// outside 0..1 sizes like the nearer end.
vlt::editor::EditorSize view_size(float ui_size) { return vlt::editor::size_rule(ui_size, 1.0f); }

}  // namespace

CPlugEditor* make_plug_editor(CPlug* plug) { return new CEditorGUI(plug); }

CEditorGUI::CEditorGUI(CPlug* plug) : CPlugEditor(plug), plug_(plug), host_enable_(plug->host_enable())
{
    for (int i = 0; i < vst2_ids::kHostVisible; ++i)
        values_[i] = plug->getParameter(i);
    size_for(values_[kUiSizeIndex]);
}

CEditorGUI::~CEditorGUI() { close(); }

void CEditorGUI::size_for(float ui_size)
{
    const vlt::editor::EditorSize s = view_size(ui_size);
    scale_ = s.content_scale;
    width_ = s.width;
    height_ = s.height;
}

bool CEditorGUI::getRect(ERect** rect)
{
    const vlt::editor::EditorSize s = view_size(plug_->getParameter(kUiSizeIndex));
    rect_.top = 0;
    rect_.left = 0;
    rect_.bottom = static_cast<int16_t>(s.height + kRectMargin);
    rect_.right = static_cast<int16_t>(s.width + kRectMargin);
    if (rect)
        *rect = &rect_;
    return false;
}

bool CEditorGUI::open(void* parent)
{
    if (isOpen())
        return false;
    values_[kUiSizeIndex] = plug_->getParameter(kUiSizeIndex);
    size_for(values_[kUiSizeIndex]);
    if (vst2_panel::Panel view = vst2_panel::make(plug_, this, width_, height_, scale_)) {
        // Host threads reach the view from here on: a change made while
        // it is filled is handed on as well.
        view_.set(view);
        fill(view);
        vst2_panel::show(view, parent);
    }
    // What isOpen reads, and so what the host hears from effEditOpen.
    systemWindow = parent;
    return false;
}

// The view starts from the values kept here: the UI size first, then the
// parameters, the host's bypass and the program.
void CEditorGUI::fill(vst2_panel::Panel view)
{
    vst2_panel::set_parameter(view, kUiSizeIndex, values_[kUiSizeIndex]);
    for (int32_t i = 0; i < vst2_ids::kHostVisible; ++i)
        if (i != kUiSizeIndex)
            vst2_panel::set_parameter(view, i, values_[i]);
    vst2_panel::set_host_eff_enable(view, host_enable_);
    vst2_panel::set_program(view, program_);
}

void CEditorGUI::close()
{
    if (!isOpen())
        return;
    // Once taken, no host thread is still handing the view a value.
    if (vst2_panel::Panel view = view_.take())
        vst2_panel::close(view);
    systemWindow = nullptr;
}

void CEditorGUI::setProgram(int32_t program)
{
    program_ = program;
    view_.use([program](vst2_panel::Panel view) { vst2_panel::set_program(view, program); });
}

void CEditorGUI::setParameter(int32_t index, float value)
{
    // 8, the meter, arrives on the audio thread every block; the view
    // ignores it (it polls the plug-in), so it does not go there at all.
    if (index < 0 || index >= vst2_ids::kHostVisible)
        return;
    values_[index] = value;
    view_.use([index, value](vst2_panel::Panel view) { vst2_panel::set_parameter(view, index, value); });
}

void CEditorGUI::setHostEffEnable(float enable)
{
    const float clamped = params::clamp_unit(enable);
    host_enable_ = clamped;
    view_.use([clamped](vst2_panel::Panel view) { vst2_panel::set_host_eff_enable(view, clamped); });
}
