// The directory list: reading, rendering into the scaled list drawable,
// handing it to the view port, and finding the name under a point.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "afx/core/afx_font_engine.h"
#include "afx/x11/afx_engine_x11.h"
#include "selector_window.h"

void CSelectorWindow::list_dir(const char* path)
{
    if (list_image_ && engine_)
        engine_->afx_pixmap_destroy(list_image_);
    list_image_ = nullptr;
    list_w_ = list_h_ = 0;
    if (engine_)
        x11_ext(*engine_).afx_set_busy_cursor(window_, true);
    if (listing_.read(path)) {
        listing_.sort();
        listing_.layout(*font_);
        if (char* cwd = getcwd(nullptr, 0)) {
            std::free(listed_dir_);
            listed_dir_ = cwd;
        }
        const float m = magnification_;
        list_w_ = static_cast<int>(CDirListing::kListWidth * m + 0.5f);
        list_h_ = std::min(static_cast<int>(listing_.list_height(shape_.least_list_height) * m + 0.5f),
                           kMaxScaledListHeight);
        if (engine_)
            list_image_ = engine_->afx_pixmap_create_fixed(list_w_, list_h_);
        render_list_into_drawable();
    }
    if (engine_)
        x11_ext(*engine_).afx_set_busy_cursor(window_, false);
}

// Only the rows the drawable can show are rendered: a full table of names
// would otherwise take a buffer of some 160 MB.
void CSelectorWindow::render_list_into_drawable()
{
    if (!list_image_)
        return;
    const float m = magnification_;
    const int rows = std::min(listing_.list_height(shape_.least_list_height),
                              static_cast<int>(std::ceil(list_h_ / m)) + 2);
    afx_pixbuf* buf = AFX_drawing::afx_pixbuf_new_with_allocation(CDirListing::kListWidth, rows, window_);
    listing_.render(buf, *font_);
    window_ext(*engine_).afx_stretch_blit_pixbuf_CATROM2(buf, list_image_, 0, 0, list_w_, list_h_, 0, 0, m);
    AFX_drawing::afx_pixbuf_destroy_with_allocation(buf);
}

void CSelectorWindow::refresh_file_list() { render_list_into_drawable(); }

void CSelectorWindow::give_list_to_viewport()
{
    viewport_.set_port_drawable(list_image_);
    viewport_.set_y_size(list_image_ ? list_h_ : 0);
    const float unscaled = list_image_ ? static_cast<float>(list_h_) / magnification_ : 0.0f;
    const float scale =
        unscaled > 0.0f ? static_cast<float>(shape_.scroller_height) / unscaled * 100.0f : 100.0f;
    scroller_.set_scroller_scale(std::min(scale, 100.0f));
    scroller_.set_scroller_value(0.0f);
    redraw_file_list_scroller();
}

void CSelectorWindow::configure_file_list_viewport()
{
    list_dir("./");
    give_list_to_viewport();
    viewport_.redraw_viewport(window_);
}

void CSelectorWindow::redraw_file_list_scroller()
{
    if (backing_) {
        scroller_.undraw_scroller(backing_);
        scroller_.draw_scroller(backing_);
    }
    scroller_.queue_scroller(window_);
}

void CSelectorWindow::change_directory(const char* name)
{
    // On failure (a name that is no directory after all, no permission) the
    // same directory is listed again.
    [[maybe_unused]] const int moved = chdir(name);
    reset_viewport_geometry();
    list_dir("./");
    give_list_to_viewport();
    if (char* cwd = getcwd(nullptr, 0)) {
        draw_path_onto_text_entry(cwd);
        std::free(cwd);
    }
    replace_chosen_path(nullptr);
}

const char* CSelectorWindow::get_filename_at_position(int x, int y, int* index) const
{
    const int i =
        listing_.entry_at(static_cast<int>(x / magnification_), static_cast<int>(y / magnification_));
    *index = i < 0 ? 0 : i;
    return i < 0 ? nullptr : listing_.entry(i).name;
}

void CSelectorWindow::set_filename_highlight(int index)
{
    if (index >= 0 && index < CDirListing::kMaxEntries)
        listing_.entry(index).highlighted = true;
}

void CSelectorWindow::clear_filename_highlights()
{
    for (int i = 0; i < CDirListing::kMaxEntries; ++i)
        listing_.entry(i).highlighted = false;
}
