#include "vst3_editor_host.h"

#include <cstdio>

#include "CPlugController.h"
#include "host_map.h"
#include "plug_ids.h"

namespace Steinberg::Vst {

namespace {

ParamID vst3_id(vlt::editor::Control c)
{
    return static_cast<ParamID>(vlt::editor::host_param(vlt::editor::kVst3Map, c).index);
}

}  // namespace

void Vst3EditorHost::begin_edit(vlt::editor::Control c)
{
    if (controller_)
        controller_->beginEdit(vst3_id(c));
}

void Vst3EditorHost::set_value(vlt::editor::Control c, float value)
{
    if (!controller_)
        return;
    controller_->setParamNormalized(vst3_id(c), value);
    controller_->performEdit(vst3_id(c), value);
}

void Vst3EditorHost::end_edit(vlt::editor::Control c)
{
    if (controller_)
        controller_->endEdit(vst3_id(c));
}

void Vst3EditorHost::set_program(int program)
{
    if (!controller_)
        return;
    namespace vst3 = ::vlt::params::vst3;
    const ParamValue value = program_value_ == ProgramValue::kFloat
                                 ? vst3::program_value<float>(program)
                                 : vst3::program_value<ParamValue>(program);
    controller_->setParamNormalized(vst3::id_of(::vlt::params::kProgram), value);
}

void Vst3EditorHost::program_name(char* text)
{
    char8 name[64] = {};
    if (controller_ && core_)
        controller_->getFactoryPresetName(core_->program(), name);
    std::snprintf(text, 64, "%s", name);
}

}  // namespace Steinberg::Vst
