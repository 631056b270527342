#pragma once
// The toolkit widgets of one front panel, every kind a layout holds (knobs,
// latching buttons, the neon lamp switch, the meter, the banner and the
// panel image) with their artwork, addressed by Widget: made, placed from
// the layout table, given values, drawn and freed. A widget its layout
// lacks is never made. Drawing goes into whatever target the panel hands
// over; nothing here knows about windows. One thread at a time.
#include <array>

#include "afx/cocoa/core/afx_neon_button.h"
#include "afx_banner.h"
#include "afx_rotary.h"
#include "afx_widgets.h"
#include "editor_layout.h"

class AFX_engine;
class AFX_font_engine;

namespace vlt::editor {

class PanelWidgets {
public:
    PanelWidgets(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font) {}
    ~PanelWidgets() { free(); }
    PanelWidgets(const PanelWidgets&) = delete;
    PanelWidgets& operator=(const PanelWidgets&) = delete;

    // Makes what layout has and is still missing; images already made move
    // to the toolkit window. False when anything could not be made (what
    // was made stays, for the next attempt).
    bool create(const PanelLayout& layout, int window);
    // Geometry, background and strips into every widget; the banner is
    // readied for the toolkit window.
    void place(const PanelLayout& layout, int window);
    void free();

    bool has(Widget w) const;
    void set_value(Widget w, float value);
    float value(Widget w) const;  // 0..99; 0 for a widget not made
    // The lamp of the neon switch and the meter's light follow the power.
    void set_power(bool on);

    // The widget over what the target holds (the panel's first draw).
    void draw(Widget w, afx_pixbuf* target) { paint(w, target, false); }
    // The panel image under the widget first, then the widget; false for a
    // knob whose frame did not change, which draws nothing.
    bool redraw(Widget w, afx_pixbuf* target) { return paint(w, target, true); }
    // What the widget draws over, in target pixels.
    Rect area(Widget w) const;

    CBannerObject* banner() { return banner_; }
    const afx_pixbuf* panel_image() const { return images_[kFrontPanel]; }

private:
    CPushButtonLatchingObject* latch(Widget w) const;
    bool paint(Widget w, afx_pixbuf* target, bool restore);

    AFX_engine* engine_;
    AFX_font_engine* font_;
    const PanelLayout* layout_ = &kStandardLayout;  // the one placed last

    CFrontPanelObject* panel_ = nullptr;
    std::array<CRotaryControlObject*, kKnobCount> knobs_{};
    // The latching buttons by widget: the effect switch (but the neon
    // lamp's) and the small buttons of the top row.
    std::array<CPushButtonLatchingObject*, kWidgetCount> latches_{};
    CPushButtonNeonObject* neon_ = nullptr;
    CBarMeterObject* meter_ = nullptr;
    CBannerObject* banner_ = nullptr;

    // Each widget's strip (the panel image at kFrontPanel, the neon lamp's
    // dark strip at kEffectSwitch), and the neon lamp's lit strip.
    std::array<afx_pixbuf*, kWidgetCount> images_{};
    afx_pixbuf* neon_lit_ = nullptr;
};

}  // namespace vlt::editor
