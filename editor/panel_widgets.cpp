#include "panel_widgets.h"

#include <new>

#include "afx_font_engine.h"
#include "panel_artwork.h"
#include "widget_setup.h"

namespace vlt::editor {

namespace {

constexpr Widget kLatching[] = {kEffectSwitch, kStatusButton, kLeftButton,
                                kRightButton,  kPowerButton,  kSpacer};

bool is_knob_widget(Widget w) { return w >= kInGainKnob && w < kKnobCount; }

// The strip a widget draws from; the panel image for the panel itself.
Artwork art_of(Widget w, bool neon)
{
    switch (w) {
    case kEffectSwitch: return neon ? Artwork::kNeonDarkStrip : Artwork::kSwitchStrip;
    case kStatusButton: return Artwork::kStatusStrip;
    case kLeftButton: return Artwork::kLeftStrip;
    case kRightButton: return Artwork::kRightStrip;
    case kPowerButton: return Artwork::kPowerStrip;
    case kSpacer: return Artwork::kSpacerStrip;
    case kMeter: return Artwork::kMeterStrip;
    case kFrontPanel: return Artwork::kFrontPanel;
    default: return Artwork::kKnobStrip;
    }
}

template <class T, class... Args>
void make_if_missing(T*& p, bool& ok, Args... args)
{
    if (!p)
        p = new (std::nothrow) T(args...);
    ok = ok && p;
}

void image_for(afx_pixbuf*& p, Artwork art, int window, bool& ok)
{
    if (p)
        AFX_drawing::afx_pixbuf_reparent(p, window);
    else
        p = AFX_drawing::afx_pixbuf_new_from_inline(artwork(art), window);
    ok = ok && p;
}

template <class T>
void free_widget(T*& p)
{
    delete p;
    p = nullptr;
}

void free_image(afx_pixbuf*& p)
{
    AFX_drawing::afx_pixbuf_destroy(p);  // the pixels belong to the artwork
    p = nullptr;
}

// The neon lamp draws into a pixmap: the target's memory seen as one (a
// view, never released).
afx_pixmap pixmap_over(const afx_pixbuf* target)
{
    afx_pixmap view;
    view.width = target->width;
    view.height = target->height;
    view.rowstride = target->rowstride;
    view.pixels = target->pixels;
    return view;
}

}  // namespace

bool PanelWidgets::create(const PanelLayout& layout, int window)
{
    bool ok = true;
    make_if_missing(panel_, ok, engine_);
    for (Widget w : kLatching)
        if (on_panel(layout, w) && !(w == kEffectSwitch && layout.neon_switch))
            make_if_missing(latches_[w], ok, engine_);
    if (layout.neon_switch)
        make_if_missing(neon_, ok, engine_);
    for (auto*& k : knobs_)
        make_if_missing(k, ok, engine_);
    make_if_missing(meter_, ok, engine_);
    make_if_missing(banner_, ok, engine_, font_);
    for (int i = 0; i < kWidgetCount; ++i) {
        const Widget w = static_cast<Widget>(i);
        if (w != kBanner && on_panel(layout, w))
            image_for(images_[w], art_of(w, layout.neon_switch), window, ok);
    }
    if (layout.neon_switch)
        image_for(neon_lit_, Artwork::kNeonLitStrip, window, ok);
    return ok;
}

void PanelWidgets::place(const PanelLayout& layout, int window)
{
    layout_ = &layout;
    afx_pixbuf* panel = images_[kFrontPanel];
    setup_front_panel(panel_, vlt::editor::place(layout, kFrontPanel), panel);
    for (int k = 0; k < kKnobCount; ++k)
        setup_knob(knobs_[k], vlt::editor::place(layout, static_cast<Widget>(k)), panel, images_[k]);
    if (neon_)
        setup_neon(neon_, vlt::editor::place(layout, kEffectSwitch), panel, images_[kEffectSwitch],
                   neon_lit_);
    for (Widget w : kLatching)
        if (latches_[w])
            setup_button(latches_[w], vlt::editor::place(layout, w), panel, images_[w]);
    setup_meter(meter_, vlt::editor::place(layout, kMeter), panel, images_[kMeter]);
    setup_banner(banner_, vlt::editor::place(layout, kBanner), panel, window);
}

void PanelWidgets::free()
{
    free_widget(panel_);
    for (auto*& b : latches_)
        free_widget(b);
    free_widget(neon_);
    for (auto*& k : knobs_)
        free_widget(k);
    free_widget(meter_);
    free_widget(banner_);
    for (auto*& img : images_)
        free_image(img);
    free_image(neon_lit_);
}

CPushButtonLatchingObject* PanelWidgets::latch(Widget w) const
{
    return w >= 0 && w < kWidgetCount ? latches_[w] : nullptr;
}

bool PanelWidgets::has(Widget w) const
{
    if (is_knob_widget(w))
        return knobs_[w];
    switch (w) {
    case kFrontPanel: return panel_;
    case kMeter: return meter_;
    case kBanner: return banner_;
    case kEffectSwitch: return neon_ || latch(w);
    default: return latch(w);
    }
}

void PanelWidgets::set_value(Widget w, float v)
{
    if (is_knob_widget(w))
        knobs_[w]->set_rotary_control_value(v);
    else if (w == kEffectSwitch && neon_)
        neon_->set_pushbutton_neon_value(v);
    else if (w == kMeter)
        meter_->set_bar_meter_value(v);
    else if (CPushButtonLatchingObject* b = latch(w))
        b->set_pushbutton_latching_value(v);
}

float PanelWidgets::value(Widget w) const
{
    if (!has(w))
        return 0.0f;
    if (is_knob_widget(w))
        return knobs_[w]->get_rotary_control_value();
    if (w == kEffectSwitch && neon_)
        return neon_->get_pushbutton_neon_value();
    if (w == kMeter)
        return static_cast<float>(meter_->get_bar_meter_value());
    if (CPushButtonLatchingObject* b = latch(w))
        return b->get_pushbutton_latching_value();
    return 0.0f;
}

void PanelWidgets::set_power(bool on)
{
    if (neon_)
        neon_->set_lamp_on(on);
    if (meter_)
        meter_->set_power_on(on);
}

bool PanelWidgets::paint(Widget w, afx_pixbuf* target, bool restore)
{
    if (is_knob_widget(w)) {
        if (restore)
            return knobs_[w]->redraw_rotary_control(target);
        knobs_[w]->draw_rotary_control(target);
    } else if (w == kEffectSwitch && neon_) {
        afx_pixmap view = pixmap_over(target);
        restore ? neon_->redraw_pushbutton_neon(&view) : neon_->draw_pushbutton_neon(&view);
    } else if (w == kMeter) {
        restore ? meter_->redraw_bar_meter(target) : meter_->draw_bar_meter(target);
    } else if (w == kBanner) {
        if (restore)
            banner_->undraw_banner(target);
        banner_->draw_banner(target);
    } else if (w == kFrontPanel) {
        panel_->draw_front_panel(target);
    } else if (CPushButtonLatchingObject* b = latch(w)) {
        restore ? b->redraw_pushbutton_latching(target) : b->draw_pushbutton_latching(target);
    }
    return true;
}

Rect PanelWidgets::area(Widget w) const
{
    Rect r{};
    if (is_knob_widget(w))
        knobs_[w]->get_invalid_area(&r.x, &r.y, &r.w, &r.h);
    else if (w == kEffectSwitch && neon_)
        neon_->get_invalid_area(&r.x, &r.y, &r.w, &r.h);
    else if (w == kMeter)
        meter_->get_invalid_area(&r.x, &r.y, &r.w, &r.h);
    else if (w == kBanner)
        banner_->get_invalid_area(&r.x, &r.y, &r.w, &r.h);
    else if (w == kFrontPanel)
        r = panel_rect(*layout_, kFrontPanel);
    else if (CPushButtonLatchingObject* b = latch(w))
        b->get_invalid_area(&r.x, &r.y, &r.w, &r.h);
    return r;
}

}  // namespace vlt::editor
