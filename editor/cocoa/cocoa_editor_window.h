#pragma once
// The Cocoa window glue, sibling of X11EditorWindow and Win32EditorWindow
// with the same surface (EditorGlue): the shared editor core and panel
// behind a macOS view. It owns the view's own engines, the panel drawn into
// the 144 x 510 panel pixmap and the view pixmap at view size x backing
// scale; it hands the core the view's pointer events in view points and
// turns the panel's redraws into invalidations of the view (ViewSurface).
// Each build's Objective-C view class is a thin shell around one of these
// (class names are process-wide, so the shells carry the build's name and
// this stays C++); the format's EditorHost takes the edits.
//
// Everything runs on the main thread; draw_lock() guards the view pixmap
// and the view size between a resize and drawRect:.
#include <memory>
#include <mutex>
#include <type_traits>

#include "afx/cocoa/afx_engine_cocoa.h"
#include "cocoa/cocoa_view_surface.h"
#include "editor_core.h"
#include "editor_glue.h"
#include "panel_view.h"

class AFX_font_engine;

namespace vlt::editor {

class CocoaEditorWindow final : public EditorGlue {
public:
    // The view's frame in points and the screen's backing scale (see
    // usable_backing_scale). Builds the widgets and shows the version text.
    CocoaEditorWindow(const EditorBuild& build, EditorHost& host, ViewSurface& surface, double frame_width,
                      double frame_height, double backing_scale);
    ~CocoaEditorWindow();
    CocoaEditorWindow(const CocoaEditorWindow&) = delete;
    CocoaEditorWindow& operator=(const CocoaEditorWindow&) = delete;

    // Below 1 or above 2 the scale is taken as 1.
    static double usable_backing_scale(double scale);

    // --- EditorGlue --------------------------------------------------------
    // Draws the panel and opens the core; a parent view takes the view in
    // (0: the host embeds it). The view's shell starts its timer after.
    bool open(afx_sys_window parent) override;
    // The core closed; the view's shell has stopped its timer.
    void close() override { core_.set_open(false); }
    bool is_open() const override { return core_.is_open(); }
    void queue(const Rect& r) override { surface_.invalidate(r.x, r.y, r.w, r.h); }
    void queue_all() override { surface_.invalidate_all(); }
    // The core's resize: the view, its pixmap and its frame follow.
    void resize(const EditorSize& from, const EditorSize& to) override;
    const EditorSize& size() const override { return core_.size(); }
    // One tick of the view's 20 ms timer.
    void tick() override { core_.gui_update_tick(); }

    // --- creation ------------------------------------------------------------
    void set_scale(float scale);  // magnification and the panel's x origin
    // --- drawRect: ------------------------------------------------------------
    std::mutex& draw_lock() { return draw_mutex_; }
    // One rectangle being drawn, view points; the caller holds draw_lock().
    void draw_rect(CGContext* context, double x, double y, double w, double h);
    // --- sizes ------------------------------------------------------------------
    void apply_ui_size();  // view size, pixmap and frame from the UI size
    void backing_scale_changed(double scale);
    // A frame the host chose (builds without a UI size): the panel is
    // magnified to fit the smaller ratio and centred horizontally.
    void set_frame_size(double width, double height);
    // --- input (view points; see PointerEvent) ---------------------------------
    void press(const PointerEvent& e);
    void drag(const PointerEvent& e);
    void release(const PointerEvent& e);  // a click count of 2 is a double click
    // delta_y: the wheel's vertical delta, already corrected for inverted
    // scrolling; 0 does nothing.
    void wheel(const PointerEvent& e, double delta_y);
    // --- from the host -----------------------------------------------------
    // Fractions as EditorHost's. Dropped while the user holds that control;
    // the widget is redrawn at once. The UI size is only stored.
    void host_value(Control control, float fraction) { core_.host_value(control, fraction); }

    // --- state -------------------------------------------------------------
    int width() const { return core_.size().width; }
    int height() const { return core_.size().height; }
    int x_pos() const { return core_.size().x_offset; }
    int y_pos() const { return core_.size().y_offset; }
    float magnification() const { return core_.size().content_scale; }
    double backing_scale() const { return backing_scale_; }
    float ui_size() const { return core_.ui_size(); }
    bool mono() const { return core_.mono(); }
    bool resize_dragging() const { return core_.resize_active(); }
    int banner_ticks() const { return core_.banner_ticks(); }
    const char* banner_text() const { return panel_.banner_text(); }  // what the banner shows
    float value(Widget w) const { return panel_.value(w); }           // 0..99; 0 for widgets this build lacks
    bool focused(Widget w) const { return core_.focused(w); }
    bool power_on() const { return core_.power_on(); }
    afx_image* panel_pixmap() const { return surf_; }  // null before start()
    afx_image* view_pixmap() const { return main_; }
    AFX_engine& engine() { return *engine_; }
    const EditorBuild& build() const { return core_.build(); }
    CEditorCore& core() { return core_; }

private:
    void make_view_pixmap();
    void set_geometry(const EditorSize& size);  // under draw_lock()

    ViewSurface& surface_;
    std::unique_ptr<AFX_engine> engine_;
    std::unique_ptr<AFX_font_engine> font_;
    CPanelView panel_;
    CEditorCore core_;
    std::mutex draw_mutex_;  // GUICS

    // What drawRect: reads; a copy of the core's size made under draw_lock().
    EditorSize shown_{};
    double backing_scale_ = 1.0;

    afx_image* main_ = nullptr;  // view pixmap
    afx_image* surf_ = nullptr;  // panel pixmap
    afx_pixbuf surf_pixbuf_{};   // the same memory, the panel's target
};

// The window surface every glue fills, whole.
static_assert(std::is_base_of_v<EditorGlue, CocoaEditorWindow> && !std::is_abstract_v<CocoaEditorWindow>);

}  // namespace vlt::editor
