#include "afx_banner.h"

#include "afx_font_engine.h"
#include "vlt_build_variant.h"

#include <algorithm>

namespace {
constexpr int kPenX = 8;     // text starts 2 pixels inside the window at scroll 0
constexpr int kWindowX = 6;  // first text-buffer column shown at scroll 0
// The macOS views show the buffer from row 0.
constexpr bool kShowFromTop = kVltVariant == vlt_variant::macos_build;
}  // namespace

CBannerObject::CBannerObject(AFX_engine* engine, AFX_font_engine* font) : engine_(engine), font_(font) {}

CBannerObject::~CBannerObject() { AFX_drawing::afx_pixbuf_destroy_with_allocation(text_); }

void CBannerObject::init_banner(int window)
{
    const int glyph_w = font_->get_glyph_max_width();
    text_width_ = glyph_w * max_chars_ > x_size_ ? glyph_w * max_chars_ : x_size_ + glyph_w;
    // A wider re-initialisation needs a wider buffer, or rendering and
    // showing would run past the old one.
    if (initialised_ && text_ && text_->width >= text_width_)
        return;
    const int height = 2 * font_->get_glyph_max_height();
    AFX_drawing::afx_pixbuf_destroy_with_allocation(text_);
    text_ = AFX_drawing::afx_pixbuf_new_with_allocation(text_width_, height, window);
    if (!initialised_) {
        baseline_ = font_->get_glyph_max_height();
        frame_top_ = std::max(font_->get_glyph_max_height() - font_->get_glyphs_top(), 0);
    }
    initialised_ = true;
}

void CBannerObject::set_colour(int r, int g, int b)
{
    colour_[0] = r, colour_[1] = g, colour_[2] = b;
    font_->set_foreground_rgb(r, g, b);
}

void CBannerObject::set_text(const char* text)
{
    if (!text_)
        return;
    AFX_drawing::afxline_block_fill_to_pixbuf(text_, 0, 0, text_->width, text_->height, 0, 0, 0);
    if (bold_) {
        auto shade = [](int c) { return static_cast<int>(c / 2.5 + 0.5); };
        font_->set_foreground_rgb(shade(colour_[0]), shade(colour_[1]), shade(colour_[2]));
        font_->draw_string(text_, text, kPenX + 1, baseline_, max_chars_);
        font_->set_foreground_rgb(colour_[0], colour_[1], colour_[2]);
    }
    font_->draw_string(text_, text, kPenX, baseline_, max_chars_);
    if (frame_)
        draw_frame();
}

void CBannerObject::draw_frame()
{
    const int* c = frame_colour_;
    const int top = frame_top_, bottom = frame_top_ + y_size_ - 1, right = x_size_ - 1;
    AFX_drawing::draw_horiz_line_to_pixbuf(text_, 1, top, x_size_ - 2, top, c[0], c[1], c[2], 255);
    AFX_drawing::draw_vert_line_to_pixbuf(text_, 0, top + 1, 0, bottom - 1, c[0], c[1], c[2], 255);
    AFX_drawing::draw_horiz_line_to_pixbuf(text_, 1, bottom, x_size_ - 2, bottom, c[0], c[1], c[2], 255);
    AFX_drawing::draw_vert_line_to_pixbuf(text_, right, top + 1, right, bottom - 1, c[0], c[1], c[2], 255);
    for (int x : {0, right})
        for (int y : {top, bottom})
            AFX_drawing::plot_pixel_to_pixbuf(text_, x, y, c[0] >> 1, c[1] >> 1, c[2] >> 1, 255);
}

void CBannerObject::get_invalid_area(int* x, int* y, int* w, int* h) const
{
    *x = offset_x_ + x_pos_, *y = offset_y_ + y_pos_, *w = x_size_, *h = y_size_;
}

bool CBannerObject::test_banner_clicked(int x, int y) const
{
    const int left = offset_x_ + x_pos_, top = offset_y_ + y_pos_;
    return left <= x && x <= left + x_size_ && top <= y && y <= top + y_size_;
}

void CBannerObject::undraw_banner(afx_pixbuf* target)
{
    AFX_drawing::afx_pixbuf_copy(panel_, target, x_pos_, y_pos_, offset_x_ + x_pos_, offset_y_ + y_pos_,
                                 x_size_, y_size_);
}

void CBannerObject::draw_banner(afx_pixbuf* target)
{
    if (!text_)
        return;
    // At the largest scroll the window would reach 6 columns past the
    // buffer: keep the copy inside it.
    const int row = kShowFromTop ? 0 : frame_top_;
    const int width = std::min(x_size_, text_->width);
    const int height = std::min(y_size_, text_->height - row);
    const int col = std::clamp(scroll_ + kWindowX, 0, text_->width - width);
    AFX_drawing::afx_combine_pixbuf_fixed(text_, target, col, row, offset_x_ + x_pos_, offset_y_ + y_pos_,
                                          width, height);
}

void CBannerObject::update_right()
{
    if (x_size_ + scroll_ < text_width_)
        ++scroll_;
}

void CBannerObject::update_left()
{
    if (scroll_ > 0)
        --scroll_;
}

void CBannerObject::update_banner_position(int delta)
{
    scroll_ = std::min(std::max(scroll_ - delta, 0), text_width_ - x_size_);
}
