#include "editor_layout.h"

#include <algorithm>
#include <cmath>

#include "plug_params.h"

namespace vlt::editor {

namespace {

constexpr int kBelowRow = kPanelImageTop;

// What every build's panel has in the same place.
constexpr WidgetPlace kInGainPlace = {101, 109, 48, 48, 40, 40, 0, kBelowRow, 39, 33};
constexpr WidgetPlace kThresholdPlace = {48, 155, 48, 48, 40, 40, 0, kBelowRow, 39, 0};
constexpr WidgetPlace kAttackPlace = {48, 215, 48, 48, 40, 40, 0, kBelowRow, 39, 0};
constexpr WidgetPlace kReleasePlace = {48, 275, 48, 48, 40, 40, 0, kBelowRow, 39, 0};
constexpr WidgetPlace kRatioPlace = {48, 335, 48, 48, 40, 40, 0, kBelowRow, 39, 0};
constexpr WidgetPlace kMakeupPlace = {101, 381, 48, 48, 40, 40, 0, kBelowRow, 39, 0};
constexpr WidgetPlace kSwitchPlace = {72, 421, 44, 20, 44, 20, 0, kBelowRow, 2, 0};
constexpr WidgetPlace kMeterPlace = {101, 240, 32, 119, 0, 0, 0, kBelowRow, 2, 0};
constexpr WidgetPlace kBannerPlace = {18, 42, 108, 16, 0, 0, 0, kBelowRow, 0, 0};  // top-left
constexpr WidgetPlace kPanelPlace = {0, 0, kPanelWidth, kPanelImageHeight, 0, 0, 0, kBelowRow, 1, 0};

}  // namespace

// Order follows the Widget enum.
const PanelLayout kStandardLayout = {
    .places =
        {
            kInGainPlace,
            kThresholdPlace,
            kAttackPlace,
            kReleasePlace,
            kRatioPlace,
            kMakeupPlace,
            kSwitchPlace,
            {54, 8, 32, 16, 32, 16, 0, 0, 2, 0},   // status
            {90, 8, 32, 16, 32, 16, 0, 0, 2, 0},   // left
            {124, 8, 32, 16, 32, 16, 0, 0, 2, 0},  // right
            kMeterPlace,
            kBannerPlace,
            kPanelPlace,
            {},  // no power
            {},  // no spacer
        },
};

const PanelLayout kCocoaLayout = {
    .places =
        {
            kInGainPlace,
            kThresholdPlace,
            kAttackPlace,
            kReleasePlace,
            kRatioPlace,
            kMakeupPlace,
            kSwitchPlace,                         // the neon lamp
            {51, 8, 32, 16, 32, 16, 0, 0, 2, 0},  // status
            {},                                   // no left
            {},                                   // no right
            kMeterPlace,
            kBannerPlace,
            kPanelPlace,
            {125, 8, 32, 16, 32, 16, 0, 0, 2, 0},  // power
            {88, 8, 48, 16, 0, 0, 0, 0, 1, 0},     // spacer: drawn only
        },
    .neon_switch = true,
};

const PanelLayout& kCocoaPresetLayout = kStandardLayout;

namespace {

int to_int(float v) { return static_cast<int>(v); }

}  // namespace

const WidgetPlace& place(const PanelLayout& layout, Widget w) { return layout.places[w]; }

Rect panel_rect(const PanelLayout& layout, Widget w)
{
    const WidgetPlace& p = layout.places[w];
    if (w == kBanner || w == kFrontPanel)
        return {p.offset_x + p.pos_x, p.offset_y + p.pos_y, p.size_x, p.size_y};
    return {p.offset_x + p.pos_x - p.size_x / 2, p.offset_y + p.pos_y - p.size_y / 2, p.size_x, p.size_y};
}

bool hits(const PanelLayout& layout, Widget w, int px, int py)
{
    const WidgetPlace& p = layout.places[w];
    int left, top, bw, bh;
    if (w == kBanner) {
        left = p.offset_x + p.pos_x;
        top = p.offset_y + p.pos_y;
        bw = p.size_x;
        bh = p.size_y;
    } else {
        if (p.focus_x == 0)
            return false;
        left = p.offset_x + p.pos_x - p.focus_x / 2;
        top = p.offset_y + p.pos_y - p.focus_y / 2;
        bw = p.focus_x;
        bh = p.focus_y;
    }
    return px >= left && px <= left + bw && py >= top && py <= top + bh;
}

float usable_scale(float dpi_scale)
{
    return (dpi_scale > 0.0f && std::isfinite(dpi_scale)) ? dpi_scale : 1.0f;
}

EditorSize size_rule(float ui_size, float dpi_scale)
{
    // A host may hand any float as the UI size; the blit trusts the result.
    const float u = 1.0f + params::clamp_unit(ui_size);
    const float s = usable_scale(dpi_scale);
    EditorSize r{};
    r.width_factor = std::max(u, kMinWidthFactor);
    r.height_factor = std::max(u, 1.0f);
    r.width = to_int(kPanelWidth * r.width_factor * s + 0.5f);
    r.height = to_int(kPanelHeight * r.height_factor * s + 0.5f);
    const int inner = to_int(kPanelWidth * u * s + 0.5f);
    r.x_offset = (r.width - inner) / 2;
    r.y_offset = 0;
    r.content_scale = u * s;
    return r;
}

Point window_to_panel(const EditorSize& s, int x, int y)
{
    return {to_int((x - s.x_offset) / s.content_scale + 0.5f),
            to_int((y - s.y_offset) / s.content_scale + 0.5f)};
}

Rect panel_to_window(const EditorSize& s, const Rect& r)
{
    const float cs = s.content_scale;
    return {to_int(r.x * cs + 0.5f) + s.x_offset, to_int(r.y * cs + 0.5f) + s.y_offset,
            to_int(r.w * cs + 0.5f), to_int(r.h * cs + 0.5f)};
}

bool in_resize_corner(const EditorSize& s, int x, int y) { return x >= s.width - 19 && y >= s.height - 19; }

}  // namespace vlt::editor
