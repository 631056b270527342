#include "cocoa/cocoa_editor_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "afx/cocoa/core/afx_neon_button.h"
#include "afx_artwork.h"
#include "afx_banner.h"
#include "afx_font_engine.h"
#include "afx_rotary.h"
#include "afx_widgets.h"
#include "widget_setup.h"

namespace vlt::editor {

namespace {

constexpr Widget kKnobs[kKnobCount] = {kInGainKnob,  kThresholdKnob, kAttackKnob,
                                       kReleaseKnob, kRatioKnob,     kMakeupKnob};
// The small latching buttons a build may have.
constexpr Widget kLatching[] = {kStatusButton, kLeftButton, kRightButton, kPowerButton, kSpacer};

bool is_knob_widget(Widget w) { return w >= kInGainKnob && w < kKnobCount; }
int to_int(double v) { return static_cast<int>(v); }

afx_pixbuf* image(const uint8_t* stream) { return AFX_drawing::afx_pixbuf_new_from_inline(stream, 0); }

}  // namespace

// The widgets and their artwork; a widget the build's layout lacks stays null.
struct CocoaEditorWindow::Widgets {
    CFrontPanelObject* panel = nullptr;
    CRotaryControlObject* knobs[kKnobCount] = {};
    CPushButtonNeonObject* neon = nullptr;                // the effect switch, neon builds
    CPushButtonLatchingObject* latch[kWidgetCount] = {};  // switch (others), small buttons
    CBarMeterObject* meter = nullptr;
    CBannerObject* banner = nullptr;
    afx_pixbuf* images[kWidgetCount] = {};  // by widget: its strip
    afx_pixbuf* neon_lit = nullptr;         // the neon switch's second strip

