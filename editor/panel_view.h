#pragma once
// The front panel as the editor core sees it (its EditorView, whole): the
// widgets of the build's layout drawn into one 144 x 510 target, the text
// the banner shows, and where the window must be redrawn, told to the
// window glue. Every build's editor holds one; the glue supplies the screen
// side and, on macOS, the target (its panel pixmap's memory).
//
// Threads: create_gui_objects, init_widgets, show_values and draw_panel
// run where the window is opened, before its callbacks can; the
// EditorView calls, on the window's thread (the GUI thread on Linux, the
// host's UI thread on Windows, the main thread on macOS).
#include "editor_core.h"
#include "editor_glue.h"
#include "panel_widgets.h"
#include "value_text.h"

class AFX_engine;
class AFX_font_engine;

namespace vlt::editor {

class CPanelView final : public EditorView {
public:
    // The engines the widgets draw with.
    CPanelView(AFX_engine* engine, AFX_font_engine* font);
    ~CPanelView() override;
    CPanelView(const CPanelView&) = delete;
    CPanelView& operator=(const CPanelView&) = delete;

    // The core it shows and the glue it reports redraws to; both outlive it.
    void attach(const CEditorCore& core, EditorGlue& glue);

    // Creates the widgets and images still missing for toolkit window
    // index window; the existing images move to that window. -1 when
    // anything is missing.
    int create_gui_objects(int window);
    // Geometry and artwork into every widget, then show_values.
    void init_widgets(int window);
    // The core's values into every widget, the power state too.
    void show_values();
    // Draws the whole panel. Without a target handed over, into its own
    // content pixbuf (made on first use), whose button row it fills first;
    // a target the glue hands over comes with its own background.
    bool draw_panel();
    void set_target(afx_pixbuf* target) { target_ = target; }
    void cleanup_gui_objects();

    // What the panel is drawn into; null before the first draw.
    const afx_pixbuf* content() const { return target_; }
    const char* banner_text() const { return banner_text_; }   // what the banner shows
    float value(Widget w) const { return widgets_.value(w); }  // 0 for widgets the panel lacks

    // EditorView.
    void set_banner_text(const char* text, bool scroll_home) override;
    void scroll_banner(int dx) override;
    void step_banner(int step) override;
    void redraw(Widget w) override;
    void repaint_all() override;
    void resize_window(const EditorSize& from, const EditorSize& to) override;

private:
    void push_value(Widget w);
    void redraw_one(Widget w);

    PanelWidgets widgets_;
    const CEditorCore* core_ = nullptr;
    EditorGlue* glue_ = nullptr;
    afx_pixbuf* target_ = nullptr;
    afx_pixbuf* content_ = nullptr;  // the own target, once made
    char banner_text_[kBannerTextSize] = {};
};

}  // namespace vlt::editor
