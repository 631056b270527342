#pragma once
// The AAX host interface as this plug-in sees it: the ACF identifiers,
// result codes, records and the host's interfaces with their slots, in
// the order the host lays out its tables. Shared by the plug-in and by
// the fake host in the tests.
//
// ACF interfaces have no virtual destructor (the host never deletes
// through them); a slot the plug-in never calls is kept as a placeholder
// so the later slots stay at their positions.
#include <cstddef>
#include <cstdint>

typedef int32_t AAX_Result;
typedef int32_t ACFRESULT;
typedef uint8_t AAX_CBoolean;
typedef const char* AAX_CParamID;
typedef int32_t AAX_EProperty;
typedef int32_t AAX_CPropertyValue;
typedef int32_t AAX_EStemFormat;
typedef int32_t AAX_EParameterType;
typedef int32_t AAX_EUpdateSource;
typedef int32_t AAX_EResourceType;
typedef int32_t AAX_EMIDINodeType;
typedef int32_t AAX_EDataInPortType;
typedef int32_t AAX_EComponentInstanceInitAction;
typedef int32_t AAX_CProcPtrID;
typedef int32_t AAX_EPlugInStrings;
typedef int32_t AAX_EHighlightColor;
typedef int32_t AAX_EFrameRate;
typedef int32_t AAX_EFeetFramesRate;
typedef int32_t AAX_EDmaMode;

// ---------------------------------------------------------------- results
constexpr AAX_Result AAX_SUCCESS = 0;
constexpr AAX_Result AAX_ERROR_INVALID_PARAMETER_ID = -20001;
constexpr AAX_Result AAX_ERROR_INVALID_STRING_CONVERSION = -20002;
constexpr AAX_Result AAX_ERROR_NULL_OBJECT = -20004;
constexpr AAX_Result AAX_ERROR_INVALID_CHUNK_INDEX = -20006;
constexpr AAX_Result AAX_ERROR_INVALID_CHUNK_ID = -20007;
constexpr AAX_Result AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008;
constexpr AAX_Result AAX_ERROR_UNIMPLEMENTED = -20009;
constexpr AAX_Result AAX_ERROR_NO_HOST_UNKNOWN = -20011;
constexpr AAX_Result AAX_ERROR_NEGATIVE_STEPS = -20033;
constexpr AAX_Result AAX_ERROR_CHUNK_OVERFLOW = -333;
constexpr AAX_Result AAX_ERROR_PRIVATE_DATA_SIZE = -9998;
constexpr ACFRESULT ACF_E_NOINTERFACE = static_cast<ACFRESULT>(0x80000004u);
constexpr ACFRESULT ACF_E_POINTER = static_cast<ACFRESULT>(0x80000005u);
constexpr ACFRESULT ACF_E_UNEXPECTED = static_cast<ACFRESULT>(0x8000FFFFu);

constexpr uint64_t kAAXSDKVersion = 0x00000201007756BFull;

// ------------------------------------------------------------ identifiers
struct _acfUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(_acfUID) == 16);
typedef _acfUID acfIID;
typedef _acfUID acfCLSID;

constexpr bool operator==(const _acfUID& a, const _acfUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}

namespace aax_detail {
constexpr uint32_t hex_digit(char c)
{
    return c >= '0' && c <= '9'   ? uint32_t(c - '0')
           : c >= 'A' && c <= 'F' ? uint32_t(c - 'A' + 10)
           : c >= 'a' && c <= 'f' ? uint32_t(c - 'a' + 10)
                                  : throw "not a hex digit";
}
constexpr uint32_t hex(const char* s, int digits)
{
    uint32_t v = 0;
    for (int i = 0; i < digits; ++i)
        v = v * 16 + hex_digit(s[i]);
    return v;
}
}  // namespace aax_detail

// Builds an identifier from its usual text form, XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX.
constexpr _acfUID acf_uid(const char (&t)[37])
{
    using aax_detail::hex;
    _acfUID u{hex(t, 8), uint16_t(hex(t + 9, 4)), uint16_t(hex(t + 14, 4)), {}};
    const char* tail[8] = {t + 19, t + 21, t + 24, t + 26, t + 28, t + 30, t + 32, t + 34};
    for (int i = 0; i < 8; ++i)
        u.Data4[i] = uint8_t(hex(tail[i], 2));
    return u;
}

