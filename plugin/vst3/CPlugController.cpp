#include "CPlugController.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "plug_state.h"
#include "vst3_strings.h"

namespace Steinberg::Vst {

using namespace vlt650;
namespace params = ::vlt::params;

namespace {

// The id of a program's value i: the host sees the edits in the program's order.
constexpr ParamID programId(int i) { return params::vst3::id_of(static_cast<params::Index>(i)); }

struct ParamRow {
    ParamID id;
    const TChar* title;
    int32 stepCount;
    int32 flags;
};

constexpr int32 kAuto = ParameterInfo::kCanAutomate;
const ParamRow kParamRows[] = {
    {kInGainId, u"In Gain", 0, kAuto},
    {kThreshId, u"Thresh", 0, kAuto},
    {kAttackId, u"Attack", 0, kAuto},
    {kReleaseId, u"Release", 0, kAuto},
    {kRatioId, u"Ratio", 0, kAuto},
    {kMakeupId, u"Makeup", 0, kAuto},
    {kMeterId, u"Meter", 0, ParameterInfo::kIsReadOnly},
    {kBypassId, u"Bypass", 0, kAuto},
    {kPresetId, u"Preset", kPresetSteps, kAuto | ParameterInfo::kIsProgramChange},
    {kHostBypassId, u"Host Bypass", 1, kAuto | ParameterInfo::kIsBypass},
};

}  // namespace

CPlugController::CPlugController() { openEditors_.reserve(10); }

CPlugController::~CPlugController() = default;

FUnknown* CPlugController::createInstance(void*)
{
    return static_cast<IEditController*>(new CPlugController());
}

tresult PLUGIN_API CPlugController::queryInterface(const TUID iid, void** obj)
{
    if (!obj)
        return kInvalidArgument;
    if (query_as<IMidiMapping>(iid, obj, this) || query_as<Presonus::IGainReductionInfo>(iid, obj, this) ||
        query_as<IUnitInfo>(iid, obj, this))
        return kResultOk;
    return EditControllerEx1::queryInterface(iid, obj);
}

tresult CPlugController::receiveText(const char8* text)
{
    if (text)
        std::fprintf(stderr, "[VLT650-VST3 Controller] received: %s\n", text);
    return kResultOk;
}

void CPlugController::addParameters()
{
    parameters.init(static_cast<int32>(std::size(kParamRows)));
    for (const ParamRow& row : kParamRows)
        parameters.addParameter(row.title, nullptr, row.stepCount, params::vst3::kDeclaredDefault, row.flags,
                                row.id, kRootUnitId);
}

tresult PLUGIN_API CPlugController::initialize(FUnknown* context)
{
    const tresult r = EditControllerEx1::initialize(context);
    if (r != kResultOk)
        return r;
    addUnit(new Unit(u"Root", kRootUnitId, kNoParentUnitId, kProgramListId));
    addParameters();
    buildFactoryPrograms(programs_);
    const ViewRect rect = initialEditorRect();
    editorWidth_ = rect.getWidth();
    editorHeight_ = rect.getHeight();
    return kResultOk;
}

tresult PLUGIN_API CPlugController::terminate()
{
    openEditors_.clear();
    return EditControllerEx1::terminate();
}

tresult PLUGIN_API CPlugController::setComponentState(IBStream* state)
{
    if (!state)
        return kResultOk;
    state->seek(0, IBStream::kIBSeekSet, nullptr);
    StateValues values;
    if (readState(state, values) != kResultOk)
        return kResultFalse;
    if (values.hasHostBypass)
        setParamNormalized(params::vst3::id_of(params::kHostBypass), values.value[kStateRequired]);
    // The stored meter goes to the meter parameter too.
    for (int slot = 0; slot < kStateRequired; ++slot)
        setParamNormalized(params::vst3::id_of(params::vst3::kStateOrder[slot]), values.value[slot]);
    return kResultOk;
}

tresult PLUGIN_API CPlugController::getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                                          String128 string)
{
    if (!string)
        return kResultFalse;
    const float v = static_cast<float>(valueNormalized);
    char text[128];
    params::Index q = params::kIndexCount;
    params::vst3::quantity_of(id, &q);
    if (params::is_knob(q))
        params::display<params::Vst3Precision>(q, v, text, sizeof(text));
    else if (q == params::kMeter)
        std::snprintf(text, sizeof(text), "%.1f dB", static_cast<double>(params::meter_db(v)));
    else if (q == params::kEffect)
        params::display(params::kEffect, v, text, sizeof(text));
    else if (q == params::kHostBypass)
        std::snprintf(text, sizeof(text), "%s", params::switched_on(v) ? "On" : "Off");
    else
        return EditControllerEx1::getParamStringByValue(id, valueNormalized, string);
    to_string128(string, text);
    return kResultOk;
}

