#pragma once
// Where the front-panel widgets sit, how big the editor window is for a
// UI size and display scale, and how window pixels map to panel pixels.

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
    kWidgetCount
};
constexpr int kKnobCount = 6;  // knob i drives host parameter i

constexpr int kPanelWidth = 144;
constexpr int kPanelHeight = 510;
constexpr int kPanelImageHeight = 494;
constexpr int kPanelImageTop = 16;  // the small-button row above the image

struct WidgetPlace {
    int pos_x, pos_y;      // centre on the panel image (banner: top-left corner)
    int size_x, size_y;
    int focus_x, focus_y;  // click box, 0 for widgets that take no clicks
    int offset_x, offset_y;
    int frames;
    float detent;          // knobs only; 0 = none
};

const WidgetPlace& place(Widget w);

struct Rect {
    int x, y, w, h;
};

// Drawn rectangle in content-pixbuf pixels.
Rect panel_rect(Widget w);
// Whether a content-pixbuf point lies in the widget's click box (edges
// included) or, for the banner, its visible window.
bool hits(Widget w, int px, int py);

struct EditorSize {
    int width, height;        // window, screen pixels
    int x_offset, y_offset;   // where the scaled panel starts
    float content_scale;      // panel to window pixels
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