constexpr _acfUID IID_IACFUnknown = acf_uid("00000000-0000-0000-C000-000000000046");
constexpr _acfUID IID_IACFPluginDefinition = acf_uid("00EEF015-7FD0-11D6-8485-00306542A024");
constexpr _acfUID IID_IACFComponentFactory = acf_uid("382B6A96-7FD0-11D6-BCFE-00306542A024");
constexpr _acfUID AAXCompID_HostServices = acf_uid("88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA");
constexpr _acfUID IID_IAAXHostServicesV1 = acf_uid("96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA");
constexpr _acfUID AAXCompID_AAXCollection = acf_uid("89882C2D-77BC-42EF-707B-7981B7BD0CCA");
constexpr _acfUID IID_IAAXCollectionV1 = acf_uid("96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA");
constexpr _acfUID AAXCompID_AAXEffectDescriptor = acf_uid("89872C2D-75BC-423F-401B-F9A1BAAD0CCA");
constexpr _acfUID IID_IAAXEffectDescriptorV1 = acf_uid("96D42C2D-EBBC-41EF-D1CB-499442E40FDA");
constexpr _acfUID IID_IAAXEffectDescriptorV2 = acf_uid("41ECCC52-416B-4072-84BD-40B05210A74C");
constexpr _acfUID AAXCompID_AAXComponentDescriptor = acf_uid("94872C3D-95BC-413D-D0DB-D9B12AAD0CCA");
constexpr _acfUID IID_IAAXComponentDescriptorV1 = acf_uid("96E42C2D-E2BC-51EF-61C7-48994AEB0CDA");
constexpr _acfUID IID_IAAXComponentDescriptorV2 = acf_uid("1895259E-AAA9-4F0F-A985-149837B76F89");
constexpr _acfUID AAXCompID_AAXPropertyMap = acf_uid("A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA");
constexpr _acfUID IID_IAAXPropertyMapV1 = acf_uid("96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE");
constexpr _acfUID IID_IAAXPropertyMapV2 = acf_uid("7177DF80-7C9C-11E2-B92A-0800200C9A66");
constexpr _acfUID IID_IAAXAutomationDelegateV1 = acf_uid("9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E");
constexpr _acfUID IID_IAAXControllerV1 = acf_uid("9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E");
constexpr _acfUID IID_IAAXControllerV2 = acf_uid("4C59AA0E-D7C0-4205-8B6C-32468D42D202");
constexpr _acfUID IID_IAAXViewContainerV1 = acf_uid("22DA0BBC-D550-4D5E-8CC6-734483B8837F");
constexpr _acfUID IID_IAAXEffectParametersV1 = acf_uid("964E333D-334C-533F-C2C7-3834C3C23E3E");
constexpr _acfUID IID_IAAXEffectParametersV2 = acf_uid("F1F47D06-308F-4CC5-9C7C-50A83F8AB813");
constexpr _acfUID IID_IAAXEffectGUIV1 = acf_uid("964E323D-424C-5E1A-2227-282423222E1E");
constexpr _acfUID IID_IAAXTransportV1 = acf_uid("5CEE4EF4-6337-4359-B63B-FE58DC36543A");
constexpr _acfUID IID_IAAXTransportV2 = acf_uid("203CBD9F-982C-4FE6-A827-07480257AEC3");

static_assert(IID_IACFPluginDefinition.Data1 == 0x00EEF015 && IID_IACFPluginDefinition.Data4[7] == 0x24);

// Four-character codes in the usual big-endian character order.
constexpr uint32_t aax_fourcc(const char (&c)[5])
{
    return uint32_t(uint8_t(c[0])) << 24 | uint32_t(uint8_t(c[1])) << 16 | uint32_t(uint8_t(c[2])) << 8 |
           uint32_t(uint8_t(c[3]));
}
static_assert(aax_fourcc("Mtr1") == 0x4d747231);

