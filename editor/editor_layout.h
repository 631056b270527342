#pragma once
// Where the front-panel widgets sit, how big the editor window is for a
// UI size and display scale, and how window pixels map to panel pixels.
#include "panel_size.h"

namespace vlt::editor {

enum Widget : int {
    kInGainKnob = 0,
    kThresholdKnob,
    kAttackKnob,
    kReleaseKnob,
    kRatioKnob,
    kMakeupKnob,
    kEffectSwitch,
    kStatusButton,
    kLeftButton,
    kRightButton,
    kMeter,
    kBanner,
    kFrontPanel,
    kPowerButton,  // the Cocoa views' power button
    kSpacer,       // and the decoration beside it
    kWidgetCount
};
constexpr int kKnobCount = 6;  // knob i drives host parameter i

constexpr int kPanelImageHeight = 494;
constexpr int kPanelImageTop = 16;  // the small-button row above the image

struct WidgetPlace {
    int pos_x, pos_y;  // centre on the panel image (banner: top-left corner)
    int size_x, size_y;
    int focus_x, focus_y;  // click box, 0 for widgets that take no clicks
    int offset_x, offset_y;
    int frames;
    float detent;  // knobs only; 0 = none
};

// Where one build puts its widgets. A widget with no frames is not on that
// build's panel; a widget with no click box takes no clicks.
struct PanelLayout {
    WidgetPlace places[kWidgetCount];  // by Widget
    bool neon_switch = false;          // the effect switch is the Cocoa neon lamp
};

// The Linux and Windows panel: preset step buttons left and right.
extern const PanelLayout kStandardLayout;
// The Cocoa views: STATUS further left, power button and spacer instead of
// the step buttons.
extern const PanelLayout kCocoaLayout;
// The macOS VST2 and VST3 views: STATUS, left and right where the standard
// panel has them, and its latching switch.
extern const PanelLayout& kCocoaPresetLayout;

const WidgetPlace& place(const PanelLayout& layout, Widget w);
inline const WidgetPlace& place(Widget w) { return place(kStandardLayout, w); }
inline bool on_panel(const PanelLayout& layout, Widget w) { return place(layout, w).size_x > 0; }

struct Rect {
    int x, y, w, h;
};

// Drawn rectangle in content-pixbuf pixels.
Rect panel_rect(const PanelLayout& layout, Widget w);
inline Rect panel_rect(Widget w) { return panel_rect(kStandardLayout, w); }
// Whether a content-pixbuf point lies in the widget's click box (edges
// included) or, for the banner, its visible window.
bool hits(const PanelLayout& layout, Widget w, int px, int py);
inline bool hits(Widget w, int px, int py) { return hits(kStandardLayout, w, px, py); }

struct EditorSize {
    int width, height;       // window, screen pixels
    int x_offset, y_offset;  // where the scaled panel starts
    float content_scale;     // panel to window pixels
    float width_factor, height_factor;
};

// The window size for a UI size (0..1; anything else is clamped, NaN is 0)
// and a display scale (1 when not a positive number).
EditorSize size_rule(float ui_size, float dpi_scale);
float usable_scale(float dpi_scale);

struct Point {
    int x, y;
};
Point window_to_panel(const EditorSize& s, int x, int y);
Rect panel_to_window(const EditorSize& s, const Rect& r);
bool in_resize_corner(const EditorSize& s, int x, int y);

}  // namespace vlt::editor
