#pragma once
// A fake AAX host: the host objects behind every interface the plug-in
// uses, recording what the plug-in tells them. Objects belong to the
// host; reference counts start at 0 and must be back at 0 when the
// plug-in has let go of everything.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "aax_host_interface.h"

namespace fake {

// A host-side check failed: the test framework's failure (fake_host_gtest.cpp)
// or, in the Windows host, a printed failure.
void fake_host_failure(const std::string& what);

class FakeString final : public AAX_IString {
public:
    FakeString() = default;
    explicit FakeString(const char* t) : text(t) {}
    uint32_t Length() const override { return uint32_t(text.size()); }
    uint32_t MaxLength() const override { return 1024; }
    const char* Get() const override { return text.c_str(); }
    void Set(const char* t) override { text = t ? t : ""; }
    AAX_IString& operator=(const AAX_IString& o) override
    {
        text = o.Get();
        return *this;
    }
    AAX_IString& operator=(const char* t) override
    {
        Set(t);
        return *this;
    }
    std::string text;
};

// Reference counting and QueryInterface for one host object.
template <class I>
class Counted : public I {
public:
    ACFRESULT QueryInterface(const acfIID& iid, void** out) override
    {
        *out = nullptr;
        for (const acfIID& mine : iids)
            if (mine == iid) {
                *out = static_cast<I*>(this);
                AddRef();
                return 0;
            }
        return ACF_E_NOINTERFACE;
    }
    uint32_t AddRef() override { return uint32_t(++refs); }
    uint32_t Release() override { return uint32_t(--refs); }
    int refs = 0;
    std::vector<acfIID> iids;
};

class PropertyMap final : public Counted<AAX_IACFPropertyMap_V2> {
public:
    PropertyMap() { iids = {IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2}; }
    AAX_CBoolean GetProperty(AAX_EProperty p, AAX_CPropertyValue* v) const override;
    AAX_Result AddProperty(AAX_EProperty p, AAX_CPropertyValue v) override
    {
        values[p] = v;
        return 0;
    }
    AAX_Result RemoveProperty(AAX_EProperty p) override
    {
        values.erase(p);
        return 0;
    }
    AAX_Result AddPropertyWithIDArray(AAX_EProperty, const AAX_SPlugInIdentifierTriad*, uint32_t) override
    {
        return 0;
    }
    AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty, const AAX_SPlugInIdentifierTriad**,
                                        uint32_t*) const override
    {
        return 0;
    }
    std::map<int32_t, int32_t> values;
};

struct ProcessProc {
    AAX_CProcessProc process;
    AAX_CInstanceInitProc init;
    PropertyMap* properties;
};

class ComponentDescriptor final : public Counted<AAX_IACFComponentDescriptor_V2> {
public:
    ComponentDescriptor() { iids = {IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2}; }
    AAX_Result Clear() override
    {
        fields.clear();
        return 0;
    }
    AAX_Result AddReservedField(int32_t f, uint32_t) override { return field(f, "reserved"); }
    AAX_Result AddAudioIn(int32_t f) override { return field(f, "audio in"); }
    AAX_Result AddAudioOut(int32_t f) override { return field(f, "audio out"); }
    AAX_Result AddAudioBufferLength(int32_t f) override { return field(f, "buffer length"); }
    AAX_Result AddSampleRate(int32_t f) override { return field(f, "sample rate"); }
    AAX_Result AddClock(int32_t f) override { return field(f, "clock"); }
    AAX_Result AddSideChainIn(int32_t f) override { return field(f, "side chain"); }
    AAX_Result AddDataInPort(int32_t f, uint32_t size, AAX_EDataInPortType type) override;
    AAX_Result AddAuxOutputStem(int32_t f, int32_t, const char*) override { return field(f, "aux out"); }
    AAX_Result AddPrivateData(int32_t f, int32_t size, uint32_t options) override;
    AAX_Result AddDmaInstance(int32_t f, AAX_EDmaMode) override { return field(f, "dma"); }
    AAX_Result AddMIDINode(int32_t f, AAX_EMIDINodeType, const char*, uint32_t) override
    {
        return field(f, "midi");
    }
    AAX_Result AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* properties,
                                     AAX_CInstanceInitProc init, AAX_CBackgroundProc, uint32_t*) override;
    AAX_Result AddProcessProc_TI(const char*, const char*, IACFUnknown*, const char*, const char*,
                                 uint32_t*) override
    {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result AddMeters(int32_t f, const uint32_t* ids, uint32_t count) override;
    AAX_Result AddTemporaryData(int32_t f, uint32_t) override { return field(f, "temporary"); }

    std::map<int32_t, std::string> fields;
    std::map<int32_t, uint32_t> portSizes;
    std::map<int32_t, AAX_EDataInPortType> portTypes;
    int32_t privateSize = 0;
    uint32_t privateOptions = 0;
    std::vector<uint32_t> meterIDs;
    std::vector<ProcessProc> procs;

private:
    AAX_Result field(int32_t f, const char* what)
    {
        fields[f] = what;
        return 0;
    }
};

