#include "panel_view.h"

#include <new>

#include "afx_font_engine.h"
#include "panel_artwork.h"
#include "widget_setup.h"

namespace vlt::editor {

namespace {

constexpr Artwork kButtonArt[4] = {Artwork::kSwitchStrip, Artwork::kStatusStrip, Artwork::kLeftStrip,
                                   Artwork::kRightStrip};

int button_slot(Widget w) { return w - kEffectSwitch; }

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

}  // namespace

CPanelView::CPanelView(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font) {}

CPanelView::~CPanelView() { cleanup_gui_objects(); }

int CPanelView::create_gui_objects(int window)
{
    bool ok = true;
    make_if_missing(panel_, ok, engine_);
    for (auto*& b : buttons_)
        make_if_missing(b, ok, engine_);
    for (auto*& k : knobs_)
        make_if_missing(k, ok, engine_);
    make_if_missing(meter_, ok, engine_);
    make_if_missing(banner_, ok, engine_, font_);
    for (int i = 0; i < 4; ++i)
        image_for(button_images_[i], kButtonArt[i], window, ok);
    for (auto*& img : knob_images_)
        image_for(img, Artwork::kKnobStrip, window, ok);
    image_for(panel_image_, Artwork::kFrontPanel, window, ok);
    image_for(meter_image_, Artwork::kMeterStrip, window, ok);
    return ok ? 0 : -1;
}

void CPanelView::init_widgets(int window)
{
    setup_front_panel(panel_, place(kFrontPanel), panel_image_);
    for (int i = 0; i < 4; ++i)
        setup_button(buttons_[i], place(static_cast<Widget>(kEffectSwitch + i)), panel_image_,
                     button_images_[i]);
    for (int k = 0; k < kKnobCount; ++k)
        setup_knob(knobs_[k], place(static_cast<Widget>(k)), panel_image_, knob_images_[k]);
    setup_meter(meter_, place(kMeter), panel_image_, meter_image_);
    setup_banner(banner_, place(kBanner), panel_image_, window);

    for (int w = 0; w < kBanner; ++w)
        push_value(static_cast<Widget>(w));
}

void CPanelView::push_value(Widget w)
{
    if (!core_)
        return;
    const float v = core_->value(w);
    if (w < kKnobCount)
        knobs_[w]->set_rotary_control_value(v);
    else if (w >= kEffectSwitch && w <= kRightButton)
        buttons_[button_slot(w)]->set_pushbutton_latching_value(v);
    else if (w == kMeter)
        meter_->set_bar_meter_value(v);
}

bool CPanelView::draw_panel()
{
    if (!content_)
        content_ = AFX_drawing::afx_pixbuf_new_with_allocation(kPanelWidth, kPanelHeight,
                                                               panel_image_ ? panel_image_->window : 0);
    if (!content_ || !panel_)
        return false;
    AFX_drawing::afxline_block_fill_to_pixbuf(content_, 0, 0, kPanelWidth, kPanelImageTop, 24, 24, 26);
    panel_->draw_front_panel(content_);
    for (Widget w : {kEffectSwitch, kInGainKnob, kThresholdKnob, kAttackKnob, kReleaseKnob, kRatioKnob,
                     kMakeupKnob, kMeter, kStatusButton, kLeftButton, kRightButton, kBanner})
        draw_widget(w, false);
    return true;
}

bool CPanelView::draw_widget(Widget w, bool only_if_changed)
{
    push_value(w);
    if (w < kKnobCount) {
        if (only_if_changed)
            return knobs_[w]->redraw_rotary_control(content_);
        knobs_[w]->draw_rotary_control(content_);
    } else if (w >= kEffectSwitch && w <= kRightButton) {
        auto* b = buttons_[button_slot(w)];
        only_if_changed ? b->redraw_pushbutton_latching(content_) : b->draw_pushbutton_latching(content_);
    } else if (w == kMeter) {
        only_if_changed ? meter_->redraw_bar_meter(content_) : meter_->draw_bar_meter(content_);
    } else if (w == kBanner) {
        banner_->undraw_banner(content_);
        banner_->draw_banner(content_);
    }
    return true;
}

void CPanelView::redraw(Widget w)
{
    if (!content_ || w == kFrontPanel || !panel_)
        return;
    if (!draw_widget(w, true))
        return;  // a knob whose frame did not change
    if (core_)
        queue_rect(panel_to_window(core_->size(), panel_rect(w)));
}

void CPanelView::set_banner_text(const char* text, bool scroll_home)
{
    if (!banner_)
        return;
    banner_->set_text(text);
    if (scroll_home)
        banner_->set_value(0);
}

void CPanelView::scroll_banner(int dx)
{
    if (banner_)
        banner_->update_banner_position(dx);
}

void CPanelView::step_banner(int step)
{
    if (!banner_)
        return;
    step > 0 ? banner_->update_right() : banner_->update_left();
}

void CPanelView::cleanup_gui_objects()
{
    free_widget(panel_);
    for (auto*& b : buttons_)
        free_widget(b);
    for (auto*& k : knobs_)
        free_widget(k);
    free_widget(meter_);
    free_widget(banner_);
    for (auto*& img : button_images_)
        free_image(img);
    for (auto*& img : knob_images_)
        free_image(img);
    free_image(meter_image_);
    free_image(panel_image_);
    AFX_drawing::afx_pixbuf_destroy_with_allocation(content_);
    content_ = nullptr;
}

}  // namespace vlt::editor