// ---------------------------------------------------------------- values
enum : AAX_EProperty {
    AAX_eProperty_MinProperty = 10,
    AAX_eProperty_ManufacturerID = 11,
    AAX_eProperty_ProductID = 12,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_Meter_Type = 200,
    AAX_eProperty_Meter_Orientation = 201,
    AAX_eProperty_MaxProperty = 351,
};
enum : AAX_EStemFormat { AAX_eStemFormat_Mono = 1, AAX_eStemFormat_Stereo = 0x10002 };
enum : uint32_t { AAX_ePlugInCategory_Dynamics = 2 };
enum : AAX_EDataInPortType { AAX_eDataInPortType_Buffered = 1 };
enum : uint32_t { AAX_ePrivateDataOptions_External = 2 };
enum : AAX_EComponentInstanceInitAction {
    AAX_eComponentInstanceInitAction_AddingNewInstance = 0,
    AAX_eComponentInstanceInitAction_RemovingInstance = 1,
};
enum : int32_t { AAX_eViewContainer_Type_NSView = 1, AAX_eViewContainer_Type_HWND = 3 };
enum : AAX_EParameterType { AAX_eParameterType_Discrete = 0, AAX_eParameterType_Continuous = 1 };
enum : AAX_CProcPtrID { kAAX_ProcPtrID_Create_EffectParameters = 0, kAAX_ProcPtrID_Create_EffectGUI = 1 };
constexpr int32_t AAX_eTracePriorityHost_Critical = 0x08000000;
constexpr uint32_t AAX_eNotificationEvent_ASPreviewState = aax_fourcc("ASPv");

// ---------------------------------------------------------------- records
// A saved state as the host hands it over: a header then size data bytes.
struct AAX_SPlugInChunk {
    int32_t fSize;
    int32_t fVersion;
    uint32_t fManufacturerID;  // not read or written by the plug-in
    uint32_t fProductID;
    uint32_t fPlugInID;
    uint32_t fChunkID;
    unsigned char fName[32];
    char fData[1];
};
static_assert(offsetof(AAX_SPlugInChunk, fSize) == 0);
static_assert(offsetof(AAX_SPlugInChunk, fVersion) == 4);
static_assert(offsetof(AAX_SPlugInChunk, fChunkID) == 20);
static_assert(offsetof(AAX_SPlugInChunk, fName) == 24);
static_assert(offsetof(AAX_SPlugInChunk, fData) == 56);
constexpr size_t kAAXChunkHeaderSize = offsetof(AAX_SPlugInChunk, fData);

struct AAX_Point {
    float vert;
    float horz;
};
static_assert(sizeof(AAX_Point) == 8);

struct AAX_Rect {
    float top;
    float left;
    float width;
    float height;
};
static_assert(sizeof(AAX_Rect) == 16);

struct AAX_SPlugInIdentifierTriad {
    uint32_t mManufacturerID;
    uint32_t mProductID;
    uint32_t mPlugInID;
};
static_assert(sizeof(AAX_SPlugInIdentifierTriad) == 12);

struct AAX_CMidiPacket {
    uint32_t mTimestamp;
    uint32_t mLength;
    unsigned char mData[4];
    AAX_CBoolean mIsImmediate;
};
static_assert(sizeof(AAX_CMidiPacket) == 16);

struct AAX_SHybridRenderInfo;
class AAX_IParameter;

// Algorithm procedures as the host calls them.
typedef void (*AAX_CProcessProc)(void* const inInstancesBegin[], const void* inInstancesEnd);
typedef int32_t (*AAX_CInstanceInitProc)(const void* inInstanceContext,
                                         AAX_EComponentInstanceInitAction inAction);
typedef int32_t (*AAX_CBackgroundProc)();

