#include "text_entry.h"

#include <cstring>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"

namespace {

constexpr uint32_t kBackSpace = 0xff08, kDelete = 0xffff, kReturn = 0xff0d;

bool is_control(unsigned char c) { return c < 0x20 || c == 0x7f; }

// Drops a UTF-8 sequence left incomplete at the end of text[0..len).
size_t trim_partial_sequence(const char* text, size_t len) {
  size_t lead = len;
  while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) --lead;
  if (lead == 0) return len;
  const unsigned char c = static_cast<unsigned char>(text[lead - 1]);
  if (c < 0xC0) return len;  // plain byte or stray continuation bytes: keep
  const size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
  return len - (lead - 1) < need ? lead - 1 : len;
}

// The printable bytes of text, at most `room` of them; 0 for null.
size_t printable_into(char* out, size_t room, const char* text) {
  size_t n = 0;
  for (const char* p = text; p && *p && n < room; ++p)
    if (!is_control(static_cast<unsigned char>(*p))) out[n++] = *p;
  return n;
}

}  // namespace

void CTextEntry::set_text(const char* text) {
  const size_t n = printable_into(text_, kCapacity - 1, text);
  text_[trim_partial_sequence(text_, n)] = 0;
}

void CTextEntry::add_character(char ch) {
  const size_t len = strlen(text_);
  if (len + 1 >= kCapacity || ch == 0 || is_control(static_cast<unsigned char>(ch))) return;
  text_[len] = ch;
  text_[len + 1] = 0;
}

bool CTextEntry::send_keypress(uint32_t keysym, const char* key_text) {
  if (!focus_) return false;
  if (keysym == kBackSpace || keysym == kDelete) {
    const size_t n = strlen(text_);
    // The font engine leaves a text that fills the whole size it is given
    // alone, which would make a full entry impossible to shorten: give it
    // the text's own length with room for the end.
    if (font_) font_->remove_char(text_, static_cast<int>(n) + 2);
    else if (n) text_[n - 1] = 0;
    return false;
  }
  if (keysym == kReturn) return true;
  char key[kCapacity];
  const size_t n = printable_into(key, sizeof key - 1, key_text);
  const size_t len = strlen(text_);
  if (len + n < kCapacity) {
    memcpy(text_ + len, key, n);
    text_[len + n] = 0;
  }
  return false;
}

void CTextEntry::queue_text_entry(int window) { queue_widget_box(engine_, window, box_, magnification_); }

void CTextEntry::undraw_text_entry(afx_pixbuf* buf) const { fill_widget_box(buf, box_, background_); }

void CTextEntry::draw_text_entry(afx_pixbuf* buf) const {
  const int c = cursor_column(box_, font_ ? font_->get_string_length_in_pxls(text_) : 0);
  const int baseline = box_.y + box_.height / 2 + 5;
  const widget_rgb& t = focus_ ? focus_colour_ : normal_colour_;
  if (font_)
    font_->draw_clipped_string_to_pixbufR(buf, text_, c, baseline, box_.y, box_.y + box_.height, box_.x,
                                          box_.x + box_.width, t.r, t.g, t.b, kCapacity);
  draw_text_cursor(buf, c, baseline, cursor_);
}
