#pragma once
// The front panel drawn with the AFX widgets: the thirteen widgets and
// their artwork, laid out from the layout table and drawn into one
// 144 x 510 content pixbuf. It shows what CEditorCore holds; the window
// glue of each platform supplies the screen side (queueing, resizing).
#include <array>

#include "afx_banner.h"
#include "afx_rotary.h"
#include "afx_widgets.h"
#include "editor_core.h"

class AFX_engine;
class AFX_font_engine;

namespace vlt::editor {

class CPanelView : public EditorView {
public:
    CPanelView(AFX_engine* engine, AFX_font_engine* font);
    ~CPanelView() override;
    CPanelView(const CPanelView&) = delete;
    CPanelView& operator=(const CPanelView&) = delete;

    void attach(const CEditorCore* core) { core_ = core; }

    // Creates the widgets and images still missing for window index; the
    // existing images move to that window. -1 when anything is missing.
    int create_gui_objects(int window);
    // Geometry, artwork and the core's values into every widget.
    void init_widgets(int window);
    // Draws the whole panel into the content pixbuf (made on first use).
    bool draw_panel();
    void cleanup_gui_objects();

    const afx_pixbuf* content() const { return content_; }

    // EditorView, drawing side.
    void set_banner_text(const char* text, bool scroll_home) override;
    void scroll_banner(int dx) override;
    void step_banner(int step) override;
    void redraw(Widget w) override;

protected:
    // The window glue puts a window-pixel rectangle on the redraw list.
    virtual void queue_rect(const Rect& window_rect) = 0;

private:
    void push_value(Widget w);
    bool draw_widget(Widget w, bool only_if_changed);

    AFX_engine* engine_;
    AFX_font_engine* font_;
    const CEditorCore* core_ = nullptr;

    CFrontPanelObject* panel_ = nullptr;
    std::array<CRotaryControlObject*, kKnobCount> knobs_{};
    // Effect switch, status, left and right, in Widget order.
    std::array<CPushButtonLatchingObject*, 4> buttons_{};
    CBarMeterObject* meter_ = nullptr;
    CBannerObject* banner_ = nullptr;

    std::array<afx_pixbuf*, kKnobCount> knob_images_{};
    std::array<afx_pixbuf*, 4> button_images_{};
    afx_pixbuf* panel_image_ = nullptr;
    afx_pixbuf* meter_image_ = nullptr;
    afx_pixbuf* content_ = nullptr;
};

}  // namespace vlt::editor
