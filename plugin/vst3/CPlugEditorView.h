#pragma once
// What the controller tells an open editor. Each platform's view derives
// from this; Linux has none. Every call here, the host's and the
// controller's, runs on the host's UI thread (the main thread on macOS).
#include "editcontroller.h"
#include "plug_ids.h"

namespace Steinberg::Vst {

class CPlugEditorView : public EditorView {
public:
    using EditorView::EditorView;
    // The controller's calls, host's UI thread.
    virtual void setParameter(ParamID id, ParamValue value) {}
    virtual void setProgramName(int32 index, const char8* name) {}

protected:
    // The controller keeps the size for the next view, as pixel counts in
    // the undeclared ids 98 and 99 (not 0..1 values).
    void reportSize(const ViewRect& rect)
    {
        if (EditController* c = getController()) {
            c->setParamNormalized(vlt650::kEditorWidthId, rect.getWidth());
            c->setParamNormalized(vlt650::kEditorHeightId, rect.getHeight());
        }
    }
};

// What each platform's view implements of the host's view interface and of
// the controller's calls above, declared once for every platform; all on
// the host's UI thread.
#define VLT_PLUG_EDITOR_VIEW_PLATFORM_METHODS                            \
    tresult PLUGIN_API isPlatformTypeSupported(FIDString type) override; \
    tresult PLUGIN_API attached(void* parent, FIDString type) override;  \
    tresult PLUGIN_API removed() override;                               \
    tresult PLUGIN_API canResize() override { return kResultTrue; }      \
    tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) override;     \
    void setParameter(ParamID id, ParamValue value) override;            \
    void setProgramName(int32 index, const char8* name) override;

class CPlugController;
// Makes the platform's editor view, or null where there is none.
CPlugEditorView* createPlugEditorView(CPlugController& controller, const ViewRect& rect);
// The size a new view starts with until one reports its own (ids 98, 99).
ViewRect initialEditorRect();

}  // namespace Steinberg::Vst
