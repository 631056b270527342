// Parameters and programs of the plug-in object.
#include <algorithm>
#include <cstring>

#include "CPlug.h"
#include "apply_control.h"
#include "build_traits.h"
#include "plug_params.h"
#include "text_copy.h"
#include "vst2_param_ids.h"

namespace params = vlt::params;
using vst2::kBuild;

float CPlug::bend_ratio(float x) { return params::bend_ratio(x); }

void CPlug::setParameter(int32_t index, float value)
{
    // Out-of-range or NaN host values would drive the compressor outside
    // what its formulas are made for.
    const float v = params::clamp_unit(value);
    std::unique_lock<std::mutex> lock(mutex, std::defer_lock);
    if constexpr (kBuild.locks_parameters)
        lock.lock();
    params::Index q;
    if (!params::vst2::quantity_of(index, &q))
        return;
    switch (q) {
    case params::kInGain: control_update_in_gain(v); break;
    case params::kThreshold: control_update_threshold(v); break;
    case params::kAttack: control_update_attack(v); break;
    case params::kRelease: control_update_release(v); break;
    case params::kRatio: control_update_ratio(v); break;
    case params::kMakeup: control_update_makeup_gain(v); break;
    case params::kEffect: control_update_bypass_switch(v); break;
    case params::kUiSize: control_update_ui_size(v); break;
    case params::kMeter: control_update_meter(v); break;
    default: break;
    }
}

// param and the programs hold the values in the model's order.
void CPlug::store_value(params::Index q, float v)
{
    param[q] = v;
    programs[cur_program].value[q] = v;
    if (gui)
        gui->setParameter(params::vst2::index_of(q), v);
}

// The six knobs share one rule: the model's formula into the matching
// setter, then the value stored and shown.
void CPlug::control_update(params::Index q, float v)
{
    params::apply<params::Vst2Precision>(*dsp, q, v);
    store_value(q, v);
}

void CPlug::control_update_in_gain(float v) { control_update(params::kInGain, v); }
void CPlug::control_update_threshold(float v) { control_update(params::kThreshold, v); }
void CPlug::control_update_attack(float v) { control_update(params::kAttack, v); }
void CPlug::control_update_release(float v) { control_update(params::kRelease, v); }
void CPlug::control_update_ratio(float v) { control_update(params::kRatio, v); }
void CPlug::control_update_makeup_gain(float v) { control_update(params::kMakeup, v); }

void CPlug::control_update_bypass_switch(float v)
{
    dsp->nqs_comp_in(params::switched_on(v * host_eff_enable));
    store_value(params::kEffect, v);
}

void CPlug::control_update_ui_size(float v)
{
    ui_size = v;
    if (gui)
        gui->setParameter(params::vst2::index_of(params::kUiSize), v);
}

void CPlug::control_update_meter(float m)
{
    meter = m;
    if (gui)
        gui->setParameter(params::vst2::index_of(params::kMeter), m);
}

float CPlug::getParameter(int32_t index)
{
    params::Index q;
    if (!params::vst2::quantity_of(index, &q))
        return 0.0f;
    if (params::in_program(q))
        return param[q];
    return q == params::kUiSize ? static_cast<float>(ui_size) : 0.0f;
}

void CPlug::getParameterName(int32_t index, char* text)
{
    params::Index q;
    if (!params::vst2::quantity_of(index, &q))
        return;
    if (const char* name = params::name(q))
        vst2::copy_text(text, vst2::kParamTextBytes, name);
}

void CPlug::getParameterDisplay(int32_t index, char* text)
{
    params::Index q;
    if (!params::vst2::quantity_of(index, &q) || q >= params::kHostParams)
        return;
    // Formatted into our own buffer, then handed over bounded.
    char shown[64];
    params::display<params::Vst2Precision>(q, getParameter(index), shown, sizeof shown);
    vst2::copy_text(text, vst2::kParamTextBytes, shown);
}

void CPlug::setProgram(int32_t program)
{
    const int32_t i = std::clamp(program, 0, vst2::kNumPrograms - 1);
    cur_program = i;
    for (int k = 0; k < params::kProgramValues; ++k)
        setParameterAutomated(params::vst2::index_of(static_cast<params::Index>(k)), programs[i].value[k]);
    retitle(programs[i].name);
    if (gui)
        gui->setProgram(i);
}

void CPlug::retitle(const char* name)
{
    // The editor shows "VLT650-VST: <name>", cut to the title's size.
    static constexpr char kPrefix[] = "VLT650-VST: ";
    std::memcpy(title, kPrefix, sizeof kPrefix - 1);
    vst2::copy_text(title + sizeof kPrefix - 1, sizeof title - (sizeof kPrefix - 1), name);
    if (gui)
        gui->set_plugin_name(title);
}

void CPlug::setProgramName(char* name)
{
    programs[cur_program].set_name(name);
    retitle(name);
}

void CPlug::getProgramName(char* name)
{
    vst2::copy_text(name, kVstMaxProgNameLen, programs[cur_program].name);
}

bool CPlug::getProgramNameIndexed(int32_t, int32_t index, char* text)
{
    if (index < 0 || index >= vst2::kNumPrograms)
        return false;
    vst2::copy_text(text, kVstMaxProgNameLen, programs[index].name);
    return true;
}
