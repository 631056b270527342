#include "VLT650_Parameters.h"

#include <new>

#include "AAX_CParameter.h"
#include "CNFq.h"
#include "VLT650_DisplayDelegates.h"
#include "VLT650_Layout.h"
#include "aax_param_ids.h"
#include "start_values.h"

namespace {

namespace params = vlt::params;

struct KnobRow {
    params::Index knob;
    const char* name;
    const AAX_IDisplayDelegate<float>& display;
};

const VLT650_InGainDisplayDelegate kInGainText;
const VLT650_ThreshDisplayDelegate kThreshText;
const VLT650_AttackDisplayDelegate kAttackText;
const VLT650_ReleaseDisplayDelegate kReleaseText;
const VLT650_RatioDisplayDelegate kRatioText;
const VLT650_MakeupDisplayDelegate kMakeupText;

const KnobRow kKnobs[] = {
    {params::kInGain, "In Gain", kInGainText}, {params::kThreshold, "Threshold", kThreshText},
    {params::kAttack, "Attack", kAttackText},  {params::kRelease, "Release", kReleaseText},
    {params::kRatio, "Ratio", kRatioText},     {params::kMakeup, "Out Trim", kMakeupText},
};

struct PortRow {
    const char* id;
    int32_t port;
};
const PortRow kPorts[] = {
    {cDefaultMasterBypassID, eField_Bypass}, {kVLT650_InGainID, eField_InGain},
    {kVLT650_ThreshID, eField_Thresh},       {kVLT650_AttackID, eField_Attack},
    {kVLT650_ReleaseID, eField_Release},     {kVLT650_RatioID, eField_Ratio},
    {kVLT650_MakeupID, eField_Makeup},       {kVLT650_InID, eField_In},
};

}  // namespace

IACFUnknown* VLT650_Parameters::Create()
{
    return static_cast<AAX_IACFEffectParameters_V2*>(new VLT650_Parameters());
}

AAX_Result VLT650_Parameters::EffectInit()
{
    auto* bypass = new AAX_CParameter<bool>(cDefaultMasterBypassID, AAX_CString("Master Bypass"),
                                            params::kAaxMasterBypassDefault, AAX_CBinaryTaperDelegate<bool>(),
                                            AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
    auto* in = new AAX_CParameter<float>(
        params::aax::id_of(params::kEffect), AAX_CString("In"), params::kAaxDefaults[params::kEffect],
        AAX_CBinaryTaperDelegate<float>(), AAX_CBinaryDisplayDelegate<float>("Off", "On"), true);
    for (AAX_IParameter* p : {static_cast<AAX_IParameter*>(bypass), static_cast<AAX_IParameter*>(in)}) {
        p->SetNumberOfSteps(2);
        p->SetType(AAX_eParameterType_Discrete);
        mParameterManager.AddParameter(p);
    }
    for (const KnobRow& row : kKnobs) {
        auto* p = new AAX_CParameter<float>(
            params::aax::id_of(row.knob), AAX_CString(row.name), params::kAaxDefaults[row.knob],
            AAX_CLinearTaperDelegate<float, 0>(params::kHostMin, params::kHostMax), row.display, true);
        p->SetType(AAX_eParameterType_Continuous);
        mParameterManager.AddParameter(p);
    }
    for (const PortRow& row : kPorts)
        mPacketDispatcher.RegisterPacket(row.id, row.port, &mPacketDispatcher,
                                         &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    return AAX_SUCCESS;
}

AAX_Result VLT650_Parameters::ResetFieldData(int32_t field, void* data, uint32_t size) const
{
    if (field != eField_Private)
        return AAX_CEffectParameters::ResetFieldData(field, data, size);
    if (!data || size != sizeof(CNFq))
        return AAX_ERROR_PRIVATE_DATA_SIZE;
    // Only the constant part: the algorithm's initialisation builds the rest.
    new (data) CNFq(CNFq::PlacedInHostMemory{});
    return AAX_SUCCESS;
}
