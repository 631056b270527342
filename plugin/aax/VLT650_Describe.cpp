// What the host learns when it loads the module: two effects, mono and
// stereo, each with one native algorithm component.
#include "AAX_Descriptions.h"
#include "CNFq.h"
#include "VLT650_Algorithm.h"
#include "VLT650_GUI.h"
#include "VLT650_Parameters.h"

AAX_Result GetEffectDescriptions(AAX_ICollection* collection);

namespace {

struct Variant {
    const char* effectID;
    AAX_EStemFormat stem;
    uint32_t nativeID;
    uint32_t audioSuiteID;
    AAX_CProcessProc process;
};

const Variant kMono = {"com.brindledsp.aax.vlt650.mono", AAX_eStemFormat_Mono, aax_fourcc("7b40"),
                       aax_fourcc("5151"), VLT650_AlgorithmProcessFunctionM};
const Variant kStereo = {"com.brindledsp.aax.vlt650.stereo", AAX_eStemFormat_Stereo, aax_fourcc("a999"),
                         aax_fourcc("c6b3"), VLT650_AlgorithmProcessFunctionS};

const char* const kNames[] = {"Brindle VLT650", "Brindle VLT650", "VLT650", "VLT650",
                              "VLT650",         "VLT650",         "VLT650"};

void describe_fields(AAX_IComponentDescriptor& c)
{
    c.AddAudioIn(eField_AudioIn);
    c.AddAudioOut(eField_AudioOut);
    c.AddAudioBufferLength(eField_BufferLength);
    const uint32_t meters[] = {kVLT650_MeterID};
    c.AddMeters(eField_Meters, meters, 1);
    c.AddSampleRate(eField_SampleRate);
    for (int32_t port = eField_Bypass; port <= eField_In; ++port)
        c.AddDataInPort(port, kVLT650_PortSize, AAX_eDataInPortType_Buffered);
    c.AddPrivateData(eField_Private, int32_t(sizeof(CNFq)), AAX_ePrivateDataOptions_External);
}

void describe_properties(AAX_IPropertyMap& p, const Variant& v)
{
    p.AddProperty(AAX_eProperty_ManufacturerID, int32_t(aax_fourcc("BRDL")));
    p.AddProperty(AAX_eProperty_ProductID, int32_t(aax_fourcc("bc7d")));
    p.AddProperty(AAX_eProperty_CanBypass, 1);
    p.AddProperty(AAX_eProperty_InputStemFormat, v.stem);
    p.AddProperty(AAX_eProperty_OutputStemFormat, v.stem);
    p.AddProperty(AAX_eProperty_PlugInID_Native, int32_t(v.nativeID));
    p.AddProperty(AAX_eProperty_PlugInID_AudioSuite, int32_t(v.audioSuiteID));
}

AAX_Result describe_effect(AAX_ICollection& collection, const Variant& v)
{
    AAX_IEffectDescriptor* effect = collection.NewDescriptor();
    if (!effect || !effect->GetIUnknown())
        return AAX_ERROR_NULL_OBJECT;
    for (const char* name : kNames)
        effect->AddName(name);
    effect->AddCategory(AAX_ePlugInCategory_Dynamics);

    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    if (!component || !component->GetIUnknown())
        return AAX_ERROR_NULL_OBJECT;
    describe_fields(*component);
    AAX_IPropertyMap* properties = component->NewPropertyMap();
    describe_properties(*properties, v);
    component->AddProcessProc_Native(v.process, properties, VLT650_AlgorithmInitFunction, nullptr, nullptr);
    effect->AddComponent(component);

    effect->AddProcPtr(reinterpret_cast<void*>(&VLT650_Parameters::Create),
                       kAAX_ProcPtrID_Create_EffectParameters);
    effect->AddProcPtr(reinterpret_cast<void*>(&VLT650_GUI_Create), kAAX_ProcPtrID_Create_EffectGUI);

    AAX_IPropertyMap* meter = effect->NewPropertyMap();
    meter->AddProperty(AAX_eProperty_Meter_Type, 2);
    meter->AddProperty(AAX_eProperty_Meter_Orientation, 0);
    effect->AddMeterDescription(kVLT650_MeterID, "GR Meter", meter);
    return collection.AddEffect(v.effectID, effect);
}

}  // namespace

AAX_Result GetEffectDescriptions(AAX_ICollection* collection)
{
    if (!collection)
        return AAX_ERROR_NULL_OBJECT;
    describe_effect(*collection, kMono);
    const AAX_Result result = describe_effect(*collection, kStereo);
    collection->SetManufacturerName("Brindle DSP");
    for (const char* name : {"VLT650 Plug-In", "VLT650", "VLT650"})
        collection->AddPackageName(name);
    collection->SetPackageVersion(1);
    return result;
}
