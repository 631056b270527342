#include "text_entry.h"

#include <cstring>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"
#include "secret_text.h"

namespace {

constexpr uint32_t kBackSpace = 0xff08, kDelete = 0xffff, kReturn = 0xff0d;

// Drops a UTF-8 sequence left incomplete at the end of text[0..len).
size_t trim_partial_sequence(const char* text, size_t len)
{
    size_t lead = len;
    while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead == 0)
        return len;
    const unsigned char c = static_cast<unsigned char>(text[lead - 1]);
    if (c < 0xC0)
        return len;  // plain byte or stray continuation bytes: keep
    const size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    return len - (lead - 1) < need ? lead - 1 : len;
}

}  // namespace

void CTextEntry::set_text(const char* text)
{
    text_[0] = 0;
    const size_t n = append_printable(text_, kCapacity, text);
    text_[trim_partial_sequence(text_, n)] = 0;
}

void CTextEntry::add_character(char ch)
{
    const char one[2] = {ch, 0};
    append_printable(text_, kCapacity, one);
}

bool CTextEntry::send_keypress(uint32_t keysym, const char* key_text)
{
    if (!focus_)
        return false;
    if (keysym == kBackSpace || keysym == kDelete) {
        remove_last_character(font_, text_);
        return false;
    }
    if (keysym == kReturn)
        return true;
    // A key's text goes in whole or not at all, so no character is cut.
    char key[kCapacity] = {};
    const size_t n = append_printable(key, sizeof key, key_text);
    const size_t len = strlen(text_);
    if (len + n < kCapacity) {
        memcpy(text_ + len, key, n);
        text_[len + n] = 0;
    }
    return false;
}

void CTextEntry::queue_text_entry(int window) { queue_widget_box(engine_, window, box_, magnification_); }

void CTextEntry::undraw_text_entry(afx_pixbuf* buf) const { fill_widget_box(buf, box_, background_); }

void CTextEntry::draw_text_entry(afx_pixbuf* buf) const
{
    const int c = cursor_column(box_, font_ ? font_->get_string_length_in_pxls(text_) : 0);
    const int baseline = box_.y + box_.height / 2 + 5;
    const widget_rgb& t = focus_ ? focus_colour_ : normal_colour_;
    if (font_)
        font_->draw_clipped_string_to_pixbufR(buf, text_, c, baseline, box_.y, box_.y + box_.height, box_.x,
                                              box_.x + box_.width, t.r, t.g, t.b, kCapacity);
    draw_text_cursor(buf, c, baseline, cursor_);
}
