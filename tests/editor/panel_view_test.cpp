// The one panel every build draws through, over every build row: which
// widgets it makes, where it asks the glue to redraw, the draw order of
// overlapping widgets, the target's button row and the banner's text. The
// widgets draw with the toolkit's primitives only, so no engine is needed.
#include "panel_view.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "afx_font_engine.h"
#include "panel_artwork.h"
#include "panel_glue_fixture.h"

namespace vlt::editor {
namespace {

using test::QuietHost;
using test::RecordingGlue;

// One build's panel, opened as its glue opens it.
struct Panel {
    explicit Panel(const EditorBuild& build, afx_pixbuf* target = nullptr)
        : panel(nullptr, &font), core(build, host, panel), glue(core)
    {
        panel.attach(core, glue);
        core.apply_size_rule(1.0f);
        ok = panel.create_gui_objects(0) == 0;
        panel.init_widgets(0);
        core.set_widgets_ready();
        core.init_editor();
        if (target)
            panel.set_target(target);
        drawn = panel.draw_panel();
        core.set_open(true);
    }
    const PanelLayout& layout() const { return *core.build().layout; }
    const uint8_t* pixel(int x, int y) const { return afx_pixel_at(panel.content(), x, y); }

    AFX_font_engine font{nullptr};
    QuietHost host;
    CPanelView panel;
    CEditorCore core;
    RecordingGlue glue;
    bool ok = false, drawn = false;
};

struct Row {
    const char* name;
    const EditorBuild* build;
};
const Row kRows[] = {
    {"linux vst2", &kLinuxVst2Build},     {"windows vst2", &kWindowsVst2Build},
    {"windows vst3", &kWindowsVst3Build}, {"windows aax", &kWindowsAaxBuild},
    {"cocoa au", &kCocoaAuBuild},         {"cocoa vst2", &kCocoaVst2Build},
    {"cocoa vst3", &kCocoaVst3Build},     {"cocoa aax", &kCocoaAaxBuild},
};

constexpr Widget kRedrawn[] = {kInGainKnob, kThresholdKnob, kAttackKnob, kReleaseKnob, kRatioKnob,
                               kMakeupKnob, kEffectSwitch,  kMeter,      kBanner,      kStatusButton,
                               kLeftButton, kRightButton,   kSpacer};

bool same(const Rect& a, const Rect& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

// Every widget the row's layout has is made and drawn, and its redraw asks
// for exactly its rectangle of the window; one it lacks asks for nothing.
TEST(PanelView, EveryWidgetOfEveryRowQueuesItsOwnArea)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        Panel p(*row.build);
        ASSERT_TRUE(p.ok);
        ASSERT_TRUE(p.drawn);
        for (Widget w : kRedrawn) {
            SCOPED_TRACE(w);
            p.glue.queued.clear();
            if (w < kKnobCount)
                p.core.set_control(knob_control(w), 0.9f);  // a new frame to draw
            p.panel.redraw(w);
            if (!on_panel(p.layout(), w)) {
                EXPECT_TRUE(p.glue.queued.empty());
                continue;
            }
            ASSERT_EQ(p.glue.queued.size(), 1u);
            EXPECT_TRUE(same(p.glue.queued[0], panel_to_window(p.core.size(), panel_rect(p.layout(), w))));
        }
    }
}

// A knob whose frame stayed is repainted only in the rows that say so (the
// Cocoa views invalidate every widget they redraw).
TEST(PanelView, AKnobWhoseFrameStayedIsRepaintedAsTheRowSays)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        Panel p(*row.build);
        p.panel.redraw(kRatioKnob);
        EXPECT_EQ(p.glue.queued.size(), row.build->repaint_same_frame ? 1u : 0u);
    }
}

