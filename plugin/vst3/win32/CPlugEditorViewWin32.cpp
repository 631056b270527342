#include "CPlugEditorViewWin32.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "CPlugController.h"
#include "afx/afx_engine_windows.h"
#include "module_engines.h"
#include "plug_ids.h"

using namespace vlt::editor;

namespace Steinberg::Vst {

namespace {

void messageBox(const char* text) { MessageBoxA(nullptr, text, nullptr, MB_OK); }

CPlugEditorViewWin32::FailureNotice gFailureNotice = messageBox;

float engineScale() { return G_GUI_engine ? window_ext(*G_GUI_engine).get_optimum_scale_factor() : 1.0f; }

int32 minWidth(float s) { return static_cast<int32>(vlt650::kEditorWidth * s); }
int32 minHeight(float s) { return static_cast<int32>(vlt650::kEditorHeight * s); }

// The panel magnified as far as both sides allow, never below the display
// scale.
float contentScaleFor(int32 w, int32 h, float s)
{
    const float by_width = std::max(1.0f, static_cast<float>(w) / (kPanelWidth * s));
    const float by_height = std::max(1.0f, static_cast<float>(h) / (kPanelHeight * s));
    return s * std::min(by_width, by_height);
}

// Controls the controller sends by VST3 id; the host bypass (97) is the
// view's own.
constexpr ParamID kControlIds[] = {0, 1, 2, 3, 4, 5, 6, 7};

// Only a failed widget creation is told, in a message box.
WindowHooks failureHooks()
{
    WindowHooks hooks;
    hooks.notice = [](WindowHooks::Notice notice) {
        if (notice == WindowHooks::Notice::kNoWidgets)
            gFailureNotice("Failed to create GUI objects");
    };
    return hooks;
}

}  // namespace

void CPlugEditorViewWin32::setFailureNotice(FailureNotice notice)
{
    gFailureNotice = notice ? notice : messageBox;
}

CPlugEditorViewWin32::CPlugEditorViewWin32(CPlugController* controller, const ViewRect* rect)
    : CPlugEditorView(controller, rect), controller_(controller), host_(controller),
      panel_(G_GUI_engine, G_FONT_engine), core_(kWindowsVst3Build, host_, panel_),
      window_(G_GUI_engine, core_, panel_, failureHooks()), displayScale_(engineScale())
{
    panel_.attach(core_, window_);
    host_.attach(&core_);
    window_.set_always_scaled(true);
    if (rect) {
        size_.width = rect->getWidth();
        size_.height = rect->getHeight();
    } else {
        size_.width = static_cast<int32>(vlt650::kEditorWidth * displayScale_ + 0.5f);
        size_.height = static_cast<int32>(vlt650::kEditorHeight * displayScale_ + 0.5f);
    }
    setRect({0, 0, size_.width, size_.height});
    trackView(this, true);
}

CPlugEditorViewWin32::~CPlugEditorViewWin32()
{
    trackView(this, false);
    window_.close();
    if (G_GUI_engine)
        panel_.cleanup_gui_objects();
}

void CPlugEditorViewWin32::releaseEngine()
{
    window_.release_engine();
    panel_.cleanup_gui_objects();
}

tresult PLUGIN_API CPlugEditorViewWin32::isPlatformTypeSupported(FIDString type)
{
    // "HWND" with its terminating zero: "HWNDX" is another platform.
    return type && std::memcmp(type, "HWND", 5) == 0 ? kResultOk : kInvalidArgument;
}

tresult PLUGIN_API CPlugEditorViewWin32::attached(void* parent, FIDString type)
{
    if (!parent || !type)
        return kInvalidArgument;
    if (isPlatformTypeSupported(type) == kResultOk && !isOpen())
        attachBody(reinterpret_cast<afx_sys_window>(parent));
    return CPlugEditorView::attached(parent, type);
}

tresult PLUGIN_API CPlugEditorViewWin32::removed()
{
    // The widgets and images stay for a later attached.
    window_.close();
    return CPlugEditorView::removed();
}

ViewRect CPlugEditorViewWin32::sizeRequested(const ViewRect& rect)
{
    applySize(rect.getWidth(), rect.getHeight());
    return {0, 0, size_.width, size_.height};
}

void CPlugEditorViewWin32::sizeApplied(const ViewRect& rect)
{
    reportSize(rect);
    // Only an open view has a window to follow. A back buffer that cannot
    // be made at this size leaves it blank until a smaller size arrives.
    window_.follow_host_size();
}

tresult PLUGIN_API CPlugEditorViewWin32::checkSizeConstraint(ViewRect* rect)
{
    if (!rect)
        return kInvalidArgument;
    const int32 e = minWidth(displayScale_), g = minHeight(displayScale_);
    rect->right = rect->left + std::clamp(rect->getWidth(), e, 2 * e);
    rect->bottom = rect->top + std::clamp(rect->getHeight(), g, 2 * g);
    return kResultOk;
}

void CPlugEditorViewWin32::applySize(int32 width, int32 height)
{
    const float s = displayScale_;
    const int32 w = std::max(width, minWidth(s)), h = std::max(height, minHeight(s));
    contentScale_ = contentScaleFor(w, h, s);
    size_.width = w;
    size_.height = h;
    size_.content_scale = contentScale_;
    size_.x_offset = (w - static_cast<int32>(contentScale_ * kPanelWidth)) >> 1;
    size_.y_offset = 0;
    size_.width_factor = contentScale_ / s;
    size_.height_factor = contentScale_ / s;
    setRect({0, 0, w, h});
    core_.set_size(size_, s);
}

// --- attach body -------------------------------------------------------------------

void CPlugEditorViewWin32::attachBody(afx_sys_window parent)
{
    parent_ = parent;
    readControllerValues();
    startEditor();
}

void CPlugEditorViewWin32::readControllerValues()
{
    if (!controller_)
        return;
    for (ParamID id : kControlIds)
        core_.set_host_parameter(static_cast<int>(id),
                                 static_cast<float>(controller_->getParamNormalized(id)));
    setParameter(vlt650::kHostBypassId, controller_->getParamNormalized(vlt650::kHostBypassId));
    // The preset buttons step from the program the controller holds, read
    // as it takes it: round(v x 5).
    core_.set_program_index(
        CPlugController::programIndexFromValue(controller_->getParamNormalized(vlt650::kPresetId)));
}

void CPlugEditorViewWin32::startEditor()
{
    if (!G_GUI_engine)
        return;
    if (contentScale_ < 1.0f)
        applySize(size_.width, size_.height);
    else
        core_.set_size(size_, displayScale_);
    window_.open(parent_);
}

// --- the controller's calls -----------------------------------------------------------

void CPlugEditorViewWin32::setParameter(ParamID id, ParamValue value)
{
    const float v = static_cast<float>(value);
    if (id == vlt650::kHostBypassId)
        core_.set_host_eff_enable(::vlt::params::switched_on(v) ? 0.0f : 1.0f);  // bypassed: monochrome
    else
        core_.set_host_parameter(static_cast<int>(id), v);
}

void CPlugEditorViewWin32::setProgramName(int32 index, const char8* name) { core_.set_program(index, name); }

CPlugEditorView* createPlugEditorView(CPlugController& controller, const ViewRect& rect)
{
    return new CPlugEditorViewWin32(&controller, &rect);
}

ViewRect initialEditorRect()
{
    const float s = engineScale();
    return {0, 0, static_cast<int32>(vlt650::kEditorWidth * s + 0.5f),
            static_cast<int32>(vlt650::kEditorHeight * s + 0.5f)};
}

}  // namespace Steinberg::Vst
