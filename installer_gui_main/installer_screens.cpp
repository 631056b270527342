#include "installer_screens.h"

#include <algorithm>
#include <string>

#include "afx/core/afx_font_engine.h"
#include "afx/x11/afx_engine_x11.h"
#include "afx_installer_artwork.h"
#include "installer_config.h"
#include "installer_run_state.h"
#include "secret_text.h"

namespace {

const installer_config& cfg = kInstallerConfig;

int scaled(float scale, int v) { return static_cast<int>(scale * static_cast<float>(v) + 0.5f); }

}  // namespace

CInstallerScreens::CInstallerScreens(AFX_engine* engine, AFX_font_engine* font, float ui_scale)
    : engine_(engine), font_(font), scale_(ui_scale)
{
}

CInstallerScreens::~CInstallerScreens()
{
    free_splash_objects();
    free_main_window_objects();
}

int CInstallerScreens::scaled_width() const { return scaled(scale_, cfg.main_width); }
int CInstallerScreens::scaled_height() const { return scaled(scale_, cfg.main_height); }

// --- drawing onto a window ---------------------------------------------------

// Scales a rectangle of the unscaled buffer into the window image and shows
// it; rectangles are clipped to the image, whatever the server reports.
void CInstallerScreens::present(int index, const afx_pixbuf* buf, afx_image* drawable, int x, int y, int w,
                                int h)
{
    if (!buf || !drawable || index < 0)
        return;
    const int sw = scaled_width(), sh = scaled_height();
    const int x0 = std::clamp(x, 0, sw), y0 = std::clamp(y, 0, sh);
    const int x1 = std::clamp(x + w, 0, sw), y1 = std::clamp(y + h, 0, sh);
    if (x1 <= x0 || y1 <= y0)
        return;
    if (scale_ == 1.0f)
        engine_->afx_blit_pixbuf_fixed(drawable, buf, x0, y0, x0, y0, x1 - x0, y1 - y0);
    else
        window_ext(*engine_).afx_stretch_blit_pixbuf_CATROM2(buf, drawable, x0, y0, x1 - x0, y1 - y0, 0, 0,
                                                             scale_);
    window_ext(*engine_).afx_draw_afx_drawable(index, drawable, x0, y0, x0, y0, x1 - x0, y1 - y0);
}

// --- splash --------------------------------------------------------------------

int CInstallerScreens::open_splash(int cx, int cy)
{
    AFX_engine_x11 x11 = x11_ext(*engine_);
    const int w = scaled(scale_, cfg.splash_width), h = scaled(scale_, cfg.splash_height);
    const int x = cx - w / 2, y = cy - h / 2;
    splash_ = x11.create_new_afx_window(x, y, w, h, 1.0f, true, this);
    if (splash_ < 0)
        return -1;
    window_ext(*engine_).set_afx_window_scale_factor(splash_, 1.0f);
    x11.set_afx_window_size_policy(w, h, w, h, w, h, x, y, splash_);
    x11.set_afx_window_class("qelm-inst-splash", splash_);
    x11.set_afx_window_on_top(splash_);
    x11.set_afx_window_type_wm_splash(splash_);
    x11.select_afx_input_events(splash_);

    if (splash_image_)
        AFX_drawing::afx_pixbuf_reparent(splash_image_, splash_);
    else
        splash_image_ = AFX_drawing::afx_pixbuf_new_from_inline(afx_art_installer_splash, splash_);
    if (!splash_image_)
        return -2;

    {
        std::lock_guard<std::mutex> lock(mx_);
        if (!splash_buf_)
            splash_buf_ =
                AFX_drawing::afx_pixbuf_new_with_allocation(cfg.splash_width, cfg.splash_height, splash_);
        if (!splash_drawable_)
            splash_drawable_ = engine_->afx_pixmap_create_fixed(w, h);
        AFX_drawing::afx_combine_pixbuf_fixed(splash_image_, splash_buf_, 0, 0, 0, 0, cfg.splash_width,
                                              cfg.splash_height);
    }
    x11.register_configure_callback(splash_, splash_window_configure_callback);
    window_ext(*engine_).register_expose_callback(splash_, splash_window_expose_callback);
    window_ext(*engine_).register_window_destroy_callback(splash_, splash_window_destroy_callback);
    window_ext(*engine_).show_afx_window(splash_);
    return 0;
}

