#include "CEditorGUI.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "VLT650_GUI.h"
#include "VLT650_Layout.h"
#include "editor_input_relay.h"
#include "host_map.h"

using namespace vlt::editor;

namespace {

constexpr int32_t kWindowHandleContainer = 3;
constexpr const char* kTitle = "VLT650 Channel Dynamics";
constexpr float kDisplayScale = 1.0f;  // the host sizes its view from GetViewSize alone

CEditorGUI* self(void* user) { return static_cast<CEditorGUI*>(user); }

// The keys the host's mouse-down handler knows, in its bits.
uint32_t modifier_keys()
{
    auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return (down(VK_LSHIFT) ? 1u : 0u) | (down(VK_MENU) ? 4u : 0u) | (down(VK_LCONTROL) ? 8u : 0u);
}

}  // namespace

CEditorGUI::CEditorGUI()
    : CPanelView(G_GUI_engine, G_FONT_engine), host_(*this, modifier_keys),
      core_(kWindowsAaxBuild, host_, *this), window_(G_GUI_engine)
{
    attach(&core_);
    host_.attach(&core_);
}

CEditorGUI::~CEditorGUI()
{
    stop_editor();
    if (G_GUI_engine)
        cleanup_gui_objects();
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
    AFX_engine* e = G_GUI_engine;
    if (!e)
        return;
    core_.apply_size_rule(kDisplayScale);
    if (!window_.create(host_window, core_.size(), this))
        return;
    const int index = window_.index();
    e->set_afx_window_title(index, kTitle);
    if (create_gui_objects(index) < 0) {
        window_.destroy();
        return;
    }
    init_widgets(index);
    core_.set_widgets_ready();
    pull_host_values();
    core_.init_editor();
    window_.make_back_buffer(core_.size(), core_.dpi_scale());
    draw_panel();
    e->set_gui_update_interval(core_.build().banner.tick_ms);
    register_callbacks(index);
    window_.show();
    core_.set_open(true);
}

void CEditorGUI::stop_editor()
{
    core_.set_open(false);
    window_.destroy();
}

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

// The GUI-update callback goes last: registering it starts the timer.
void CEditorGUI::register_callbacks(int index)
{
    AFX_engine* e = G_GUI_engine;
    relay_input<core_of>(*e, index);
    e->register_expose_callback(index, on_expose);
    e->register_window_destroy_callback(index, on_window_destroy);
    e->register_gui_update_callback(index, on_gui_update);
}

void CEditorGUI::queue_rect(const Rect& r) { window_.queue(r.x, r.y, r.w, r.h); }

void CEditorGUI::repaint_all()
{
    const EditorSize& s = core_.size();
    window_.queue(0, 0, s.width, s.height);
}

CEditorCore& CEditorGUI::core_of(void* user) { return self(user)->core_; }

void CEditorGUI::on_expose(int x, int y, int w, int h, int, void* user)
{
    CEditorGUI* ed = self(user);
    ed->window_.expose(ed->content(), ed->core_.size(), ed->core_.mono(), ed->core_.dpi_scale(), x,
                       y, w, h);
}

// The host destroyed our window with its own: forget the slot.
void CEditorGUI::on_window_destroy(int, int, int index, void* user)
{
    CEditorGUI* ed = self(user);
    ed->core_.set_open(false);
    ed->window_.forget(index);
}

bool CEditorGUI::on_gui_update(void* user)
{
    CEditorGUI* ed = self(user);
    ed->poll_meter();
    ed->core_.gui_update_tick();
    return true;
}

IACFUnknown* VLT650_GUI_Create() { return static_cast<AAX_IACFEffectGUI*>(new CEditorGUI()); }
