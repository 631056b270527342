#include "editor_core.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "plug_params.h"

namespace vlt::editor {

namespace {

constexpr float kInGainReset = 33.0f;
constexpr int kEffectSlot = control_number(Control::kEffect);
constexpr char kPowerOnText[] = " Power On ";
constexpr char kPowerOffText[] = " Power Off ";
// A Cocoa resize drag: UI-size units per view height of the device's travel.
constexpr double kTravelRate = 1.25;

bool lit(float v) { return v / kKnobMax > 0.5f; }

}  // namespace

CEditorCore::CEditorCore(const EditorBuild& build, EditorHost& host, EditorView& view)
    : build_(build), host_(host), view_(view), clock_(build.banner), size_(size_rule(0.0f, 1.0f))
{
    for (int i = 0; i < kEditedControls; ++i)
        cache_[i].store(params::kDefaults[model_index(static_cast<Control>(i))]);
    for (int w = 0; w < kWidgetCount; ++w) {
        values_[w].store(0.0f);
        dirty_[w].store(false);
    }
    // Powered, and the spacer shows its only frame.
    for (Widget w : {kPowerButton, kSpacer})
        if (on_panel(*build_.layout, w))
            values_[w].store(kKnobMax);
    version_text(build_, banner_text_, sizeof banner_text_);
}

bool CEditorCore::power_on() const
{
    return !on_panel(*build_.layout, kPowerButton) || lit(values_[kPowerButton].load());
}

// --- host threads ---------------------------------------------------------

void CEditorCore::set_control(Control control, float value)
{
    if (is_knob(control))
        update_knob(control_number(control), value);
    else if (control == Control::kEffect)
        update_switch(value);
    else if (control == Control::kUiSize)
        ui_size_.store(params::clamp_unit(value));
    else if (control == Control::kMeter)
        update_meter(value);
    // The power button's host value arrives on the GUI thread (host_value).
}

void CEditorCore::set_host_parameter(int index, float value)
{
    Control c;
    if (control_of_index(*build_.host, index, &c))
        set_control(c, value);
}

void CEditorCore::set_host_parameter(const char* id, float value)
{
    Control c;
    if (control_of_id(*build_.host, id, &c))
        set_control(c, value);
}

void CEditorCore::update_knob(int knob, float v)
{
    cache_[knob].store(v);
    if (widgets_ready_.load()) {
        values_[knob].store(clamp_knob(v * kKnobMax));
        dirty_[knob].store(true);
        write_knob_text(knob);
    }
    redraw_flag_.store(true);
}

void CEditorCore::update_switch(float v)
{
    cache_[kEffectSlot].store(v);
    if (widgets_ready_.load()) {
        const float on = params::switched_on(v) ? kKnobMax : 0.0f;
        values_[kEffectSwitch].store(on);
        dirty_[kEffectSwitch].store(true);
        write_banner_text(switch_text(build_, on));
    }
    redraw_flag_.store(true);
}

// Runs on the audio thread after every block: no lock, no allocation.
// Only a build whose view shares the host's thread redraws it at once.
void CEditorCore::update_meter(float v)
{
    const bool ready = widgets_ready_.load(std::memory_order_relaxed);
    if (ready)
        values_[kMeter].store(clamp_knob(v * kKnobMax), std::memory_order_relaxed);
    if (ready && build_.meter_redraw == MeterRedraw::kOnArrival) {
        if (open_.load(std::memory_order_relaxed))
            view_.redraw(kMeter);
        return;
    }
    if (ready)
        dirty_[kMeter].store(true, std::memory_order_relaxed);
    redraw_flag_.store(true, std::memory_order_release);
}

void CEditorCore::set_program(int index, const char* name)
{
    program_.store(index);
    if (!widgets_ready_.load())
        return;  // never opened: the banner has nothing to show yet
    char text[kValueTextMax];
    std::snprintf(text, sizeof text, "%s", name ? name : "");
    write_banner_text(text);
    // The GUI thread renders it; the shared font is not ours to use here.
    banner_pending_.store(true);
    dirty_[kBanner].store(true);
    clock_.show();
    preset_armed_.store(true);
    redraw_flag_.store(true);
}

void CEditorCore::set_host_eff_enable(float value)
{
    repaint_pending_.store(true);
    mono_.store(value <= 0.5f);
    redraw_flag_.store(true);
}

void CEditorCore::write_banner_text(const char* text)
{
    std::lock_guard<std::mutex> lock(text_mutex_);
    std::snprintf(banner_text_, sizeof banner_text_, "%s", text);
}

// The user's edits write their own text before showing it: a host need not
// echo the value back (an AAX host does not, and skips a held knob), and one
// that does has already written the same text from the same value.
void CEditorCore::write_knob_text(int knob)
{
    char text[kValueTextMax];
    knob_value_text(build_, knob, values_[knob].load(), text, sizeof text);
    write_banner_text(text);
}

void CEditorCore::copy_banner_text(char* text, std::size_t size) const
{
    if (!text || size == 0)
        return;
    std::lock_guard<std::mutex> lock(text_mutex_);
    std::snprintf(text, size, "%s", banner_text_);
}

// --- window glue ------------------------------------------------------------

void CEditorCore::set_size(const EditorSize& size, float dpi_scale)
{
    dpi_scale_ = usable_scale(dpi_scale);
    size_ = size;
}

const EditorSize& CEditorCore::apply_size_rule(float dpi_scale)
{
    dpi_scale_ = usable_scale(dpi_scale);
    size_ = size_rule(ui_size_.load(), dpi_scale_);
    return size_;
}

void CEditorCore::init_editor()
{
    if (build_.version_on_open) {
        char text[kBannerTextSize];
        version_text(build_, text, sizeof text);
        write_banner_text(text);
    }
    for (int k = 0; k < kKnobCount; ++k)
        values_[k].store(clamp_knob(kKnobMax * cache_[k].load()));
    values_[kEffectSwitch].store(clamp_knob(kKnobMax * cache_[kEffectSlot].load()));
    for (Widget w : {kMeter, kStatusButton, kLeftButton, kRightButton})
        values_[w].store(0.0f);
    for (bool& f : focus_)
        f = false;
    for (bool& t : touched_)
        t = false;
    for (float& v : velocity_)
        v = 0.0f;
    resize_active_ = false;
    char text[kBannerTextSize];
    copy_banner_text(text, sizeof text);
    view_.set_banner_text(text, true);
    banner_pending_.store(false);
    clock_.show();
}

// --- GUI thread: output -----------------------------------------------------

void CEditorCore::mark(Widget w)
{
    dirty_[w].store(true);
    redraw_flag_.store(true);
}

void CEditorCore::redraw(Widget w)
{
    if (w != kMeter)  // the meter keeps moving; it stays marked
        dirty_[w].store(false);
    if (open_.load())
        view_.redraw(w);
}

void CEditorCore::show_banner_text()
{
    char text[kBannerTextSize];
    banner_pending_.store(false);
    copy_banner_text(text, sizeof text);
    view_.set_banner_text(text, true);
    dirty_[kBanner].store(true);
    clock_.show();
    preset_armed_.store(false);
    redraw_flag_.store(true);
}

void CEditorCore::show_value_text(const char* text)
{
    if (!power_on())
        return;
    write_banner_text(text);
    show_banner_text();
}

void CEditorCore::show_knob_text(int knob)
{
    if (!power_on())
        return;
    write_knob_text(knob);
    show_banner_text();
}

void CEditorCore::update_status_button()
{
    dirty_[kStatusButton].store(true);
    if (values_[kStatusButton].load() / kKnobMax > 0.5f) {
        char text[kBannerTextSize];
        version_text(build_, text, sizeof text);
        write_banner_text(text);
    } else {
        write_banner_text(blank_line(build_));
    }
    show_banner_text();
    clock_.show_status();
    redraw_flag_.store(true);
}

void CEditorCore::step_preset(int direction)
{
    dirty_[direction > 0 ? kRightButton : kLeftButton].store(true);
    if (preset_armed_.load()) {
        const int p = build_.step_program(program_.load(), direction);
        program_.store(p);
        host_.set_program(p);
    }
    char name[kValueTextMax] = {};
    host_.program_name(name);
    name[kValueTextMax - 1] = '\0';
    write_banner_text(name);
    show_banner_text();
    clock_.show();
    preset_armed_.store(true);
}

void CEditorCore::redraw_ui_size()
{
    const EditorSize from = size_;
    size_ = size_rule(ui_size_.load(), dpi_scale_);
    view_.resize_window(from, size_);
    host_.size_window(size_.width, size_.height);
    if (open_.load())
        view_.repaint_all();
}

void CEditorCore::gui_update_tick()
{
    if (banner_pending_.exchange(false)) {
        // Only a program's name is handed over this way.
        char text[kBannerTextSize];
        copy_banner_text(text, sizeof text);
        view_.set_banner_text(text, build_.program_scroll == ProgramScroll::kHome);
    }
    if (widgets_ready_.load()) {
        const BannerClock::Event e = clock_.tick(focus_[kBanner] && !build_.banner_counts_held);
        if (e != BannerClock::Event::kNone) {
            char text[kBannerTextSize];
            if (e == BannerClock::Event::kShowVersion)
                version_text(build_, text, sizeof text);
            else
                std::snprintf(text, sizeof text, "%s", blank_line(build_));
            write_banner_text(text);
            view_.set_banner_text(text, false);
            redraw(kBanner);
            if (e == BannerClock::Event::kBlank || build_.preset_sleep == PresetSleep::kAtVersion)
                preset_armed_.store(false);
            if (e == BannerClock::Event::kBlank) {
                values_[kStatusButton].store(0.0f);
                mark(kStatusButton);
            }
        }
    }
    if (repaint_pending_.exchange(false))
        view_.repaint_all();
    if (redraw_flag_.exchange(false)) {
        for (Widget w : {kInGainKnob, kThresholdKnob, kAttackKnob, kReleaseKnob, kRatioKnob, kMakeupKnob,
                         kEffectSwitch, kPowerButton, kStatusButton, kMeter, kBanner})
            if (dirty_[w].load())
                redraw(w);
    }
}

// --- GUI thread: input ------------------------------------------------------

// Only what the format publishes goes to the host.
bool CEditorCore::mapped(Control c) const { return host_param(*build_.host, c).exists(); }

void CEditorCore::begin(Control c)
{
    if (!mapped(c))
        return;
    touched_[control_number(c)] = true;
    host_.begin_edit(c);
}

void CEditorCore::send(Control c, float value)
{
    if (mapped(c))
        host_.set_value(c, value);
}

void CEditorCore::end(Control c)
{
    if (mapped(c))
        host_.end_edit(c);
}

// A release ends the gestures of every control the host knows (never the
// meter's), or in some builds only of those the press touched.
void CEditorCore::end_gestures()
{
    const bool all = build_.buttons.release == ReleaseSweep::kAllMapped;
    for (Control c : kGestureControls)
        if (all || touched_[control_number(c)])
            end(c);
    for (bool& t : touched_)
        t = false;
}

void CEditorCore::send_knob(int knob) { send(knob_control(knob), values_[knob].load() / kKnobMax); }

int CEditorCore::hit_knob(const Point& p)
{
    for (int k = 0; k < kKnobCount; ++k)
        if (hits(*build_.layout, static_cast<Widget>(k), p.x, p.y))
            return k;
    return -1;
}

void CEditorCore::step_knobs(const Point& p, int step)
{
    const bool released = build_.buttons.wheel_then_release;  // a release ends the focus
    for (int k = 0; k < kKnobCount; ++k) {
        const Widget w = static_cast<Widget>(k);
        if (!hits(*build_.layout, w, p.x, p.y))
            continue;
        velocity_[k] = 0.0f;
        begin(knob_control(k));
        focus_[k] = true;
        values_[k].store(step_knob(values_[k].load(), step, place(*build_.layout, w).frames));
        send_knob(k);
        show_knob_text(k);
        redraw(w);
        end(knob_control(k));
        touched_[k] = false;  // ended here: a following release must not end it again
        if (!released)
            focus_[k] = false;
    }
    if (build_.banner_input && hits(*build_.layout, kBanner, p.x, p.y)) {
        if (released)
            focus_[kBanner] = true;
        view_.step_banner(step);
        redraw(kBanner);
    }
}

// The power button: the whole panel greys or colours, and its text shows
// whatever the state.
void CEditorCore::press_power()
{
    focus_[kPowerButton] = true;
    const float v = lit(values_[kPowerButton].load()) ? 0.0f : kKnobMax;
    values_[kPowerButton].store(v);
    mono_.store(!power_on());
    begin(Control::kPower);
    send(Control::kPower, v / kKnobMax);
    write_banner_text(lit(v) ? kPowerOnText : kPowerOffText);
    show_banner_text();
    redraw(kPowerButton);
    repaint_pending_.store(true);
}

void CEditorCore::main_press(int x, int y)
{
    const Point p = window_to_panel(size_, x, y);
    for (int k = 0; k < kKnobCount; ++k) {
        if (!hits(*build_.layout, static_cast<Widget>(k), p.x, p.y) ||
            host_.host_takes_press(knob_control(k), false))
            continue;
        velocity_[k] = 0.0f;
        begin(knob_control(k));
        focus_[k] = true;
        show_knob_text(k);
    }
    if (build_.banner_input && hits(*build_.layout, kBanner, p.x, p.y))
        focus_[kBanner] = true;
    if (hits(*build_.layout, kEffectSwitch, p.x, p.y) && !host_.host_takes_press(Control::kEffect, false)) {
        begin(Control::kEffect);
        focus_[kEffectSwitch] = true;
        const float v = values_[kEffectSwitch].load();
        values_[kEffectSwitch].store(static_cast<int>(2.0f * v / 100.0f) == 0 ? kKnobMax : 0.0f);
        send(Control::kEffect, values_[kEffectSwitch].load() / kKnobMax);
        if (build_.switch_press_ends) {
            end(Control::kEffect);
            touched_[kEffectSlot] = false;
        }
        show_value_text(switch_text(build_, values_[kEffectSwitch].load()));
        redraw(kEffectSwitch);
        // Otherwise the release sends the end of this gesture.
    }
    if (hits(*build_.layout, kStatusButton, p.x, p.y)) {
        focus_[kStatusButton] = true;
        const float v = values_[kStatusButton].load();
        values_[kStatusButton].store(static_cast<int>(2.0f * v / 100.0f) == 0 ? kKnobMax : 0.0f);
        update_status_button();
        redraw(kStatusButton);
    }
    if (on_panel(*build_.layout, kPowerButton) && hits(*build_.layout, kPowerButton, p.x, p.y) &&
        !host_.host_takes_press(Control::kPower, false))
        press_power();
    for (Widget w : {kLeftButton, kRightButton}) {
        if (!hits(*build_.layout, w, p.x, p.y))
            continue;
        focus_[w] = true;
        values_[w].store(kKnobMax);
        step_preset(w == kRightButton ? 1 : -1);
        redraw(w);
    }
    if (build_.resize_corner && in_resize_corner(size_, x, y))
        resize_active_ = true;
    last_x_ = x;
    last_y_ = y;
}

void CEditorCore::button_press(int x, int y, int button)
{
    if (build_.is_main_button(button))
        main_press(x, y);
    else
        offer_press(window_to_panel(size_, x, y));
}

// Another button on a knob or the switch only tells the host.
void CEditorCore::offer_press(const Point& p)
{
    const int k = hit_knob(p);
    if (k >= 0)
        host_.host_takes_press(knob_control(k), true);
    else if (hits(*build_.layout, kEffectSwitch, p.x, p.y))
        host_.host_takes_press(Control::kEffect, true);
}

void CEditorCore::wheel(int x, int y, int step)
{
    if (step == 0)
        return;
    step_knobs(window_to_panel(size_, x, y), step > 0 ? 1 : -1);
    if (build_.buttons.wheel_then_release)
        button_release(x, y, -1);
}

void CEditorCore::button_release(int, int, int)
{
    for (int k = 0; k < kKnobCount; ++k)
        focus_[k] = false;
    focus_[kEffectSwitch] = focus_[kStatusButton] = focus_[kPowerButton] = focus_[kBanner] = false;
    if (resize_active_) {
        resize_active_ = false;
        redraw_ui_size();
    }
    for (Widget w : {kLeftButton, kRightButton}) {
        if (!focus_[w])
            continue;
        focus_[w] = false;
        values_[w].store(0.0f);
        redraw(w);
    }
    end_gestures();
    if (ui_reset_pending_) {
        ui_reset_pending_ = false;
        ui_size_.store(0.0f);
        host_.set_ui_size(0.0f);
        redraw_ui_size();
    }
}

int CEditorCore::resize_divisor() const
{
    return build_.resize_axis == ResizeAxis::kWidth ? size_.width : size_.height;
}

void CEditorCore::motion(int x, int y)
{
    const int dy = static_cast<int>(last_y_ - y);
    const int dx = static_cast<int>(x - last_x_);
    last_x_ = x;
    last_y_ = y;
    drag_by(static_cast<float>(dx), static_cast<float>(dy), dx, -dy);
}

void CEditorCore::drag(int x, int y, double device_dx, double device_dy)
{
    double dx = x - last_x_;
    double dy = last_y_ - y;  // upwards positive
    last_x_ = x;
    last_y_ = y;
    if (dx == 0)
        dx = device_dx;
    if (dy == 0)
        dy = -device_dy;
    drag_by(static_cast<float>(dx), static_cast<float>(std::trunc(dy)), device_dx, device_dy);
}

void CEditorCore::drag_by(float dx, float dy, double device_dx, double device_dy)
{
    for (int k = 0; k < kKnobCount; ++k) {
        if (!focus_[k])
            continue;
        const Widget w = static_cast<Widget>(k);
        KnobMotion m{values_[k].load(), velocity_[k]};
        const WidgetPlace& wp = place(*build_.layout, w);
        drag_knob(m, dy, wp.detent, wp.frames, build_.knob);
        values_[k].store(m.value);
        velocity_[k] = m.velocity;
        send_knob(k);
        show_knob_text(k);
        redraw(w);
    }
    if (focus_[kBanner]) {
        view_.scroll_banner(static_cast<int>(dx));
        redraw(kBanner);
    }
    if (resize_active_)
        resize_by(dx, dy, device_dx, device_dy);
}

void CEditorCore::resize_by(float dx, float dy, double device_dx, double device_dy)
{
    if (build_.resize_law == ResizeLaw::kDeviceTravel) {
        double d = std::sqrt(device_dx * device_dx + device_dy * device_dy);
        if (device_dy < 0 || device_dx < 0)
            d = -d;
        if (std::fabs(d) < 1.0)
            return;
        const float u =
            params::clamp_unit(static_cast<float>(ui_size_.load() + d * kTravelRate / size_.height));
        ui_size_.store(u);
        host_.set_ui_size(u);
        redraw_ui_size();
        return;
    }
    const float d = std::sqrt(dx * dx + dy * dy);
    if (d < 1.0f)
        return;
    resize_sum_ += (dy > 0 || dx < 0) ? -d : d;
    if ((++resize_events_ & 2) == 0)
        return;
    const float divisor = static_cast<float>(resize_divisor());
    const float u = params::clamp_unit((resize_sum_ + divisor) / divisor * (ui_size_.load() + 1.0f) - 1.0f);
    ui_size_.store(u);
    host_.set_ui_size(u);
    redraw_ui_size();
    resize_events_ = 0;
    resize_sum_ = 0.0f;
}

// The knobs the second click's press holds go back to their reset values,
// each as a gesture of its own; with nothing held at all, the release that
// follows resets the UI size (where the panel has a resize corner).
void CEditorCore::reset_focused_knobs()
{
    bool any = false;
    for (int k = 0; k < kKnobCount; ++k) {
        if (!focus_[k])
            continue;
        any = true;
        velocity_[k] = 0.0f;
        values_[k].store(place(*build_.layout, static_cast<Widget>(k)).detent);
        begin(knob_control(k));  // inside the gesture the press began
        send_knob(k);
        end(knob_control(k));
        show_knob_text(k);
        redraw(static_cast<Widget>(k));
    }
    const bool held = any || focus_[kEffectSwitch] || focus_[kStatusButton] || focus_[kPowerButton] ||
                      focus_[kLeftButton] || focus_[kRightButton];
    ui_reset_pending_ = !held && build_.resize_corner;
}

void CEditorCore::double_click(int x, int y, int button)
{
    if (!build_.is_main_button(button))
        return;
    if (build_.double_click == DoubleClick::kFocusedKnobs) {
        reset_focused_knobs();
        return;
    }
    const Point p = window_to_panel(size_, x, y);
    const int k = hit_knob(p);
    if (k >= 0) {
        velocity_[k] = 0.0f;
        values_[k].store(k == kInGainKnob ? kInGainReset : 0.0f);
        begin(knob_control(k));
        send_knob(k);
        end(knob_control(k));
        touched_[k] = false;  // a whole gesture of its own
        show_knob_text(k);
        redraw(static_cast<Widget>(k));
        return;
    }
    for (Widget w : {kEffectSwitch, kLeftButton, kRightButton, kStatusButton}) {
        if (hits(*build_.layout, w, p.x, p.y)) {
            main_press(x, y);
            return;
        }
    }
    if (!build_.resize_corner) {
        if (build_.double_click_presses)
            main_press(x, y);
        return;
    }
    ui_size_.store(0.0f);
    host_.set_ui_size(0.0f);
    redraw_ui_size();
}

// --- GUI thread: host values (Cocoa views) -------------------------------------

void CEditorCore::host_value(Control c, float value)
{
    if (c == Control::kUiSize) {
        if (!resize_active_)
            ui_size_.store(params::clamp_unit(value));
        return;
    }
    if (c == Control::kMeter) {
        values_[kMeter].store(clamp_knob(value * kKnobMax));
        redraw(kMeter);
        return;
    }
    Widget w;
    if (is_knob(c))
        w = static_cast<Widget>(control_number(c));
    else if (c == Control::kEffect)
        w = kEffectSwitch;
    else if (c == Control::kPower && on_panel(*build_.layout, kPowerButton))
        w = kPowerButton;
    else
        return;
    if (focus_[w])
        return;  // the user's drag wins over the host
    if (c != Control::kPower)
        cache_[control_number(c)].store(value);
    values_[w].store(is_knob(c) ? clamp_knob(value * kKnobMax)
                                : (params::switched_on(value) ? kKnobMax : 0.0f));
    if (w == kPowerButton) {
        mono_.store(!power_on());
        repaint_pending_.store(true);  // colour or grey, the whole panel changes
    }
    redraw(w);
}

}  // namespace vlt::editor