// ----------------------------------------------------------- the string
// The text type both sides fill and read (it has a destructor: the
// plug-in's own strings are objects of a class that implements it).
class AAX_IString {
public:
    virtual ~AAX_IString() = default;
    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    virtual const char* Get() const = 0;
    virtual void Set(const char* text) = 0;
    virtual AAX_IString& operator=(const AAX_IString& other) = 0;
    virtual AAX_IString& operator=(const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString(const AAX_IString&) = default;
};

// ----------------------------------------------------------- ACF basics
#define AAX_HOST_PLACEHOLDER(n) \
    virtual AAX_Result Unused##n() { return AAX_ERROR_UNIMPLEMENTED; }

class IACFUnknown {
public:
    virtual ACFRESULT QueryInterface(const acfIID& iid, void** out) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IACFUnknown() = default;
};

class IACFPluginDefinition : public IACFUnknown {
protected:
    ~IACFPluginDefinition() = default;
};

class IACFComponentDefinition : public IACFUnknown {
protected:
    ~IACFComponentDefinition() = default;
};

class IACFComponentFactory : public IACFUnknown {
public:
    virtual ACFRESULT CreateComponent(const acfCLSID& compID, IACFUnknown* outer, const acfIID& iid,
                                      void** out) = 0;  // 3

protected:
    ~IACFComponentFactory() = default;
};

// ------------------------------------------------------ description objects
class AAX_IACFCollection : public IACFUnknown {
public:
    AAX_HOST_PLACEHOLDER(3)
    AAX_HOST_PLACEHOLDER(4)
    AAX_HOST_PLACEHOLDER(5)
    AAX_HOST_PLACEHOLDER(6)
    virtual AAX_Result AddEffect(const char* effectID, IACFUnknown* descriptor) = 0;  // 7
    virtual AAX_Result SetManufacturerName(const char* name) = 0;                     // 8
    virtual AAX_Result AddPackageName(const char* name) = 0;                          // 9
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;                       // 10
    virtual AAX_Result SetProperties(IACFUnknown* properties) = 0;                    // 11

protected:
    ~AAX_IACFCollection() = default;
};

class AAX_IACFEffectDescriptor : public IACFUnknown {
public:
    virtual AAX_Result AddComponent(IACFUnknown* component) = 0;                            // 3
    virtual AAX_Result AddName(const char* name) = 0;                                       // 4
    virtual AAX_Result AddCategory(uint32_t category) = 0;                                  // 5
    virtual AAX_Result AddCategoryBypassParameter(uint32_t category, AAX_CParamID id) = 0;  // 6
    virtual AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID id) = 0;                       // 7
    virtual AAX_Result SetProperties(IACFUnknown* properties) = 0;                          // 8
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) = 0;       // 9
    virtual AAX_Result AddMeterDescription(uint32_t meterID, const char* name,
                                           IACFUnknown* properties) = 0;  // 10

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor {
public:
    virtual AAX_Result AddControlMIDINode(uint32_t nodeID, AAX_EMIDINodeType type, const char* name,
                                          uint32_t channelMask) = 0;  // 11

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor : public IACFUnknown {
public:
    virtual AAX_Result Clear() = 0;                                         // 3
    virtual AAX_Result AddReservedField(int32_t field, uint32_t type) = 0;  // 4
    virtual AAX_Result AddAudioIn(int32_t field) = 0;                       // 5
    virtual AAX_Result AddAudioOut(int32_t field) = 0;                      // 6
    virtual AAX_Result AddAudioBufferLength(int32_t field) = 0;             // 7
    virtual AAX_Result AddSampleRate(int32_t field) = 0;                    // 8
    virtual AAX_Result AddClock(int32_t field) = 0;                         // 9
    virtual AAX_Result AddSideChainIn(int32_t field) = 0;                   // 10
    virtual AAX_Result AddDataInPort(int32_t field, uint32_t packetSize,
                                     AAX_EDataInPortType type) = 0;  // 11
    virtual AAX_Result AddAuxOutputStem(int32_t field, int32_t stemFormat,
                                        const char* name) = 0;                             // 12
    virtual AAX_Result AddPrivateData(int32_t field, int32_t size, uint32_t options) = 0;  // 13
    virtual AAX_Result AddDmaInstance(int32_t field, AAX_EDmaMode mode) = 0;               // 14
    virtual AAX_Result AddMIDINode(int32_t field, AAX_EMIDINodeType type, const char* name,
                                   uint32_t channelMask) = 0;  // 15
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc process, IACFUnknown* properties,
                                             AAX_CInstanceInitProc init, AAX_CBackgroundProc background,
                                             uint32_t* procID) = 0;  // 16
    virtual AAX_Result AddProcessProc_TI(const char* dll, const char* process, IACFUnknown* properties,
                                         const char* init, const char* background,
                                         uint32_t* procID) = 0;                                 // 17
    virtual AAX_Result AddMeters(int32_t field, const uint32_t* meterIDs, uint32_t count) = 0;  // 18

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor {
public:
    virtual AAX_Result AddTemporaryData(int32_t field, uint32_t size) = 0;  // 19

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};

class AAX_IACFPropertyMap : public IACFUnknown {
public:
    virtual AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* value) const = 0;  // 3
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;           // 4
    virtual AAX_Result RemoveProperty(AAX_EProperty property) = 0;                                  // 5

protected:
    ~AAX_IACFPropertyMap() = default;
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap {
public:
    virtual AAX_Result AddPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                              uint32_t count) = 0;  // 6
    virtual AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property,
                                                const AAX_SPlugInIdentifierTriad** ids,
                                                uint32_t* count) const = 0;  // 7

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};

