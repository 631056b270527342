#pragma once
// The body every macOS editor view shares, in C++: the view's own engines,
// the panel widgets drawn into the 144 x 510 panel pixmap, the view pixmap
// at view size x backing scale, the GUI tick, the redraw rectangles, the
// UI size and backing scale, mouse and wheel input, host values and the
// banner. Each build's Objective-C view class is a thin shell around one
// of these (class names are process-wide, so the shells carry the build's
// name and this stays C++). Per-build differences come from the build row
// (texts, timing, host map, layout, log name) and the edit sink.
//
// Everything runs on the main thread; draw_lock() guards the view pixmap
// and the view size between a resize and drawRect:.
#include <memory>
#include <mutex>

#include "afx/cocoa/afx_engine_cocoa.h"
#include "afx/cocoa/core/afx_neon_button.h"
#include "afx_banner.h"
#include "afx_font_engine.h"
#include "afx_rotary.h"
#include "afx_widgets.h"
#include "banner_clock.h"
#include "cocoa_view_ports.h"
#include "editor_build.h"
#include "editor_layout.h"
#include "value_text.h"

namespace vlt::mac {

using editor::Widget;

class CocoaViewCore {
public:
    // The view's frame in points and the screen's backing scale (see
    // usable_backing_scale). Builds the widgets and shows the version text.
    CocoaViewCore(const editor::EditorBuild& build, EditSink& sink, ViewSurface& surface,
                  double frame_width, double frame_height, double backing_scale);
    ~CocoaViewCore();
    CocoaViewCore(const CocoaViewCore&) = delete;
    CocoaViewCore& operator=(const CocoaViewCore&) = delete;

    // Below 1 or above 2 the scale is taken as 1.
    static double usable_backing_scale(double scale);

    // --- creation ------------------------------------------------------------
    void set_scale(float scale);  // magnification and the panel's x origin
    void start();                 // draws the panel; the view starts its timer after
    // --- 20 ms timer ---------------------------------------------------------
    void tick();
    // --- drawRect: ------------------------------------------------------------
    std::mutex& draw_lock() { return draw_mutex_; }
    // One rectangle being drawn, view points; the caller holds draw_lock().
    void draw_rect(CGContext* context, double x, double y, double w, double h);
    // --- sizes ------------------------------------------------------------------
    void apply_ui_size();                 // view size, pixmap and frame from the UI size
    void backing_scale_changed(double scale);
    // A frame the host chose (builds without a UI size): the panel is
    // magnified to fit the smaller ratio and centred horizontally.
    void set_frame_size(double width, double height);
    // --- input (view points; see PointerEvent) ---------------------------------
    void press(const PointerEvent& e);
    void drag(const PointerEvent& e);
    void release(const PointerEvent& e);
    // delta_y: the wheel's vertical delta, already corrected for inverted
    // scrolling; 0 does nothing.
    void wheel(const PointerEvent& e, double delta_y);
    // --- from the host -----------------------------------------------------
    // Fractions as EditSink's. Dropped while the user holds that control;
    // the widget is redrawn at once. The UI size is only stored.
    void host_value(Control control, float fraction);
    // The whole view in grey, for builds whose mono state is the host's.
    void set_mono(bool mono);
    // A program or preset name in the banner, whatever the power state;
    // the countdown starts afresh.
    void show_name(const char* text);

    // --- state -------------------------------------------------------------
    int width() const { return width_; }
    int height() const { return height_; }
    int x_pos() const { return x_pos_; }
    int y_pos() const { return y_pos_; }
    float magnification() const { return mag_; }
    double backing_scale() const { return backing_scale_; }
    float ui_size() const { return ui_size_; }
    bool mono() const { return desaturate_; }
    bool resize_dragging() const { return resize_drag_; }
    int banner_ticks() const { return clock_.remaining(); }
    const char* parameter_display() const { return parameter_display_; }
    const char* banner_text() const { return banner_text_; }
    float value(Widget w) const;   // 0..99; 0 for widgets this build lacks
    bool focused(Widget w) const;
    bool power_on() const;
    afx_image* panel_pixmap() const { return surf_; }  // null before start()
    afx_image* view_pixmap() const { return main_; }
    AFX_engine& engine() { return *engine_; }
    const editor::EditorBuild& build() const { return build_; }

private:
    struct Widgets;

    const editor::PanelLayout& layout() const { return *build_.layout; }
    void create_gui_objects();
    void init_editor();
    void apply_power_state();
    void make_view_pixmap();
    void draw_widget(Widget w);
    void redraw(Widget w);  // the control_redraw_ methods
    void redraw_one(Widget w);
    void invalidate_panel_area(int x, int y, int w, int h);
    // The banner texts: the update methods write them, these show them.
    void set_parameter_display(const char* text);
    void update_text(Widget w);
    void show_parameter_display();        // only while powered
    void show_parameter_display_power();  // always
    void set_banner_text(const char* text);
    void mark(Widget w);
    bool dirty(Widget w) const;
    bool hit(Widget w, const editor::Point& p) const;
    editor::Point panel_point(double x, double y) const;
    void set_widget_value(Widget w, float v);
    void set_focus(Widget w, bool focus);
    void toggle(Widget w);
    void begin(Control c);
    void send(Control c, float fraction);
    void end(Control c);
    bool offered(Control c, const PointerEvent& e);
    void press_knobs(const editor::Point& p, const PointerEvent& e);
    void double_click_knobs(bool* any);
    void set_ui_size(float u);

    const editor::EditorBuild& build_;
    EditSink& sink_;
    ViewSurface& surface_;
    std::unique_ptr<AFX_engine> engine_;
    std::unique_ptr<AFX_font_engine> font_;
    std::unique_ptr<Widgets> w_;
    editor::BannerClock clock_;
    std::mutex draw_mutex_;  // GUICS

    int width_ = 0, height_ = 0;
    int x_pos_ = 0, y_pos_ = 0;
    float mag_ = 1.0f;
    double backing_scale_ = 1.0;
    float ui_size_ = 0.0f;
    bool desaturate_ = false;
    bool resize_drag_ = false;
    bool editor_dirty_ = false;
    bool gui_update_required_ = false;
    char parameter_display_[editor::kValueTextMax] = {};
    char banner_text_[editor::kValueTextMax] = {};

    afx_image* main_ = nullptr;  // view pixmap
    afx_image* surf_ = nullptr;  // panel pixmap
    afx_pixbuf surf_pixbuf_{};   // the same memory, for the widgets
};

}  // namespace vlt::mac
