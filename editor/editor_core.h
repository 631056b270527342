#pragma once
// The editor's behaviour without a window system or a plug-in format:
// the parameter cache, widget values, value texts, banner timing, mouse
// gestures and the GUI tick. A window glue owns one, feeds it events on
// the GUI thread and draws what it reports through EditorView.
//
// Values are the editor's own controls; a format's glue translates its
// host's numbering through the build's host map (set_host_parameter).
//
// Threads: set_control, set_program and set_host_eff_enable may run on
// any host thread (the meter on the audio thread); they store atomics and
// hand text over under a short text lock, never drawing and never calling
// out. Everything else runs on the GUI thread.
#include <atomic>
#include <mutex>

#include "banner_clock.h"
#include "editor_build.h"
#include "editor_host.h"
#include "editor_layout.h"
#include "knob_model.h"
#include "value_text.h"

namespace vlt::editor {

// The knobs and the effect switch: the values the editor keeps for its next open.
constexpr int kEditedControls = control_number(Control::kEffect) + 1;

class CEditorCore {
public:
    CEditorCore(const EditorBuild& build, EditorHost& host, EditorView& view);

    // --- any thread --------------------------------------------------------
    void set_control(Control control, float value);
    // A host's parameter by the build's map; anything unmapped is ignored.
    void set_host_parameter(int index, float value);
    void set_host_parameter(const char* id, float value);
    // The plug-in changed program; name is that program's name.
    void set_program(int index, const char* name);
    void set_host_eff_enable(float value);

    // --- window glue, GUI or host thread while no callback runs ------------
    // Sizes the window for the stored UI size at display scale dpi_scale.
    const EditorSize& apply_size_rule(float dpi_scale);
    // A view its host sizes (VST3) works its size out itself.
    void set_size(const EditorSize& size, float dpi_scale);
    // The program the preset buttons start from, its name not shown.
    void set_program_index(int index) { program_.store(index); }
    void set_widgets_ready() { widgets_ready_.store(true); }
    // Loads the widgets from the cache and shows the banner text.
    void init_editor();
    void set_open(bool open) { open_.store(open); }

    // --- GUI thread --------------------------------------------------------
    // Buttons as the backends deliver them, from 0 (left); any release ends
    // the gestures. A wheel notch steps by +1 (up) or -1.
    void button_press(int x, int y, int button);
    void button_release(int x, int y, int button);
    void wheel(int x, int y, int step);
    void motion(int x, int y);
    // A drag as the Cocoa views see it: the pointer's position and the
    // device's own deltas (downwards and right positive), which stand in
    // for the pointer's travel where it did not move (the screen's edge).
    void drag(int x, int y, double device_dx, double device_dy);
    void double_click(int x, int y, int button);
    void gui_update_tick();
    // A host value that arrives on the GUI thread (the Cocoa views): the
    // widget shows it at once, unless the user holds it; no text.
    void host_value(Control control, float value);

    // --- what the view draws -----------------------------------------------
    float value(Widget w) const { return values_[w].load(std::memory_order_relaxed); }
    bool focused(Widget w) const { return focus_[w]; }
    bool dirty(Widget w) const { return dirty_[w].load(std::memory_order_relaxed); }
    bool mono() const { return mono_.load(); }
    // Builds without a power button are always powered.
    bool power_on() const;
    bool resize_active() const { return resize_active_; }
    bool is_open() const { return open_.load(); }
    float cached(Control c) const { return cache_[control_number(c)].load(); }
    float ui_size() const { return ui_size_.load(); }
    int program() const { return program_.load(); }
    bool preset_armed() const { return preset_armed_.load(); }
    int banner_ticks() const { return clock_.remaining(); }
    const EditorSize& size() const { return size_; }
    float dpi_scale() const { return dpi_scale_; }
    void copy_banner_text(char* text, std::size_t size) const;
    const EditorBuild& build() const { return build_; }

private:
    void update_knob(int knob, float v);
    void update_switch(float v);
    void update_meter(float v);
    void write_banner_text(const char* text);
    void write_knob_text(int knob);
    void show_banner_text();  // puts the banner text on the banner
    // A value text: shown only while powered.
    void show_value_text(const char* text);
    void show_knob_text(int knob);
    void press_power();
    void drag_by(float dx, float dy, double device_dx, double device_dy);
    void resize_by(float dx, float dy, double device_dx, double device_dy);
    void reset_focused_knobs();
    void update_status_button();
    void step_preset(int direction);
    void redraw(Widget w);
    void redraw_ui_size();
    void mark(Widget w);
    int hit_knob(const Point& p);
    void main_press(int x, int y);
    void offer_press(const Point& p);
    void step_knobs(const Point& p, int step);
    void send_knob(int knob);
    bool mapped(Control c) const;
    void begin(Control c);
    void send(Control c, float value);
    void end(Control c);
    void end_gestures();
    int resize_divisor() const;

    const EditorBuild& build_;
    EditorHost& host_;
    EditorView& view_;

    std::atomic<float> cache_[kEditedControls];
    std::atomic<float> ui_size_{0.0f};
    std::atomic<int> program_{0};
    std::atomic<float> values_[kWidgetCount];
    std::atomic<bool> dirty_[kWidgetCount];
    std::atomic<bool> redraw_flag_{false};
    std::atomic<bool> widgets_ready_{false};
    std::atomic<bool> open_{false};
    std::atomic<bool> mono_{false};
    std::atomic<bool> repaint_pending_{false};  // the whole panel at the next tick
    std::atomic<bool> preset_armed_{false};
    std::atomic<bool> banner_pending_{false};
    BannerClock clock_;

    mutable std::mutex text_mutex_;  // guards banner_text_ only
    char banner_text_[kBannerTextSize];

    // GUI thread only.
    bool focus_[kWidgetCount] = {};
    bool touched_[kControlCount] = {};  // gestures begun since the last release
    float velocity_[kKnobCount] = {};
    double last_x_ = 0, last_y_ = 0;
    bool resize_active_ = false;
    bool ui_reset_pending_ = false;  // a double click the release completes
    int resize_events_ = 0;
    float resize_sum_ = 0.0f;
    EditorSize size_;
    float dpi_scale_ = 1.0f;
};

}  // namespace vlt::editor
