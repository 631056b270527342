#pragma once
// Controller-side interfaces: edit controller, component handler, units,
// MIDI mapping, and the gain-reduction extension.
#include "ibstream.h"
#include "ipluginbase.h"
#include "iplugview.h"

namespace Steinberg::Vst {

struct ParameterInfo {
    enum ParameterFlags {
        kNoFlags = 0,
        kCanAutomate = 1 << 0,
        kIsReadOnly = 1 << 1,
        kIsWrapAround = 1 << 2,
        kIsList = 1 << 3,
        kIsHidden = 1 << 4,
        kIsProgramChange = 1 << 15,
        kIsBypass = 1 << 16
    };
    ParamID id;
    String128 title;
    String128 shortTitle;
    String128 units;
    int32 stepCount;
    ParamValue defaultNormalizedValue;
    UnitID unitId;
    int32 flags;
};

struct IComponentHandler : FUnknown {
    VST3_INTERFACE_IID(IComponentHandler);
    virtual tresult PLUGIN_API beginEdit(ParamID id) = 0;
    virtual tresult PLUGIN_API performEdit(ParamID id, ParamValue valueNormalized) = 0;
    virtual tresult PLUGIN_API endEdit(ParamID id) = 0;
    virtual tresult PLUGIN_API restartComponent(int32 flags) = 0;
};

struct IEditController : IPluginBase {
    VST3_INTERFACE_IID(IEditController);
    virtual tresult PLUGIN_API setComponentState(IBStream* state) = 0;
    virtual tresult PLUGIN_API setState(IBStream* state) = 0;
    virtual tresult PLUGIN_API getState(IBStream* state) = 0;
    virtual int32 PLUGIN_API getParameterCount() = 0;
    virtual tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) = 0;
    virtual tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                                     String128 string) = 0;
    virtual tresult PLUGIN_API getParamValueByString(ParamID id, TChar* string,
                                                     ParamValue& valueNormalized) = 0;
    virtual ParamValue PLUGIN_API normalizedParamToPlain(ParamID id, ParamValue valueNormalized) = 0;
    virtual ParamValue PLUGIN_API plainParamToNormalized(ParamID id, ParamValue plainValue) = 0;
    virtual ParamValue PLUGIN_API getParamNormalized(ParamID id) = 0;
    virtual tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) = 0;
    virtual tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) = 0;
    virtual IPlugView* PLUGIN_API createView(FIDString name) = 0;
};

inline constexpr UnitID kRootUnitId = 0;
inline constexpr UnitID kNoParentUnitId = -1;
inline constexpr ProgramListID kNoProgramListId = -1;

struct UnitInfo {
    UnitID id;
    UnitID parentUnitId;
    String128 name;
    ProgramListID programListId;
};

struct ProgramListInfo {
    ProgramListID id;
    String128 name;
    int32 programCount;
};

struct IUnitHandler : FUnknown {
    VST3_INTERFACE_IID(IUnitHandler);
    virtual tresult PLUGIN_API notifyUnitSelection(UnitID unitId) = 0;
    virtual tresult PLUGIN_API notifyProgramListChange(ProgramListID listId, int32 programIndex) = 0;
};

struct IUnitInfo : FUnknown {
    VST3_INTERFACE_IID(IUnitInfo);
    virtual int32 PLUGIN_API getUnitCount() = 0;
    virtual tresult PLUGIN_API getUnitInfo(int32 unitIndex, UnitInfo& info) = 0;
    virtual int32 PLUGIN_API getProgramListCount() = 0;
    virtual tresult PLUGIN_API getProgramListInfo(int32 listIndex, ProgramListInfo& info) = 0;
    virtual tresult PLUGIN_API getProgramName(ProgramListID listId, int32 programIndex, String128 name) = 0;
    virtual tresult PLUGIN_API getProgramInfo(ProgramListID listId, int32 programIndex, CString attributeId,
                                              String128 attributeValue) = 0;
    virtual tresult PLUGIN_API hasProgramPitchNames(ProgramListID listId, int32 programIndex) = 0;
    virtual tresult PLUGIN_API getProgramPitchName(ProgramListID listId, int32 programIndex, int16 midiPitch,
                                                   String128 name) = 0;
    virtual UnitID PLUGIN_API getSelectedUnit() = 0;
    virtual tresult PLUGIN_API selectUnit(UnitID unitId) = 0;
    virtual tresult PLUGIN_API getUnitByBus(MediaType type, BusDirection dir, int32 busIndex, int32 channel,
                                            UnitID& unitId) = 0;
    virtual tresult PLUGIN_API setUnitProgramData(int32 listOrUnitId, int32 programIndex, IBStream* data) = 0;
};

struct IMidiMapping : FUnknown {
    VST3_INTERFACE_IID(IMidiMapping);
    virtual tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, int16 channel,
                                                           CtrlNumber midiControllerNumber, ParamID& id) = 0;
};

}  // namespace Steinberg::Vst

namespace Presonus {
// Lets a host show the plug-in's gain reduction in its mixer.
struct IGainReductionInfo : Steinberg::FUnknown {
    VST3_INTERFACE_IID(IGainReductionInfo);
    virtual double PLUGIN_API getGainReductionValueInDb() = 0;
};
}  // namespace Presonus
