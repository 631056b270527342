#include "cocoa_view_core.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "afx_artwork.h"
#include "host_map.h"
#include "knob_model.h"
#include "plug_params.h"
#include "value_text.h"
#include "widget_setup.h"

namespace vlt::mac {

using namespace editor;

namespace {

constexpr float kOn = 99.0f;
constexpr int kResizeCorner = 20;  // points from the bottom-right corner
constexpr double kResizeRate = 1.25;  // UI-size units per view height of travel
constexpr char kPowerOnText[] = " Power On ";
constexpr char kPowerOffText[] = " Power Off ";
constexpr char kBlank32[] = "                                ";

// Panel order of the knobs; each drives the control of its number.
constexpr Widget kKnobs[kKnobCount] = {kInGainKnob, kThresholdKnob, kAttackKnob,
                                       kReleaseKnob, kRatioKnob,    kMakeupKnob};
// The small latching buttons a build may have.
constexpr Widget kLatching[] = {kStatusButton, kLeftButton, kRightButton, kPowerButton, kSpacer};

const char* blank_line(const EditorBuild& b) { return b.cocoa_blank_text ? b.cocoa_blank_text : kBlank32; }

bool is_knob_widget(Widget w) { return w >= kInGainKnob && w < kKnobCount; }
bool lit(float v) { return v / kOn > 0.5f; }
int to_int(double v) { return static_cast<int>(v); }

afx_pixbuf* image(const uint8_t* stream) { return AFX_drawing::afx_pixbuf_new_from_inline(stream, 0); }

// The value and focus of a widget, each class under its own names; what a
// class lacks stays null (no value: 0, no focus: never focused).
template <class T, class V>
struct Access {
    V (T::*value)() const;
    void (T::*set_value)(V);
    bool (T::*focus)() const;
    void (T::*set_focus)(bool);
};
constexpr Access<CRotaryControlObject, float> kKnobAccess{
    &CRotaryControlObject::get_rotary_control_value, &CRotaryControlObject::set_rotary_control_value,
    &CRotaryControlObject::get_rotary_control_focus, &CRotaryControlObject::set_rotary_control_has_focus};
constexpr Access<CPushButtonNeonObject, float> kNeonAccess{
    &CPushButtonNeonObject::get_pushbutton_neon_value, &CPushButtonNeonObject::set_pushbutton_neon_value,
    &CPushButtonNeonObject::get_pushbutton_neon_focus, &CPushButtonNeonObject::set_pushbutton_neon_has_focus};
constexpr Access<CPushButtonLatchingObject, float> kLatchAccess{
    &CPushButtonLatchingObject::get_pushbutton_latching_value,
    &CPushButtonLatchingObject::set_pushbutton_latching_value,
    &CPushButtonLatchingObject::get_pushbutton_latching_focus,
    &CPushButtonLatchingObject::set_pushbutton_latching_has_focus};
constexpr Access<CBarMeterObject, double> kMeterAccess{&CBarMeterObject::get_bar_meter_value,
                                                       &CBarMeterObject::set_bar_meter_value, nullptr, nullptr};
constexpr Access<CBannerObject, float> kBannerAccess{nullptr, nullptr, &CBannerObject::get_banner_has_focus,
                                                     &CBannerObject::set_banner_has_focus};

}  // namespace

// The widgets and their artwork; a widget the build's layout lacks stays null.
struct CocoaViewCore::Widgets {
    CFrontPanelObject* panel = nullptr;
    CRotaryControlObject* knobs[kKnobCount] = {};
    CPushButtonNeonObject* neon = nullptr;          // the effect switch, neon builds
    CPushButtonLatchingObject* latch[kWidgetCount] = {};  // switch (others), small buttons
    CBarMeterObject* meter = nullptr;
    CBannerObject* banner = nullptr;
    afx_pixbuf* images[kWidgetCount] = {};  // by widget: its strip
    afx_pixbuf* neon_lit = nullptr;         // the neon switch's second strip