void CInstallerScreens::close_splash()
{
    if (splash_ >= 0)
        window_ext(*engine_).destroy_afx_window(splash_);
    splash_ = -1;
    std::lock_guard<std::mutex> lock(mx_);
    free_splash_objects();
}

void CInstallerScreens::free_splash_objects()
{
    if (splash_image_)
        AFX_drawing::afx_pixbuf_destroy(splash_image_);
    if (splash_drawable_)
        engine_->afx_pixmap_destroy(splash_drawable_);
    if (splash_buf_)
        AFX_drawing::afx_pixbuf_destroy_with_allocation(splash_buf_);
    splash_image_ = splash_buf_ = nullptr;
    splash_drawable_ = nullptr;
}

// --- main window -------------------------------------------------------------------

bool CInstallerScreens::open_main_window(int cx, int cy, const char* title)
{
    AFX_engine_x11 x11 = x11_ext(*engine_);
    const int w = scaled_width(), h = scaled_height();
    const int x = cx - w / 2, y = cy - h / 2;
    main_ = x11.create_new_afx_window(x, y, w, h, 1.0f, false, this);
    if (main_ < 0)
        return false;
    window_ext(*engine_).set_afx_window_scale_factor(main_, 1.0f);
    x11.set_afx_window_size_policy(w, h, w, h, w, h, x, y, main_);
    x11.set_afx_window_class("qelm-installer", main_);
    if (!icon_)
        icon_ = AFX_drawing::afx_pixbuf_new_from_inline(afx_art_installer_icon, main_);
    if (icon_)
        x11.set_afx_window_icon(icon_, main_);
    window_ext(*engine_).set_afx_window_title(main_, title);
    x11.select_afx_input_events(main_);
    return true;
}

bool CInstallerScreens::create_main_widgets()
{
    std::lock_guard<std::mutex> lock(mx_);
    if (!panel_)
        panel_ = std::make_unique<CMessagePanel>(engine_, font_);
    if (!entry_)
        entry_ = std::make_unique<CPasswordEntry>(engine_, font_);
    if (!bar_)
        bar_ = std::make_unique<CProgressBar>(engine_, font_);
    if (!ok_)
        ok_ = std::make_unique<CWireFramePushButton>(engine_, font_);
    if (background_)
        AFX_drawing::afx_pixbuf_reparent(background_, main_);
    else
        background_ = AFX_drawing::afx_pixbuf_new_from_inline(afx_art_installer_background, main_);
    return background_ != nullptr;
}

