#include "cocoa/cocoa_editor_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "afx_font_engine.h"

namespace vlt::editor {

namespace {

constexpr Widget kKnobs[kKnobCount] = {kInGainKnob,  kThresholdKnob, kAttackKnob,
                                       kReleaseKnob, kRatioKnob,     kMakeupKnob};

int to_int(double v) { return static_cast<int>(v); }

}  // namespace

double CocoaEditorWindow::usable_backing_scale(double scale)
{
    return (scale < 1.0 || scale > 2.0 || !std::isfinite(scale)) ? 1.0 : scale;
}

CocoaEditorWindow::CocoaEditorWindow(const EditorBuild& build, EditorHost& host, ViewSurface& surface,
                                     double frame_width, double frame_height, double backing_scale)
    : surface_(surface), engine_(new AFX_engine), font_(new AFX_font_engine(engine_.get())),
      panel_(engine_.get(), font_.get()), core_(build, host, panel_)
{
    panel_.attach(core_, *this);
    EditorSize size{};
    size.width = to_int(frame_width + 0.5);
    size.height = to_int(frame_height + 0.5);
    size.content_scale = 1.0f;
    core_.set_size(size, 1.0f);
    shown_ = size;
    cocoa_ext(*engine_).afx_set_view_dimensions(kPanelWidth, kPanelHeight);
    backing_scale_ = build.follows_backing_scale ? usable_backing_scale(backing_scale) : 1.0;
    std::printf("** INFO ** %s: Using retinaDisplayScale of %f\n", build.log_name, backing_scale_);
    panel_.create_gui_objects(0);
    panel_.init_widgets(0);
    // The view starts from its layout's values: the knobs on their detents,
    // the effect switch out, until the host's values arrive.
    for (Widget k : kKnobs)
        core_.set_control(knob_control(k), place(*build.layout, k).detent / kKnobMax);
    core_.set_control(Control::kEffect, 0.0f);
    core_.set_widgets_ready();
    core_.init_editor();
    panel_.show_values();
}

CocoaEditorWindow::~CocoaEditorWindow()
{
    core_.set_open(false);
    panel_.cleanup_gui_objects();
    engine_->afx_pixmap_destroy(main_);
    engine_->afx_pixmap_destroy(surf_);
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
    resize(core_.size(), s);
}

void CocoaEditorWindow::resize(const EditorSize&, const EditorSize& to)
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

// --- the panel pixmap ------------------------------------------------------------------

bool CocoaEditorWindow::open(afx_sys_window parent)
{
    {
        std::lock_guard<std::mutex> lock(draw_mutex_);
        if (!main_)
            make_view_pixmap();
    }
    if (!surf_) {
        surf_ = engine_->afx_pixmap_create_fixed(kPanelWidth, kPanelHeight, 0, 0, 0, 20, 1, 8, 1);
        surf_pixbuf_ = afx_pixmap_as_pixbuf(*surf_);
        panel_.set_target(&surf_pixbuf_);
    }
    panel_.draw_panel();
    core_.set_open(true);
    surface_.invalidate_all();
    if (parent)
        surface_.embed(parent);
    return true;
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
