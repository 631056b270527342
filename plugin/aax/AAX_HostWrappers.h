#pragma once
// The plug-in's views of the host services: controller, automation,
// host services (trace lines), view container and transport.
#include <atomic>

#include "CACFUnknown.h"

class AAX_IController {
public:
    virtual ~AAX_IController() = default;
    virtual AAX_Result GetEffectID(AAX_IString* id) const = 0;
    virtual AAX_Result GetSampleRate(float* rate) const = 0;
    virtual AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const = 0;
    virtual AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const = 0;
    virtual AAX_Result GetSignalLatency(int32_t* samples) const = 0;
    virtual AAX_Result GetCycleCount(AAX_EProperty which, int32_t* cycles) const = 0;
    virtual AAX_Result GetTODLocation(int64_t* location) const = 0;
    virtual AAX_Result SetSignalLatency(int32_t samples) = 0;
    virtual AAX_Result SetCycleCount(AAX_EProperty* which, int32_t* cycles, int32_t count) = 0;
    virtual AAX_Result PostPacket(int32_t portID, const void* data, uint32_t size) = 0;
    virtual AAX_Result SendNotification(uint32_t type, const void* data, uint32_t size) = 0;
    virtual AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) const = 0;
    virtual AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) const = 0;
    virtual AAX_Result ClearMeterPeakValue(uint32_t meterID) const = 0;
    virtual AAX_Result GetMeterCount(uint32_t* count) const = 0;
    virtual AAX_Result GetMeterClipped(uint32_t meterID, AAX_CBoolean* clipped) const = 0;
    virtual AAX_Result ClearMeterClipped(uint32_t meterID) const = 0;
    virtual AAX_Result GetNextMIDIPacket(int32_t* port, AAX_CMidiPacket* packet) = 0;
    virtual AAX_Result GetHybridSignalLatency(int32_t* samples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp(int64_t* timestamp) const = 0;
    virtual AAX_Result GetHostName(AAX_IString* name) const = 0;
};

class AAX_IAutomationDelegate {
public:
    virtual ~AAX_IAutomationDelegate() = default;
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) const = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) const = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) = 0;
};

class AAX_IHostServices {
public:
    virtual ~AAX_IHostServices() = default;
    virtual AAX_Result Assert(const char* file, int32_t line, const char* note) = 0;
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;
};

class AAX_IViewContainer {
public:
    virtual ~AAX_IViewContainer() = default;
    virtual int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers(uint32_t* modifiers) = 0;
    virtual AAX_Result SetViewSize(AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) = 0;
};

class AAX_ITransport {
public:
    virtual ~AAX_ITransport() = default;
    virtual AAX_Result GetCurrentTempo(double* bpm) const = 0;
    virtual AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const = 0;
    virtual AAX_Result IsTransportPlaying(bool* playing) const = 0;
    virtual AAX_Result GetCurrentTickPosition(int64_t* ticks) const = 0;
    virtual AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* start, int64_t* end) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation(int64_t* location) const = 0;
    virtual AAX_Result GetCustomTickPosition(int64_t* ticks, int64_t location) const = 0;
    virtual AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                          int64_t location) const = 0;
    virtual AAX_Result GetTicksPerQuarter(uint32_t* ticks) const = 0;
    virtual AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) const = 0;
    virtual AAX_Result GetTimelineSelectionStartPosition(int64_t* location) const = 0;
    virtual AAX_Result GetTimeCodeInfo(AAX_EFrameRate* rate, int32_t* offset) const = 0;
    virtual AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* rate, int64_t* offset) const = 0;
    virtual AAX_Result IsMetronomeEnabled(int32_t* enabled) const = 0;
};

