// The tests' editor views: createView hands out recording views.
#include "CPlugController.h"
#include "recording_view.h"

namespace Steinberg::Vst {

CPlugEditorView* createPlugEditorView(CPlugController& controller, const ViewRect& rect)
{
    return new vst3test::RecordingView(&controller, &rect);
}

}  // namespace Steinberg::Vst
