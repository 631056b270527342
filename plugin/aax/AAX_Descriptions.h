#pragma once
// The plug-in-side description interfaces and the wrappers that fill the
// host's description objects during registration.
#include <memory>
#include <vector>

#include "CACFUnknown.h"

class AAX_IPropertyMap {
public:
    virtual ~AAX_IPropertyMap() = default;
    virtual AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* value) const = 0;
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty(AAX_EProperty property) = 0;
    virtual AAX_Result AddPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                              uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property,
                                                const AAX_SPlugInIdentifierTriad** ids,
                                                uint32_t* count) const = 0;
    virtual IACFUnknown* GetIUnknown() const = 0;
};

class AAX_IComponentDescriptor {
public:
    virtual ~AAX_IComponentDescriptor() = default;
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn(int32_t field) = 0;
    virtual AAX_Result AddAudioOut(int32_t field) = 0;
    virtual AAX_Result AddAudioBufferLength(int32_t field) = 0;
    virtual AAX_Result AddSampleRate(int32_t field) = 0;
    virtual AAX_Result AddClock(int32_t field) = 0;
    virtual AAX_Result AddSideChainIn(int32_t field) = 0;
    virtual AAX_Result AddDataInPort(int32_t field, uint32_t packetSize, AAX_EDataInPortType type) = 0;
    virtual AAX_Result AddAuxOutputStem(int32_t field, int32_t stemFormat, const char* name) = 0;
    virtual AAX_Result AddPrivateData(int32_t field, int32_t size, uint32_t options) = 0;
    virtual AAX_Result AddTemporaryData(int32_t field, uint32_t size) = 0;
    virtual AAX_Result AddDmaInstance(int32_t field, AAX_EDmaMode mode) = 0;
    virtual AAX_Result AddMeters(int32_t field, const uint32_t* ids, uint32_t count) = 0;
    virtual AAX_Result AddMIDINode(int32_t field, AAX_EMIDINodeType type, const char* name,
                                   uint32_t channelMask) = 0;
    virtual AAX_Result AddReservedField(int32_t field, uint32_t type) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) = 0;
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                             AAX_CInstanceInitProc init, AAX_CBackgroundProc background,
                                             uint32_t* procID) = 0;
    virtual AAX_Result AddProcessProc_TI(const char* dll, const char* process, AAX_IPropertyMap* properties,
                                         const char* init, const char* background, uint32_t* procID) = 0;
    virtual IACFUnknown* GetIUnknown() const = 0;
};

class AAX_IEffectDescriptor {
public:
    virtual ~AAX_IEffectDescriptor() = default;
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* component) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID id) = 0;
    virtual AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID id) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) = 0;
    virtual AAX_Result AddMeterDescription(uint32_t meterID, const char* name,
                                           AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType type, const char* name,
                                          uint32_t channelMask) = 0;
    virtual IACFUnknown* GetIUnknown() const = 0;
};

class AAX_ICollection {
public:
    virtual ~AAX_ICollection() = default;
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual IACFUnknown* GetIUnknown() const = 0;
};

// Children made by the New operations belong to their parent.
template <class Child>
class AAX_OwnedChildren {
public:
    template <class... A>
    Child* add(A&&... args)
    {
        m_children.push_back(std::make_unique<Child>(std::forward<A>(args)...));
        return m_children.back().get();
    }

private:
    std::vector<std::unique_ptr<Child>> m_children;
};

class AAX_VPropertyMap final : public AAX_IPropertyMap {
public:
    explicit AAX_VPropertyMap(IACFUnknown* host);
    AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* value) const override;
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty(AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                      uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                        uint32_t* count) const override;
    IACFUnknown* GetIUnknown() const override { return m_v1.get(); }

private:
    ACFPtr<AAX_IACFPropertyMap> m_v1;
    ACFPtr<AAX_IACFPropertyMap_V2> m_v2;
};

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor {
public:
    explicit AAX_VComponentDescriptor(IACFUnknown* host);
    AAX_Result Clear() override;
    AAX_Result AddAudioIn(int32_t field) override;
    AAX_Result AddAudioOut(int32_t field) override;
    AAX_Result AddAudioBufferLength(int32_t field) override;
    AAX_Result AddSampleRate(int32_t field) override;
    AAX_Result AddClock(int32_t field) override;
    AAX_Result AddSideChainIn(int32_t field) override;
    AAX_Result AddDataInPort(int32_t field, uint32_t packetSize, AAX_EDataInPortType type) override;
    AAX_Result AddAuxOutputStem(int32_t field, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData(int32_t field, int32_t size, uint32_t options) override;
    AAX_Result AddTemporaryData(int32_t field, uint32_t size) override;
    AAX_Result AddDmaInstance(int32_t field, AAX_EDmaMode mode) override;
    AAX_Result AddMeters(int32_t field, const uint32_t* ids, uint32_t count) override;
    AAX_Result AddMIDINode(int32_t field, AAX_EMIDINodeType type, const char* name,
                           uint32_t channelMask) override;
    AAX_Result AddReservedField(int32_t field, uint32_t type) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                     AAX_CInstanceInitProc init, AAX_CBackgroundProc background,
                                     uint32_t* procID) override;
    AAX_Result AddProcessProc_TI(const char* dll, const char* process, AAX_IPropertyMap* properties,
                                 const char* init, const char* background, uint32_t* procID) override;
    IACFUnknown* GetIUnknown() const override { return m_v1.get(); }

private:
    ACFPtr<IACFUnknown> m_host;
    ACFPtr<AAX_IACFComponentDescriptor> m_v1;
    ACFPtr<AAX_IACFComponentDescriptor_V2> m_v2;
    AAX_OwnedChildren<AAX_VPropertyMap> m_maps;
};

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor {
public:
    explicit AAX_VEffectDescriptor(IACFUnknown* host);
    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t category) override;
    AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID id) override;
    AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID id) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) override;
    AAX_Result AddMeterDescription(uint32_t meterID, const char* name, AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType type, const char* name,
                                  uint32_t channelMask) override;
    IACFUnknown* GetIUnknown() const override { return m_v1.get(); }

private:
    ACFPtr<IACFUnknown> m_host;
    ACFPtr<AAX_IACFEffectDescriptor> m_v1;
    ACFPtr<AAX_IACFEffectDescriptor_V2> m_v2;
    // Declared after the host pointers so the children go first.
    AAX_OwnedChildren<AAX_VComponentDescriptor> m_components;
    AAX_OwnedChildren<AAX_VPropertyMap> m_maps;
};

class AAX_VCollection final : public AAX_ICollection {
public:
    explicit AAX_VCollection(IACFUnknown* host);
    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    IACFUnknown* GetIUnknown() const override { return m_v1.get(); }

private:
    ACFPtr<IACFUnknown> m_host;
    ACFPtr<AAX_IACFCollection> m_v1;
    AAX_OwnedChildren<AAX_VEffectDescriptor> m_descriptors;
    AAX_OwnedChildren<AAX_VPropertyMap> m_maps;
};

inline IACFUnknown* aax_unknown_of(const AAX_IPropertyMap* map) { return map ? map->GetIUnknown() : nullptr; }
