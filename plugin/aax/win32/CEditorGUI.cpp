#include "CEditorGUI.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>

#include "VLT650_GUI.h"
#include "VLT650_Layout.h"
#include "host_map.h"

using namespace vlt::editor;

namespace {

constexpr int32_t kWindowHandleContainer = 3;
constexpr const char* kTitle = "VLT650 Channel Dynamics";
constexpr float kDisplayScale = 1.0f;  // the host sizes its view from GetViewSize alone

// The keys the host's mouse-down handler knows, in its bits.
uint32_t modifier_keys()
{
    auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return (down(VK_LSHIFT) ? 1u : 0u) | (down(VK_MENU) ? 4u : 0u) | (down(VK_LCONTROL) ? 8u : 0u);
}

}  // namespace

CEditorGUI::CEditorGUI()
    : host_objects_(*this, modifier_keys), host_(host_objects_, &VLT650_preset(0)),
      panel_(G_GUI_engine, G_FONT_engine), core_(kWindowsAaxBuild, host_, panel_),
      window_(G_GUI_engine, core_, panel_, window_hooks())
{
    panel_.attach(core_, window_);
    host_.attach(&core_);
}

CEditorGUI::~CEditorGUI()
{
    stop_editor();
    if (G_GUI_engine)
        panel_.cleanup_gui_objects();
}

WindowHooks CEditorGUI::window_hooks()
{
    WindowHooks hooks;
    hooks.title = [](char* text, std::size_t size) {
        std::snprintf(text, size, "%s", kTitle);
        return true;
    };
    hooks.before_init = [this] { pull_host_values(); };
    hooks.before_tick = [this] { poll_meter(); };
    return hooks;
}

// The controller wrapper goes away here: its timer must not outlive it.
AAX_Result CEditorGUI::Uninitialize()
{
    stop_editor();
    return AAX_CEffectGUI::Uninitialize();
}

AAX_Result CEditorGUI::GetViewSize(AAX_Point* size) const
{
    if (!size)
        return AAX_ERROR_NULL_OBJECT;
    const EditorSize s = size_rule(0.0f, kDisplayScale);
    size->vert = static_cast<float>(s.height);
    size->horz = static_cast<float>(G_GUI_engine ? s.width : kPanelWidth);
    return AAX_SUCCESS;
}

AAX_Result CEditorGUI::ParameterUpdated(AAX_CParamID id)
{
    return aax_guarded([&] {
        Control c;
        AAX_IACFEffectParameters* params = GetEffectParameters();
        if (!id || !params || !control_of_id(kAaxMap, id, &c))
            return AAX_ERROR_INVALID_PARAMETER_ID;
        double v = 0;
        // A knob the user holds stays where the user holds it.
        const bool held = is_knob(c) && core_.focused(static_cast<Widget>(control_number(c)));
        if (!held && params->GetParameterNormalizedValue(id, &v) == AAX_SUCCESS)
            core_.set_control(c, static_cast<float>(v));
        return AAX_SUCCESS;
    });
}

void CEditorGUI::CreateViewContainer()
{
    if (GetViewContainerType() != kWindowHandleContainer || core_.is_open())
        return;
    HWND parent = static_cast<HWND>(GetViewContainerPtr());
    if (parent && IsWindow(parent))
        start_editor(reinterpret_cast<afx_sys_window>(parent));
}

void CEditorGUI::DeleteViewContainer() { stop_editor(); }

void CEditorGUI::start_editor(afx_sys_window host_window)
{
    if (!G_GUI_engine)
        return;
    core_.apply_size_rule(kDisplayScale);
    window_.open(host_window);
}

void CEditorGUI::stop_editor() { window_.close(); }

// What the panel opens with: the host's values now, not the last ones seen.
void CEditorGUI::pull_host_values()
{
    if (AAX_IACFEffectParameters* params = GetEffectParameters())
        for (const HostParam& p : kAaxMap.params) {
            double v = 0;
            if (p.id && params->GetParameterNormalizedValue(p.id, &v) == AAX_SUCCESS)
                core_.set_host_parameter(p.id, static_cast<float>(v));
        }
    poll_meter();
}

// The host reports the gain (1: none); the meter shows the reduction. A
// failed read counts as 0.
void CEditorGUI::poll_meter()
{
    core_.set_control(Control::kMeter, 1.0f - AAX_CurrentMeterValue(GetController(), kVLT650_MeterID));
}

IACFUnknown* VLT650_GUI_Create() { return static_cast<AAX_IACFEffectGUI*>(new CEditorGUI()); }
