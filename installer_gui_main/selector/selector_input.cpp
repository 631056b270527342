// Mouse input and repaints of a selector window. Coordinates are window
// pixels; the list is hit-tested in list-drawable pixels.
#include "selector_window.h"

#include <algorithm>

#include "afx/afx_engine_windows.h"

void CSelectorWindow::scroller_follows_viewport()
{
    scroller_.set_scroller_value(viewport_.get_viewport_y_value());
    redraw_file_list_scroller();
}

void CSelectorWindow::press_button(CWireFramePushButton& b)
{
    b.set_button_has_focus(true);
    b.set_state(true);
    if (backing_) {
        b.undraw_pushbutton(backing_);
        b.draw_pushbutton(backing_);
    }
    b.queue_pushbutton(window_);
}

// Troughs page, arrows step 16 pixels.
void CSelectorWindow::scroller_press(int x, int y)
{
    struct zone {
        bool (CVerticalScroller::*hit)(int, int) const;
        int step;  // 0: a page
        int direction;
    };
    static constexpr zone zones[] = {{&CVerticalScroller::test_trough_upper_clicked, 0, -1},
                                     {&CVerticalScroller::test_trough_lower_clicked, 0, +1},
                                     {&CVerticalScroller::test_upper_arrow_clicked, 16, -1},
                                     {&CVerticalScroller::test_lower_arrow_clicked, 16, +1}};
    for (const zone& z : zones) {
        if (!(scroller_.*z.hit)(x, y))
            continue;
        if (z.step == 0)
            z.direction < 0 ? viewport_.move_port_pageup(window_) : viewport_.move_port_pagedown(window_);
        else
            z.direction < 0 ? viewport_.move_port_chunk_up(z.step, window_)
                            : viewport_.move_port_chunk_down(z.step, window_);
        scroller_follows_viewport();
    }
}

void CSelectorWindow::list_press(int x, int y)
{
    viewport_.set_control_has_focus(true);
    int index = 0;
    const char* name = get_filename_at_position(viewport_.get_translated_x_coord(x),
                                                viewport_.get_translated_y_coord(y), &index);
    if (!name) {
        clear_filename_highlights();
        refresh_file_list();
    } else if (listing_.entry(index).is_dir()) {
        change_directory(name);
    } else {
        file_name_clicked(index);
    }
    viewport_.redraw_viewport(window_);
}

// A wheel notch scrolls the list by 16 pixels, and ends like a release of
// a button (a pressed OK still fires).
void CSelectorWindow::wheel_handler(int x, int y, int step)
{
    viewport_.set_control_has_focus(false);
    step > 0 ? viewport_.move_port_chunk_up(16, window_) : viewport_.move_port_chunk_down(16, window_);
    scroller_follows_viewport();
    button_release_handler(x, y, kLeftButton);
}

void CSelectorWindow::button_press_handler(int x, int y, int button)
{
    viewport_.set_control_has_focus(false);
    if (button != kLeftButton)
        return;
    if (ok_button_.test_clicked(x, y))
        press_button(ok_button_);
    if (cancel_button_.test_clicked(x, y))
        press_button(cancel_button_);
    scroller_press(x, y);
    if (scroller_.test_control_clicked(x, y))
        scroller_.set_control_has_focus(true);
    if (viewport_.test_control_clicked(x, y))
        list_press(x, y);
    if (engine_)
        engine_->init_mouse(x, y);
}

void CSelectorWindow::motion_handler(int x, int y)
{
    if (!engine_)
        return;
    const int dy = engine_->get_mouse_delta_y(y);
    engine_->get_mouse_delta_x(x);
    if (!scroller_.get_control_focus())
        return;
    scroller_.update_scroller_value(dy);
    viewport_.update_y_value(scroller_.get_scroller_value(), window_);
    redraw_file_list_scroller();
}

// A pressed button fires on release wherever the pointer is.
void CSelectorWindow::button_release_handler(int x, int y, int button)
{
    scroller_.set_control_has_focus(false);
    ok_button_.set_button_has_focus(false);
    cancel_button_.set_button_has_focus(false);
    if (ok_button_.get_state()) {
        ok_button_.set_state(false);
        char* result = ok_result();
        finish(result || !empty_ok_is_cancel(), result);
    } else if (cancel_button_.get_state()) {
        cancel_button_.set_state(false);
        finish(false, nullptr);
    }
}

void CSelectorWindow::double_click_handler(int x, int y)
{
    if (viewport_.get_focus()) {
        if (chosen_path_)
            finish(true, chosen_path_);
        return;
    }
    scroller_press(x, y);
    scroller_.queue_scroller(window_);
}

void CSelectorWindow::expose_handler(int x, int y, int w, int h)
{
    if (!engine_ || !backing_ || !window_image_)
        return;
    // Expose areas come from any client: keep them inside the window image.
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, scaled_w_), y1 = std::min(y + h, scaled_h_);
    if (x1 > x0 && y1 > y0) {
        window_ext(*engine_).afx_stretch_blit_pixbuf_CATROM2(backing_, window_image_, x0, y0, x1 - x0,
                                                             y1 - y0, 0, 0, magnification_);
        window_ext(*engine_).afx_draw_afx_drawable(window_, window_image_, x0, y0, x0, y0, x1 - x0, y1 - y0);
    }
    viewport_.expose_viewport(window_, x, y, w, h);
}
