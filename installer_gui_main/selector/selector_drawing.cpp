// The selector's static content, drawn once unscaled into the backing
// buffer: title, frames, label, scroller, buttons and the path field.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "afx/core/afx_font_engine.h"
#include "selector_window.h"

namespace {

constexpr widget_rgb kFrame{128, 128, 128}, kMarker{255, 176, 0}, kLabel{218, 120, 4};
constexpr int kFieldTop = 48, kFieldBottom = 64, kFieldLeft = 64, kFieldRight = 624, kBaseline = 61;
// The field shows some 190 glyphs at most; measuring and drawing stop
// after 1024 characters, so only a path's tail is handed on.
constexpr size_t kPathTail = 1000;

void frame_rect(afx_pixbuf* b, int x1, int y1, int x2, int y2, const widget_rgb& c)
{
    AFX_drawing::draw_horiz_line_to_pixbuf(b, x1, y1, x2, y1, c.r, c.g, c.b, 255);
    AFX_drawing::draw_horiz_line_to_pixbuf(b, x1, y2, x2, y2, c.r, c.g, c.b, 255);
    AFX_drawing::draw_vert_line_to_pixbuf(b, x1, y1, x1, y2, c.r, c.g, c.b, 255);
    AFX_drawing::draw_vert_line_to_pixbuf(b, x2, y1, x2, y2, c.r, c.g, c.b, 255);
}

const char* path_tail(const char* path)
{
    const size_t n = strlen(path);
    if (n <= kPathTail)
        return path;
    const char* p = path + n - kPathTail;
    while (*p && (static_cast<unsigned char>(*p) & 0xC0) == 0x80)
        ++p;  // start on a whole character
    return p;
}

}  // namespace

void CSelectorWindow::draw_title(afx_pixbuf* b) const
{
    const char* title = title_ ? title_ : "";
    const int tw = font_->get_string_length_in_pxls(title), th = font_->get_string_height_in_pxls(title);
    // A title wider than the window would put the box and marker outside
    // the buffer (the primitives do not clip): keep them inside, clip the text.
    const int c = std::max(0, (580 - tw) / 2);
    const int box_w = std::min(tw + 28, kWindowWidth - (c + 16));
    AFX_drawing::afxline_block_fill_to_pixbuf(b, c + 16, 24 - (th + 8) / 2, box_w, th + 8, 46, 46, 46);
    for (int n = 28; n >= 21; --n)
        AFX_drawing::draw_horiz_line_to_pixbuf(b, c + 26 - (28 - n), n, c + 54 - n, n, kMarker.r, kMarker.g,
                                               kMarker.b, 255);
    font_->draw_clipped_string_to_pixbufL(b, title, (588 - tw) / 2 + 36, th / 2 + 24, -1, b->height, -1,
                                          b->width, 255, 255, 255, 255);
}

void CSelectorWindow::draw_frames(afx_pixbuf* b) const
{
    frame_rect(b, 16, kFieldTop, 624, kFieldBottom, kFrame);
    frame_rect(b, 16, 80, 624, shape_.list_bottom, kFrame);
    font_->draw_string_to_pixbuf(b, "File: ", 19, kBaseline, kLabel.r, kLabel.g, kLabel.b, 100);
    AFX_drawing::draw_vert_line_to_pixbuf(b, kFieldLeft, kFieldTop, kFieldLeft, kFieldBottom, kFrame.r,
                                          kFrame.g, kFrame.b, 255);
}

void CSelectorWindow::reset_viewport_geometry()
{
    const float m = magnification_;
    const int x = static_cast<int>(18 * m), y = static_cast<int>(82 * m);
    viewport_.set_x_pos(x);
    viewport_.set_y_pos(y);
    viewport_.set_port_x_size(static_cast<int>(606 * m + 0.5f) - x);
    viewport_.set_port_y_size(static_cast<int>(shape_.viewport_bottom * m + 0.5f) - y);
    viewport_.set_x_size(static_cast<int>(606 * m + 0.5f) - x);
    viewport_.set_y_size(static_cast<int>(shape_.viewport_bottom * m + 0.5f) - y);
    viewport_.set_port_x_pos(0);
    viewport_.set_port_y_pos(0);
    viewport_.set_x_value(0);
    viewport_.set_y_value(0.0f);
}

void CSelectorWindow::set_up_buttons()
{
    struct spec {
        CWireFramePushButton& b;
        int x;
        const char* caption;
        widget_rgb highlight, text, lit_text;
    };
    const spec buttons[] = {{ok_button_, 16, "OK", {255, 178, 0}, {255, 178, 0}, {0, 0, 0}},
                            {cancel_button_, 96, "CANCEL", {128, 0, 0}, {128, 128, 128}, {255, 255, 255}}};
    for (const spec& s : buttons) {
        s.b.set_x_pos(s.x);
        s.b.set_y_pos(shape_.buttons_y);
        s.b.set_x_size(64);
        s.b.set_y_size(16);
        s.b.set_button_text(s.caption);
        s.b.set_background_colour(0, 0, 0);
        s.b.set_frame_colour(kFrame.r, kFrame.g, kFrame.b);
        s.b.set_highlight_colour(s.highlight.r, s.highlight.g, s.highlight.b);
        s.b.set_text_colour(s.text.r, s.text.g, s.text.b);
        s.b.set_text_highlight_colour(s.lit_text.r, s.lit_text.g, s.lit_text.b);
        s.b.set_state(false);
        s.b.undraw_pushbutton(backing_);
        s.b.draw_pushbutton(backing_);
    }
}

void CSelectorWindow::draw_file_selector(afx_pixbuf* buffer)
{
    backing_ = buffer;
    AFX_drawing::afxline_block_fill_to_pixbuf(buffer, 0, 0, buffer->width, buffer->height, 0, 0, 0);
    draw_title(buffer);
    draw_frames(buffer);

    scroller_.set_x_position(608);
    scroller_.set_y_position(80);
    scroller_.set_x_size(16);
    scroller_.set_y_size(shape_.scroller_height);
    scroller_.set_frame_colour(128, 128, 128, 255);
    scroller_.set_handle_colour(255, 178, 0, 175);
    scroller_.set_background_colour(0, 0, 0);
    reset_viewport_geometry();

    if (char* cwd = getcwd(nullptr, 0)) {
        draw_path_onto_text_entry(cwd);
        std::free(cwd);
    }
    scroller_.set_scroller_scale(100.0f);
    scroller_.set_scroller_value(0.0f);
    scroller_.undraw_scroller(buffer);
    scroller_.draw_scroller(buffer);
    set_up_buttons();
    draw_extra_widgets(buffer);
}

void CSelectorWindow::draw_path_onto_text_entry(const char* path)
{
    if (!backing_ || !path)
        return;
    AFX_drawing::afxline_block_fill_to_pixbuf(backing_, 65, 49, 559, 15, 0, 0, 0);
    const char* shown = path_tail(path);
    const int right = std::min(font_->get_string_length_in_pxls(shown) + 67, kFieldRight);
    font_->draw_clipped_string_to_pixbufR(backing_, shown, right, kBaseline, kFieldTop, kFieldBottom,
                                          kFieldLeft, kFieldRight, 255, 255, 255, 1024);
    queue_widget_box(engine_, window_, widget_box{16, kFieldTop, 608, kFieldBottom - kFieldTop},
                     magnification_);
}
