#include "file_entry_selector.h"

#include <cstdlib>
#include <cstring>

#include "afx/x11/afx_engine_x11.h"

namespace {

void key_cb(const char* text, uint32_t keysym, uint32_t, int, void* user)
{
    static_cast<CFileEntrySelector*>(user)->key_press_handler(text, keysym);
}

}  // namespace

// The entry fills the inside of the path field, right of the label.
CFileEntrySelector::CFileEntrySelector(AFX_engine* engine, AFX_font_engine* font)
    : CLoadFileSelector(engine, font), entry_(engine, font)
{
    entry_.set_text_entry_pos_x(65);
    entry_.set_text_entry_pos_y(49);
    entry_.set_text_entry_size_x(559);
    entry_.set_text_entry_size_y(15);
    entry_.set_focus_colour(255, 255, 255);
    entry_.set_normal_colour(128, 128, 128);
    entry_.set_text_entry_has_focus(true);
}

void CFileEntrySelector::redraw_entry()
{
    entry_.set_magnification(magnification_);
    if (backing_) {
        entry_.undraw_text_entry(backing_);
        entry_.draw_text_entry(backing_);
    }
    entry_.queue_text_entry(window_);
}

void CFileEntrySelector::draw_path_onto_text_entry(const char* path)
{
    entry_.set_text(path);
    redraw_entry();
}

void CFileEntrySelector::draw_extra_widgets(afx_pixbuf*) { redraw_entry(); }

char* CFileEntrySelector::ok_result() { return strdup(entry_.get_text_string()); }

void CFileEntrySelector::register_extra_callbacks(int index)
{
    if (engine_)
        x11_ext(*engine_).register_keypress_callback(index, key_cb);
}

void CFileEntrySelector::key_press_handler(const char* text, uint32_t keysym)
{
    if (entry_.send_keypress(keysym, text)) {
        finish(true, ok_result());
        return;
    }
    redraw_entry();
}
