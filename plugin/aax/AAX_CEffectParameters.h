#pragma once
// Base of the plug-in's data model for the host: parameters, their
// automation, the packets to the algorithm and the saved state.
#include <set>
#include <string>

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "CACFUnknown.h"

extern const char* const cDefaultMasterBypassID;
extern const char* const cPreviewID;
constexpr uint32_t kControlsChunkID = aax_fourcc("elck");
#define CONTROLS_CHUNK_DESCRIPTION "Complete Controls State"

class AAX_IEffectParameters : public AAX_IACFEffectParameters_V2, public CACFUnknown {
public:
    AAX_FORWARD_UNKNOWN_SLOTS
    ACFRESULT InternalQueryInterface(const acfIID& iid, void** out) override;
};

class AAX_VAutomationDelegate;

class AAX_CEffectParameters : public AAX_IEffectParameters {
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_Result Initialize(IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(uint32_t type, const void* data, uint32_t size) override;
    AAX_Result GetNumberOfParameters(int32_t* count) const override;
    AAX_Result GetMasterBypassParameter(AAX_IString* id) const override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID id, AAX_CBoolean* out) const override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID id, int32_t* steps) const override;
    AAX_Result GetParameterName(AAX_CParamID id, AAX_IString* name) const override;
    AAX_Result GetParameterNameOfLength(AAX_CParamID id, AAX_IString* name, int32_t length) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID id, double* v) const override;
    AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID id, double v) override;
    AAX_Result GetParameterType(AAX_CParamID id, AAX_EParameterType* type) const override;
    AAX_Result GetParameterOrientation(AAX_CParamID id, int32_t* orientation) const override;
    AAX_Result GetParameter(AAX_CParamID id, AAX_IParameter** parameter) override;
    AAX_Result GetParameterIndex(AAX_CParamID id, int32_t* index) const override;
    AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    AAX_Result GetParameterValueInfo(AAX_CParamID id, int32_t selector, int32_t* value) const override;
    AAX_Result GetParameterValueFromString(AAX_CParamID id, double* v,
                                           const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID id, double v, AAX_IString* text,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterValueString(AAX_CParamID id, AAX_IString* text, int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID id, double* v) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID id, double v) override;
    AAX_Result SetParameterNormalizedRelative(AAX_CParamID id, double delta) override;
    AAX_Result TouchParameter(AAX_CParamID id) override;
    AAX_Result ReleaseParameter(AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch(AAX_CParamID id, AAX_CBoolean touched) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID id, double v, AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID id, double delta) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData(int32_t field, void* data, uint32_t size) const override;
    AAX_Result GetNumberOfChunks(int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, uint32_t* id) const override;
    AAX_Result GetChunkSize(uint32_t id, uint32_t* size) const override;
    AAX_Result GetChunk(uint32_t id, AAX_SPlugInChunk* chunk) const override;
    AAX_Result SetChunk(uint32_t id, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* isActive) const override;
    AAX_Result GetNumberOfChanges(int32_t* changes) const override;
    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData(uint32_t type, const float* in, uint32_t size, float* out) const override;
    AAX_Result GetCustomData(uint32_t block, uint32_t size, void* data, uint32_t* written) const override;
    AAX_Result SetCustomData(uint32_t block, uint32_t size, const void* data) override;
    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid(AAX_SHybridRenderInfo* info) override;
    AAX_Result UpdateMIDINodes(int32_t field, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes(uint32_t node, AAX_CMidiPacket& packet) override;

    // The subclass's hook for adding parameters and packets.
    virtual AAX_Result EffectInit() { return AAX_SUCCESS; }

    void FilterParameterIDOnSave(AAX_CParamID id);

protected:
    void BuildChunkData() const;
    AAX_Result GenerateSingleValuePacket(AAX_CParamID id, AAX_CPacket& packet)
    {
        return mPacketDispatcher.GenerateSingleValuePacket(id, packet);
    }

    int32_t mNumPlugInChanges = 0;
    mutable int32_t mChunkSize = 0;
    mutable AAX_CChunkDataParser mChunkParser;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameters;
    AAX_IController* m_controller = nullptr;
    AAX_ITransport* m_transport = nullptr;
    AAX_IAutomationDelegate* m_automation = nullptr;

private:
    void delete_host_wrappers();
    bool filtered(AAX_CParamID id) const { return mFilteredParameters.count(id) != 0; }
};