    // Calls f(object, its Access) for the object behind w; not at all when
    // the build lacks it.
    template <class F>
    void with(Widget w, F&& f) const
    {
        if (is_knob_widget(w))
            f(*knobs[w], kKnobAccess);
        else if (w == kEffectSwitch && neon)
            f(*neon, kNeonAccess);
        else if (w == kMeter)
            f(*meter, kMeterAccess);
        else if (w == kBanner)
            f(*banner, kBannerAccess);
        else if (w < kWidgetCount && latch[w])
            f(*latch[w], kLatchAccess);
    }

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

double CocoaViewCore::usable_backing_scale(double scale)
{
    return (scale < 1.0 || scale > 2.0 || !std::isfinite(scale)) ? 1.0 : scale;
}

CocoaViewCore::CocoaViewCore(const EditorBuild& build, EditSink& sink, ViewSurface& surface,
                             double frame_width, double frame_height, double backing_scale)
    : build_(build), sink_(sink), surface_(surface), engine_(new AFX_engine),
      w_(new Widgets), clock_(build.banner)
{
    width_ = to_int(frame_width + 0.5);
    height_ = to_int(frame_height + 0.5);
    font_.reset(new AFX_font_engine(engine_.get()));
    cocoa_ext(*engine_).afx_set_view_dimensions(kPanelWidth, kPanelHeight);
    backing_scale_ = build_.follows_backing_scale ? usable_backing_scale(backing_scale) : 1.0;
    std::printf("** INFO ** %s: Using retinaDisplayScale of %f\n", build_.log_name, backing_scale_);
    create_gui_objects();
    init_editor();
}

CocoaViewCore::~CocoaViewCore()
{
    w_.reset();
    font_.reset();
    engine_->afx_pixmap_destroy(main_);
    engine_->afx_pixmap_destroy(surf_);
}

void CocoaViewCore::create_gui_objects()
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

void CocoaViewCore::init_editor()
{
    Widgets& w = *w_;
    afx_pixbuf* panel = w.images[kFrontPanel];
    setup_front_panel(w.panel, place(layout(), kFrontPanel), panel);
    for (Widget k : kKnobs) {
        setup_knob(w.knobs[k], place(layout(), k), panel, w.images[k]);
        w.knobs[k]->set_rotary_control_value(place(layout(), k).detent);
    }
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
    // Powered, and the spacer shows its only frame.
    for (Widget b : {kPowerButton, kSpacer})
        if (w.latch[b])
            w.latch[b]->set_pushbutton_latching_value(kOn);
    setup_meter(w.meter, place(layout(), kMeter), panel, w.images[kMeter]);
    setup_banner(w.banner, place(layout(), kBanner), panel, 0);
    char text[kValueTextMax];
    version_text(build_, text, sizeof text);
    set_banner_text(text);
    clock_.show();
    apply_power_state();
}

// --- state --------------------------------------------------------------------

float CocoaViewCore::value(Widget w) const
{
    float v = 0.0f;
    w_->with(w, [&](auto& o, const auto& a) {
        if (a.value)
            v = static_cast<float>((o.*a.value)());
    });
    return v;
}

bool CocoaViewCore::focused(Widget w) const
{
    bool f = false;
    w_->with(w, [&](auto& o, const auto& a) { f = a.focus && (o.*a.focus)(); });
    return f;
}

// Builds without a power button are always powered.
bool CocoaViewCore::power_on() const
{
    return !w_->latch[kPowerButton] || lit(value(kPowerButton));
}

void CocoaViewCore::set_widget_value(Widget w, float v)
{
    w_->with(w, [&](auto& o, const auto& a) {
        if (a.set_value)
            (o.*a.set_value)(v);
    });
}

void CocoaViewCore::set_focus(Widget w, bool focus)
{
    w_->with(w, [&](auto& o, const auto& a) {
        if (a.set_focus)
            (o.*a.set_focus)(focus);
    });
}

// Any value but 0 counts as on, so a click always toggles.
void CocoaViewCore::toggle(Widget w) { set_widget_value(w, value(w) == 0.0f ? kOn : 0.0f); }

// The lamp, the meter and the colour follow the power button.
void CocoaViewCore::apply_power_state()
{
    const bool on = power_on();
    if (w_->neon)
        w_->neon->set_lamp_on(on);
    w_->meter->set_power_on(on);
    desaturate_ = !on;
}

void CocoaViewCore::show_name(const char* text)
{
    set_parameter_display(text);
    show_parameter_display_power();
}

void CocoaViewCore::set_mono(bool mono)
{
    desaturate_ = mono;
    editor_dirty_ = true;
}

// --- creation and drawing into the panel pixmap ---------------------------------

void CocoaViewCore::set_scale(float scale)
{
    mag_ = scale;
    y_pos_ = 0;
    x_pos_ = (width_ - to_int(kPanelWidth * scale + 0.5f)) >> 1;
}

void CocoaViewCore::make_view_pixmap()
{
    const double r = backing_scale_;
    engine_->afx_pixmap_destroy(main_);
    main_ = engine_->afx_pixmap_create_fixed(to_int(width_ * r), to_int(height_ * r), 112, 112, 112,
                                             to_int(20 * r), to_int(r), to_int(8 * r), to_int(r));
}

void CocoaViewCore::start()
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
    for (Widget w : {kEffectSwitch, kInGainKnob, kThresholdKnob, kAttackKnob, kReleaseKnob,
                     kRatioKnob, kMakeupKnob, kMeter, kBanner, kSpacer, kStatusButton, kPowerButton,
                     kLeftButton, kRightButton})
        draw_widget(w);
    surface_.invalidate_all();
}

void CocoaViewCore::draw_widget(Widget w)
{
    Widgets& s = *w_;
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

void CocoaViewCore::invalidate_panel_area(int x, int y, int w, int h)
{
    const float m = mag_;
    surface_.invalidate(to_int(x * m + 0.5f) + x_pos_, to_int(y * m + 0.5f) + y_pos_,
                        to_int(w * m + 0.5f), to_int(h * m + 0.5f));
}

void CocoaViewCore::redraw(Widget w)
{
    if (w != kPowerButton) {
        redraw_one(w);
        return;
    }
    // The power state changes the lamp and the meter too.
    for (Widget p : {kPowerButton, kEffectSwitch, kMeter})
        redraw_one(p);
}

void CocoaViewCore::redraw_one(Widget w)
{
    if (!surf_)
        return;  // before start(): nothing on screen yet
    Widgets& s = *w_;
    int x = 0, y = 0, cw = 0, ch = 0;
    if (is_knob_widget(w)) {
        s.knobs[w]->set_control_dirty(false);
        s.knobs[w]->redraw_rotary_control(&surf_pixbuf_);
        s.knobs[w]->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w == kEffectSwitch && s.neon) {
        s.neon->set_control_dirty(false);
        s.neon->redraw_pushbutton_neon(surf_);
        s.neon->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w == kMeter) {
        s.meter->set_control_dirty(false);
        s.meter->redraw_bar_meter(&surf_pixbuf_);
        s.meter->get_invalid_area(&x, &y, &cw, &ch);
    } else if (w == kBanner) {
        s.banner->set_control_dirty(false);
        s.banner->undraw_banner(&surf_pixbuf_);
        s.banner->draw_banner(&surf_pixbuf_);
        s.banner->get_invalid_area(&x, &y, &cw, &ch);
    } else if (s.latch[w]) {
        s.latch[w]->set_control_dirty(false);
        s.latch[w]->redraw_pushbutton_latching(&surf_pixbuf_);
        s.latch[w]->get_invalid_area(&x, &y, &cw, &ch);
    } else {
        return;
    }
    invalidate_panel_area(x, y, cw, ch);
}

void CocoaViewCore::mark(Widget w)
{
    Widgets& s = *w_;
    if (is_knob_widget(w))
        s.knobs[w]->set_control_dirty(true);
    else if (w == kEffectSwitch && s.neon)
        s.neon->set_control_dirty(true);
    else if (w == kBanner)
        s.banner->set_control_dirty(true);
    else if (s.latch[w])
        s.latch[w]->set_control_dirty(true);
    gui_update_required_ = true;
}

bool CocoaViewCore::dirty(Widget w) const
{
    const Widgets& s = *w_;
    if (is_knob_widget(w))
        return s.knobs[w]->get_control_dirty();
    if (w == kEffectSwitch && s.neon)
        return s.neon->get_control_dirty();
    if (w == kBanner)
        return s.banner->get_control_dirty();
    return w < kWidgetCount && s.latch[w] && s.latch[w]->get_control_dirty();
}

// --- the tick -------------------------------------------------------------------

void CocoaViewCore::tick()
{
    switch (clock_.tick(w_->banner->get_banner_has_focus() && !build_.banner_counts_held)) {
    case BannerClock::Event::kShowVersion: {
        char text[kValueTextMax];
        version_text(build_, text, sizeof text);
        set_banner_text(text);
        redraw(kBanner);
        break;
    }
    case BannerClock::Event::kBlank:
        set_banner_text(blank_line(build_));
        redraw(kBanner);
        if (w_->latch[kStatusButton]) {
            set_widget_value(kStatusButton, 0.0f);
            mark(kStatusButton);
        }
        break;
    case BannerClock::Event::kNone:
        break;
    }
    if (editor_dirty_) {
        editor_dirty_ = false;
        surface_.invalidate_all();
    }
    if (!gui_update_required_)
        return;
    for (Widget w : {kInGainKnob, kThresholdKnob, kAttackKnob, kReleaseKnob, kRatioKnob,
                     kMakeupKnob, kEffectSwitch, kPowerButton, kStatusButton, kBanner})
        if (dirty(w))
            redraw_one(w);
    gui_update_required_ = false;
}

// --- banner texts ----------------------------------------------------------------

void CocoaViewCore::set_banner_text(const char* text)
{
    std::snprintf(banner_text_, sizeof banner_text_, "%s", text);
    w_->banner->set_text(banner_text_);
}

void CocoaViewCore::set_parameter_display(const char* text)
{
    std::snprintf(parameter_display_, sizeof parameter_display_, "%s", text);
}

// The update methods: the control's text, the control marked for the tick.
void CocoaViewCore::update_text(Widget w)
{
    char text[kValueTextMax];
    if (is_knob_widget(w)) {
        knob_value_text(build_, w, value(w), text, sizeof text);
    } else if (w == kEffectSwitch) {
        std::snprintf(text, sizeof text, "%s", switch_text(build_, value(w)));
    } else if (w == kPowerButton) {
        std::snprintf(text, sizeof text, "%s", lit(value(w)) ? kPowerOnText : kPowerOffText);
        editor_dirty_ = true;  // colour or grey, the whole view changes
    } else if (w == kStatusButton) {
        if (lit(value(w)))
            version_text(build_, text, sizeof text);
        else
            std::snprintf(text, sizeof text, "%s", blank_line(build_));
    } else {
        return;
    }
    set_parameter_display(text);
    mark(w);
    if (w == kStatusButton) {
        show_parameter_display_power();
        clock_.show_status();
    }
}

void CocoaViewCore::show_parameter_display()
{
    if (power_on())
        show_parameter_display_power();
}

void CocoaViewCore::show_parameter_display_power()
{
    set_banner_text(parameter_display_);
    w_->banner->set_value(0);
    mark(kBanner);
    clock_.show();
}

// --- sizes ------------------------------------------------------------------------

void CocoaViewCore::apply_ui_size()
{
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        const EditorSize s = size_rule(ui_size_, 1.0f);
        width_ = s.width;
        height_ = s.height;
        x_pos_ = s.x_offset;
        y_pos_ = s.y_offset;
        mag_ = s.content_scale;
        if (main_)
            make_view_pixmap();
    }
    surface_.invalidate_all();
    surface_.resize_frame(width_, height_);
}

void CocoaViewCore::set_frame_size(double width, double height)
{
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        mag_ = static_cast<float>(std::min(std::max(1.0, width / kPanelWidth),
                                           std::max(1.0, height / kPanelHeight)));
        width_ = to_int(width + 0.5);
        height_ = to_int(height + 0.5);
        x_pos_ = (width_ - to_int(mag_ * kPanelWidth)) >> 1;
        y_pos_ = 0;
        if (main_)
            make_view_pixmap();
    }
    surface_.invalidate_all();
}

