// Construction, identity and the dispatcher of the plug-in object.
#include "CPlug.h"

#include <algorithm>
#include <cstring>

#include "build_traits.h"
#include "compressor_start.h"
#include "plug_params.h"
#include "text_copy.h"
#include "vst2_param_ids.h"

namespace params = vlt::params;
using vst2::kBuild;

CPlug::CPlug(audioMasterCallback audioMaster, int32_t numPrograms, int32_t numParams,
             CPlugEditorFactory makeEditor)
    : AudioEffectX(audioMaster, numPrograms, numParams)
{
    for (int k = 0; k < params::kProgramValues; ++k)
        param[k] = params::kDefaults[k];
    gui = makeEditor ? makeEditor(this) : nullptr;
    editor = gui;
    setUniqueID(kBuild.unique_id);
    setNumInputs(2);
    setNumOutputs(2);
    programs = std::make_unique<CPlugProgram[]>(vst2::kNumPrograms);
    initFactoryPresets(programs.get(), vst2::kNumPrograms);
    canProcessReplacing(true);
    // Hosts offer the editor whether or not one is linked in yet.
    hasEditor(true);
    dsp = std::make_unique<CNFq>();
    init_audio_engine(sampleRate);
}

CPlug::~CPlug()
{
    dsp.reset();
    programs.reset();
    delete editor;
    editor = nullptr;
    gui = nullptr;
}

void CPlug::init_audio_engine(float fs)
{
    // From the model's default program, which the constructor stores too.
    params::start_compressor<params::Vst2Precision>(*dsp, static_cast<int>(fs), params::kDefaults);
    dsp->nqs_comp_in(params::switched_on(params::kDefaults[params::kEffect]));
}

void CPlug::setSampleRate(float fs)
{
    // Converting a NaN, infinite or huge rate to int is undefined; a rate
    // below 1 Hz would truncate to 0. Such rates leave the engine as it is.
    if (!(fs >= 1.0f && fs < 2147483648.0f))
        return;
    dsp->nq_srate(static_cast<int>(fs));
    dsp->nq_init();
    sampleRate = fs;
}

void CPlug::power_off()
{
    setParameter(params::vst2::index_of(params::kMeter), 0.0f);
    dsp->nq_clear();
}

void CPlug::suspend() { power_off(); }

int32_t CPlug::stopProcess()
{
    power_off();
    return 1;
}

bool CPlug::setBypass(bool bypass)
{
    control_update_host_eff_enable(bypass ? 0.0f : 1.0f);
    return true;
}

void CPlug::control_update_host_eff_enable(float v)
{
    v = params::clamp_unit(v);
    host_eff_enable = v;
    dsp->nqs_comp_in(params::switched_on(param[params::kEffect] * v));
    if (gui)
        gui->setHostEffEnable(v);
}

bool CPlug::getEffectName(char* name)
{
    vst2::copy_text(name, kVstMaxEffectNameLen, vst2::kEffectName);
    return true;
}

bool CPlug::getVendorString(char* text)
{
    vst2::copy_text(text, kVstMaxVendorStrLen, vst2::kVendor);
    return true;
}

bool CPlug::getProductString(char* text)
{
    vst2::copy_text(text, kVstMaxProductStrLen, kBuild.product);
    return true;
}

int32_t CPlug::getVendorVersion() { return kBuild.vendor_version; }

bool CPlug::canParameterBeAutomated(int32_t index)
{
    // The meter is the plug-in's own output, not a control.
    return index >= 0 && index < params::vst2::kHostVisible;
}

intptr_t CPlug::vendorSpecific(int32_t, intptr_t value, void* ptr, float)
{
    // 'GRdB': the gain reduction in dB, for hosts that draw it themselves.
    if (value == vst2::fourcc("GRdB") && ptr) {
        *static_cast<float*>(ptr) = -params::meter_db(params::clamp_unit(static_cast<float>(meter)));
    }
    return 0;
}

int32_t CPlug::canDo(char* text)
{
    if (!text)
        return 0;
    if (std::strcmp(text, "bypass") == 0)
        return 1;
    if (std::strcmp(text, "supportsGainReductionInfo") == 0)
        return kBuild.gain_reduction_can_do ? 1 : 0;
    return 0;
}

intptr_t CPlug::dispatcher(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effSetProgram:
        // Clamp in the host's width first, so that a huge value is not
        // folded into range by the narrowing.
        setProgram(static_cast<int32_t>(std::clamp<intptr_t>(value, -1, vst2::kNumPrograms)));
        return 1;
    case effGetProgram: return cur_program;
    case effSetProgramName:
        if (!text)
            return 0;
        setProgramName(text);
        return 1;
    case effGetProgramName:
        if (!text)
            return 0;
        getProgramName(text);
        return 1;
    case effSetSampleRate: setSampleRate(opt); return 0;
    case effEditGetRect:
        if (!ptr)
            return 0;
        if (editor)
            editor->getRect(static_cast<ERect**>(ptr));
        else
            *static_cast<ERect**>(ptr) = &rect;
        return 1;
    case effEditOpen:
        // The editor's open answers false by convention; whether its window
        // came up (an X server, a window) is what the host must hear.
        if (!editor)
            return 1;
        editor->open(ptr);
        return editor->isOpen() ? 1 : 0;
    case effEditClose:
        if (editor)
            editor->close();
        return 1;
    case effEditIdle: Idle(); return 0;
    case effProcessEvents: events = static_cast<VstEvents*>(ptr); return 1;
    case effCanBeAutomated: return canParameterBeAutomated(index) ? 1 : 0;
    case effGetProgramNameIndexed:
        return text && getProgramNameIndexed(static_cast<int32_t>(value), index, text) ? 1 : 0;
    case effSetBypass: setBypass(value != 0); return 1;
    case effGetEffectName: return text && getEffectName(text) ? 1 : 0;
    case effGetVendorString: return text && getVendorString(text) ? 1 : 0;
    case effGetProductString: return text && getProductString(text) ? 1 : 0;
    case effGetVendorVersion: return getVendorVersion();
    case effVendorSpecific: return vendorSpecific(index, value, ptr, opt);
    case effCanDo: return canDo(text);
    case effGetVstVersion: return getVstVersion();
    case effStopProcess: stopProcess(); return 1;
    default: return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}
