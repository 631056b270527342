#pragma once
// A view that draws nothing: for an editor object that follows its host
// without a window of its own (the AAX test module's GUI object).
#include "editor_host.h"

namespace vlt::editor {

class HeadlessView final : public EditorView {
public:
    void set_banner_text(const char*, bool) override {}
    void scroll_banner(int) override {}
    void step_banner(int) override {}
    void redraw(Widget) override {}
    void repaint_all() override {}
    void resize_window(const EditorSize&, const EditorSize&) override {}
};

}  // namespace vlt::editor