    ~Widgets()
    {
        delete panel;
        for (auto* k : knobs)
            delete k;
        delete neon;
        for (auto* b : latch)
            delete b;
        delete meter;
        delete banner;
        for (auto*& img : images)
            AFX_drawing::afx_pixbuf_destroy(img);  // the pixels belong to the artwork
        AFX_drawing::afx_pixbuf_destroy(neon_lit);
    }
};

double CocoaEditorWindow::usable_backing_scale(double scale)
{
    return (scale < 1.0 || scale > 2.0 || !std::isfinite(scale)) ? 1.0 : scale;
}

CocoaEditorWindow::CocoaEditorWindow(const EditorBuild& build, EditorHost& host, ViewSurface& surface,
                                     double frame_width, double frame_height, double backing_scale)
    : surface_(surface), engine_(new AFX_engine), w_(new Widgets), core_(build, host, *this)
{
    EditorSize size{};
    size.width = to_int(frame_width + 0.5);
    size.height = to_int(frame_height + 0.5);
    size.content_scale = 1.0f;
    core_.set_size(size, 1.0f);
    shown_ = size;
    font_.reset(new AFX_font_engine(engine_.get()));
    cocoa_ext(*engine_).afx_set_view_dimensions(kPanelWidth, kPanelHeight);
    backing_scale_ = build.follows_backing_scale ? usable_backing_scale(backing_scale) : 1.0;
    std::printf("** INFO ** %s: Using retinaDisplayScale of %f\n", build.log_name, backing_scale_);
    create_gui_objects();
    init_widgets();
    // The view starts from its layout's values: the knobs on their detents,
    // the effect switch out, until the host's values arrive.
    for (Widget k : kKnobs)
        core_.set_control(knob_control(k), place(layout(), k).detent / kKnobMax);
    core_.set_control(Control::kEffect, 0.0f);
    core_.set_widgets_ready();
    core_.init_editor();
    for (int w = 0; w < kBanner; ++w)
        push_value(static_cast<Widget>(w));
    for (Widget w : {kPowerButton, kSpacer})
        push_value(w);
    apply_power_state();
}

CocoaEditorWindow::~CocoaEditorWindow()
{
    core_.set_open(false);
    w_.reset();
    font_.reset();
    engine_->afx_pixmap_destroy(main_);
    engine_->afx_pixmap_destroy(surf_);
}

void CocoaEditorWindow::create_gui_objects()
{
    AFX_engine* e = engine_.get();
    Widgets& w = *w_;
    w.panel = new CFrontPanelObject(e);
    w.images[kFrontPanel] = image(afx_art_front_panel);
    for (Widget k : kKnobs) {
        w.knobs[k] = new CRotaryControlObject(e);
        w.images[k] = image(afx_art_knob_strip);
    }
    if (layout().neon_switch) {
        w.neon = new CPushButtonNeonObject(e);
        w.images[kEffectSwitch] = image(afx_art_neon_switch_dark);
        w.neon_lit = image(afx_art_neon_switch_lit);
    } else {
        w.latch[kEffectSwitch] = new CPushButtonLatchingObject(e);
        w.images[kEffectSwitch] = image(afx_art_effect_switch);
    }
    const uint8_t* art[kWidgetCount] = {};
    art[kStatusButton] = afx_art_status_button;
    art[kLeftButton] = afx_art_left_button;
    art[kRightButton] = afx_art_right_button;
    art[kPowerButton] = afx_art_power_button;
    art[kSpacer] = afx_art_preset_spacer;
    for (Widget b : kLatching) {
        if (!on_panel(layout(), b))
            continue;
        w.latch[b] = new CPushButtonLatchingObject(e);
        w.images[b] = image(art[b]);
    }
    w.meter = new CBarMeterObject(e);
    w.images[kMeter] = image(afx_art_meter_strip);
    w.banner = new CBannerObject(e, font_.get());
}

void CocoaEditorWindow::init_widgets()
{
    Widgets& w = *w_;
    afx_pixbuf* panel = w.images[kFrontPanel];
    setup_front_panel(w.panel, place(layout(), kFrontPanel), panel);
    for (Widget k : kKnobs)
        setup_knob(w.knobs[k], place(layout(), k), panel, w.images[k]);
    if (w.neon) {
        const WidgetPlace& p = place(layout(), kEffectSwitch);
        CPushButtonNeonObject* n = w.neon;
        n->set_front_panel_pixbuf(panel);
        n->set_pushbutton_neon_pixbuf1(w.images[kEffectSwitch]);
        n->set_pushbutton_neon_pixbuf2(w.neon_lit);
        n->set_pushbutton_neon_size_x(p.size_x);
        n->set_pushbutton_neon_size_y(p.size_y);
        n->set_pushbutton_neon_pos_x(p.pos_x);
        n->set_pushbutton_neon_pos_y(p.pos_y);
        n->set_pushbutton_neon_pad_left(0);
        n->set_pushbutton_neon_pad_top(0);
        n->set_pushbutton_neon_nframes(p.frames);
        n->set_pushbutton_neon_focus_x(p.focus_x);
        n->set_pushbutton_neon_focus_y(p.focus_y);
        n->set_pushbutton_neon_has_focus(false);
        n->set_offset_x(p.offset_x);
        n->set_offset_y(p.offset_y);
    }
    for (Widget b : {kEffectSwitch, kStatusButton, kLeftButton, kRightButton, kPowerButton, kSpacer})
        if (w.latch[b])
            setup_button(w.latch[b], place(layout(), b), panel, w.images[b]);
    setup_meter(w.meter, place(layout(), kMeter), panel, w.images[kMeter]);
    setup_banner(w.banner, place(layout(), kBanner), panel, 0);
}

// --- the core's values into the widgets -------------------------------------------

float CocoaEditorWindow::value(Widget w) const
{
    const Widgets& s = *w_;
    if (is_knob_widget(w))
        return s.knobs[w]->get_rotary_control_value();
    if (w == kEffectSwitch && s.neon)
        return s.neon->get_pushbutton_neon_value();
    if (w == kMeter)
        return static_cast<float>(s.meter->get_bar_meter_value());
    if (w < kWidgetCount && s.latch[w])
        return s.latch[w]->get_pushbutton_latching_value();
    return 0.0f;
}

void CocoaEditorWindow::push_value(Widget w)
{
    Widgets& s = *w_;
    const float v = core_.value(w);
    if (is_knob_widget(w))
        s.knobs[w]->set_rotary_control_value(v);
    else if (w == kEffectSwitch && s.neon)
        s.neon->set_pushbutton_neon_value(v);
    else if (w == kMeter)
        s.meter->set_bar_meter_value(v);
    else if (w < kWidgetCount && w != kBanner && w != kFrontPanel && s.latch[w])
        s.latch[w]->set_pushbutton_latching_value(v);
}

// The lamp and the meter follow the power button.
void CocoaEditorWindow::apply_power_state()
{
    const bool on = core_.power_on();
    if (w_->neon)
        w_->neon->set_lamp_on(on);
    w_->meter->set_power_on(on);
}

// --- geometry -----------------------------------------------------------------------

void CocoaEditorWindow::set_geometry(const EditorSize& size)
{
    core_.set_size(size, 1.0f);
    shown_ = size;
    if (main_)
        make_view_pixmap();
}

void CocoaEditorWindow::set_scale(float scale)
{
    std::lock_guard<std::mutex> lock(draw_mutex_);
    EditorSize s = core_.size();
    s.content_scale = scale;
    s.y_offset = 0;
    s.x_offset = (s.width - to_int(kPanelWidth * scale + 0.5f)) >> 1;
    core_.set_size(s, 1.0f);
    shown_ = s;
}

void CocoaEditorWindow::make_view_pixmap()
{
    const double r = backing_scale_;
    engine_->afx_pixmap_destroy(main_);
    main_ = engine_->afx_pixmap_create_fixed(to_int(shown_.width * r), to_int(shown_.height * r), 112, 112,
                                             112, to_int(20 * r), to_int(r), to_int(8 * r), to_int(r));
}

void CocoaEditorWindow::apply_ui_size()
{
    const EditorSize s = size_rule(core_.ui_size(), 1.0f);
    resize_window(core_.size(), s);
}

// The core's resize: the view, its pixmap and its frame follow.
void CocoaEditorWindow::resize_window(const EditorSize&, const EditorSize& to)
{
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        set_geometry(to);
    }
    surface_.invalidate_all();
    surface_.resize_frame(to.width, to.height);
}

