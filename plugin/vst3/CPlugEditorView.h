#pragma once
// What the controller tells an open editor. Each platform's view derives
// from this; Linux has none.
#include "editcontroller.h"

namespace Steinberg::Vst {

class CPlugEditorView : public EditorView {
public:
    using EditorView::EditorView;
    virtual void setParameter(ParamID id, ParamValue value) {}
    virtual void setProgramName(int32 index, const char8* name) {}
};

class CPlugController;
// Makes the platform's editor view, or null where there is none.
CPlugEditorView* createPlugEditorView(CPlugController& controller, const ViewRect& rect);
// The size a new view starts with until one reports its own (ids 98, 99).
ViewRect initialEditorRect();

}  // namespace Steinberg::Vst