// -------------------------------------------------------- host services
class AAX_IACFController : public IACFUnknown {
public:
    virtual AAX_Result GetEffectID(AAX_IString* id) const = 0;                                   // 3
    virtual AAX_Result GetSampleRate(float* rate) const = 0;                                     // 4
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const = 0;                    // 5
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const = 0;                   // 6
    virtual AAX_Result GetSignalLatency(int32_t* samples) const = 0;                             // 7
    virtual AAX_Result GetCycleCount(AAX_EProperty which, int32_t* cycles) const = 0;            // 8
    virtual AAX_Result GetTODLocation(int64_t* location) const = 0;                              // 9
    virtual AAX_Result SetSignalLatency(int32_t samples) = 0;                                    // 10
    virtual AAX_Result SetCycleCount(AAX_EProperty* which, int32_t* cycles, int32_t count) = 0;  // 11
    virtual AAX_Result PostPacket(int32_t portID, const void* data, uint32_t size) = 0;          // 12
    virtual AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) const = 0;           // 13
    virtual AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) const = 0;              // 14
    virtual AAX_Result ClearMeterPeakValue(uint32_t meterID) const = 0;                          // 15
    virtual AAX_Result GetMeterClipped(uint32_t meterID, AAX_CBoolean* clipped) const = 0;       // 16
    virtual AAX_Result ClearMeterClipped(uint32_t meterID) const = 0;                            // 17
    virtual AAX_Result GetMeterCount(uint32_t* count) const = 0;                                 // 18
    virtual AAX_Result GetNextMIDIPacket(int32_t* port, AAX_CMidiPacket* packet) = 0;            // 19

protected:
    ~AAX_IACFController() = default;
};

class AAX_IACFController_V2 : public AAX_IACFController {
public:
    virtual AAX_Result SendNotification(uint32_t type, const void* data, uint32_t size) = 0;  // 20
    virtual AAX_Result GetHybridSignalLatency(int32_t* samples) const = 0;                    // 21
    virtual AAX_Result GetCurrentAutomationTimestamp(int64_t* timestamp) const = 0;           // 22
    virtual AAX_Result GetHostName(AAX_IString* name) const = 0;                              // 23

protected:
    ~AAX_IACFController_V2() = default;
};

class AAX_IACFAutomationDelegate : public IACFUnknown {
public:
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;                             // 3
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;                           // 4
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) const = 0;  // 5
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) const = 0;     // 6
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;                              // 7
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;                            // 8
    virtual AAX_Result GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) = 0;          // 9

protected:
    ~AAX_IACFAutomationDelegate() = default;
};

class AAX_IACFHostServices : public IACFUnknown {
public:
    virtual AAX_Result Assert(const char* file, int32_t line, const char* note) = 0;  // 3
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;              // 4

protected:
    ~AAX_IACFHostServices() = default;
};