int CInstallerScreens::layout_main_window(int auth_method)
{
    std::lock_guard<std::mutex> lock(mx_);
    panel_->set_panel_pixbuf(background_);
    panel_->set_x_size(cfg.main_width);
    panel_->set_y_size(cfg.main_height);
    panel_->set_x_pos(0);
    panel_->set_y_pos(0);

    entry_->set_password_entry_pos_x(kEntryX);
    entry_->set_password_entry_pos_y(kRowY);
    entry_->set_password_entry_size_x(cfg.entry_width);
    entry_->set_password_entry_size_y(cfg.entry_height);
    entry_->set_background_colour(cfg.entry_background.r, cfg.entry_background.g, cfg.entry_background.b);
    entry_->set_normal_colour(cfg.entry_text.r, cfg.entry_text.g, cfg.entry_text.b);
    entry_->set_focus_colour(cfg.entry_text_focus.r, cfg.entry_text_focus.g, cfg.entry_text_focus.b);
    entry_->set_password_entry_has_focus(true);

    bar_->set_progress_bar_pos_x(kBarX);
    bar_->set_progress_bar_pos_y(kRowY);
    bar_->set_progress_bar_size_x(cfg.bar_width);
    bar_->set_progress_bar_size_y(cfg.bar_height);
    bar_->set_background_colour(cfg.bar_background.r, cfg.bar_background.g, cfg.bar_background.b);
    bar_->set_text_colour(cfg.bar_caption.r, cfg.bar_caption.g, cfg.bar_caption.b);
    bar_->set_bar_colour(cfg.bar_colour.r, cfg.bar_colour.g, cfg.bar_colour.b);
    bar_->set_hidden(true);

    ok_->set_x_pos(kOkX);
    ok_->set_y_pos(kOkY);
    ok_->set_x_size(cfg.ok_width);
    ok_->set_y_size(cfg.ok_height);
    ok_->set_background_colour(cfg.ok_background.r, cfg.ok_background.g, cfg.ok_background.b);
    ok_->set_frame_colour(cfg.ok_frame.r, cfg.ok_frame.g, cfg.ok_frame.b);
    ok_->set_text_colour(cfg.ok_text.r, cfg.ok_text.g, cfg.ok_text.b);
    ok_->set_highlight_colour(cfg.ok_highlight.r, cfg.ok_highlight.g, cfg.ok_highlight.b);
    ok_->set_text_highlight_colour(cfg.ok_text_highlight.r, cfg.ok_text_highlight.g, cfg.ok_text_highlight.b);
    ok_->set_button_text(cfg.ok_caption);
    ok_->set_state(false);
    ok_->set_button_has_focus(false);
    ok_->set_hidden(true);

    panel_->set_magnification(scale_);
    entry_->set_magnification(scale_);
    bar_->set_magnification(scale_);
    ok_->set_magnification(scale_);

    panel_->clear_all_lines();
    panel_->set_line(installer_heading(), 0, CMessagePanel::centred);
    switch (auth_method) {
    case auth_sudo:
        panel_->set_line("To authenticate the installation", 2, CMessagePanel::centred);
        panel_->set_line("please enter your user password", 3, CMessagePanel::centred);
        return 0;
    case auth_su:
        panel_->set_line("To authenticate the installation", 2, CMessagePanel::centred);
        panel_->set_line("please enter the admin / root password", 3, CMessagePanel::centred);
        return 0;
    default:
        entry_->set_hidden(true);
        panel_->set_line("** ERROR **", 2, CMessagePanel::centred);
        panel_->set_line("Unable to find a working authentication method", 3, CMessagePanel::centred);
        panel_->set_line("on this system.  A working sudo configuration", 4, CMessagePanel::centred);
        panel_->set_line("or a root / admin user account is required", 5, CMessagePanel::centred);
        panel_->set_line("The installation could not complete", 7, CMessagePanel::centred);
        return -1;
    }
}

void CInstallerScreens::create_main_drawables()
{
    std::lock_guard<std::mutex> lock(mx_);
    if (!main_buf_)
        main_buf_ = AFX_drawing::afx_pixbuf_new_with_allocation(cfg.main_width, cfg.main_height, main_);
    if (!main_drawable_)
        main_drawable_ = engine_->afx_pixmap_create_fixed(scaled_width(), scaled_height());
    panel_->draw_message_panel(main_buf_);
}

void CInstallerScreens::register_main_callbacks()
{
    AFX_engine_x11 x11 = x11_ext(*engine_);
    window_ext(*engine_).register_button_press_callback(main_, main_window_button_press_callback);
    window_ext(*engine_).register_button_release_callback(main_, main_window_button_release_callback);
    x11.register_configure_callback(main_, main_window_configure_callback);
    window_ext(*engine_).register_expose_callback(main_, main_window_expose_callback);
    x11.register_selection_callback(main_, main_window_selection_callback);
    window_ext(*engine_).register_window_destroy_callback(main_, main_window_destroy_callback);
    window_ext(*engine_).register_gui_update_callback(main_, main_window_gui_update_callback);
    // Keys typed as soon as the window shows already reach the entry.
    x11.register_keypress_callback(main_, main_window_keypress_callback);
}

void CInstallerScreens::show_main_window() { window_ext(*engine_).show_afx_window(main_); }

void CInstallerScreens::free_main_window_objects()
{
    if (main_ >= 0 && !main_gone_)
        window_ext(*engine_).destroy_afx_window(main_);
    main_ = -1;
    panel_.reset();
    entry_.reset();
    bar_.reset();
    ok_.reset();
    if (background_)
        AFX_drawing::afx_pixbuf_destroy(background_);
    if (icon_)
        AFX_drawing::afx_pixbuf_destroy(icon_);
    if (main_drawable_)
        engine_->afx_pixmap_destroy(main_drawable_);
    if (main_buf_)
        AFX_drawing::afx_pixbuf_destroy_with_allocation(main_buf_);
    background_ = icon_ = main_buf_ = nullptr;
    main_drawable_ = nullptr;
}

// --- screens (flow thread) -----------------------------------------------------------

