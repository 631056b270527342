#pragma once
// An editor view that records what the controller tells it; the tests'
// stand-in for a platform view.
#include <string>
#include <utility>
#include <vector>

#include "CPlugEditorView.h"

namespace vst3test {

using namespace Steinberg;
using namespace Steinberg::Vst;

class RecordingView : public CPlugEditorView {
public:
    using CPlugEditorView::CPlugEditorView;
    tresult PLUGIN_API isPlatformTypeSupported(FIDString) override { return kResultOk; }
    void setParameter(ParamID id, ParamValue value) override { values.emplace_back(id, value); }
    void setProgramName(int32 index, const char8* name) override { names.emplace_back(index, name); }

    // Limits as a platform view has them: the origin at 0, at least 100 wide.
    ViewRect sizeRequested(const ViewRect& r) override
    {
        return {0, 0, r.getWidth() < 100 ? 100 : r.getWidth(), r.getHeight()};
    }
    void sizeApplied(const ViewRect& r) override
    {
        applied.push_back(r);
        reportSize(r);
    }

    std::vector<std::pair<ParamID, ParamValue>> values;
    std::vector<std::pair<int32, std::string>> names;
    std::vector<ViewRect> applied;
};

}  // namespace vst3test