class AAX_IACFViewContainer : public IACFUnknown {
public:
    virtual int32_t GetType() = 0;                                                         // 3
    virtual void* GetPtr() = 0;                                                            // 4
    virtual AAX_Result GetModifiers(uint32_t* modifiers) = 0;                              // 5
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;                                   // 6
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) = 0;  // 7
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) = 0;  // 8
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) = 0;    // 9

protected:
    ~AAX_IACFViewContainer() = default;
};

class AAX_IACFTransport : public IACFUnknown {
public:
    virtual AAX_Result GetCurrentTempo(double* bpm) const = 0;                               // 3
    virtual AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const = 0;  // 4
    virtual AAX_Result IsTransportPlaying(bool* playing) const = 0;                          // 5
    virtual AAX_Result GetCurrentTickPosition(int64_t* ticks) const = 0;                     // 6
    virtual AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* start,
                                              int64_t* end) const = 0;                     // 7
    virtual AAX_Result GetCurrentNativeSampleLocation(int64_t* location) const = 0;        // 8
    virtual AAX_Result GetCustomTickPosition(int64_t* ticks, int64_t location) const = 0;  // 9
    virtual AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                          int64_t location) const = 0;     // 10
    virtual AAX_Result GetTicksPerQuarter(uint32_t* ticks) const = 0;      // 11
    virtual AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) const = 0;  // 12

protected:
    ~AAX_IACFTransport() = default;
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport {
public:
    virtual AAX_Result GetTimelineSelectionStartPosition(int64_t* location) const = 0;           // 13
    virtual AAX_Result GetTimeCodeInfo(AAX_EFrameRate* rate, int32_t* offset) const = 0;         // 14
    virtual AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* rate, int64_t* offset) const = 0;  // 15
    virtual AAX_Result IsMetronomeEnabled(int32_t* enabled) const = 0;                           // 16

protected:
    ~AAX_IACFTransport_V2() = default;
};

// ------------------------------------------------- plug-in objects, host view
// What the host calls on the plug-in's effect parameters, slots 3 to 47.
class AAX_IACFEffectParameters : public IACFUnknown {
public:
    virtual AAX_Result Initialize(IACFUnknown* host) = 0;                                         // 3
    virtual AAX_Result Uninitialize() = 0;                                                        // 4
    virtual AAX_Result NotificationReceived(uint32_t type, const void* data, uint32_t size) = 0;  // 5
    virtual AAX_Result GetNumberOfParameters(int32_t* count) const = 0;                           // 6
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* id) const = 0;                       // 7
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID id, AAX_CBoolean* out) const = 0;   // 8
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const = 0;      // 9
    virtual AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const = 0;            // 10
    virtual AAX_Result GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name,
                                                int32_t length) const = 0;                        // 11
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* v) const = 0;  // 12
    virtual AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID id, double v) = 0;         // 13
    virtual AAX_Result GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const = 0;     // 14
    virtual AAX_Result GetParameterOrientation(AAX_CParamID id, int32_t* orientation) const = 0;  // 15
    virtual AAX_Result GetParameter(AAX_CParamID id, AAX_IParameter** parameter) = 0;             // 16
    virtual AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const = 0;              // 17
    virtual AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;         // 18
    virtual AAX_Result GetParameterValueInfo(AAX_CParamID id, int32_t selector,
                                             int32_t* value) const = 0;  // 19
    virtual AAX_Result GetParameterValueFromString(AAX_CParamID id, double* v,
                                                   const AAX_IString& text) const = 0;  // 20
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID id, double v, AAX_IString* text,
                                                   int32_t maxLength) const = 0;  // 21
    virtual AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                               int32_t maxLength) const = 0;               // 22
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* v) const = 0;  // 23
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double v) = 0;         // 24
    virtual AAX_Result SetParameterNormalizedRelative(AAX_CParamID id, double delta) = 0;  // 25
    virtual AAX_Result TouchParameter(AAX_CParamID id) = 0;                                // 26
    virtual AAX_Result ReleaseParameter(AAX_CParamID id) = 0;                              // 27
    virtual AAX_Result UpdateParameterTouch(AAX_CParamID id, AAX_CBoolean touched) = 0;    // 28
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double v,
                                                      AAX_EUpdateSource source) = 0;          // 29
    virtual AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID id, double delta) = 0;  // 30
    virtual AAX_Result GenerateCoefficients() = 0;                                            // 31
    virtual AAX_Result ResetFieldData(int32_t field, void* data, uint32_t size) const = 0;    // 32
    virtual AAX_Result GetNumberOfChunks(int32_t* count) const = 0;                           // 33
    virtual AAX_Result GetChunkIDFromIndex(int32_t index, uint32_t* id) const = 0;            // 34
    virtual AAX_Result GetChunkSize(uint32_t id, uint32_t* size) const = 0;                   // 35
    virtual AAX_Result GetChunk(uint32_t id, AAX_SPlugInChunk* chunk) const = 0;              // 36
    virtual AAX_Result SetChunk(uint32_t id, const AAX_SPlugInChunk* chunk) = 0;              // 37
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk,
                                          AAX_CBoolean* isActive) const = 0;  // 38
    virtual AAX_Result GetNumberOfChanges(int32_t* changes) const = 0;        // 39
    virtual AAX_Result TimerWakeup() = 0;                                     // 40
    virtual AAX_Result GetCurveData(uint32_t type, const float* in, uint32_t size,
                                    float* out) const = 0;  // 41
    virtual AAX_Result GetCustomData(uint32_t block, uint32_t size, void* data,
                                     uint32_t* written) const = 0;                          // 42
    virtual AAX_Result SetCustomData(uint32_t block, uint32_t size, const void* data) = 0;  // 43

protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters {
public:
    virtual AAX_Result DoMIDITransfers() = 0;                                               // 44
    virtual AAX_Result RenderAudio_Hybrid(AAX_SHybridRenderInfo* info) = 0;                 // 45
    virtual AAX_Result UpdateMIDINodes(int32_t field, AAX_CMidiPacket& packet) = 0;         // 46
    virtual AAX_Result UpdateControlMIDINodes(uint32_t node, AAX_CMidiPacket& packet) = 0;  // 47

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

// What the host calls on the plug-in's GUI object, slots 3 to 12.
class AAX_IACFEffectGUI : public IACFUnknown {
public:
    virtual AAX_Result Initialize(IACFUnknown* host) = 0;                                         // 3
    virtual AAX_Result Uninitialize() = 0;                                                        // 4
    virtual AAX_Result NotificationReceived(uint32_t type, const void* data, uint32_t size) = 0;  // 5
    virtual AAX_Result SetViewContainer(IACFUnknown* container) = 0;                              // 6
    virtual AAX_Result GetViewSize(AAX_Point* size) const = 0;                                    // 7
    virtual AAX_Result Draw(AAX_Rect* area) = 0;                                                  // 8
    virtual AAX_Result TimerWakeup() = 0;                                                         // 9
    virtual AAX_Result ParameterUpdated(AAX_CParamID id) = 0;                                     // 10
    virtual AAX_Result GetCustomLabel(AAX_EPlugInStrings which, AAX_IString* label) const = 0;    // 11
    virtual AAX_Result SetControlHighlightInfo(AAX_CParamID id, AAX_CBoolean highlighted,
                                               AAX_EHighlightColor color) = 0;  // 12

protected:
    ~AAX_IACFEffectGUI() = default;
};

// The module's exports.
extern "C" {
typedef ACFRESULT (*ACFRegisterPluginProc)(IACFUnknown* host, IACFPluginDefinition** out);
typedef ACFRESULT (*ACFRegisterComponentProc)(IACFUnknown* host, uint32_t index,
                                              IACFComponentDefinition** out);
typedef ACFRESULT (*ACFGetClassFactoryProc)(IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid,
                                            void** out);
typedef ACFRESULT (*ACFCanUnloadNowProc)(IACFUnknown* host);
typedef ACFRESULT (*ACFStartupProc)(IACFUnknown* host);
typedef ACFRESULT (*ACFShutdownProc)(IACFUnknown* host);
typedef ACFRESULT (*ACFGetSDKVersionProc)(uint64_t* version);
}

// The effect's factory procedures (procedure pointers 0 and 1).
typedef IACFUnknown* (*AAX_CCreateObjectProc)();
