// A top-level window that lists one directory and lets the user walk the
// tree by clicking directory names. It browses with chdir, so it always
// starts in the process's current directory and leaves it where the user
// walked. The result goes back through two callbacks, OK and CANCEL; the
// window is already closed when either runs.
//
// Threads: construction, set_title, the callback registrations,
// set_magnification and open_file_selector_window belong to the caller's
// thread while the window is closed; everything else runs on the engine's
// GUI thread through the window callbacks.
#pragma once

#include <atomic>

#include "afx/afx_engine.h"
#include "dir_listing.h"
#include "selector_variant.h"
#include "vertical_scroller.h"
#include "view_port.h"
#include "wire_frame_button.h"

class AFX_font_engine;

// path: owned by the selector, valid until it changes or frees it (copy
// it); null for CANCEL.
using selector_callback = void (*)(char* path, void* user);

class CSelectorWindow {
public:
    static constexpr int kWindowWidth = 640;
    static constexpr int kMaxScaledListHeight = 32767;

    CSelectorWindow(AFX_engine* engine, AFX_font_engine* font, const selector_variant& shape);
    virtual ~CSelectorWindow();
    CSelectorWindow(const CSelectorWindow&) = delete;
    CSelectorWindow& operator=(const CSelectorWindow&) = delete;

    // Both callbacks share one user pointer: the last registration sets it.
    void register_ok_callback(selector_callback cb, void* user);
    void register_cancel_callback(selector_callback cb, void* user);
    void set_title(const char* text);
    void set_magnification(float m);
    bool get_file_selector_open() const { return open_; }
    // False when the window could not be made (no display, table full).
    bool open_file_selector_window();
    void close_file_selector_window();

    // Window callbacks, in window pixels; buttons from 0 (left).
    static constexpr int kLeftButton = 0;
    void button_press_handler(int x, int y, int button);
    void button_release_handler(int x, int y, int button);
    void wheel_handler(int x, int y, int step);
    void motion_handler(int x, int y);
    void double_click_handler(int x, int y);
    void expose_handler(int x, int y, int w, int h);
    void window_destroy_handler();

    // Drawing and the list; public for the owner's tests.
    void draw_file_selector(afx_pixbuf* buffer);
    virtual void draw_path_onto_text_entry(const char* path);
    void configure_file_list_viewport();
    void refresh_file_list();
    void redraw_file_list_scroller();
    void redraw_file_list_viewport() {}
    // The name at a point of the list drawable (scaled pixels), or null.
    const char* get_filename_at_position(int x, int y, int* index) const;
    void set_filename_highlight(int index);
    void clear_filename_highlights();

    const CDirListing& listing() const { return listing_; }
    const char* chosen_path() const { return chosen_path_; }
    int window_index() const { return window_; }
    afx_pixbuf* backing_buffer() const { return backing_; }
    int scaled_width() const { return scaled_w_; }
    int scaled_height() const { return scaled_h_; }
    float magnification() const { return magnification_; }
    const CVerticalScroller& scroller() const { return scroller_; }
    const CViewPort& viewport() const { return viewport_; }

protected:
    // What a click on a file name does (the folder selector: nothing).
    virtual void file_name_clicked(int index) {}
    // What OK hands back at release: a heap text or null.
    virtual char* ok_result() = 0;
    // True when OK without a result means the user chose nothing.
    virtual bool empty_ok_is_cancel() const { return false; }
    // Callbacks beyond the six every selector has.
    virtual void register_extra_callbacks(int index) {}
    virtual void draw_extra_widgets(afx_pixbuf* buffer) {}

    // Closes the window, then calls OK with `path` (taken over) or CANCEL.
    void finish(bool ok, char* path);
    void replace_chosen_path(char* path);
    // The current directory as a heap text, or the one listed last when it
    // can no longer be read; null when neither is known.
    char* current_directory() const;

    AFX_engine* engine_;
    AFX_font_engine* font_;
    const selector_variant shape_;
    afx_pixbuf* backing_ = nullptr;
    int window_ = -1;
    float magnification_ = 1.0f;

private:
    void list_dir(const char* path);
    void render_list_into_drawable();
    void reset_viewport_geometry();
    void give_list_to_viewport();
    void change_directory(const char* name);
    void scroller_follows_viewport();
    void scroller_press(int x, int y);
    void list_press(int x, int y);
    void press_button(CWireFramePushButton& b);
    void release_windows_resources();
    void draw_title(afx_pixbuf* buffer) const;
    void draw_frames(afx_pixbuf* buffer) const;
    void set_up_buttons();

    CDirListing listing_;
    char* chosen_path_ = nullptr;
    char* title_ = nullptr;
    char* listed_dir_ = nullptr;  // absolute path of the last listing
    void* user_ = nullptr;
    selector_callback ok_cb_ = nullptr, cancel_cb_ = nullptr;
    int window_x_ = 0, window_y_ = 0, scaled_w_ = 0, scaled_h_ = 0;
    int list_w_ = 0, list_h_ = 0;
    afx_image* window_image_ = nullptr;
    afx_image* list_image_ = nullptr;
    afx_pixbuf* icon_ = nullptr;
    std::atomic<bool> open_{false};
    CVerticalScroller scroller_;
    CViewPort viewport_;
    CWireFramePushButton ok_button_, cancel_button_;
};
