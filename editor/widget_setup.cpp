#include "widget_setup.h"

namespace vlt::editor {

namespace {

constexpr int kBannerMaxChars = 64;
constexpr int kBannerColour[3] = {218, 120, 4};

}  // namespace

void setup_front_panel(CFrontPanelObject* w, const WidgetPlace& p, afx_pixbuf* panel)
{
    w->set_front_panel_pixbuf(panel);
    w->set_front_panel_width(p.size_x);
    w->set_front_panel_height(p.size_y);
    w->set_front_panel_offset_x(p.offset_x);
    w->set_front_panel_offset_y(p.offset_y);
}

void setup_knob(CRotaryControlObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* strip)
{
    w->set_front_panel_pixbuf(panel);
    w->set_rotary_control_pixbuf(strip);
    w->set_rotary_control_size_x(p.size_x);
    w->set_rotary_control_size_y(p.size_y);
    w->set_rotary_control_pos_x(p.pos_x);
    w->set_rotary_control_pos_y(p.pos_y);
    w->set_rotary_control_pad_left(0);
    w->set_rotary_control_pad_top(0);
    w->set_rotary_control_nframes(p.frames);
    w->set_rotary_control_focus_x(p.focus_x);
    w->set_rotary_control_focus_y(p.focus_y);
    w->set_rotary_control_has_focus(false);
    w->set_detent_value(p.detent);
    w->set_offset_x(p.offset_x);
    w->set_offset_y(p.offset_y);
}

void setup_button(CPushButtonLatchingObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* strip)
{
    w->set_front_panel_pixbuf(panel);
    w->set_pushbutton_latching_pixbuf(strip);
    w->set_pushbutton_latching_size_x(p.size_x);
    w->set_pushbutton_latching_size_y(p.size_y);
    w->set_pushbutton_latching_pos_x(p.pos_x);
    w->set_pushbutton_latching_pos_y(p.pos_y);
    w->set_pushbutton_latching_pad_left(0);
    w->set_pushbutton_latching_pad_top(0);
    w->set_pushbutton_latching_nframes(p.frames);
    w->set_pushbutton_latching_focus_x(p.focus_x);
    w->set_pushbutton_latching_focus_y(p.focus_y);
    w->set_pushbutton_latching_has_focus(false);
    w->set_offset_x(p.offset_x);
    w->set_offset_y(p.offset_y);
}

void setup_neon(CPushButtonNeonObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* dark,
                afx_pixbuf* lit)
{
    w->set_front_panel_pixbuf(panel);
    w->set_pushbutton_neon_pixbuf1(dark);
    w->set_pushbutton_neon_pixbuf2(lit);
    w->set_pushbutton_neon_size_x(p.size_x);
    w->set_pushbutton_neon_size_y(p.size_y);
    w->set_pushbutton_neon_pos_x(p.pos_x);
    w->set_pushbutton_neon_pos_y(p.pos_y);
    w->set_pushbutton_neon_pad_left(0);
    w->set_pushbutton_neon_pad_top(0);
    w->set_pushbutton_neon_nframes(p.frames);
    w->set_pushbutton_neon_focus_x(p.focus_x);
    w->set_pushbutton_neon_focus_y(p.focus_y);
    w->set_pushbutton_neon_has_focus(false);
    w->set_offset_x(p.offset_x);
    w->set_offset_y(p.offset_y);
}

void setup_meter(CBarMeterObject* w, const WidgetPlace& p, afx_pixbuf* panel, afx_pixbuf* strip)
{
    w->set_front_panel_pixbuf(panel);
    w->set_bar_meter_pixbuf(strip);
    w->set_bar_meter_size_x(p.size_x);
    w->set_bar_meter_size_y(p.size_y);
    w->set_bar_meter_pos_x(p.pos_x);
    w->set_bar_meter_pos_y(p.pos_y);
    w->set_bar_meter_pad_left(0);
    w->set_bar_meter_pad_top(0);
    w->set_offset_x(p.offset_x);
    w->set_offset_y(p.offset_y);
}

void setup_banner(CBannerObject* w, const WidgetPlace& p, afx_pixbuf* panel, int window)
{
    w->set_front_panel_pixbuf(panel);
    w->set_value(0);
    w->set_offset_x(p.offset_x);
    w->set_offset_y(p.offset_y);
    w->set_x_pos(p.pos_x);
    w->set_y_pos(p.pos_y);
    w->set_x_size(p.size_x);
    w->set_y_size(p.size_y);
    w->set_max_chars(kBannerMaxChars);
    w->enable_frame(false);
    w->set_bold(false);
    w->set_colour(kBannerColour[0], kBannerColour[1], kBannerColour[2]);
    w->init_banner(window);
    w->set_banner_has_focus(false);
}

}  // namespace vlt::editor