int32 CPlugController::programIndexFromValue(ParamValue value) { return params::vst3::program_of(value); }

void CPlugController::editedValue(ParamID id, ParamValue value)
{
    beginEdit(id);
    EditControllerEx1::setParamNormalized(id, value);
    performEdit(id, value);
    endEdit(id);
}

void CPlugController::tellEditors(ParamID id, ParamValue value)
{
    for (CPlugEditorView* editor : openEditors_)
        editor->setParameter(id, value);
}

void CPlugController::selectProgram(int32 index, ParamValue value)
{
    editedValue(kPresetId, value);
    const CPlugProgram& program = programs_[index];
    for (int i = 0; i < params::kProgramValues; ++i)
        editedValue(programId(i), program.value[i]);
    for (CPlugEditorView* editor : openEditors_) {
        for (int i = 0; i < params::kProgramValues; ++i)
            editor->setParameter(programId(i), program.value[i]);
        editor->setProgramName(index, program.name);
    }
    notifyProgramListChange(kProgramListId, index);
}

tresult PLUGIN_API CPlugController::setParamNormalized(ParamID id, ParamValue value)
{
    if (id == kEditorWidthId || id == kEditorHeightId) {
        // Only a size that is a number of int32's range: a host's NaN,
        // infinity or beyond would reach int() undefined; it changes nothing.
        if (value > -2147483648.0 && value < 2147483647.0)
            (id == kEditorWidthId ? editorWidth_ : editorHeight_) = static_cast<int32>(value + 0.5);
        return kResultOk;
    }
    if (id == kPresetId && parameters.getParameter(kPresetId))
        selectProgram(programIndexFromValue(value), value);
    const tresult r = EditControllerEx1::setParamNormalized(id, value);
    tellEditors(id, value);
    return r;
}

IPlugView* PLUGIN_API CPlugController::createView(FIDString name)
{
    if (!name || std::strcmp(name, "editor") != 0)
        return nullptr;
    const ViewRect rect{0, 0, editorWidth_, editorHeight_};
    return createPlugEditorView(*this, rect);
}

void CPlugController::editorAttached(EditorView* editor)
{
    if (auto* view = dynamic_cast<CPlugEditorView*>(editor))
        openEditors_.push_back(view);
}

void CPlugController::editorRemoved(EditorView* editor)
{
    auto* view = dynamic_cast<CPlugEditorView*>(editor);
    auto it = std::find(openEditors_.begin(), openEditors_.end(), view);
    if (view && it != openEditors_.end())
        openEditors_.erase(it);
}

void CPlugController::editorDestroyed(EditorView* editor)
{
    // A host may release a view without removing it first: drop every
    // entry so no call reaches a freed view. The view is no longer a
    // CPlugEditorView here, so compare by its base.
    std::erase_if(openEditors_,
                  [editor](CPlugEditorView* v) { return static_cast<EditorView*>(v) == editor; });
}

int32 PLUGIN_API CPlugController::getProgramListCount() { return parameters.getParameter(kPresetId) ? 1 : 0; }

tresult PLUGIN_API CPlugController::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
    if (!parameters.getParameter(kPresetId) || listIndex != 0)
        return kResultFalse;
    info = {};
    info.id = kProgramListId;
    to_string128(info.name, "Factory Presets");
    info.programCount = kProgramCount;
    return kResultOk;
}

tresult PLUGIN_API CPlugController::getProgramName(ProgramListID listId, int32 programIndex, String128 name)
{
    if (listId != kProgramListId || !parameters.getParameter(kPresetId) || !name)
        return kResultFalse;
    char text[64];
    if (programIndex == 0)
        std::snprintf(text, sizeof(text), "Factory Defaults");
    else
        std::snprintf(text, sizeof(text), "Factory Preset %02d", static_cast<int>(programIndex));
    to_string128(name, text);
    return kResultOk;
}

tresult PLUGIN_API CPlugController::getMidiControllerAssignment(int32 busIndex, int16 channel,
                                                                CtrlNumber midiControllerNumber, ParamID& id)
{
    if (busIndex != 0 || midiControllerNumber != 7)
        return kResultFalse;
    id = kInGainId;
    return kResultOk;
}

double PLUGIN_API CPlugController::getGainReductionValueInDb()
{
    const float m =
        params::clamp_unit(static_cast<float>(getParamNormalized(params::vst3::id_of(params::kMeter))));
    return static_cast<double>(-params::meter_db(m));
}

void CPlugController::getFactoryPresetName(int32 index, char8 (&buffer)[64]) const
{
    const CPlugProgram& p = programs_[std::clamp(index, 0, kProgramCount - 1)];
    std::snprintf(buffer, sizeof(buffer), "%.63s", p.name);
}

}  // namespace Steinberg::Vst