void CocoaEditorWindow::set_frame_size(double width, double height)
{
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        EditorSize s{};
        s.content_scale = static_cast<float>(
            std::min(std::max(1.0, width / kPanelWidth), std::max(1.0, height / kPanelHeight)));
        s.width = to_int(width + 0.5);
        s.height = to_int(height + 0.5);
        s.x_offset = (s.width - to_int(s.content_scale * kPanelWidth)) >> 1;
        s.y_offset = 0;
        set_geometry(s);
    }
    surface_.invalidate_all();
}

void CocoaEditorWindow::backing_scale_changed(double scale)
{
    if (!build().follows_backing_scale)
        return;
    std::printf("** INFO ** %s: backingScaleFactor changed to %f\n", build().log_name, scale);
    if (scale == backing_scale_)
        return;
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        backing_scale_ = usable_backing_scale(scale);
        if (main_)
            make_view_pixmap();
    }
    surface_.invalidate_all();
}

// --- drawing into the panel pixmap ----------------------------------------------------

void CocoaEditorWindow::start()
{
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        if (!main_)
            make_view_pixmap();
    }
    if (!surf_) {
        surf_ = engine_->afx_pixmap_create_fixed(kPanelWidth, kPanelHeight, 0, 0, 0, 20, 1, 8, 1);
        surf_pixbuf_ = afx_pixmap_as_pixbuf(*surf_);
    }
    w_->panel->draw_front_panel(&surf_pixbuf_);
    for (Widget w :
         {kEffectSwitch, kInGainKnob, kThresholdKnob, kAttackKnob, kReleaseKnob, kRatioKnob, kMakeupKnob,
          kMeter, kBanner, kSpacer, kStatusButton, kPowerButton, kLeftButton, kRightButton})
        draw_widget(w);
    core_.set_open(true);
    surface_.invalidate_all();
}

void CocoaEditorWindow::draw_widget(Widget w)
{
    Widgets& s = *w_;
    push_value(w);
    if (is_knob_widget(w))
        s.knobs[w]->draw_rotary_control(&surf_pixbuf_);
    else if (w == kEffectSwitch && s.neon)
        s.neon->draw_pushbutton_neon(surf_);
    else if (w == kMeter)
        s.meter->draw_bar_meter(&surf_pixbuf_);
    else if (w == kBanner)
        s.banner->draw_banner(&surf_pixbuf_);
    else if (s.latch[w])
        s.latch[w]->draw_pushbutton_latching(&surf_pixbuf_);
}

void CocoaEditorWindow::invalidate_panel_area(int x, int y, int w, int h)
{
    const float m = shown_.content_scale;
    surface_.invalidate(to_int(x * m + 0.5f) + shown_.x_offset, to_int(y * m + 0.5f) + shown_.y_offset,
                        to_int(w * m + 0.5f), to_int(h * m + 0.5f));
}

