#include "AAX_CEffectParameters.h"

#include <cmath>
#include <cstring>

#include "host_value.h"

const char* const cDefaultMasterBypassID = "MasterBypassID";
const char* const cPreviewID = "PreviewID";

ACFRESULT AAX_IEffectParameters::InternalQueryInterface(const acfIID& iid, void** out)
{
    if (out && (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2)) {
        *out = static_cast<AAX_IACFEffectParameters_V2*>(this);
        AddRef();
        return 0;
    }
    return CACFUnknown::InternalQueryInterface(iid, out);
}

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // A host that never called Uninitialize still gets its wrappers back;
    // the parameters go first, they unregister through the automation wrapper.
    mParameterManager.RemoveAllParameters();
    delete_host_wrappers();
}

void AAX_CEffectParameters::delete_host_wrappers()
{
    mPacketDispatcher.Initialize(nullptr, this);
    mParameterManager.Initialize(nullptr);
    delete m_controller;
    delete m_automation;
    delete m_transport;
    m_controller = nullptr;
    m_automation = nullptr;
    m_transport = nullptr;
}

AAX_Result AAX_CEffectParameters::Initialize(IACFUnknown* host)
{
    return aax_guarded([&] {
        // A second initialisation starts from scratch instead of leaking the first.
        mParameterManager.RemoveAllParameters();
        mPacketDispatcher.RemoveAll();
        mFilteredParameters.clear();
        delete_host_wrappers();

        m_controller = new AAX_VController(host);
        auto* automation = new AAX_VAutomationDelegate(host);
        m_automation = automation;
        m_transport = new AAX_VTransport(host);
        // Without the host's automation a set would vanish while reporting
        // success: such parameters get no delegate and apply sets directly.
        mParameterManager.Initialize(automation->IsConnected() ? automation : nullptr);
        mPacketDispatcher.Initialize(m_controller, this);

        if (const AAX_Result r = EffectInit(); r != AAX_SUCCESS)
            return r;
        AAX_CString bypass;
        GetMasterBypassParameter(&bypass);
        FilterParameterIDOnSave(bypass.CString());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    return aax_guarded([&] {
        mParameterManager.RemoveAllParameters();
        delete_host_wrappers();
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::NotificationReceived(uint32_t type, const void* data, uint32_t size)
{
    return aax_guarded([&] {
        if (type == AAX_eNotificationEvent_ASPreviewState && data && size >= sizeof(int32_t)) {
            int32_t state = 0;
            std::memcpy(&state, data, sizeof state);
            if (AAX_IParameter* p = mParameterManager.GetParameterByID(cPreviewID))
                p->SetValueWithBool(state != 0);
        }
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters(int32_t* count) const
{
    if (!count)
        return AAX_ERROR_NULL_OBJECT;
    *count = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter(AAX_IString* id) const
{
    if (!id)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return aax_guarded([&] {
        id->Set(mParameterManager.GetParameterByID(cDefaultMasterBypassID) ? cDefaultMasterBypassID : "");
        return AAX_SUCCESS;
    });
}

// The common shape of the per-parameter slots: find it, check the output, act.
#define AAX_WITH_PARAMETER(out, body)                     \
    aax_guarded([&]() -> AAX_Result {                     \
        auto* p = mParameterManager.GetParameterByID(id); \
        if (!p)                                           \
            return AAX_ERROR_INVALID_PARAMETER_ID;        \
        if (!(out))                                       \
            return AAX_ERROR_NULL_OBJECT;                 \
        body;                                             \
        return AAX_SUCCESS;                               \
    })

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable(AAX_CParamID id, AAX_CBoolean* out) const
{
    if (out)
        *out = 0;
    return AAX_WITH_PARAMETER(out, *out = p->Automatable() ? 1 : 0);
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const
{
    return aax_guarded([&]() -> AAX_Result {
        const AAX_IParameter* p = mParameterManager.GetParameterByID(id);
        if (!p)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        const int32_t n = int32_t(p->GetNumberOfSteps());
        if (n < 0)
            return AAX_ERROR_NEGATIVE_STEPS;
        if (!steps)
            return AAX_ERROR_NULL_OBJECT;
        *steps = n;
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterName(AAX_CParamID id, AAX_IString* name) const
{
    if (!name)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return aax_guarded([&] {
        const AAX_IParameter* p = mParameterManager.GetParameterByID(id);
        name->Set(p ? p->Name().CString() : "");
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name,
                                                           int32_t length) const
{
    if (!name)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return aax_guarded([&] {
        const AAX_IParameter* p = mParameterManager.GetParameterByID(id);
        if (!p) {
            name->Set("");
            return AAX_SUCCESS;
        }
        const AAX_CString& shortName = p->ShortenedName(length);
        if (shortName.Length() == 0)
            return AAX_SUCCESS;

        // The name may hold alternatives, one per line: take the longest
        // line that fits, the first of equally long ones.
        char copy[256] = {};
        std::strncpy(copy, shortName.CString(), sizeof copy - 1);
        const char* best = nullptr;
        size_t bestLength = 0;
        for (const char* line = copy; *line;) {
            const char* end = std::strchr(line, '\n');
            const size_t n = end ? size_t(end - line) : std::strlen(line);
            if (n > 0 && n > bestLength && length >= 0 && n <= size_t(length)) {
                best = line;
                bestLength = n;
            }
            if (!end)
                break;
            line = end + 1;
        }
        if (best)
            name->Set(std::string(best, bestLength).c_str());
        else if (length < 1)
            name->Set("");
        else
            shortName.SubString(0, uint32_t(length), name);
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID id, double* v) const
{
    return AAX_WITH_PARAMETER(v, *v = p->GetNormalizedDefaultValue());
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue(AAX_CParamID id, double v)
{
    return AAX_WITH_PARAMETER(true, p->SetNormalizedDefaultValue(v));
}

AAX_Result AAX_CEffectParameters::GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const
{
    return AAX_WITH_PARAMETER(type, *type = p->GetType());
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation(AAX_CParamID id, int32_t* orientation) const
{
    return AAX_WITH_PARAMETER(orientation, *orientation = p->GetOrientation());
}

AAX_Result AAX_CEffectParameters::GetParameter(AAX_CParamID id, AAX_IParameter** parameter)
{
    if (!parameter)
        return AAX_ERROR_NULL_OBJECT;
    *parameter = mParameterManager.GetParameterByID(id);
    return *parameter ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex(AAX_CParamID id, int32_t* index) const
{
    if (!index)
        return AAX_ERROR_NULL_OBJECT;
    *index = mParameterManager.ControlIndexFromID(id);
    return *index < 0 ? AAX_ERROR_INVALID_PARAMETER_ID : AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index, AAX_IString* id) const
{
    if (!id)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return aax_guarded([&] {
        const AAX_IParameter* p = mParameterManager.GetParameter(index);
        id->Set(p ? p->Identifier() : "");
        return p ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo(AAX_CParamID, int32_t, int32_t* value) const
{
    if (value)
        *value = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString(AAX_CParamID id, double* v,
                                                              const AAX_IString& text) const
{
    return aax_guarded([&]() -> AAX_Result {
        const AAX_IParameter* p = mParameterManager.GetParameterByID(id);
        if (!p)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        if (!v || !p->GetNormalizedValueFromString(AAX_CString(text.Get()), v))
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID id, double v, AAX_IString* text,
                                                              int32_t maxLength) const
{
    return aax_guarded([&]() -> AAX_Result {
        const AAX_IParameter* p = mParameterManager.GetParameterByID(id);
        if (!p)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        AAX_CString s;
        if (!text || !p->GetStringFromNormalizedValue(v, maxLength, s))
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        text->Set(s.CString());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID id, AAX_IString* text,
                                                          int32_t maxLength) const
{
    return AAX_WITH_PARAMETER(text, {
        AAX_CString s;
        p->GetValueString(maxLength, &s);
        text->Set(s.CString());
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue(AAX_CParamID id, double* v) const
{
    return AAX_WITH_PARAMETER(v, *v = p->GetNormalizedValue());
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue(AAX_CParamID id, double v)
{
    return AAX_WITH_PARAMETER(true, p->SetNormalizedValue(v));
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative(AAX_CParamID id, double delta)
{
    double v = 0;
    if (const AAX_Result r = GetParameterNormalizedValue(id, &v); r != AAX_SUCCESS)
        return r;
    // The sum clamped as every host value is (a NaN goes to 0).
    return SetParameterNormalizedValue(id, vlt::params::clamp_unit(v + delta));
}

AAX_Result AAX_CEffectParameters::TouchParameter(AAX_CParamID id)
{
    return AAX_WITH_PARAMETER(true, p->Touch());
}

AAX_Result AAX_CEffectParameters::ReleaseParameter(AAX_CParamID id)
{
    return AAX_WITH_PARAMETER(true, p->Release());
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch(AAX_CParamID, AAX_CBoolean) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID id, double v, AAX_EUpdateSource)
{
    return aax_guarded([&]() -> AAX_Result {
        AAX_IParameter* p = mParameterManager.GetParameterByID(id);
        if (!p)
            return AAX_ERROR_INVALID_PARAMETER_ID;
        p->UpdateNormalizedValue(v);
        const AAX_Result r = mPacketDispatcher.SetDirty(id, true);
        ++mNumPlugInChanges;
        return r;
    });
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative(AAX_CParamID id, double delta)
{
    double v = 0;
    if (const AAX_Result r = GetParameterNormalizedValue(id, &v); r != AAX_SUCCESS)
        return r;
    return UpdateParameterNormalizedValue(id, vlt::params::clamp_unit(v + delta), 0);
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return aax_guarded([&] { return mPacketDispatcher.Dispatch(); });
}

AAX_Result AAX_CEffectParameters::ResetFieldData(int32_t, void* data, uint32_t size) const
{
    if (data && size)
        std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks(int32_t* count) const
{
    if (!count)
        return AAX_ERROR_NULL_OBJECT;
    *count = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, uint32_t* id) const
{
    if (!id)
        return AAX_ERROR_NULL_OBJECT;
    *id = index == 0 ? kControlsChunkID : 0;
    return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

void AAX_CEffectParameters::FilterParameterIDOnSave(AAX_CParamID id)
{
    if (id)
        mFilteredParameters.insert(id);
}

namespace {

// The kinds a saved value can have, found the way the chunk code finds
// them: the first value accessor the parameter answers.
enum class Kind { Float, Int32, Bool, Double, String, None };

Kind kind_of(const AAX_IParameter& p)
{
    float f;
    int32_t i;
    bool b;
    double d;
    AAX_CString s;
    if (p.GetValueAsFloat(&f))
        return Kind::Float;
    if (p.GetValueAsInt32(&i))
        return Kind::Int32;
    if (p.GetValueAsBool(&b))
        return Kind::Bool;
    if (p.GetValueAsDouble(&d))
        return Kind::Double;
    if (p.GetValueAsString(&s))
        return Kind::String;
    return Kind::None;
}

}  // namespace

void AAX_CEffectParameters::BuildChunkData() const
{
    mChunkParser.Clear();
    for (int32_t i = 0; i < mParameterManager.NumParameters(); ++i) {
        const AAX_IParameter* p = mParameterManager.GetParameter(i);
        if (!p || filtered(p->Identifier()))
            continue;
        const char* id = p->Identifier();
        float f = 0;
        int32_t n = 0;
        bool b = false;
        double d = 0;
        AAX_CString s;
        switch (kind_of(*p)) {
        case Kind::Float:
            p->GetValueAsFloat(&f);
            mChunkParser.AddDouble(id, double(f));
            break;
        case Kind::Int32:
            p->GetValueAsInt32(&n);
            mChunkParser.AddInt32(id, n);
            break;
        case Kind::Bool:
            p->GetValueAsBool(&b);
            mChunkParser.AddInt32(id, b ? 1 : 0);
            break;
        case Kind::Double:
            p->GetValueAsDouble(&d);
            mChunkParser.AddDouble(id, d);
            break;
        case Kind::String:
            p->GetValueAsString(&s);
            mChunkParser.AddString(id, s);
            break;
        case Kind::None: break;
        }
    }
}

AAX_Result AAX_CEffectParameters::GetChunkSize(uint32_t id, uint32_t* size) const
{
    if (!size)
        return AAX_ERROR_NULL_OBJECT;
    if (id != kControlsChunkID) {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    return aax_guarded([&] {
        BuildChunkData();
        mChunkSize = mChunkParser.GetChunkDataSize();
        if (mChunkSize < 0)
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        *size = uint32_t(mChunkSize);
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetChunk(uint32_t id, AAX_SPlugInChunk* chunk) const
{
    if (id != kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    return aax_guarded([&] {
        BuildChunkData();
        // The host sized the record from GetChunkSize; a different size now
        // would write past it.
        if (mChunkSize <= 0 || mChunkParser.GetChunkDataSize() != mChunkSize)
            return AAX_ERROR_INCORRECT_CHUNK_SIZE;
        chunk->fVersion = mChunkParser.mChunkVersion;
        // The record names what it holds, so a later comparison can tell it apart.
        chunk->fChunkID = id;
        std::memset(chunk->fName, 0, sizeof chunk->fName);
        std::strncpy(reinterpret_cast<char*>(chunk->fName), CONTROLS_CHUNK_DESCRIPTION,
                     sizeof chunk->fName - 1);
        return mChunkParser.GetChunkData(chunk);
    });
}

AAX_Result AAX_CEffectParameters::SetChunk(uint32_t id, const AAX_SPlugInChunk* chunk)
{
    if (id != kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    return aax_guarded([&] {
        mChunkParser.LoadChunk(chunk);
        for (int32_t i = 0; i < mParameterManager.NumParameters(); ++i) {
            AAX_IParameter* p = mParameterManager.GetParameter(i);
            if (!p || filtered(p->Identifier()))
                continue;
            const char* name = p->Identifier();
            double d = 0;
            int32_t n = 0;
            AAX_CString s;
            switch (kind_of(*p)) {
            case Kind::Float:
                // A damaged project must not hand NaN or infinity to the DSP.
                if (mChunkParser.FindDouble(name, &d) && std::isfinite(float(d)))
                    p->SetValueWithFloat(float(d));
                break;
            case Kind::Int32:
                if (mChunkParser.FindInt32(name, &n))
                    p->SetValueWithInt32(n);
                break;
            case Kind::Bool:
                if (mChunkParser.FindInt32(name, &n))
                    p->SetValueWithBool(n != 0);
                break;
            case Kind::Double:
                if (mChunkParser.FindDouble(name, &d) && std::isfinite(d))
                    p->SetValueWithDouble(d);
                break;
            case Kind::String:
                if (mChunkParser.FindString(name, &s))
                    p->SetValueWithString(s);
                break;
            case Kind::None: break;
            }
        }
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk,
                                                     AAX_CBoolean* isActive) const
{
    if (!chunk || !isActive)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->fChunkID != kControlsChunkID) {
        *isActive = 1;
        return AAX_SUCCESS;
    }
    return aax_guarded([&] {
        *isActive = 0;
        mChunkParser.LoadChunk(chunk);
        if (mParameterManager.NumParameters() == 0) {
            *isActive = 1;
            return AAX_SUCCESS;
        }
        for (int32_t i = 0; i < mParameterManager.NumParameters(); ++i) {
            const AAX_IParameter* p = mParameterManager.GetParameter(i);
            if (!p || filtered(p->Identifier()))
                continue;
            const char* name = p->Identifier();
            float f = 0;
            bool b = false;
            double d = 0, saved = 0;
            int32_t n = 0, savedInt = 0;
            AAX_CString s, savedText;
            bool equal = true;
            switch (kind_of(*p)) {
            case Kind::Float:
                p->GetValueAsFloat(&f);
                equal = mChunkParser.FindDouble(name, &saved) && float(saved) == f;
                break;
            case Kind::Int32:
                p->GetValueAsInt32(&n);
                equal = mChunkParser.FindInt32(name, &savedInt) && savedInt == n;
                break;
            case Kind::Bool:
                p->GetValueAsBool(&b);
                equal = mChunkParser.FindInt32(name, &savedInt) && (savedInt != 0) == b;
                break;
            case Kind::Double:
                p->GetValueAsDouble(&d);
                equal = mChunkParser.FindDouble(name, &saved) && float(saved) == float(d);
                break;
            case Kind::String:
                p->GetValueAsString(&s);
                equal = mChunkParser.FindString(name, &savedText) && savedText == s;
                break;
            case Kind::None: break;
            }
            if (!equal)
                return AAX_SUCCESS;
        }
        *isActive = 1;
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges(int32_t* changes) const
{
    if (changes && mNumPlugInChanges >= 0)
        *changes = mNumPlugInChanges;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TimerWakeup() { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::GetCurveData(uint32_t, const float*, uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result AAX_CEffectParameters::GetCustomData(uint32_t, uint32_t, void*, uint32_t* written) const
{
    if (written)
        *written = 0;
    return AAX_SUCCESS;
}
AAX_Result AAX_CEffectParameters::SetCustomData(uint32_t, uint32_t, const void*) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::DoMIDITransfers() { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid(AAX_SHybridRenderInfo*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result AAX_CEffectParameters::UpdateMIDINodes(int32_t, AAX_CMidiPacket&) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes(uint32_t, AAX_CMidiPacket&) { return AAX_SUCCESS; }
