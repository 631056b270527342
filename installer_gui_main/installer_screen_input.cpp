// The windows' side on the engine's GUI thread: the update callback that
// draws what the flow changed, exposure, and the user's keys and clicks.
#include <cstdint>

#include "afx/x11/afx_engine_x11.h"
#include "installer_run_state.h"
#include "installer_screens.h"

namespace {

constexpr uint32_t kReturnKey = 0xff0d;
// Buttons as the engine numbers them: from 0, the left one first.
constexpr int kLeftButton = 0;
constexpr int kMiddleButton = 1;

CInstallerScreens* screens_of(void* user) { return static_cast<CInstallerScreens*>(user); }

}  // namespace

void CInstallerScreens::splash_window_configure_callback(int, int, int index, void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    s->present(index, s->splash_buf_, s->splash_drawable_, 0, 0, s->scaled_width(), s->scaled_height());
}

void CInstallerScreens::splash_window_expose_callback(int x, int y, int w, int h, int index, void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    s->present(index, s->splash_buf_, s->splash_drawable_, x, y, w, h);
}

void CInstallerScreens::splash_window_destroy_callback(int, int, int, void*) {}

void CInstallerScreens::redraw_entry_now()
{
    if (!main_buf_ || entry_->get_hidden())
        return;
    entry_->undraw_password_entry(main_buf_);
    entry_->draw_password_entry(main_buf_);
    entry_->queue_password_entry(main_);
}

void CInstallerScreens::redraw_dirty_widgets()
{
    if (!main_buf_)
        return;
    if (panel_->get_control_dirty()) {
        panel_->draw_message_panel(main_buf_);
        panel_->queue_message_panel(main_);
        panel_->set_control_dirty(false);
        // The panel paints the whole window, the widget row included.
        entry_->set_control_dirty(!entry_->get_hidden());
        bar_->set_control_dirty(!bar_->get_hidden());
        ok_->set_control_dirty(!ok_->get_hidden());
    }
    if (entry_->get_control_dirty()) {
        redraw_entry_now();
        entry_->set_control_dirty(false);
    }
    if (bar_->get_control_dirty()) {
        bar_->undraw_progress_bar(main_buf_);
        bar_->draw_progress_bar(main_buf_);
        bar_->queue_progress_bar(main_);
        bar_->set_control_dirty(false);
    }
    if (ok_->get_control_dirty()) {
        ok_->undraw_pushbutton(main_buf_);
        ok_->draw_pushbutton(main_buf_);
        ok_->queue_pushbutton(main_);
        ok_->set_control_dirty(false);
    }
}

bool CInstallerScreens::main_window_gui_update_callback(void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    if (!s->panel_)
        return true;
    if (run_flags().redraw_requested.exchange(0))
        s->redraw_dirty_widgets();
    // The bouncing block moves on every update.
    if (s->main_buf_ && !s->bar_->get_hidden() && s->bar_->get_progress_mode() == CProgressBar::bouncing) {
        s->bar_->undraw_progress_bar(s->main_buf_);
        s->bar_->draw_progress_bar(s->main_buf_);
        s->bar_->queue_progress_bar(s->main_);
    }
    return true;
}

void CInstallerScreens::main_window_expose_callback(int x, int y, int w, int h, int index, void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    s->present(index, s->main_buf_, s->main_drawable_, x, y, w, h);
}

void CInstallerScreens::main_window_configure_callback(int, int, int, void*) {}

void CInstallerScreens::main_window_destroy_callback(int, int, int, void* user)
{
    CInstallerScreens* s = screens_of(user);
    {
        std::lock_guard<std::mutex> lock(s->mx_);
        s->main_gone_ = true;
    }
    run_flags().abort_requested.store(1);
}

void CInstallerScreens::main_window_button_press_callback(int x, int y, int button, int, void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    if (!s->panel_)
        return;
    if (button == kMiddleButton && !s->entry_->get_hidden() && s->entry_->password_entry_test_clicked(x, y)) {
        x11_ext(*s->engine_).convert_AFX_clipboard_data(s->main_);
        return;
    }
    if (button == kLeftButton && !s->ok_->get_hidden() && s->ok_->test_clicked(x, y)) {
        s->ok_->set_button_has_focus(true);
        s->ok_->set_state(true);
        s->ok_->set_control_dirty(true);
        s->request_redraw();
    }
}

void CInstallerScreens::main_window_button_release_callback(int, int, int button, int, void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    if (!s->panel_ || button != kLeftButton || !s->ok_->get_state())
        return;
    s->ok_->set_button_has_focus(false);
    s->ok_->set_state(false);
    s->ok_->set_control_dirty(true);
    s->request_redraw();
    run_flags().ok_pressed.store(1);
}

void CInstallerScreens::main_window_keypress_callback(const char* text, uint32_t keysym, uint32_t, int,
                                                      void* user)
{
    CInstallerScreens* s = screens_of(user);
    std::lock_guard<std::mutex> lock(s->mx_);
    if (!s->panel_)
        return;
    if (!s->ok_->get_hidden()) {
        if (keysym == kReturnKey)
            run_flags().ok_pressed.store(1);
        return;
    }
    if (s->entry_->send_keypress(keysym, text ? text : ""))
        run_flags().password_entered.store(1);
    else
        s->redraw_entry_now();
}

void CInstallerScreens::main_window_selection_callback(unsigned char* text, int, void* user)
{
    CInstallerScreens* s = screens_of(user);
    if (!text)
        return;
    {
        std::lock_guard<std::mutex> lock(s->mx_);
        if (s->panel_ && !s->entry_->get_hidden() && s->entry_->get_focus()) {
            s->entry_->set_text(reinterpret_cast<const char*>(text));
            s->entry_->set_control_dirty(true);
            s->request_redraw();
        }
    }
    AFX_engine_x11::free_clipboard_data(text);
}
