#include "AAX_HostWrappers.h"

#include <cstdarg>
#include <cstdio>

#include "AAX_Forward.h"

// -------------------------------------------------------------- controller
AAX_VController::AAX_VController(IACFUnknown* host)
{
    acf_query(host, IID_IAAXControllerV1, m_v1);
    acf_query(host, IID_IAAXControllerV2, m_v2);
}

AAX_Result AAX_VController::GetEffectID(AAX_IString* id) const { return AAX_V1_CALL(GetEffectID(id)); }
AAX_Result AAX_VController::GetSampleRate(float* r) const { return AAX_V1_CALL(GetSampleRate(r)); }
AAX_Result AAX_VController::GetInputStemFormat(AAX_EStemFormat* f) const
{
    return AAX_V1_CALL(GetInputStemFormat(f));
}
AAX_Result AAX_VController::GetOutputStemFormat(AAX_EStemFormat* f) const
{
    return AAX_V1_CALL(GetOutputStemFormat(f));
}
AAX_Result AAX_VController::GetSignalLatency(int32_t* s) const { return AAX_V1_CALL(GetSignalLatency(s)); }
AAX_Result AAX_VController::GetCycleCount(AAX_EProperty w, int32_t* c) const
{
    return AAX_V1_CALL(GetCycleCount(w, c));
}
AAX_Result AAX_VController::GetTODLocation(int64_t* l) const { return AAX_V1_CALL(GetTODLocation(l)); }
AAX_Result AAX_VController::SetSignalLatency(int32_t s) { return AAX_V1_CALL(SetSignalLatency(s)); }
AAX_Result AAX_VController::SetCycleCount(AAX_EProperty* w, int32_t* c, int32_t n)
{
    return AAX_V1_CALL(SetCycleCount(w, c, n));
}
AAX_Result AAX_VController::PostPacket(int32_t port, const void* data, uint32_t size)
{
    return AAX_V1_CALL(PostPacket(port, data, size));
}
AAX_Result AAX_VController::SendNotification(uint32_t t, const void* d, uint32_t s)
{
    return AAX_V2_CALL(SendNotification(t, d, s));
}
AAX_Result AAX_VController::GetCurrentMeterValue(uint32_t id, float* v) const
{
    return AAX_V1_CALL(GetCurrentMeterValue(id, v));
}
AAX_Result AAX_VController::GetMeterPeakValue(uint32_t id, float* v) const
{
    return AAX_V1_CALL(GetMeterPeakValue(id, v));
}
AAX_Result AAX_VController::ClearMeterPeakValue(uint32_t id) const
{
    return AAX_V1_CALL(ClearMeterPeakValue(id));
}
AAX_Result AAX_VController::GetMeterCount(uint32_t* n) const { return AAX_V1_CALL(GetMeterCount(n)); }
AAX_Result AAX_VController::GetMeterClipped(uint32_t id, AAX_CBoolean* c) const
{
    return AAX_V1_CALL(GetMeterClipped(id, c));
}
AAX_Result AAX_VController::ClearMeterClipped(uint32_t id) const
{
    return AAX_V1_CALL(ClearMeterClipped(id));
}
AAX_Result AAX_VController::GetNextMIDIPacket(int32_t* port, AAX_CMidiPacket* p)
{
    return AAX_V1_CALL(GetNextMIDIPacket(port, p));
}
AAX_Result AAX_VController::GetHybridSignalLatency(int32_t* s) const
{
    return AAX_V2_CALL(GetHybridSignalLatency(s));
}
AAX_Result AAX_VController::GetCurrentAutomationTimestamp(int64_t* t) const
{
    if (!m_v2) {
        if (t)
            *t = 0;
        return kAAXNoV2;
    }
    return m_v2->GetCurrentAutomationTimestamp(t);
}
AAX_Result AAX_VController::GetHostName(AAX_IString* n) const { return AAX_V2_CALL(GetHostName(n)); }

float AAX_CurrentMeterValue(const AAX_IController* controller, uint32_t meterID)
{
    float value = 0.0f;
    if (!controller || controller->GetCurrentMeterValue(meterID, &value) != AAX_SUCCESS)
        return 0.0f;
    return value;
}

// ----------------------------------------------------- automation delegate
AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* host)
{
    acf_query(host, IID_IAAXAutomationDelegateV1, m_v1);
}

AAX_Result AAX_VAutomationDelegate::RegisterParameter(AAX_CParamID id)
{
    return AAX_V1_CALL(RegisterParameter(id));
}
AAX_Result AAX_VAutomationDelegate::UnregisterParameter(AAX_CParamID id)
{
    return AAX_V1_CALL(UnregisterParameter(id));
}
AAX_Result AAX_VAutomationDelegate::PostSetValueRequest(AAX_CParamID id, double v) const
{
    return AAX_V1_CALL(PostSetValueRequest(id, v));
}
AAX_Result AAX_VAutomationDelegate::PostCurrentValue(AAX_CParamID id, double v) const
{
    return AAX_V1_CALL(PostCurrentValue(id, v));
}
AAX_Result AAX_VAutomationDelegate::PostTouchRequest(AAX_CParamID id)
{
    return AAX_V1_CALL(PostTouchRequest(id));
}
AAX_Result AAX_VAutomationDelegate::PostReleaseRequest(AAX_CParamID id)
{
    return AAX_V1_CALL(PostReleaseRequest(id));
}
AAX_Result AAX_VAutomationDelegate::GetTouchState(AAX_CParamID id, AAX_CBoolean* t)
{
    return AAX_V1_CALL(GetTouchState(id, t));
}