void CocoaEditorWindow::redraw(Widget w)
{
    if (w != kPowerButton) {
        redraw_one(w);
        return;
    }
    // The power state changes the lamp and the meter too.
    apply_power_state();
    for (Widget p : {kPowerButton, kEffectSwitch, kMeter})
        redraw_one(p);
}

void CocoaEditorWindow::redraw_one(Widget w)
{
    if (!surf_)
        return;  // before start(): nothing on screen yet
    Widgets& s = *w_;
    push_value(w);
    int x = 0, y = 0, cw = 0, ch = 0;
    if (is_knob_widget(w)) {
        s.knobs[w]->redraw_rotary_control(&surf_pixbuf_);
        s.knobs[w]->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w == kEffectSwitch && s.neon) {
        s.neon->redraw_pushbutton_neon(surf_);
        s.neon->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w == kMeter) {
        s.meter->redraw_bar_meter(&surf_pixbuf_);
        s.meter->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w == kBanner) {
        s.banner->undraw_banner(&surf_pixbuf_);
        s.banner->draw_banner(&surf_pixbuf_);
        s.banner->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w < kWidgetCount && s.latch[w]) {
        s.latch[w]->redraw_pushbutton_latching(&surf_pixbuf_);
        s.latch[w]->get_invalid_area(&x, &y, &cw, &ch);
    } else {
        return;
    }
    invalidate_panel_area(x, y, cw, ch);
}

// --- the banner --------------------------------------------------------------------------

void CocoaEditorWindow::set_banner_text(const char* text, bool scroll_home)
{
    std::snprintf(banner_text_, sizeof banner_text_, "%s", text);
    w_->banner->set_text(banner_text_);
    if (scroll_home)
        w_->banner->set_value(0);
}

void CocoaEditorWindow::scroll_banner(int dx) { w_->banner->update_banner_position(dx); }

void CocoaEditorWindow::step_banner(int step)
{
    step > 0 ? w_->banner->update_right() : w_->banner->update_left();
}

// --- drawRect: ----------------------------------------------------------------------------

void CocoaEditorWindow::draw_rect(CGContext* context, double x, double y, double w, double h)
{
    if (!surf_ || !main_)
        return;
    const EditorSize& s = shown_;
    if (to_int(w) > s.width)
        w = s.width;
    if (to_int(h) > s.height)
        h = s.height;
    const double r = backing_scale_;
    const int sx = to_int(x * r + 0.5), sy = to_int(y * r + 0.5);
    const int sw = to_int(w * r + 0.5), sh = to_int(h * r + 0.5);
    AFX_engine_cocoa cocoa = cocoa_ext(*engine_);
    afx_image* source = surf_;
    const float mag = s.content_scale;
    if (mag > 1.0f || s.x_offset != 0 || s.y_offset != 0) {
        cocoa.afx_stretch_copy_pixmap_CATROM2(surf_, main_, sx, sy, sw, sh, to_int(s.x_offset * r + 0.5),
                                              to_int(s.y_offset * r + 0.5), static_cast<float>(mag * r));
        source = main_;
    }
    if (core_.mono())
        cocoa.afx_draw_mono_pixmap_to_view(source, context, sx, sy, x, y, sw, sh, w, h,
                                           static_cast<float>(r));
    else
        cocoa.afx_draw_pixmap_to_view(source, context, sx, sy, x, y, sw, sh, w, h);
}

// --- input -------------------------------------------------------------------------------

void CocoaEditorWindow::press(const PointerEvent& e) { core_.button_press(to_int(e.x), to_int(e.y), 0); }

void CocoaEditorWindow::drag(const PointerEvent& e)
{
    core_.drag(to_int(e.x), to_int(e.y), e.delta_x, e.delta_y);
}

void CocoaEditorWindow::release(const PointerEvent& e)
{
    const int X = to_int(e.x), Y = to_int(e.y);
    if (e.click_count == 2)
        core_.double_click(X, Y, 0);
    core_.button_release(X, Y, 0);
}

void CocoaEditorWindow::wheel(const PointerEvent& e, double delta_y)
{
    if (delta_y == 0)
        return;
    core_.wheel(to_int(e.x), to_int(e.y), delta_y > 0 ? 1 : -1);
}

}  // namespace vlt::editor