struct MeterDescription {
    uint32_t id;
    std::string name;
    PropertyMap* properties;
};

class EffectDescriptor final : public Counted<AAX_IACFEffectDescriptor_V2> {
public:
    EffectDescriptor() { iids = {IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2}; }
    AAX_Result AddComponent(IACFUnknown* c) override;
    AAX_Result AddName(const char* n) override
    {
        names.push_back(n);
        return 0;
    }
    AAX_Result AddCategory(uint32_t c) override
    {
        categories.push_back(c);
        return 0;
    }
    AAX_Result AddCategoryBypassParameter(uint32_t, AAX_CParamID) override { return 0; }
    AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID id) override
    {
        procPtrs[id] = proc;
        return 0;
    }
    AAX_Result SetProperties(IACFUnknown*) override { return 0; }
    AAX_Result AddResourceInfo(AAX_EResourceType, const char*) override { return 0; }
    AAX_Result AddMeterDescription(uint32_t id, const char* name, IACFUnknown* p) override;
    AAX_Result AddControlMIDINode(uint32_t, AAX_EMIDINodeType, const char*, uint32_t) override { return 0; }

    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::map<int32_t, void*> procPtrs;
    std::vector<ComponentDescriptor*> components;
    std::vector<MeterDescription> meters;
};

class PluginDefinition final : public Counted<IACFPluginDefinition> {
public:
    PluginDefinition() { iids = {IID_IACFPluginDefinition}; }
};

class Collection final : public Counted<AAX_IACFCollection> {
public:
    Collection() { iids = {IID_IAAXCollectionV1}; }
    ACFRESULT QueryInterface(const acfIID& iid, void** out) override
    {
        if (iid == IID_IACFPluginDefinition && definitionOffered)
            return definition.QueryInterface(iid, out);
        return Counted::QueryInterface(iid, out);
    }
    AAX_Result AddEffect(const char* id, IACFUnknown* d) override;
    AAX_Result SetManufacturerName(const char* n) override
    {
        manufacturer = n;
        return 0;
    }
    AAX_Result AddPackageName(const char* n) override
    {
        packageNames.push_back(n);
        return 0;
    }
    AAX_Result SetPackageVersion(uint32_t v) override
    {
        packageVersion = v;
        return 0;
    }
    AAX_Result SetProperties(IACFUnknown*) override { return 0; }

    std::vector<std::pair<std::string, EffectDescriptor*>> effects;
    std::string manufacturer;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
    PluginDefinition definition;
    bool definitionOffered = true;
};

