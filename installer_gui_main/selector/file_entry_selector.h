// A file chooser with a typed file name: the path field is a text entry
// that clicks fill and keys edit; Return or OK hands back its text.
#pragma once

#include "load_file_selector.h"
#include "text_entry.h"

class CFileEntrySelector : public CLoadFileSelector {
public:
    CFileEntrySelector(AFX_engine* engine, AFX_font_engine* font);

    void draw_path_onto_text_entry(const char* path) override;
    void key_press_handler(const char* text, uint32_t keysym);
    const CTextEntry& entry() const { return entry_; }

protected:
    char* ok_result() override;
    void register_extra_callbacks(int index) override;
    void draw_extra_widgets(afx_pixbuf* buffer) override;

private:
    void redraw_entry();

    CTextEntry entry_;
};