// ----------------------------------------------------------- host services
AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
{
    acf_create(host, AAXCompID_HostServices, IID_IAAXHostServicesV1, m_v1);
}

AAX_Result AAX_VHostServices::Assert(const char* file, int32_t line, const char* note)
{
    return AAX_V1_CALL(Assert(file, line, note));
}
AAX_Result AAX_VHostServices::Trace(int32_t priority, const char* message)
{
    return AAX_V1_CALL(Trace(priority, message));
}

namespace {
std::atomic<AAX_VHostServices*> sHostServices{nullptr};
}

void AAX_CHostServices::Set(IACFUnknown* host)
{
    AAX_VHostServices* current = sHostServices.load();
    if (!current && host)
        sHostServices.store(new AAX_VHostServices(host));
    else if (current && !host)
        delete sHostServices.exchange(nullptr);
}

AAX_Result AAX_CHostServices::Trace(int32_t priority, const char* format, ...)
{
    AAX_VHostServices* services = sHostServices.load();
    if (!services)
        return AAX_SUCCESS;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return services->Trace(priority, text);
}

// ---------------------------------------------------------- view container
AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* host) { acf_query(host, IID_IAAXViewContainerV1, m_v1); }

int32_t AAX_VViewContainer::GetType() { return m_v1 ? m_v1->GetType() : 0; }
void* AAX_VViewContainer::GetPtr() { return m_v1 ? m_v1->GetPtr() : nullptr; }
AAX_Result AAX_VViewContainer::GetModifiers(uint32_t* m)
{
    return aax_forward(m_v1, kAAXNoV2, [&](auto* h) { return h->GetModifiers(m); });
}
AAX_Result AAX_VViewContainer::SetViewSize(AAX_Point& size)
{
    return aax_forward(m_v1, AAX_SUCCESS, [&](auto* h) { return h->SetViewSize(size); });
}
AAX_Result AAX_VViewContainer::HandleParameterMouseDown(AAX_CParamID id, uint32_t m)
{
    return aax_forward(m_v1, kAAXNoV2, [&](auto* h) { return h->HandleParameterMouseDown(id, m); });
}
AAX_Result AAX_VViewContainer::HandleParameterMouseDrag(AAX_CParamID id, uint32_t m)
{
    return aax_forward(m_v1, kAAXNoV2, [&](auto* h) { return h->HandleParameterMouseDrag(id, m); });
}
AAX_Result AAX_VViewContainer::HandleParameterMouseUp(AAX_CParamID id, uint32_t m)
{
    return aax_forward(m_v1, kAAXNoV2, [&](auto* h) { return h->HandleParameterMouseUp(id, m); });
}

// --------------------------------------------------------------- transport
AAX_VTransport::AAX_VTransport(IACFUnknown* host)
{
    acf_query(host, IID_IAAXTransportV1, m_v1);
    acf_query(host, IID_IAAXTransportV2, m_v2);
}

AAX_Result AAX_VTransport::GetCurrentTempo(double* b) const { return AAX_V1_CALL(GetCurrentTempo(b)); }
AAX_Result AAX_VTransport::GetCurrentMeter(int32_t* n, int32_t* d) const
{
    return AAX_V1_CALL(GetCurrentMeter(n, d));
}
AAX_Result AAX_VTransport::IsTransportPlaying(bool* p) const { return AAX_V1_CALL(IsTransportPlaying(p)); }
AAX_Result AAX_VTransport::GetCurrentTickPosition(int64_t* t) const
{
    return AAX_V1_CALL(GetCurrentTickPosition(t));
}
AAX_Result AAX_VTransport::GetCurrentLoopPosition(bool* l, int64_t* s, int64_t* e) const
{
    return AAX_V1_CALL(GetCurrentLoopPosition(l, s, e));
}
AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation(int64_t* l) const
{
    return AAX_V1_CALL(GetCurrentNativeSampleLocation(l));
}
AAX_Result AAX_VTransport::GetCustomTickPosition(int64_t* t, int64_t l) const
{
    return AAX_V1_CALL(GetCustomTickPosition(t, l));
}
AAX_Result AAX_VTransport::GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* ticks, int64_t l) const
{
    return AAX_V1_CALL(GetBarBeatPosition(bars, beats, ticks, l));
}
AAX_Result AAX_VTransport::GetTicksPerQuarter(uint32_t* t) const
{
    return AAX_V1_CALL(GetTicksPerQuarter(t));
}
AAX_Result AAX_VTransport::GetCurrentTicksPerBeat(uint32_t* t) const
{
    return AAX_V1_CALL(GetCurrentTicksPerBeat(t));
}
AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition(int64_t* l) const
{
    return AAX_V2_CALL(GetTimelineSelectionStartPosition(l));
}
AAX_Result AAX_VTransport::GetTimeCodeInfo(AAX_EFrameRate* r, int32_t* o) const
{
    return AAX_V2_CALL(GetTimeCodeInfo(r, o));
}
AAX_Result AAX_VTransport::GetFeetFramesInfo(AAX_EFeetFramesRate* r, int64_t* o) const
{
    return AAX_V2_CALL(GetFeetFramesInfo(r, o));
}
AAX_Result AAX_VTransport::IsMetronomeEnabled(int32_t* e) const { return AAX_V2_CALL(IsMetronomeEnabled(e)); }
