#include "AAX_Descriptions.h"
#include "AAX_Forward.h"

namespace {

void keep(ACFPtr<IACFUnknown>& into, IACFUnknown* host)
{
    if (host)
        host->AddRef();
    into.reset(host);
}

// The V2 interface is asked from the V1 object the factory made.
template <class V1, class V2>
void query_v2(const ACFPtr<V1>& v1, const acfIID& iid, ACFPtr<V2>& into)
{
    acf_query(v1.get(), iid, into);
}

}  // namespace

// ----------------------------------------------------------- property map
AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host)
{
    acf_create(host, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1, m_v1);
    query_v2(m_v1, IID_IAAXPropertyMapV2, m_v2);
}

AAX_CBoolean AAX_VPropertyMap::GetProperty(AAX_EProperty p, AAX_CPropertyValue* v) const
{
    return m_v1 ? m_v1->GetProperty(p, v) : 0;
}

AAX_Result AAX_VPropertyMap::AddProperty(AAX_EProperty p, AAX_CPropertyValue v)
{
    return aax_forward(m_v1, kAAXNoV1, [&](auto* h) { return h->AddProperty(p, v); });
}

AAX_Result AAX_VPropertyMap::RemoveProperty(AAX_EProperty p)
{
    return aax_forward(m_v1, kAAXNoV1, [&](auto* h) { return h->RemoveProperty(p); });
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray(AAX_EProperty p, const AAX_SPlugInIdentifierTriad* ids,
                                                    uint32_t count)
{
    return aax_forward(m_v2, kAAXNoV2, [&](auto* h) { return h->AddPropertyWithIDArray(p, ids, count); });
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray(AAX_EProperty p, const AAX_SPlugInIdentifierTriad** ids,
                                                      uint32_t* count) const
{
    return m_v2 ? m_v2->GetPropertyWithIDArray(p, ids, count) : 0;
}

// ---------------------------------------------------- component descriptor
AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* host)
{
    keep(m_host, host);
    acf_create(host, AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1, m_v1);
    query_v2(m_v1, IID_IAAXComponentDescriptorV2, m_v2);
}

AAX_Result AAX_VComponentDescriptor::Clear() { return AAX_V1_CALL(Clear()); }
AAX_Result AAX_VComponentDescriptor::AddAudioIn(int32_t f) { return AAX_V1_CALL(AddAudioIn(f)); }
AAX_Result AAX_VComponentDescriptor::AddAudioOut(int32_t f) { return AAX_V1_CALL(AddAudioOut(f)); }
AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(int32_t f)
{
    return AAX_V1_CALL(AddAudioBufferLength(f));
}
AAX_Result AAX_VComponentDescriptor::AddSampleRate(int32_t f) { return AAX_V1_CALL(AddSampleRate(f)); }
AAX_Result AAX_VComponentDescriptor::AddClock(int32_t f) { return AAX_V1_CALL(AddClock(f)); }
AAX_Result AAX_VComponentDescriptor::AddSideChainIn(int32_t f) { return AAX_V1_CALL(AddSideChainIn(f)); }
AAX_Result AAX_VComponentDescriptor::AddDataInPort(int32_t f, uint32_t size, AAX_EDataInPortType type)
{
    return AAX_V1_CALL(AddDataInPort(f, size, type));
}
AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem(int32_t f, int32_t stem, const char* name)
{
    return AAX_V1_CALL(AddAuxOutputStem(f, stem, name));
}
AAX_Result AAX_VComponentDescriptor::AddPrivateData(int32_t f, int32_t size, uint32_t options)
{
    return AAX_V1_CALL(AddPrivateData(f, size, options));
}
AAX_Result AAX_VComponentDescriptor::AddTemporaryData(int32_t f, uint32_t size)
{
    return AAX_V2_CALL(AddTemporaryData(f, size));
}
AAX_Result AAX_VComponentDescriptor::AddDmaInstance(int32_t f, AAX_EDmaMode mode)
{
    return AAX_V1_CALL(AddDmaInstance(f, mode));
}
AAX_Result AAX_VComponentDescriptor::AddMeters(int32_t f, const uint32_t* ids, uint32_t count)
{
    return AAX_V1_CALL(AddMeters(f, ids, count));
}
AAX_Result AAX_VComponentDescriptor::AddMIDINode(int32_t f, AAX_EMIDINodeType type, const char* name,
                                                 uint32_t mask)
{
    return AAX_V1_CALL(AddMIDINode(f, type, name, mask));
}
AAX_Result AAX_VComponentDescriptor::AddReservedField(int32_t f, uint32_t type)
{
    return AAX_V1_CALL(AddReservedField(f, type));
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() { return m_maps.add(m_host.get()); }

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(AAX_IPropertyMap* source)
{
    AAX_IPropertyMap* copy = NewPropertyMap();
    if (!source)
        return copy;
    for (AAX_EProperty p = AAX_eProperty_MinProperty; p <= AAX_eProperty_MaxProperty; ++p) {
        AAX_CPropertyValue value = 0;
        if (source->GetProperty(p, &value))
            copy->AddProperty(p, value);
    }
    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc process,
                                                           AAX_IPropertyMap* properties,
                                                           AAX_CInstanceInitProc init,
                                                           AAX_CBackgroundProc background, uint32_t* procID)
{
    return AAX_V1_CALL(AddProcessProc_Native(process, aax_unknown_of(properties), init, background, procID));
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI(const char* dll, const char* process,
                                                       AAX_IPropertyMap* properties, const char* init,
                                                       const char* background, uint32_t* procID)
{
    return AAX_V1_CALL(AddProcessProc_TI(dll, process, aax_unknown_of(properties), init, background, procID));
}

// ------------------------------------------------------- effect descriptor
AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* host)
{
    keep(m_host, host);
    acf_create(host, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1, m_v1);
    query_v2(m_v1, IID_IAAXEffectDescriptorV2, m_v2);
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    return m_components.add(m_host.get());
}

AAX_Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* c)
{
    return AAX_V1_CALL(AddComponent(c ? c->GetIUnknown() : nullptr));
}
AAX_Result AAX_VEffectDescriptor::AddName(const char* name) { return AAX_V1_CALL(AddName(name)); }
AAX_Result AAX_VEffectDescriptor::AddCategory(uint32_t cat) { return AAX_V1_CALL(AddCategory(cat)); }
AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter(uint32_t cat, AAX_CParamID id)
{
    return AAX_V1_CALL(AddCategoryBypassParameter(cat, id));
}
AAX_Result AAX_VEffectDescriptor::AddProcPtr(void* proc, AAX_CProcPtrID id)
{
    return AAX_V1_CALL(AddProcPtr(proc, id));
}
AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap() { return m_maps.add(m_host.get()); }
AAX_Result AAX_VEffectDescriptor::SetProperties(AAX_IPropertyMap* p)
{
    return AAX_V1_CALL(SetProperties(aax_unknown_of(p)));
}
AAX_Result AAX_VEffectDescriptor::AddResourceInfo(AAX_EResourceType type, const char* info)
{
    return AAX_V1_CALL(AddResourceInfo(type, info));
}
AAX_Result AAX_VEffectDescriptor::AddMeterDescription(uint32_t id, const char* name, AAX_IPropertyMap* p)
{
    return AAX_V1_CALL(AddMeterDescription(id, name, aax_unknown_of(p)));
}
AAX_Result AAX_VEffectDescriptor::AddControlMIDINode(uint32_t id, AAX_EMIDINodeType type, const char* name,
                                                     uint32_t mask)
{
    return AAX_V2_CALL(AddControlMIDINode(id, type, name, mask));
}

// -------------------------------------------------------------- collection
AAX_VCollection::AAX_VCollection(IACFUnknown* host)
{
    keep(m_host, host);
    acf_create(host, AAXCompID_AAXCollection, IID_IAAXCollectionV1, m_v1);
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() { return m_descriptors.add(m_host.get()); }

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* d)
{
    if (!d)
        return kAAXNoV1;
    return AAX_V1_CALL(AddEffect(effectID, d->GetIUnknown()));
}
AAX_Result AAX_VCollection::SetManufacturerName(const char* n) { return AAX_V1_CALL(SetManufacturerName(n)); }
AAX_Result AAX_VCollection::AddPackageName(const char* n) { return AAX_V1_CALL(AddPackageName(n)); }
AAX_Result AAX_VCollection::SetPackageVersion(uint32_t v) { return AAX_V1_CALL(SetPackageVersion(v)); }
AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() { return m_maps.add(m_host.get()); }
AAX_Result AAX_VCollection::SetProperties(AAX_IPropertyMap* p)
{
    return AAX_V1_CALL(SetProperties(aax_unknown_of(p)));
}
