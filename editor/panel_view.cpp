#include "panel_view.h"

#include <cstdio>

namespace vlt::editor {

namespace {

// The first draw, after the panel image: overlapping widgets (the Cocoa
// spacer under its neighbours) in this order.
constexpr Widget kDrawOrder[] = {kEffectSwitch, kInGainKnob,  kThresholdKnob, kAttackKnob, kReleaseKnob,
                                 kRatioKnob,    kMakeupKnob,  kMeter,         kBanner,     kSpacer,
                                 kStatusButton, kPowerButton, kLeftButton,    kRightButton};
// The row of small buttons above the panel image, in an own target.
constexpr int kButtonRowColour[3] = {24, 24, 26};

}  // namespace

CPanelView::CPanelView(AFX_engine* engine, AFX_font_engine* font) : widgets_(engine, font) {}

CPanelView::~CPanelView() { cleanup_gui_objects(); }

void CPanelView::attach(const CEditorCore& core, EditorGlue& glue)
{
    core_ = &core;
    glue_ = &glue;
}

int CPanelView::create_gui_objects(int window)
{
    return core_ && widgets_.create(*core_->build().layout, window) ? 0 : -1;
}

void CPanelView::init_widgets(int window)
{
    widgets_.place(*core_->build().layout, window);
    show_values();
}

void CPanelView::show_values()
{
    for (int w = 0; w < kWidgetCount; ++w)
        push_value(static_cast<Widget>(w));
    widgets_.set_power(core_->power_on());
}

void CPanelView::push_value(Widget w)
{
    if (core_ && w != kBanner && w != kFrontPanel && widgets_.has(w))
        widgets_.set_value(w, core_->value(w));
}

bool CPanelView::draw_panel()
{
    if (!target_) {
        const afx_pixbuf* image = widgets_.panel_image();
        content_ =
            AFX_drawing::afx_pixbuf_new_with_allocation(kPanelWidth, kPanelHeight, image ? image->window : 0);
        target_ = content_;
    }
    if (!target_ || !widgets_.has(kFrontPanel))
        return false;
    if (target_ == content_)
        AFX_drawing::afxline_block_fill_to_pixbuf(target_, 0, 0, kPanelWidth, kPanelImageTop,
                                                  kButtonRowColour[0], kButtonRowColour[1],
                                                  kButtonRowColour[2]);
    widgets_.draw(kFrontPanel, target_);
    // A power change that came while nothing was on screen drew nothing:
    // the lamp and the meter take the state now.
    if (core_)
        widgets_.set_power(core_->power_on());
    for (Widget w : kDrawOrder) {
        if (!widgets_.has(w))
            continue;
        push_value(w);
        widgets_.draw(w, target_);
    }
    return true;
}

void CPanelView::redraw(Widget w)
{
    if (w != kPowerButton) {
        redraw_one(w);
        return;
    }
    // The power state changes the lamp and the meter too.
    widgets_.set_power(core_->power_on());
    for (Widget p : {kPowerButton, kEffectSwitch, kMeter})
        redraw_one(p);
}

void CPanelView::redraw_one(Widget w)
{
    if (!target_ || !core_ || !glue_ || w == kFrontPanel || !widgets_.has(w))
        return;  // nothing on screen yet
    push_value(w);
    // Only the Cocoa views also queue a knob whose frame stayed.
    if (!widgets_.redraw(w, target_) && !core_->build().repaint_same_frame)
        return;
    glue_->queue(panel_to_window(glue_->size(), widgets_.area(w)));
}

void CPanelView::repaint_all()
{
    if (glue_)
        glue_->queue_all();
}

void CPanelView::resize_window(const EditorSize& from, const EditorSize& to)
{
    if (glue_)
        glue_->resize(from, to);
}

void CPanelView::set_banner_text(const char* text, bool scroll_home)
{
    std::snprintf(banner_text_, sizeof banner_text_, "%s", text ? text : "");
    CBannerObject* banner = widgets_.banner();
    if (!banner)
        return;
    banner->set_text(banner_text_);
    if (scroll_home)
        banner->set_value(0);
}

void CPanelView::scroll_banner(int dx)
{
    if (CBannerObject* banner = widgets_.banner())
        banner->update_banner_position(dx);
}

void CPanelView::step_banner(int step)
{
    CBannerObject* banner = widgets_.banner();
    if (!banner)
        return;
    step > 0 ? banner->update_right() : banner->update_left();
}

void CPanelView::cleanup_gui_objects()
{
    widgets_.free();
    if (target_ == content_)
        target_ = nullptr;
    AFX_drawing::afx_pixbuf_destroy_with_allocation(content_);
    content_ = nullptr;
}

}  // namespace vlt::editor
