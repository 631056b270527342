#include "dir_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "afx/core/afx_font_engine.h"
#include "nat_string_compare.h"

namespace {

bool is_hidden_name(const char* n) { return n[0] == '.' && n[1] != '.' && n[1] != 0; }

// A name that cannot be looked at (dangling link, removed meanwhile) is
// listed as a plain file: clicking it then does nothing.
int mode_of(int dirfd, const char* name)
{
    struct stat st {};
    if (fstatat(dirfd, name, &st, 0) == 0)
        return static_cast<int>(st.st_mode);
    if (fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode))
        return static_cast<int>(st.st_mode);
    return 0;
}

}  // namespace

void CDirListing::clear()
{
    for (auto& e : entries_) {
        std::free(e.name);
        e = dir_entry{};
    }
}

bool CDirListing::read(const char* path)
{
    clear();
    DIR* d = opendir(path);
    if (!d)
        return false;
    int n = 0;
    while (n < kMaxEntries) {
        const dirent* de = readdir(d);
        if (!de)
            break;
        dir_entry& e = entries_[n++];
        e.name = strdup(de->d_name);
        e.mode = mode_of(dirfd(d), de->d_name);
        e.hidden = is_hidden_name(de->d_name);
    }
    closedir(d);
    return true;
}

void CDirListing::sort()
{
    dir_entry* end =
        std::find_if(entries_, entries_ + kMaxEntries, [](const dir_entry& e) { return !e.name; });
    std::stable_sort(entries_, end, [](const dir_entry& a, const dir_entry& b) {
        if (a.is_dir() != b.is_dir())
            return a.is_dir();
        return strnatcmp(a.name, b.name) < 0;
    });
}

void CDirListing::layout(const AFX_font_engine& font)
{
    int y = 16;
    for (auto& e : entries_) {
        if (!e.name)
            break;
        if (e.hidden)
            continue;
        e.x = 32;
        e.y = y;
        e.width = font.get_string_length_in_pxls(e.name);
        y += 16;
    }
}

int CDirListing::shown_count() const
{
    int n = 0;
    for (const auto& e : entries_) {
        if (!e.name)
            break;
        n += e.hidden ? 0 : 1;
    }
    return n;
}

void draw_dir_icon(afx_pixbuf* buf, int x, int y)
{
    for (int i = 0; i <= 3; ++i)
        AFX_drawing::draw_vert_line_to_pixbuf(buf, x + 10 - i, y + 8 - i, x + 10 - i, y + 8 + i, 255, 176, 0,
                                              175);
}

void CDirListing::render(afx_pixbuf* buf, const AFX_font_engine& font) const
{
    AFX_drawing::afxline_block_fill_to_pixbuf(buf, 0, 0, buf->width, buf->height, 0, 0, 0);
    for (const auto& e : entries_) {
        if (!e.name)
            break;
        if (e.hidden)
            continue;
        const widget_rgb c = e.highlighted ? widget_rgb{218, 120, 4} : widget_rgb{255, 255, 255};
        font.draw_clipped_string_to_pixbufL(buf, e.name, e.x, e.y, 0, buf->height, 0, buf->width, c.r, c.g,
                                            c.b, 80);
        // The marker spans rows y - 8 .. y - 2 and columns 23 .. 26.
        if (e.is_dir() && e.y - 8 >= 0 && e.y - 2 < buf->height)
            draw_dir_icon(buf, 16, e.y - 13);
    }
}

int CDirListing::entry_at(int x, int y) const
{
    for (int i = 0; i < kMaxEntries && entries_[i].name; ++i) {
        const dir_entry& e = entries_[i];
        if (!e.hidden && e.y - 16 <= y && y <= e.y && e.x + e.width > x)
            return i;
    }
    return -1;
}