class AAX_VController final : public AAX_IController {
public:
    explicit AAX_VController(IACFUnknown* host);
    AAX_Result GetEffectID(AAX_IString* id) const override;
    AAX_Result GetSampleRate(float* rate) const override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const override;
    AAX_Result GetSignalLatency(int32_t* samples) const override;
    AAX_Result GetCycleCount(AAX_EProperty which, int32_t* cycles) const override;
    AAX_Result GetTODLocation(int64_t* location) const override;
    AAX_Result SetSignalLatency(int32_t samples) override;
    AAX_Result SetCycleCount(AAX_EProperty* which, int32_t* cycles, int32_t count) override;
    AAX_Result PostPacket(int32_t portID, const void* data, uint32_t size) override;
    AAX_Result SendNotification(uint32_t type, const void* data, uint32_t size) override;
    AAX_Result GetCurrentMeterValue(uint32_t meterID, float* value) const override;
    AAX_Result GetMeterPeakValue(uint32_t meterID, float* value) const override;
    AAX_Result ClearMeterPeakValue(uint32_t meterID) const override;
    AAX_Result GetMeterCount(uint32_t* count) const override;
    AAX_Result GetMeterClipped(uint32_t meterID, AAX_CBoolean* clipped) const override;
    AAX_Result ClearMeterClipped(uint32_t meterID) const override;
    AAX_Result GetNextMIDIPacket(int32_t* port, AAX_CMidiPacket* packet) override;
    AAX_Result GetHybridSignalLatency(int32_t* samples) const override;
    AAX_Result GetCurrentAutomationTimestamp(int64_t* timestamp) const override;
    AAX_Result GetHostName(AAX_IString* name) const override;

private:
    ACFPtr<AAX_IACFController> m_v1;
    ACFPtr<AAX_IACFController_V2> m_v2;
};

class AAX_VAutomationDelegate final : public AAX_IAutomationDelegate {
public:
    explicit AAX_VAutomationDelegate(IACFUnknown* host);
    AAX_Result RegisterParameter(AAX_CParamID id) override;
    AAX_Result UnregisterParameter(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) const override;
    AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) const override;
    AAX_Result PostTouchRequest(AAX_CParamID id) override;
    AAX_Result PostReleaseRequest(AAX_CParamID id) override;
    AAX_Result GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) override;
    bool IsConnected() const { return bool(m_v1); }

private:
    ACFPtr<AAX_IACFAutomationDelegate> m_v1;
};

class AAX_VHostServices final : public AAX_IHostServices {
public:
    explicit AAX_VHostServices(IACFUnknown* host);
    AAX_Result Assert(const char* file, int32_t line, const char* note) override;
    AAX_Result Trace(int32_t priority, const char* message) override;

private:
    ACFPtr<AAX_IACFHostServices> m_v1;
};

class AAX_VViewContainer final : public AAX_IViewContainer {
public:
    explicit AAX_VViewContainer(IACFUnknown* host);
    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers(uint32_t* modifiers) override;
    AAX_Result SetViewSize(AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) override;

private:
    ACFPtr<AAX_IACFViewContainer> m_v1;
};

class AAX_VTransport final : public AAX_ITransport {
public:
    explicit AAX_VTransport(IACFUnknown* host);
    AAX_Result GetCurrentTempo(double* bpm) const override;
    AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const override;
    AAX_Result IsTransportPlaying(bool* playing) const override;
    AAX_Result GetCurrentTickPosition(int64_t* ticks) const override;
    AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* start, int64_t* end) const override;
    AAX_Result GetCurrentNativeSampleLocation(int64_t* location) const override;
    AAX_Result GetCustomTickPosition(int64_t* ticks, int64_t location) const override;
    AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                  int64_t location) const override;
    AAX_Result GetTicksPerQuarter(uint32_t* ticks) const override;
    AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) const override;
    AAX_Result GetTimelineSelectionStartPosition(int64_t* location) const override;
    AAX_Result GetTimeCodeInfo(AAX_EFrameRate* rate, int32_t* offset) const override;
    AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* rate, int64_t* offset) const override;
    AAX_Result IsMetronomeEnabled(int32_t* enabled) const override;

private:
    ACFPtr<AAX_IACFTransport> m_v1;
    ACFPtr<AAX_IACFTransport_V2> m_v2;
};

// The current value of a meter as the host reports it, or 0 when there is
// no controller or the host cannot answer (a failed call leaves its output
// unwritten, so the editors never show an uninitialised reading).
float AAX_CurrentMeterValue(const AAX_IController* controller, uint32_t meterID);

// The module's one host-services wrapper, alive from startup to shutdown.
class AAX_CHostServices {
public:
    static void Set(IACFUnknown* host);
    static AAX_Result Trace(int32_t priority, const char* format, ...) __attribute__((format(printf, 2, 3)));
};
