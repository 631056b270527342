#pragma once
// The VST3 editor view on macOS: tells the host its size and limits and,
// attached to an NSView, creates, fills, starts and embeds the Cocoa view.
// Every call runs on the host's main thread.
#include "CPlugEditorView.h"
#include "vst3_panel.h"

namespace Steinberg::Vst {

class CPlugEditorViewMac : public CPlugEditorView {
public:
    CPlugEditorViewMac(CPlugController& controller, const ViewRect& rect);
    ~CPlugEditorViewMac() override;

    VLT_PLUG_EDITOR_VIEW_PLATFORM_METHODS

    bool isOpen() const { return open_; }

protected:
    ViewRect sizeRequested(const ViewRect& rect) override;
    void sizeApplied(const ViewRect& rect) override;

private:
    void openPanel(void* parent);
    void closePanel();

    CPlugController& controller_;
    bool open_ = false;
    vst3_panel::Panel panel_ = nullptr;
};

}  // namespace Steinberg::Vst