void CocoaViewCore::backing_scale_changed(double scale)
{
    if (!build_.follows_backing_scale)
        return;
    std::printf("** INFO ** %s: backingScaleFactor changed to %f\n", build_.log_name, scale);
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

void CocoaViewCore::set_ui_size(float u)
{
    ui_size_ = params::clamp_unit(u);
    send(Control::kUiSize, ui_size_);
    apply_ui_size();
}

// --- drawRect: -------------------------------------------------------------------

void CocoaViewCore::draw_rect(CGContext* context, double x, double y, double w, double h)
{
    if (!surf_ || !main_)
        return;
    if (to_int(w) > width_)
        w = width_;
    if (to_int(h) > height_)
        h = height_;
    const double r = backing_scale_;
    const int sx = to_int(x * r + 0.5), sy = to_int(y * r + 0.5);
    const int sw = to_int(w * r + 0.5), sh = to_int(h * r + 0.5);
    AFX_engine_cocoa cocoa = cocoa_ext(*engine_);
    afx_image* source = surf_;
    if (mag_ > 1.0f || x_pos_ != 0 || y_pos_ != 0) {
        cocoa.afx_stretch_copy_pixmap_CATROM2(surf_, main_, sx, sy, sw, sh, to_int(x_pos_ * r + 0.5),
                                              to_int(y_pos_ * r + 0.5),
                                              static_cast<float>(mag_ * r));
        source = main_;
    }
    if (desaturate_)
        cocoa.afx_draw_mono_pixmap_to_view(source, context, sx, sy, x, y, sw, sh, w, h,
                                           static_cast<float>(r));
    else
        cocoa.afx_draw_pixmap_to_view(source, context, sx, sy, x, y, sw, sh, w, h);
}

// --- input ------------------------------------------------------------------------

Point CocoaViewCore::panel_point(double x, double y) const
{
    const int X = to_int(x), Y = to_int(y);
    return {to_int((X - x_pos_) / mag_ + 0.5f), to_int((Y - y_pos_) / mag_ + 0.5f)};
}

bool CocoaViewCore::hit(Widget w, const Point& p) const
{
    if (w == kBanner)
        return w_->banner->test_banner_clicked(p.x, p.y);
    return w_->latch[w] || w == kEffectSwitch ? hits(layout(), w, p.x, p.y) : false;
}

void CocoaViewCore::begin(Control c)
{
    if (host_param(*build_.host, c).exists())
        sink_.begin_edit(c);
}

void CocoaViewCore::send(Control c, float fraction)
{
    if (host_param(*build_.host, c).exists())
        sink_.set_value(c, fraction);
}

void CocoaViewCore::end(Control c)
{
    if (host_param(*build_.host, c).exists())
        sink_.end_edit(c);
}

bool CocoaViewCore::offered(Control c, const PointerEvent& e) { return sink_.offer_click(c, e); }

void CocoaViewCore::press(const PointerEvent& e)
{
    const int X = to_int(e.x), Y = to_int(e.y);
    engine_->init_mouse(X, Y);
    const Point p = panel_point(e.x, e.y);
    if (hit(kEffectSwitch, p)) {
        if (offered(Control::kEffect, e))
            return;
        set_focus(kEffectSwitch, true);
        toggle(kEffectSwitch);
        begin(Control::kEffect);
        send(Control::kEffect, value(kEffectSwitch) / kOn);
        update_text(kEffectSwitch);
        redraw(kEffectSwitch);
        show_parameter_display();
    } else if (w_->latch[kStatusButton] && hit(kStatusButton, p)) {
        set_focus(kStatusButton, true);
        toggle(kStatusButton);
        update_text(kStatusButton);
        redraw(kStatusButton);
    } else if (w_->latch[kPowerButton] && hit(kPowerButton, p)) {
        if (offered(Control::kPower, e))
            return;
        set_focus(kPowerButton, true);
        toggle(kPowerButton);
        apply_power_state();
        begin(Control::kPower);
        send(Control::kPower, value(kPowerButton) / kOn);
        update_text(kPowerButton);
        redraw(kPowerButton);
        show_parameter_display_power();
    } else if (hit(kLeftButton, p) || hit(kRightButton, p)) {
        const Widget b = hit(kLeftButton, p) ? kLeftButton : kRightButton;
        set_focus(b, true);
        set_widget_value(b, kOn);
        redraw(b);
        sink_.step_program(b == kLeftButton ? -1 : 1);
    } else if (hit(kBanner, p)) {
        set_focus(kBanner, true);  // the countdown waits for the release (see the build row)
    } else if (X > width_ - kResizeCorner && Y > height_ - kResizeCorner) {
        resize_drag_ = true;
    } else {
        press_knobs(p, e);
    }
}

void CocoaViewCore::press_knobs(const Point& p, const PointerEvent& e)
{
    for (Widget k : kKnobs) {
        CRotaryControlObject* knob = w_->knobs[k];
        if (!hits(layout(), k, p.x, p.y) || offered(knob_control(k), e))
            continue;
        begin(knob_control(k));
        knob->set_rotary_control_has_focus(true);
        knob->reset_inertia();
        update_text(k);
        show_parameter_display();
    }
}

void CocoaViewCore::drag(const PointerEvent& e)
{
    double dx = engine_->get_mouse_delta_x(to_int(e.x));
    double dy = engine_->get_mouse_delta_y(to_int(e.y));  // upwards positive
    // At the screen's edge the pointer stands still; the device still moves.
    if (dx == 0)
        dx = e.delta_x;
    if (dy == 0)
        dy = -e.delta_y;
    dy = std::trunc(dy);
    for (Widget k : kKnobs) {
        CRotaryControlObject* knob = w_->knobs[k];
        if (!knob->get_rotary_control_focus())
            continue;
        knob->update_rotary_control_value(static_cast<float>(dx), static_cast<float>(dy));
        send(knob_control(k), value(k) / kOn);
        update_text(k);
        show_parameter_display();
    }
    if (focused(kBanner)) {
        w_->banner->update_banner_position(to_int(dx));
        redraw(kBanner);
    }
    if (!resize_drag_)
        return;
    double d = std::sqrt(e.delta_x * e.delta_x + e.delta_y * e.delta_y);
    if (e.delta_y < 0 || e.delta_x < 0)
        d = -d;
    if (std::fabs(d) < 1.0)
        return;
    set_ui_size(static_cast<float>(ui_size_ + d * kResizeRate / height_));
}

void CocoaViewCore::double_click_knobs(bool* any)
{
    for (Widget k : kKnobs) {
        if (!focused(k))
            continue;
        *any = true;
        set_widget_value(k, place(layout(), k).detent);  // In Gain 33, the others 0
        begin(knob_control(k));
        send(knob_control(k), value(k) / kOn);
        end(knob_control(k));
        update_text(k);
        redraw(k);
        show_parameter_display();
    }
}

void CocoaViewCore::release(const PointerEvent& e)
{
    bool reset_ui = false;
    if (e.click_count == 2) {
        bool any = false;
        double_click_knobs(&any);
        reset_ui = !any && !focused(kEffectSwitch) && !focused(kStatusButton) &&
                   !focused(kPowerButton) && !focused(kLeftButton) && !focused(kRightButton);
    }
    for (Widget w : kKnobs)
        set_focus(w, false);
    for (Widget w : {kEffectSwitch, kPowerButton, kStatusButton, kBanner})
        set_focus(w, false);
    for (Widget w : {kLeftButton, kRightButton}) {
        if (!focused(w))
            continue;
        set_focus(w, false);
        set_widget_value(w, 0.0f);
        redraw(w);
    }
    if (resize_drag_) {
        resize_drag_ = false;
        apply_ui_size();
    }
    for (Control c : kGestureControls)
        end(c);
    if (reset_ui)
        set_ui_size(0.0f);
}

void CocoaViewCore::wheel(const PointerEvent& e, double delta_y)
{
    if (delta_y == 0)
        return;
    const int step = delta_y > 0 ? 1 : -1;
    const Point p = panel_point(e.x, e.y);
    for (Widget k : kKnobs) {
        if (!hits(layout(), k, p.x, p.y))
            continue;
        CRotaryControlObject* knob = w_->knobs[k];
        knob->set_rotary_control_has_focus(true);
        knob->step_control(step);
        begin(knob_control(k));
        send(knob_control(k), value(k) / kOn);
        end(knob_control(k));
        update_text(k);
        redraw(k);
        show_parameter_display();
        knob->set_rotary_control_has_focus(false);
    }
    if (hit(kBanner, p)) {
        step > 0 ? w_->banner->update_right() : w_->banner->update_left();
        redraw(kBanner);
    }
}

// --- host values -------------------------------------------------------------------

void CocoaViewCore::host_value(Control c, float fraction)
{
    if (c == Control::kUiSize) {
        if (!resize_drag_)
            ui_size_ = params::clamp_unit(fraction);
        return;
    }
    if (c == Control::kMeter) {
        set_widget_value(kMeter, fraction * kOn);
        redraw(kMeter);
        return;
    }
    Widget w;
    if (is_knob(c))
        w = static_cast<Widget>(control_number(c));
    else if (c == Control::kEffect)
        w = kEffectSwitch;
    else if (c == Control::kPower && w_->latch[kPowerButton])
        w = kPowerButton;
    else
        return;
    if (focused(w))
        return;  // the user's drag wins over the host
    set_widget_value(w, is_knob(c) ? fraction * kOn : (fraction > 0.5f ? kOn : 0.0f));
    if (w == kPowerButton) {
        apply_power_state();
        editor_dirty_ = true;  // colour or grey, the whole view changes
    }
    redraw(w);
}

}  // namespace vlt::mac
