#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"

ACFRESULT AAX_IEffectGUI::InternalQueryInterface(const acfIID& iid, void** out)
{
    if (out && iid == IID_IAAXEffectGUIV1) {
        *out = static_cast<AAX_IACFEffectGUI*>(this);
        AddRef();
        return 0;
    }
    return CACFUnknown::InternalQueryInterface(iid, out);
}

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    release_host_objects();
    delete m_viewContainer;
}

void AAX_CEffectGUI::release_host_objects()
{
    if (m_effectParameters)
        m_effectParameters->Release();
    m_effectParameters = nullptr;
    delete m_controller;
    m_controller = nullptr;
    delete m_transport;
    m_transport = nullptr;
}

AAX_Result AAX_CEffectGUI::Initialize(IACFUnknown* host)
{
    return aax_guarded([&] {
        release_host_objects();  // a second initialisation replaces the first
        m_controller = new AAX_VController(host);
        if (!host)
            return AAX_ERROR_NO_HOST_UNKNOWN;
        void* effect = nullptr;
        if (host->QueryInterface(IID_IAAXEffectParametersV1, &effect) == 0)
            m_effectParameters = static_cast<AAX_IACFEffectParameters*>(effect);
        m_transport = new AAX_VTransport(host);
        CreateViewContents();
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    return aax_guarded([&] {
        release_host_objects();
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectGUI::NotificationReceived(uint32_t, const void*, uint32_t) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::SetViewContainer(IACFUnknown* container)
{
    return aax_guarded([&] {
        delete m_viewContainer;
        m_viewContainer = nullptr;
        if (container) {
            m_viewContainer = new AAX_VViewContainer(container);
            CreateViewContainer();
            UpdateAllParameters();
        } else {
            DeleteViewContainer();
        }
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectGUI::GetViewSize(AAX_Point*) const { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::Draw(AAX_Rect*) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::TimerWakeup() { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::ParameterUpdated(AAX_CParamID) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::GetCustomLabel(AAX_EPlugInStrings, AAX_IString*) const
{
    return AAX_ERROR_NULL_OBJECT;
}
AAX_Result AAX_CEffectGUI::SetControlHighlightInfo(AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (!m_effectParameters)
        return;
    int32_t count = 0;
    if (m_effectParameters->GetNumberOfParameters(&count) != AAX_SUCCESS || count < 0)
        return;
    for (int32_t i = 0; i < count; ++i) {
        AAX_CString id;
        if (m_effectParameters->GetParameterIDFromIndex(i, &id) == AAX_SUCCESS)
            ParameterUpdated(id.CString());
    }
}
