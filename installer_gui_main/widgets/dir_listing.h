// The folder selector's list of one directory: read, sorted directories
// first in natural order, laid out in rows of 16 pixels and rendered into
// the unscaled list buffer.
#pragma once

#include "widget_box.h"

class AFX_font_engine;

struct dir_entry {
    int mode = 0;  // st_mode; a directory when bit 0x4000 is set
    char* name = nullptr;
    bool hidden = false;  // a dot-name other than "." and ".."
    bool highlighted = false;
    int x = 0, y = 0, width = 0;

    bool is_dir() const { return (mode & 0x4000) != 0; }
};

class CDirListing {
public:
    static constexpr int kMaxEntries = 4096;
    static constexpr int kListWidth = 608;

    CDirListing() = default;
    ~CDirListing() { clear(); }
    CDirListing(const CDirListing&) = delete;
    CDirListing& operator=(const CDirListing&) = delete;

    void clear();
    // Reads at most kMaxEntries names; false when the directory cannot be opened.
    bool read(const char* path);
    // Directories first, each group in natural order (a stable order, so
    // equal names keep their directory order).
    void sort();
    // Gives every shown entry its place (x 32, baselines 16, 32, ...) and width.
    void layout(const AFX_font_engine& font);
    int shown_count() const;
    int list_height(int least) const
    {
        return 16 * shown_count() + 2 > least ? 16 * shown_count() + 2 : least;
    }
    const dir_entry& entry(int i) const { return entries_[i]; }
    dir_entry& entry(int i) { return entries_[i]; }

    // Black buffer, names in white or the highlight colour, directory markers;
    // every name is clipped to the buffer, however long or tall it is.
    void render(afx_pixbuf* buf, const AFX_font_engine& font) const;
    // The entry whose row holds the unscaled point, or -1.
    int entry_at(int x, int y) const;

private:
    dir_entry entries_[kMaxEntries];
};

// The directory marker: a small triangle pointing right.
void draw_dir_icon(afx_pixbuf* buf, int x, int y);
