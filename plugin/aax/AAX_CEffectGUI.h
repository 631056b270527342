#pragma once
// Base of the plug-in's GUI object: keeps the host objects an editor
// needs and drives the subclass through its view hooks.
#include <memory>

#include "AAX_HostWrappers.h"
#include "CACFUnknown.h"

class AAX_IEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown {
public:
    AAX_FORWARD_UNKNOWN_SLOTS
    ACFRESULT InternalQueryInterface(const acfIID& iid, void** out) override;
};

class AAX_CEffectGUI : public AAX_IEffectGUI {
public:
    AAX_CEffectGUI() = default;
    ~AAX_CEffectGUI() override;

    AAX_Result Initialize(IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(uint32_t type, const void* data, uint32_t size) override;
    AAX_Result SetViewContainer(IACFUnknown* container) override;
    AAX_Result GetViewSize(AAX_Point* size) const override;
    AAX_Result Draw(AAX_Rect* area) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated(AAX_CParamID id) override;
    AAX_Result GetCustomLabel(AAX_EPlugInStrings which, AAX_IString* label) const override;
    AAX_Result SetControlHighlightInfo(AAX_CParamID id, AAX_CBoolean highlighted,
                                       AAX_EHighlightColor color) override;

    AAX_IController* GetController() const { return m_controller; }
    AAX_IACFEffectParameters* GetEffectParameters() const { return m_effectParameters; }
    AAX_IViewContainer* GetViewContainer() const { return m_viewContainer; }
    AAX_ITransport* GetTransport() const { return m_transport; }
    int32_t GetViewContainerType() const { return m_viewContainer ? m_viewContainer->GetType() : 0; }
    void* GetViewContainerPtr() const { return m_viewContainer ? m_viewContainer->GetPtr() : nullptr; }

protected:
    virtual void CreateViewContents() = 0;
    virtual void CreateViewContainer() = 0;
    virtual void DeleteViewContainer() = 0;
    virtual void UpdateAllParameters();

private:
    void release_host_objects();

    AAX_IController* m_controller = nullptr;
    AAX_IACFEffectParameters* m_effectParameters = nullptr;
    AAX_IViewContainer* m_viewContainer = nullptr;
    AAX_ITransport* m_transport = nullptr;
};
