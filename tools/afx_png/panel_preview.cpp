#include "panel_preview.h"

#include "afx_artwork.h"
#include "afx_banner.h"
#include "afx_font_engine.h"
#include "afx_rotary.h"
#include "afx_widgets.h"

#include <memory>

namespace {

using D = AFX_drawing;

struct owned_image {
    afx_pixbuf* p;
    explicit owned_image(const uint8_t* stream) : p(D::afx_pixbuf_new_from_inline(stream, 0)) {}
    ~owned_image() { D::afx_pixbuf_destroy(p); }
};

struct knob_place {
    int x, y;
    float value, detent;
};
constexpr knob_place kKnobs[6] = {{101, 109, 33, 33}, {48, 155, 60, 0}, {48, 215, 35, 0},
                                  {48, 275, 45, 0},   {48, 335, 30, 0}, {101, 381, 25, 0}};

void place_button(CPushButtonLatchingObject& b, afx_pixbuf* strip, afx_pixbuf* panel, int x, int y, int w,
                  int h, int oy, float value)
{
    b.set_front_panel_pixbuf(panel);
    b.set_pushbutton_latching_pixbuf(strip);
    b.set_pushbutton_latching_size_x(w);
    b.set_pushbutton_latching_size_y(h);
    b.set_pushbutton_latching_pos_x(x);
    b.set_pushbutton_latching_pos_y(y);
    b.set_pushbutton_latching_nframes(2);
    b.set_offset_y(oy);
    b.set_pushbutton_latching_value(value);
}

}  // namespace

afx_pixbuf* afx_preview_panel(const char* banner_text, float meter_value)
{
    owned_image panel(afx_art_front_panel), knob(afx_art_knob_strip), sw(afx_art_effect_switch),
        meter_img(afx_art_meter_strip), status(afx_art_status_button), left(afx_art_left_button),
        right(afx_art_right_button);
    afx_pixbuf* content = D::afx_pixbuf_new_with_allocation(144, 510, 0);
    D::afxline_block_fill_to_pixbuf(content, 0, 0, 144, 16, 22, 22, 24);

    CFrontPanelObject front(nullptr);
    front.set_front_panel_pixbuf(panel.p);
    front.set_front_panel_width(144);
    front.set_front_panel_height(494);
    front.set_front_panel_offset_y(16);
    front.draw_front_panel(content);

    CPushButtonLatchingObject buttons[4] = {
        CPushButtonLatchingObject(nullptr), CPushButtonLatchingObject(nullptr),
        CPushButtonLatchingObject(nullptr), CPushButtonLatchingObject(nullptr)};
    place_button(buttons[0], sw.p, panel.p, 72, 421, 44, 20, 16, 99);
    place_button(buttons[1], status.p, panel.p, 54, 8, 32, 16, 0, 0);
    place_button(buttons[2], left.p, panel.p, 90, 8, 32, 16, 0, 0);
    place_button(buttons[3], right.p, panel.p, 124, 8, 32, 16, 0, 0);
    for (auto& b : buttons)
        b.draw_pushbutton_latching(content);

    for (const knob_place& k : kKnobs) {
        CRotaryControlObject r(nullptr);
        r.set_front_panel_pixbuf(panel.p);
        r.set_rotary_control_pixbuf(knob.p);
        r.set_rotary_control_size_x(48);
        r.set_rotary_control_size_y(48);
        r.set_rotary_control_pos_x(k.x);
        r.set_rotary_control_pos_y(k.y);
        r.set_rotary_control_nframes(39);
        r.set_detent_value(k.detent);
        r.set_offset_y(16);
        r.set_rotary_control_value(k.value);
        r.draw_rotary_control(content);
    }

    CBarMeterObject meter(nullptr);
    meter.set_front_panel_pixbuf(panel.p);
    meter.set_bar_meter_pixbuf(meter_img.p);
    meter.set_bar_meter_size_x(32);
    meter.set_bar_meter_size_y(119);
    meter.set_bar_meter_pos_x(101);
    meter.set_bar_meter_pos_y(240);
    meter.set_offset_y(16);
    meter.set_bar_meter_value(meter_value);
    meter.draw_bar_meter(content);

    AFX_font_engine font(nullptr);
    CBannerObject banner(nullptr, &font);
    banner.set_offset_y(16);
    banner.set_x_pos(18);
    banner.set_y_pos(42);
    banner.set_x_size(108);
    banner.set_y_size(16);
    banner.set_max_chars(64);
    banner.enable_frame(false);
    banner.set_bold(false);
    banner.set_colour(218, 120, 4);
    banner.init_banner(0);
    banner.set_text(banner_text);
    banner.draw_banner(content);
    return content;
}
