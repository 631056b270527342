#include "CPlugEditorViewMac.h"

#include <cmath>
#include <cstring>

#include "CPlugController.h"
#include "plug_ids.h"
#include "view_size.h"

namespace Steinberg::Vst {
namespace {

constexpr const char* kNSViewType = "NSView";

// What a new Cocoa view is filled with before it starts.
constexpr ParamID kInitialIds[] = {vlt650::kInGainId,  vlt650::kThreshId, vlt650::kAttackId,
                                   vlt650::kReleaseId, vlt650::kRatioId,  vlt650::kMakeupId,
                                   vlt650::kMeterId,   vlt650::kBypassId, vlt650::kHostBypassId};

bool is_ns_view(FIDString type) { return type && std::strcmp(type, kNSViewType) == 0; }

}  // namespace

// The view is sized in points; the host scales it.
ViewRect initialEditorRect() { return {0, 0, vlt650::kEditorWidth, vlt650::kEditorHeight}; }

CPlugEditorView* createPlugEditorView(CPlugController& controller, const ViewRect& rect)
{
    return new CPlugEditorViewMac(controller, rect);
}

CPlugEditorViewMac::CPlugEditorViewMac(CPlugController& controller, const ViewRect& rect)
    : CPlugEditorView(&controller, &rect), controller_(controller)
{
    setRect({0, 0, rect.getWidth() > 0 ? rect.getWidth() : vlt650::kEditorWidth,
             rect.getHeight() > 0 ? rect.getHeight() : vlt650::kEditorHeight});
}

CPlugEditorViewMac::~CPlugEditorViewMac() { closePanel(); }

tresult PLUGIN_API CPlugEditorViewMac::isPlatformTypeSupported(FIDString type)
{
    return is_ns_view(type) ? kResultOk : kInvalidArgument;
}

tresult PLUGIN_API CPlugEditorViewMac::attached(void* parent, FIDString type)
{
    if (is_ns_view(type) && !open_)
        openPanel(parent);
    return CPlugEditorView::attached(parent, type);
}

tresult PLUGIN_API CPlugEditorViewMac::removed()
{
    closePanel();
    return CPlugEditorView::removed();
}

ViewRect CPlugEditorViewMac::sizeRequested(const ViewRect& rect) { return vlt650::raised_view_size(rect); }

void CPlugEditorViewMac::sizeApplied(const ViewRect& rect)
{
    reportSize(rect);
    if (panel_)
        vst3_panel::set_frame_size(panel_, rect.getWidth(), rect.getHeight());
}

tresult PLUGIN_API CPlugEditorViewMac::checkSizeConstraint(ViewRect* rect)
{
    if (!rect)
        return kInvalidArgument;
    vlt650::constrain_view_rect(*rect);
    return kResultOk;
}

void CPlugEditorViewMac::setParameter(ParamID id, ParamValue value)
{
    if (panel_)
        vst3_panel::set_parameter(panel_, id, static_cast<float>(value));
}

void CPlugEditorViewMac::setProgramName(int32 index, const char8* name)
{
    if (panel_)
        vst3_panel::set_program_name(panel_, index, name);
}

void CPlugEditorViewMac::openPanel(void* parent)
{
    panel_ = vst3_panel::make(controller_, getRect().getWidth(), getRect().getHeight());
    if (!panel_)
        return;
    for (ParamID id : kInitialIds)
        vst3_panel::set_parameter(panel_, id, static_cast<float>(controller_.getParamNormalized(id)));
    const int32 program =
        CPlugController::programIndexFromValue(controller_.getParamNormalized(vlt650::kPresetId));
    vst3_panel::set_program_name(panel_, program, nullptr);
    vst3_panel::show(panel_, parent);
    open_ = true;
}

void CPlugEditorViewMac::closePanel()
{
    if (!panel_)
        return;
    vst3_panel::close(panel_);
    panel_ = nullptr;
    open_ = false;
}

}  // namespace Steinberg::Vst
