// Life cycle of a selector window: construction, opening, closing, and the
// trampolines the engine calls.
#include "selector_window.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "afx/x11/afx_engine_x11.h"
#include "afx_installer_artwork.h"

namespace {

CSelectorWindow* self(void* user) { return static_cast<CSelectorWindow*>(user); }

void press_cb(int x, int y, int button, int, void* user) { self(user)->button_press_handler(x, y, button); }
void release_cb(int x, int y, int button, int, void* user)
{
    self(user)->button_release_handler(x, y, button);
}
void wheel_cb(int x, int y, int step, int, void* user) { self(user)->wheel_handler(x, y, step); }
void motion_cb(int x, int y, int, void* user) { self(user)->motion_handler(x, y); }
void double_click_cb(int x, int y, int, int, void* user) { self(user)->double_click_handler(x, y); }
void expose_cb(int x, int y, int w, int h, int, void* user) { self(user)->expose_handler(x, y, w, h); }
void destroy_cb(int, int, int, void* user)
{
    if (user)
        self(user)->window_destroy_handler();
}

int scaled(int v, float m) { return static_cast<int>(v * m + 0.5f); }

}  // namespace

CSelectorWindow::CSelectorWindow(AFX_engine* engine, AFX_font_engine* font, const selector_variant& shape)
    : engine_(engine), font_(font), shape_(shape), scroller_(engine), viewport_(engine),
      ok_button_(engine, font), cancel_button_(engine, font)
{
}

CSelectorWindow::~CSelectorWindow()
{
    close_file_selector_window();
    if (engine_ && list_image_)
        engine_->afx_pixmap_destroy(list_image_);
    AFX_drawing::afx_pixbuf_destroy(icon_);  // its pixels belong to the artwork
    std::free(chosen_path_);
    std::free(title_);
    std::free(listed_dir_);
}

void CSelectorWindow::register_ok_callback(selector_callback cb, void* user)
{
    ok_cb_ = cb;
    user_ = user;
}

void CSelectorWindow::register_cancel_callback(selector_callback cb, void* user)
{
    cancel_cb_ = cb;
    user_ = user;
}

void CSelectorWindow::set_title(const char* text)
{
    std::free(title_);
    title_ = text ? strdup(text) : nullptr;
}

void CSelectorWindow::set_magnification(float m)
{
    magnification_ = m;
    scroller_.set_magnification(m);
    viewport_.set_magnification(m);
    ok_button_.set_magnification(m);
    cancel_button_.set_magnification(m);
}

bool CSelectorWindow::open_file_selector_window()
{
    if (open_ || !engine_)
        return open_;
    AFX_engine_x11 x11 = x11_ext(*engine_);
    replace_chosen_path(nullptr);
    backing_ = nullptr;  // the selector owns a backing buffer only while open
    open_ = true;
    const float m = magnification_;
    scaled_w_ = scaled(kWindowWidth, m);
    scaled_h_ = scaled(shape_.window_height, m);
    window_image_ = engine_->afx_pixmap_create_fixed(scaled_w_, scaled_h_);
    int cx = 0, cy = 0;
    x11.find_screen_centre(&cx, &cy);
    window_x_ = cx - scaled_w_ / 2;
    window_y_ = cy - scaled_h_ / 2;
    window_ = window_image_ ? x11_ext(*engine_).create_new_afx_window(window_x_, window_y_, scaled_w_,
                                                                      scaled_h_, 1.0f, this)
                            : -1;
    if (window_ < 0) {
        release_windows_resources();
        open_ = false;
        return false;
    }
    backing_ = AFX_drawing::afx_pixbuf_new_with_allocation(kWindowWidth, shape_.window_height, window_);
    if (!icon_)
        icon_ = AFX_drawing::afx_pixbuf_new_from_inline(afx_art_installer_icon, window_);
    if (icon_)
        x11.set_afx_window_icon(icon_, window_);

    window_ext(*engine_).set_afx_window_scale_factor(window_, 1.0f);
    window_ext(*engine_).set_afx_window_title(window_, title_ ? title_ : "");
    if (shape_.utility_on_top) {
        x11.set_afx_window_type_wm_utility(window_);
        x11.set_afx_window_on_top(window_);
    } else {
        x11.set_afx_window_class("hollowfx-ui", window_);
    }
    x11.set_afx_window_size_policy(scaled_w_, scaled_h_, scaled_w_, scaled_h_, scaled_w_, scaled_h_,
                                   window_x_, window_y_, window_);
    x11.select_afx_input_events(window_);

    // Everything is drawn and listed before the callbacks go in and the
    // window is mapped: from then on only the GUI thread touches the widgets.
    draw_file_selector(backing_);
    configure_file_list_viewport();
    window_ext(*engine_).afx_stretch_blit_pixbuf_CATROM2(backing_, window_image_, 0, 0, scaled_w_, scaled_h_,
                                                         0, 0, m);

    window_ext(*engine_).register_button_press_callback(window_, press_cb);
    window_ext(*engine_).register_button_release_callback(window_, release_cb);
    window_ext(*engine_).register_wheel_callback(window_, wheel_cb);
    window_ext(*engine_).register_motion_notify_callback(window_, motion_cb);
    window_ext(*engine_).register_expose_callback(window_, expose_cb);
    window_ext(*engine_).register_window_destroy_callback(window_, destroy_cb);
    window_ext(*engine_).register_double_click_callback(window_, double_click_cb);
    register_extra_callbacks(window_);
    window_ext(*engine_).show_afx_window(window_);
    return true;
}

void CSelectorWindow::close_file_selector_window()
{
    if (!open_)
        return;
    if (engine_ && window_ >= 0)
        window_ext(*engine_).destroy_afx_window(window_);
    release_windows_resources();
    open_ = false;
}

void CSelectorWindow::window_destroy_handler()
{
    if (!open_)
        return;
    release_windows_resources();
    open_ = false;
    if (cancel_cb_)
        cancel_cb_(nullptr, user_);
}

// Freed only once the window is gone, so that no expose still running on
// the GUI thread can reach them.
void CSelectorWindow::release_windows_resources()
{
    if (engine_ && window_image_)
        engine_->afx_pixmap_destroy(window_image_);
    window_image_ = nullptr;
    AFX_drawing::afx_pixbuf_destroy_with_allocation(backing_);
    backing_ = nullptr;
    window_ = -1;
}

void CSelectorWindow::finish(bool ok, char* path)
{
    close_file_selector_window();
    if (!ok) {
        std::free(path);
        if (cancel_cb_)
            cancel_cb_(nullptr, user_);
        return;
    }
    replace_chosen_path(path);
    // Last: the callback may reopen the selector or delete it.
    if (ok_cb_)
        ok_cb_(chosen_path_, user_);
}

void CSelectorWindow::replace_chosen_path(char* path)
{
    if (path != chosen_path_)
        std::free(chosen_path_);
    chosen_path_ = path;
}

char* CSelectorWindow::current_directory() const
{
    if (char* cwd = getcwd(nullptr, 0))
        return cwd;
    return listed_dir_ ? strdup(listed_dir_) : nullptr;
}