// The power button's redraw also redraws what the power state changes.
TEST(PanelView, PowerRedrawsItsButtonTheLampAndTheMeter)
{
    Panel p(kCocoaAuBuild);
    p.core.host_value(Control::kPower, 0.0f);
    const Rect expected[] = {panel_rect(kCocoaLayout, kPowerButton), panel_rect(kCocoaLayout, kEffectSwitch),
                             panel_rect(kCocoaLayout, kMeter)};
    ASSERT_EQ(p.glue.queued.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(same(p.glue.queued[i], panel_to_window(p.core.size(), expected[i]))) << i;
}

// A strip pixel laid over d as the widgets combine it.
void over(uint8_t* d, const uint8_t* c)
{
    for (int i = 0; i < 3; ++i)
        d[i] = afx_blend_channel(d[i], c[i], c[3]);
}

// The Cocoa row's spacer lies under its neighbours: where the STATUS and
// power buttons overlap it, they are laid over it, not it over them.
TEST(PanelView, TheSmallButtonsAreDrawnOverTheSpacer)
{
    Panel p(kCocoaAuBuild);
    const Rect spacer = panel_rect(kCocoaLayout, kSpacer);
    afx_pixbuf* spacer_strip = AFX_drawing::afx_pixbuf_new_from_inline(artwork(Artwork::kSpacerStrip), 0);
    for (Widget w : {kStatusButton, kPowerButton}) {
        SCOPED_TRACE(w);
        const Rect b = panel_rect(kCocoaLayout, w);
        const int x = w == kStatusButton ? spacer.x : spacer.x + spacer.w - 1, y = 8;  // inside both
        ASSERT_TRUE(x >= b.x && x < b.x + b.w);
        afx_pixbuf* strip = AFX_drawing::afx_pixbuf_new_from_inline(
            artwork(w == kStatusButton ? Artwork::kStatusStrip : Artwork::kPowerStrip), 0);
        const int frame = p.panel.value(w) >= 50.0f ? 1 : 0;
        const uint8_t* button = afx_pixel_at(strip, x - b.x, frame * b.h + y - b.y);
        const uint8_t* deco = afx_pixel_at(spacer_strip, x - spacer.x, y - spacer.y);
        uint8_t right[3] = {24, 24, 26}, wrong[3] = {24, 24, 26};
        over(right, deco), over(right, button);
        over(wrong, button), over(wrong, deco);
        ASSERT_NE(std::memcmp(right, wrong, 3), 0) << "the two orders look alike here";
        EXPECT_EQ(std::memcmp(p.pixel(x, y), right, 3), 0);
        AFX_drawing::afx_pixbuf_destroy(strip);
    }
    AFX_drawing::afx_pixbuf_destroy(spacer_strip);
}

// The panel fills the button row of a target it makes; a target handed
// over (the Cocoa panel pixmap) keeps its own background there.
TEST(PanelView, OnlyAnOwnTargetGetsTheButtonRowFilled)
{
    Panel own(kLinuxVst2Build);
    EXPECT_EQ(std::memcmp(own.pixel(0, 0), "\x18\x18\x1a\xff", 4), 0);

    afx_pixbuf* given = AFX_drawing::afx_pixbuf_new_with_allocation(kPanelWidth, kPanelHeight, 0);
    AFX_drawing::afxline_block_fill_to_pixbuf(given, 0, 0, kPanelWidth, kPanelHeight, 1, 2, 3);
    {
        Panel p(kCocoaAuBuild, given);
        EXPECT_EQ(p.panel.content(), given);
        EXPECT_EQ(std::memcmp(p.pixel(0, 0), "\x01\x02\x03\xff", 4), 0);
        p.panel.cleanup_gui_objects();
        EXPECT_EQ(p.panel.content(), given) << "the glue's target is the glue's to free";
    }
    AFX_drawing::afx_pixbuf_destroy_with_allocation(given);
}

// What the banner shows is kept in the panel, for every row.
TEST(PanelView, TheBannerTextIsKeptInThePanel)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        Panel p(*row.build);
        char core_text[kBannerTextSize];
        p.core.copy_banner_text(core_text, sizeof core_text);
        EXPECT_STREQ(p.panel.banner_text(), core_text);
        p.panel.set_banner_text("Ratio 4.0 : 1", true);
        EXPECT_STREQ(p.panel.banner_text(), "Ratio 4.0 : 1");
    }
}

}  // namespace
}  // namespace vlt::editor