class Controller final : public Counted<AAX_IACFController_V2> {
public:
    explicit Controller(bool v2)
    {
        iids = v2 ? std::vector<acfIID>{IID_IAAXControllerV1, IID_IAAXControllerV2}
                  : std::vector<acfIID>{IID_IAAXControllerV1};
    }
    AAX_Result GetEffectID(AAX_IString* effectID) const override
    {
        effectID->Set("fake.effect");
        return 0;
    }
    AAX_Result GetSampleRate(float* r) const override
    {
        *r = 48000;
        return 0;
    }
    AAX_Result GetInputStemFormat(AAX_EStemFormat* f) const override
    {
        *f = 1;
        return 0;
    }
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* f) const override
    {
        *f = 1;
        return 0;
    }
    AAX_Result GetSignalLatency(int32_t* s) const override
    {
        *s = 0;
        return 0;
    }
    AAX_Result GetCycleCount(AAX_EProperty, int32_t*) const override { return 0; }
    AAX_Result GetTODLocation(int64_t*) const override { return 0; }
    AAX_Result SetSignalLatency(int32_t) override { return 0; }
    AAX_Result SetCycleCount(AAX_EProperty*, int32_t*, int32_t) override { return 0; }
    AAX_Result PostPacket(int32_t port, const void* data, uint32_t size) override;
    AAX_Result GetCurrentMeterValue(uint32_t id, float* v) const override;
    AAX_Result GetMeterPeakValue(uint32_t, float*) const override { return 0; }
    AAX_Result ClearMeterPeakValue(uint32_t) const override { return 0; }
    AAX_Result GetMeterClipped(uint32_t, AAX_CBoolean*) const override { return 0; }
    AAX_Result ClearMeterClipped(uint32_t) const override { return 0; }
    AAX_Result GetMeterCount(uint32_t* n) const override
    {
        *n = 1;
        return 0;
    }
    AAX_Result GetNextMIDIPacket(int32_t*, AAX_CMidiPacket*) override { return 0; }
    AAX_Result SendNotification(uint32_t, const void*, uint32_t) override { return 0; }
    AAX_Result GetHybridSignalLatency(int32_t*) const override { return 0; }
    AAX_Result GetCurrentAutomationTimestamp(int64_t* t) const override
    {
        *t = 77;
        return 0;
    }
    AAX_Result GetHostName(AAX_IString* n) const override
    {
        n->Set("Fake Host");
        return 0;
    }

    struct Packet {
        int32_t port;
        std::vector<unsigned char> bytes;
    };
    std::vector<Packet> packets;
    // Where posted packets land, by port: the algorithm's port buffers.
    std::map<int32_t, std::pair<void*, uint32_t>> portBuffers;
    const float* meterTap = nullptr;
    float meter = 0.0f;  // what 'Mtr1' reads without a tap
    bool meterFails = false;
    // Runs inside every PostPacket, as a host that reacts at once would.
    std::function<void()> onPost;
};

class Automation final : public Counted<AAX_IACFAutomationDelegate> {
public:
    Automation() { iids = {IID_IAAXAutomationDelegateV1}; }
    AAX_Result RegisterParameter(AAX_CParamID id) override { return log("register", id); }
    AAX_Result UnregisterParameter(AAX_CParamID id) override { return log("unregister", id); }
    AAX_Result PostSetValueRequest(AAX_CParamID id, double v) const override { return log("request", id, v); }
    AAX_Result PostCurrentValue(AAX_CParamID id, double v) const override { return log("current", id, v); }
    AAX_Result PostTouchRequest(AAX_CParamID id) override { return log("touch", id); }
    AAX_Result PostReleaseRequest(AAX_CParamID id) override { return log("release", id); }
    AAX_Result GetTouchState(AAX_CParamID, AAX_CBoolean* t) override
    {
        *t = 0;
        return 0;
    }

    // Events as "touch InGain", "request InGain 0.5", ...
    mutable std::vector<std::string> events;
    std::vector<std::string> take();

private:
    AAX_Result log(const char* what, AAX_CParamID id, double v) const;
    AAX_Result log(const char* what, AAX_CParamID id) const;
};

class HostServices final : public Counted<AAX_IACFHostServices> {
public:
    HostServices() { iids = {IID_IAAXHostServicesV1}; }
    AAX_Result Assert(const char*, int32_t, const char*) override { return 0; }
    AAX_Result Trace(int32_t priority, const char* m) override
    {
        traces.emplace_back(priority, m);
        return 0;
    }
    std::vector<std::pair<int32_t, std::string>> traces;
};

