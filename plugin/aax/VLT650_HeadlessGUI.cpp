// The GUI object of the Linux test module: the editor's logic following
// the host's values through the AAX map, with a view that draws nothing;
// only the macOS and Windows builds have a platform view.
#include "AAX_CEffectGUI.h"
#include "VLT650_EditorHost.h"
#include "VLT650_GUI.h"
#include "VLT650_Layout.h"
#include "editor_core.h"
#include "headless_view.h"

namespace {

using namespace vlt::editor;

class VLT650_HeadlessGUI final : public AAX_CEffectGUI {
public:
    VLT650_HeadlessGUI() : m_core(kWindowsAaxBuild, m_host, m_view) {}

    AAX_Result ParameterUpdated(AAX_CParamID id) override
    {
        return aax_guarded([&] {
            Control c;
            if (!control_of_id(kAaxMap, id, &c))
                return AAX_ERROR_INVALID_PARAMETER_ID;
            pull(id);
            return AAX_SUCCESS;
        });
    }

private:
    void pull(AAX_CParamID id)
    {
        double v = 0;
        if (GetEffectParameters() && GetEffectParameters()->GetParameterNormalizedValue(id, &v) == 0)
            m_core.set_host_parameter(id, float(v));
    }
    void CreateViewContents() override {}
    void CreateViewContainer() override
    {
        for (const HostParam& p : kAaxMap.params)
            if (p.id)
                pull(p.id);
        // What the editor shows first: the meter as the host reports it now
        // (the host reports the gain, the meter shows the reduction).
        m_core.set_control(Control::kMeter, 1.0f - AAX_CurrentMeterValue(GetController(), kVLT650_MeterID));
    }
    void DeleteViewContainer() override {}

    VLT650_GuiHostObjects m_host_objects{*this};
    VLT650_EditorHost m_host{m_host_objects, &VLT650_preset(0)};
    HeadlessView m_view;
    CEditorCore m_core;
};

}  // namespace

IACFUnknown* VLT650_GUI_Create() { return static_cast<AAX_IACFEffectGUI*>(new VLT650_HeadlessGUI()); }
