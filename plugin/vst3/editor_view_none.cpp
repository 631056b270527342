// Builds without an editor view (Linux): the host gets no editor.
#include "CPlugEditorView.h"
#include "plug_ids.h"

namespace Steinberg::Vst {

CPlugEditorView* createPlugEditorView(CPlugController&, const ViewRect&) { return nullptr; }

ViewRect initialEditorRect() { return {0, 0, vlt650::kEditorWidth, vlt650::kEditorHeight}; }

}  // namespace Steinberg::Vst