// A container of the given type; its pointer is the platform view when one
// is given (an NSView on GNUstep), otherwise a token the plug-in must not use.
class ViewContainer final : public Counted<AAX_IACFViewContainer> {
public:
    // platformView: a real window (HWND) or view (NSView) when the test has one.
    explicit ViewContainer(int32_t t, void* platformView = nullptr) : type(t), view(platformView)
    {
        iids = {IID_IAAXViewContainerV1};
    }
    int32_t GetType() override { return type; }
    void* GetPtr() override { return view ? view : &type; }
    AAX_Result GetModifiers(uint32_t* m) override
    {
        *m = 0;
        return 0;
    }
    AAX_Result SetViewSize(AAX_Point&) override { return 0; }
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag(AAX_CParamID, uint32_t) override { return 1; }
    AAX_Result HandleParameterMouseUp(AAX_CParamID, uint32_t) override { return 1; }
    int32_t type;
    void* view;
    // 0 takes the click away from the plug-in; identifiers not listed get
    // mouseDownAnswer.
    std::map<std::string, AAX_Result> mouseDownAnswers;
    AAX_Result mouseDownAnswer = 1;
    // Offers as "InGain 16" (identifier, modifier bits).
    std::vector<std::string> mouseDowns;
};

class Transport final : public Counted<AAX_IACFTransport_V2> {
public:
    Transport() { iids = {IID_IAAXTransportV1, IID_IAAXTransportV2}; }
    AAX_Result GetCurrentTempo(double* b) const override
    {
        *b = 120;
        return 0;
    }
    AAX_Result GetCurrentMeter(int32_t*, int32_t*) const override { return 0; }
    AAX_Result IsTransportPlaying(bool*) const override { return 0; }
    AAX_Result GetCurrentTickPosition(int64_t*) const override { return 0; }
    AAX_Result GetCurrentLoopPosition(bool*, int64_t*, int64_t*) const override { return 0; }
    AAX_Result GetCurrentNativeSampleLocation(int64_t*) const override { return 0; }
    AAX_Result GetCustomTickPosition(int64_t*, int64_t) const override { return 0; }
    AAX_Result GetBarBeatPosition(int32_t*, int32_t*, int64_t*, int64_t) const override { return 0; }
    AAX_Result GetTicksPerQuarter(uint32_t*) const override { return 0; }
    AAX_Result GetCurrentTicksPerBeat(uint32_t*) const override { return 0; }
    AAX_Result GetTimelineSelectionStartPosition(int64_t*) const override { return 0; }
    AAX_Result GetTimeCodeInfo(AAX_EFrameRate*, int32_t*) const override { return 0; }
    AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate*, int64_t*) const override { return 0; }
    AAX_Result IsMetronomeEnabled(int32_t*) const override { return 0; }
};

// What a host offers; switches turn pieces off to test the plug-in's fallbacks.
struct Offer {
    bool factory = true;
    bool refuseCreation = false;
    bool automation = true;
    bool controllerV2 = true;
    bool pluginDefinition = true;
    bool throwOnCreate = false;
};

class Host;

class Factory final : public Counted<IACFComponentFactory> {
public:
    explicit Factory(Host& h) : host(h) { iids = {IID_IACFComponentFactory}; }
    ACFRESULT CreateComponent(const acfCLSID& comp, IACFUnknown* outer, const acfIID& iid,
                              void** out) override;
    Host& host;
};

// The host unknown handed to the exports and to Initialize.
class Host final : public Counted<IACFUnknown> {
public:
    explicit Host(Offer o = {});
    ACFRESULT QueryInterface(const acfIID& iid, void** out) override;

    // Every object the host ever made, for the balance check.
    std::vector<const int*> allRefs() const;
    bool balanced() const;

    Offer offer;
    Factory factory;
    Controller controller;
    Automation automation;
    Transport transport;
    HostServices services;
    std::vector<std::unique_ptr<Collection>> collections;
    std::vector<std::unique_ptr<EffectDescriptor>> effects;
    std::vector<std::unique_ptr<ComponentDescriptor>> components;
    std::vector<std::unique_ptr<PropertyMap>> maps;
    // Handed out for IID_IAAXEffectParametersV1 (the GUI asks for it).
    IACFUnknown* effectParameters = nullptr;
};

}  // namespace fake
