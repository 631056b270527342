// The Cocoa window glue with a recording host and screen side, without
// AppKit views: what the editor asks of the format and of the screen, in
// order.
#pragma once

#include <string>
#include <vector>

#include "cocoa/cocoa_editor_window.h"

namespace vlt::editor::test {

struct Edit {
    char kind;  // 'b' begin, 's' set, 'e' end
    Control control;
    float value;
    bool operator==(const Edit&) const = default;
};

class RecordingHost : public EditorHost {
public:
    std::vector<Edit> edits;
    bool take_clicks = false;
    void begin_edit(Control c) override { edits.push_back({'b', c, 0}); }
    void set_value(Control c, float f) override { edits.push_back({'s', c, f}); }
    void end_edit(Control c) override { edits.push_back({'e', c, 0}); }
    void set_ui_size(float u) override { set_value(Control::kUiSize, u); }
    void set_program(int) override {}
    void program_name(char* text) override { text[0] = '\0'; }
    void size_window(int, int) override {}
    bool host_takes_press(Control, bool) override { return take_clicks; }
};

class RecordingSurface : public ViewSurface {
public:
    int invalidated = 0, whole = 0;
    int frame_w = 0, frame_h = 0;
    void invalidate(int, int, int, int) override { ++invalidated; }
    void invalidate_all() override { ++whole; }
    void resize_frame(int w, int h) override
    {
        frame_w = w;
        frame_h = h;
    }
    afx_sys_window parent = 0;
    void embed(afx_sys_window p) override { parent = p; }
};

// The Audio Unit view's glue, as the factory makes it at UI size 0.
struct WindowFixture {
    RecordingHost host;
    RecordingSurface surface;
    CocoaEditorWindow window;

    explicit WindowFixture(double backing_scale = 1.0, double height = 510)
        : window(kCocoaAuBuild, host, surface, 468, height, backing_scale)
    {
        window.set_scale(static_cast<float>(height / 510));
        window.open(0);
    }

    // A panel point in view points at the current magnification.
    PointerEvent at_panel(int px, int py, int clicks = 1) const
    {
        PointerEvent e;
        e.x = window.x_pos() + px * window.magnification();
        e.y = window.y_pos() + py * window.magnification();
        e.click_count = clicks;
        return e;
    }
    PointerEvent at_centre(Widget w, int clicks = 1) const
    {
        const Rect r = panel_rect(kCocoaLayout, w);
        return at_panel(r.x + r.w / 2, r.y + r.h / 2, clicks);
    }
};

}  // namespace vlt::editor::test
