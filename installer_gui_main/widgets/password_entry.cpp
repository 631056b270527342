#include "password_entry.h"

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"
#include "secret_text.h"

namespace {
constexpr uint32_t kBackSpace = 0xff08, kDelete = 0xffff, kReturn = 0xff0d;
}

void CPasswordEntry::clear_text() { wipe_text(text_, sizeof text_); }

void CPasswordEntry::set_text(const char* text)
{
    clear_text();
    append_printable(text_, sizeof text_, text);
}

void CPasswordEntry::add_character(char ch)
{
    const char one[2] = {ch, 0};
    append_printable(text_, sizeof text_, one);
}

bool CPasswordEntry::send_keypress(uint32_t keysym, const char* key_text)
{
    if (hidden_ || !focus_)
        return false;
    if (keysym == kBackSpace || keysym == kDelete) {
        remove_last_character(font_, text_);
        return false;
    }
    if (keysym == kReturn)
        return true;
    append_printable(text_, sizeof text_, key_text);
    return false;
}

void CPasswordEntry::queue_password_entry(int window)
{
    queue_widget_box(engine_, window, box_, magnification_);
}

void CPasswordEntry::undraw_password_entry(afx_pixbuf* buf) const
{
    if (hidden_)
        return;
    fill_widget_box(buf, box_, background_);
}

void CPasswordEntry::draw_password_entry(afx_pixbuf* buf) const
{
    if (hidden_)
        return;
    const int c = cursor_column(box_, font_ ? font_->get_hid_string_length_in_pxls(text_) : 0);
    const int baseline = box_.y + box_.height / 2 + 5;
    const widget_rgb& t = focus_ ? focus_colour_ : normal_colour_;
    if (font_)
        font_->draw_hid_clipped_string_to_pixbufR(buf, text_, c, baseline, box_.y, box_.y + box_.height,
                                                  box_.x, box_.x + box_.width, t.r, t.g, t.b, kCapacity);
    draw_text_cursor(buf, c, baseline, cursor_);
    draw_open_corner_frame(buf, box_, frame_);
}
