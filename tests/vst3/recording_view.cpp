// The tests' editor views: createView hands out recording views.
#include "CPlugController.h"
#include "plug_ids.h"
#include "recording_view.h"

namespace Steinberg::Vst {

CPlugEditorView* createPlugEditorView(CPlugController& controller, const ViewRect& rect)
{
    return new vst3test::RecordingView(&controller, &rect);
}

ViewRect initialEditorRect() { return {0, 0, vlt650::kEditorWidth, vlt650::kEditorHeight}; }

}  // namespace Steinberg::Vst
