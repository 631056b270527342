// Builds without an editor view (Linux): the host gets no editor.
#include "CPlugEditorView.h"

namespace Steinberg::Vst {

CPlugEditorView* createPlugEditorView(CPlugController&, const ViewRect&) { return nullptr; }

}  // namespace Steinberg::Vst