void CInstallerScreens::request_redraw() { run_flags().redraw_requested.store(1); }

void CInstallerScreens::set_panel_lines(const char* heading, const char* line2, const char* line3)
{
    panel_->clear_all_lines();
    panel_->set_line(heading, 0, CMessagePanel::centred);
    if (line2)
        panel_->set_line(line2, 2, CMessagePanel::centred);
    if (line3)
        panel_->set_line(line3, 3, CMessagePanel::centred);
}

void CInstallerScreens::show_other_instance(const char* heading)
{
    static const char* const kText[] = {"Another instance of the installer is",
                                        "already running or an orphan lock file",
                                        "has been left in /tmp.",
                                        nullptr,
                                        "If no other instances of the installer",
                                        "are running, remove the",
                                        "qelm-installer-lock file",
                                        "from /tmp and restart the installer."};
    show_lock_refusal(heading, kText);
}

void CInstallerScreens::show_other_users_lock(const char* heading, const char* owner)
{
    const std::string whose = std::string("belongs to another user: ") + owner;
    const char* const text[] = {"The installer's lock file in /tmp",  whose.c_str(),
                                "who may be running the installer.",  nullptr,
                                "Only that user or an administrator", "can remove the",
                                "qelm-installer-lock file",           "from /tmp."};
    show_lock_refusal(heading, text);
}

void CInstallerScreens::show_lock_refusal(const char* heading, const char* const (&text)[8])
{
    std::lock_guard<std::mutex> lock(mx_);
    panel_->clear_all_lines();
    panel_->set_line(heading, 0, CMessagePanel::centred);
    panel_->set_line("** ERROR **", 2, CMessagePanel::centred);
    for (int i = 0; i < 8; ++i)
        if (text[i])
            panel_->set_line(text[i], 3 + i, CMessagePanel::left_block);
    entry_->set_hidden(true);
    panel_->set_dim(true);
    panel_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::begin_password_wait()
{
    {
        std::lock_guard<std::mutex> lock(mx_);
        redraw_entry_now();
    }
    x11_ext(*engine_).register_keypress_callback(main_, main_window_keypress_callback);
}

void CInstallerScreens::take_password(CSecretText& out)
{
    std::lock_guard<std::mutex> lock(mx_);
    out.assign_filtered(entry_->get_text_string());
    entry_->clear_text();
    entry_->set_password_entry_has_focus(false);
    entry_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::show_wrong_password(const char* heading)
{
    std::lock_guard<std::mutex> lock(mx_);
    set_panel_lines(heading, "** ERROR **", "Incorrect Password");
    panel_->set_line("Please Try Again", 5, CMessagePanel::centred);
    entry_->clear_text();
    entry_->set_password_entry_has_focus(true);
    entry_->set_control_dirty(true);
    panel_->set_dim(true);
    panel_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::show_installing(const char* heading)
{
    std::lock_guard<std::mutex> lock(mx_);
    set_panel_lines(heading, "Installing...", nullptr);
    panel_->set_dim(false);
    entry_->set_hidden(true);
    panel_->set_control_dirty(true);
    bar_->set_caption("Unpacking Files");
    bar_->set_hidden(false);
    bar_->set_progress_value(0.0f);
    bar_->set_progress_mode(CProgressBar::filled);
    bar_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::set_progress(const char* caption, float value, int mode)
{
    std::lock_guard<std::mutex> lock(mx_);
    bar_->set_caption(caption);
    bar_->set_progress_value(value);
    bar_->set_progress_mode(mode);
    bar_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::set_progress_value(float value)
{
    std::lock_guard<std::mutex> lock(mx_);
    bar_->set_progress_value(value);
    bar_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::show_final_message(const char* heading, const char* first, const char* second)
{
    std::lock_guard<std::mutex> lock(mx_);
    set_panel_lines(heading, first, second);
    panel_->set_dim(false);
    entry_->set_hidden(true);
    bar_->set_hidden(true);
    panel_->set_control_dirty(true);
    request_redraw();
}

void CInstallerScreens::show_complete(const char* heading)
{
    show_final_message(heading, "Installation Complete", nullptr);
}

void CInstallerScreens::show_ok_button()
{
    std::lock_guard<std::mutex> lock(mx_);
    ok_->set_hidden(false);
    ok_->set_control_dirty(true);
    request_redraw();
}
